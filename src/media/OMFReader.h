#pragma once

#include <QString>

namespace kv {
class ByteSource;
}

namespace kv::FileUtilities {

// The project name in the OMF file's table of contents (one character per byte), one of the
// "~ No Project Name: ..." texts, or empty when no entry matches. Throws MediaReadError when
// the file exists but cannot be opened or read (a folder among them).
QString OMFGetProjectName(const QString& path);

// The walk itself, over bytes that are already open (no profiling entry). Throws
// MediaReadError when a read fails.
QString OMFReadProjectName(ByteSource& source);

} // namespace kv::FileUtilities
