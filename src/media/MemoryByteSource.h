#pragma once

#include "media/ByteSource.h"

#include <cstring>

namespace kv {

// Bytes held in memory, read as if they were a file (tests, fuzzing). Does not own them.
class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const char* bytes, quint64 size) : data(bytes), length(size) {}

    quint64 size() const override { return length; }
    qint64 readAt(quint64 offset, char* buffer, qint64 count) override {
        if (count <= 0 || offset >= length)
            return 0;
        const quint64 n = qMin(quint64(count), length - offset);
        std::memcpy(buffer, data + offset, n);
        return qint64(n);
    }

private:
    const char* data;
    quint64 length;
};

} // namespace kv
