#pragma once

#include <QString>

namespace kv::FileUtilities {

// The project name in the OMF file's table of contents (one character per byte), one of the
// "~ No Project Name: ..." texts, or empty when no entry matches. Throws MediaReadError when
// the file exists but cannot be opened or read.
QString OMFGetProjectName(const QString& path);

} // namespace kv::FileUtilities
