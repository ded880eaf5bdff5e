#pragma once

#include <QString>

namespace kv {

// Positioned, read-only access to the bytes of one media file. The readers work through it,
// so that they can be driven from memory as well as from disk.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // The length in bytes.
    virtual quint64 size() const = 0;

    // Reads up to `count` bytes at `offset` into `buffer`. Returns the number read, which is
    // short only at the end of the data (0 at or past it), or -1 when the read fails.
    virtual qint64 readAt(quint64 offset, char* buffer, qint64 count) = 0;

    // Why the last read failed, in the system's words; empty when it does not say.
    virtual QString errorText() const { return QString(); }
};

} // namespace kv
