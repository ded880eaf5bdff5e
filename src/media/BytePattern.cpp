#include "media/BytePattern.h"

#include <cstring>

namespace kv {

qsizetype BytePattern::findIn(const char* data, qsizetype size) const {
    if (size < length)
        return -1;
    const unsigned char key = bytes[anchor];
    // The anchor of an occurrence at index i lies at i + anchor, with i in [0, size - length].
    const char* from = data + anchor;
    const char* const end = data + (size - length) + anchor + 1;
    while (from < end) {
        const void* hit = std::memchr(from, key, size_t(end - from));
        if (!hit)
            return -1;
        const char* start = static_cast<const char*>(hit) - anchor;
        if (static_cast<unsigned char>(start[confirm]) == bytes[confirm] &&
            std::memcmp(start, bytes, size_t(length)) == 0)
            return start - data;
        from = static_cast<const char*>(hit) + 1;
    }
    return -1;
}

} // namespace kv
