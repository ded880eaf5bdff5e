#pragma once

#include <QtGlobal>

namespace kv {

// A fixed byte sequence searched for with memchr on one chosen byte (the anchor, a byte
// that is rare in the data searched); at each hit a second chosen byte is compared before
// the whole sequence.
struct BytePattern {
    const unsigned char* bytes;
    qsizetype length;
    qsizetype anchor;  // index in bytes of the byte memchr looks for
    qsizetype confirm; // index of the byte compared next

    // Index of the first occurrence lying wholly inside data[0, size), or -1.
    qsizetype findIn(const char* data, qsizetype size) const;
};

} // namespace kv
