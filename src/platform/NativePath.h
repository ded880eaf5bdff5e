#pragma once

#include <QByteArray>
#include <QString>

namespace kv::platform {

// File names on Linux are byte strings; they need not be valid UTF-8. Paths travel through
// the program as QString, decoded from UTF-8, with every byte that is not part of a valid
// UTF-8 sequence kept as the lone surrogate U+DC80 + byte. Encoding gives back the very same
// bytes, so a file with such a name can still be opened, moved and copied.
//
// Media paths must go through these two functions (and POSIX calls) rather than through
// QFile or QDir, whose own conversion replaces undecodable bytes.
QString fromNative(const char* bytes, qsizetype size);
QString fromNative(const QByteArray& bytes);
QByteArray toNative(const QString& path);

} // namespace kv::platform
