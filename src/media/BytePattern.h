#pragma once

#include <QtGlobal>

namespace kv {

// A fixed byte sequence, searched for by two of its bytes, the anchor and the confirming
// byte (bytes that are rare in the data searched): only where both stand is the whole
// sequence compared. With AVX2 thirty-two starts are tested at once; otherwise memchr finds
// the anchors.
struct BytePattern {
    const unsigned char* bytes;
    qsizetype length;
    qsizetype anchor;  // index in bytes of the first byte looked for
    qsizetype confirm; // index of the second

    // Index of the first occurrence lying wholly inside data[0, size), or -1.
    qsizetype findIn(const char* data, qsizetype size) const;
};

} // namespace kv
