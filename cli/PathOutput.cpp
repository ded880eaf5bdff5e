#include "PathOutput.h"

#include "platform/NativePath.h"

namespace kv::cli {

QByteArray pathField(const QString& path) {
    const QByteArray bytes = platform::toNative(path);
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace kv::cli
