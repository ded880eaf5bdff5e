#pragma once

#include <QByteArray>
#include <QString>

namespace kv::cli {

// A path as one field of a line of output: its bytes as the file system has them, with a
// backslash, a TAB, a line feed and a carriage return written as "\\", "\t", "\n" and "\r",
// so that a name holding them can neither split the line nor the fields.
QByteArray pathField(const QString& path);

} // namespace kv::cli
