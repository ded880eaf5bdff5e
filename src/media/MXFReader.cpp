#include "media/MXFReader.h"

#include "app/Profiling.h"
#include "media/FileByteSource.h"
#include "media/MXFPatterns.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <memory>

namespace kv::FileUtilities {

namespace {

using namespace kv::MXFPatterns;

// Consecutive windows overlap by the length of the longest pattern, so that a pattern
// crossing one window's end lies whole in the next. No window starts at or beyond 1,000,000.
constexpr qint64 kWindowSize = 75000;
constexpr qint64 kWindowStep = kWindowSize - 16;
constexpr quint64 kWindowStartLimit = 1000000;

QString notFound() {
    return QStringLiteral("~ No Project Name: MXF key not found");
}

void removeZeroBytes(QByteArray& bytes) {
    bytes.truncate(std::remove(bytes.begin(), bytes.end(), '\0') - bytes.begin());
}

// One search window and the file behind it. Bytes the window holds are taken from it; the
// rest are read from the file, never more than the file holds.
class Window {
public:
    Window(ByteSource& source, const char* bytes, quint64 start, qint64 length)
        : source(source), bytes(bytes), start(start), length(length) {}

    const char* data() const { return bytes; }
    qint64 size() const { return length; }

    // The name of a 0xFFFD item whose length bytes begin at `at`: the two bytes there as a
    // little-endian count L, then L - 2 bytes, zero bytes removed. False when a read fails.
    bool itemName(quint64 at, QByteArray& name) const {
        QByteArray count;
        if (!bytesAt(at, 2, count))
            return false;
        if (count.size() < 2)
            return true;
        const quint64 l = quint8(count[0]) | quint64(quint8(count[1])) << 8;
        return l < 3 || nameAt(at + 2, l - 2, name);
    }

    // The text of a "_PJ" tagged value whose one length byte N stands at `at`: N - 19 bytes
    // after the 17 that open the value, zero bytes removed. False when a read fails.
    bool taggedValueName(quint64 at, QByteArray& name) const {
        QByteArray count;
        if (!bytesAt(at, 1, count))
            return false;
        if (count.isEmpty())
            return true;
        const quint64 n = quint8(count[0]);
        return n < 20 || nameAt(at + 1 + kTaggedValueSkip, n - 19, name);
    }

private:
    bool nameAt(quint64 at, quint64 count, QByteArray& name) const {
        if (!bytesAt(at, count, name))
            return false;
        removeZeroBytes(name);
        return true;
    }

    bool bytesAt(quint64 at, quint64 count, QByteArray& out) const {
        // A window shorter than a full one ends where the file ends.
        const quint64 end = length < kWindowSize ? start + quint64(length) : quint64(-1);
        count = at < end ? std::min(count, end - at) : 0;
        if (at >= start && at - start <= quint64(length) &&
            count <= quint64(length) - (at - start)) {
            out = QByteArray(bytes + (at - start), qsizetype(count));
            return true;
        }
        // Past a full window: only as many bytes as the file holds.
        const quint64 fileSize = source.size();
        count = at < fileSize ? std::min(count, fileSize - at) : 0;
        out.resize(qsizetype(count));
        const qint64 got = source.readAt(at, out.data(), qint64(count));
        if (got < 0)
            return false;
        out.truncate(got);
        return true;
    }

    ByteSource& source;
    const char* bytes;
    quint64 start;
    qint64 length;
};

} // namespace

bool IsMXF(ByteSource& source) {
    char head[sizeof kPartitionKeyPrefix];
    return source.readAt(0, head, sizeof head) == qint64(sizeof head) &&
           std::memcmp(head, kPartitionKeyPrefix, sizeof head) == 0;
}

bool IsMXF(const QString& path) {
    FileByteSource file;
    return file.openForReading(path) == FileByteSource::Status::Opened && IsMXF(file);
}

QString MXFReadProjectName(ByteSource& source) {
    QByteArray name;
    QByteArray fallback;
    // Windows start below the file's length, which the reads tell: a window that ends before
    // the next one's start ends the file. So the length is never asked for up front.
    const std::unique_ptr<char[]> buffer(new char[kWindowSize]);
    qint64 got = kWindowSize;
    for (quint64 w = 0; got > kWindowStep && w < kWindowStartLimit; w += kWindowStep) {
        got = source.readAt(w, buffer.get(), kWindowSize);
        if (got < 0)
            return QString(); // a failed read: nothing is settled yet
        if (got == 0)
            break;
        const Window window(source, buffer.get(), w, got);

        qsizetype i = kA.findIn(window.data(), window.size());
        qint64 after = kNameAfterA;
        if (i < 0) {
            i = kB.findIn(window.data(), window.size());
            after = kNameAfterB;
        }
        if (i >= 0) {
            if (!window.itemName(w + i + after, name))
                return QString();
            break;
        }
        if (fallback.isEmpty()) {
            i = kC.findIn(window.data(), window.size());
            if (i >= 0 && !window.taggedValueName(w + i + kNameAfterC, fallback))
                return QString();
        }
    }
    if (name.isEmpty())
        return fallback.isEmpty() ? notFound() : QString::fromLatin1(fallback);
    return QString::fromLatin1(name);
}

QString MXFGetProjectName(const QString& path) {
    Profiling::Scope profile(QStringLiteral("MXFGetProjectName"));
    FileByteSource file;
    if (file.openForReading(path) != FileByteSource::Status::Opened)
        return notFound();
    const QString name = MXFReadProjectName(file);
    // A folder opens like a file but its reads fail: it gives the text of a file that cannot
    // be opened, not the empty name of a failed read.
    if (name.isEmpty() && !file.isRegularFile())
        return notFound();
    return name;
}

} // namespace kv::FileUtilities
