#pragma once

#include <QString>

namespace kv {
class ByteSource;
}

namespace kv::FileUtilities {

// True when the file begins with the first 11 bytes of an MXF partition pack key. A missing
// or unreadable file, or one shorter than 11 bytes, is not MXF.
bool IsMXF(const QString& path);
bool IsMXF(ByteSource& source);

// The project name found in the file's MXF header metadata (one character per byte), the
// fall-back name, or "~ No Project Name: MXF key not found" (also for a missing file, a
// folder or a file that cannot be opened). Empty when a read fails.
QString MXFGetProjectName(const QString& path);

// The search itself, over bytes that are already open (no profiling entry).
QString MXFReadProjectName(ByteSource& source);

} // namespace kv::FileUtilities
