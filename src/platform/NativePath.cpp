#include "platform/NativePath.h"

#include <cstring>

namespace kv::platform {

namespace {

// Length of the valid UTF-8 sequence starting at p (at most n bytes available), or 0.
int validSequenceLength(const unsigned char* p, qsizetype n) {
    const unsigned char c = p[0];
    int len;
    char32_t min;
    char32_t cp;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        min = 0x80;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        min = 0x800;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        min = 0x10000;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (n < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

QString fromNative(const char* bytes, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    // Fast path: plain ASCII, the usual case for media names.
    qsizetype i = 0;
    while (i < size && p[i] < 0x80 && p[i] != 0)
        ++i;
    if (i == size)
        return QString::fromLatin1(bytes, size);

    QString out;
    out.reserve(size);
    qsizetype start = 0;
    i = 0;
    while (i < size) {
        const int len = validSequenceLength(p + i, size - i);
        if (len > 0) {
            i += len;
            continue;
        }
        if (i > start)
            out += QString::fromUtf8(bytes + start, i - start);
        out += QChar(char16_t(0xDC00 + p[i]));
        ++i;
        start = i;
    }
    if (i > start)
        out += QString::fromUtf8(bytes + start, i - start);
    return out;
}

QString fromNative(const QByteArray& bytes) {
    return fromNative(bytes.constData(), bytes.size());
}

QByteArray toNative(const QString& path) {
    QByteArray out;
    out.reserve(path.size());
    const char16_t* s = reinterpret_cast<const char16_t*>(path.utf16());
    const qsizetype n = path.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c >= 0xDC80 && c <= 0xDCFF) {
            // A lone low surrogate from fromNative: the raw byte it stands for.
            const bool paired = i > 0 && s[i - 1] >= 0xD800 && s[i - 1] <= 0xDBFF;
            if (!paired) {
                if (i > start)
                    out += QStringView(path).mid(start, i - start).toUtf8();
                out += char(c - 0xDC00);
                start = i + 1;
            }
        }
    }
    if (start < n)
        out += QStringView(path).mid(start).toUtf8();
    return out;
}

} // namespace kv::platform
