#pragma once

#include "media/ByteSource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kv::fuzz {

// A fuzz input read as a file that may be much longer than the input. The first 8 bytes are
// two little-endian 32-bit numbers, the file's length and where the rest of the input lies in
// the file, each taken modulo (limit + 1); the file holds zeros elsewhere and is at least long
// enough to hold the rest. So a small input can reach the far offsets a reader looks at.
// With both numbers 0 the file is simply the rest of the input.
class SparseSource : public ByteSource {
public:
    SparseSource(const uint8_t* data, size_t size, quint64 limit) {
        if (size < 8) {
            payload = data;
            payloadSize = size;
            length = size;
            return;
        }
        payload = data + 8;
        payloadSize = size - 8;
        offset = word(data + 4) % (limit + 1);
        length = std::max<quint64>(word(data) % (limit + 1), offset + payloadSize);
    }

    quint64 size() const override { return length; }

    qint64 readAt(quint64 at, char* buffer, qint64 count) override {
        if (count <= 0 || at >= length)
            return 0;
        const quint64 n = std::min<quint64>(quint64(count), length - at);
        std::memset(buffer, 0, n);
        const quint64 from = std::max(at, offset);
        const quint64 to = std::min(at + n, offset + payloadSize);
        if (from < to)
            std::memcpy(buffer + (from - at), payload + (from - offset), to - from);
        return qint64(n);
    }

private:
    static quint64 word(const uint8_t* p) {
        return quint64(p[0]) | quint64(p[1]) << 8 | quint64(p[2]) << 16 | quint64(p[3]) << 24;
    }

    const uint8_t* payload = nullptr;
    quint64 payloadSize = 0;
    quint64 offset = 0;
    quint64 length = 0;
};

} // namespace kv::fuzz
