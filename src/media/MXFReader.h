#pragma once

#include <QString>

namespace kv::FileUtilities {

// True when the file begins with the first 11 bytes of an MXF partition pack key.
bool IsMXF(const QString& path);

// The project name found in the file's MXF header metadata (one character per byte), the
// fall-back name, or "~ No Project Name: MXF key not found".
QString MXFGetProjectName(const QString& path);

} // namespace kv::FileUtilities
