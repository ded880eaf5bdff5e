#pragma once

#include <QByteArray>
#include <QString>

namespace kv::platform {

// Writes bytes to a hidden temporary file in the target's folder, flushes it to disk and
// renames it over the target. Every short write, full disk or failed close is reported as
// failure, and then the temporary file is removed and the old target stays as it was.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace kv::platform
