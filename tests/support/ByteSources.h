#pragma once

// Byte sources for reader tests: one that records every read, and one whose reads fail from
// a chosen read on.

#include "media/ByteSource.h"

#include <QVector>

namespace kv::test {

class RecordingSource : public ByteSource {
public:
    struct Read {
        quint64 offset;
        qint64 count;
    };

    explicit RecordingSource(ByteSource& inner) : inner(inner) {}

    quint64 size() const override { return inner.size(); }
    qint64 readAt(quint64 offset, char* buffer, qint64 count) override {
        reads.append({offset, count});
        return inner.readAt(offset, buffer, count);
    }

    QVector<Read> reads;

private:
    ByteSource& inner;
};

class FailingSource : public ByteSource {
public:
    // Reads number `failFrom` (counting from 0) and every later one fail.
    FailingSource(ByteSource& inner, int failFrom) : inner(inner), failFrom(failFrom) {}

    quint64 size() const override { return inner.size(); }
    qint64 readAt(quint64 offset, char* buffer, qint64 count) override {
        if (readsSoFar++ >= failFrom)
            return -1;
        return inner.readAt(offset, buffer, count);
    }
    QString errorText() const override { return QStringLiteral("Input/output error"); }

private:
    ByteSource& inner;
    int failFrom;
    int readsSoFar = 0;
};

} // namespace kv::test
