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

// The bytes as a name, one character per byte, without their zero bytes.
void appendName(QString& name, const char* bytes, quint64 count) {
    name.reserve(qsizetype(count));
    for (const char* const end = bytes + count; bytes < end; ++bytes)
        if (*bytes)
            name.append(QChar(char16_t(quint8(*bytes))));
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
    bool itemName(quint64 at, QString& name) const {
        char count[2];
        const qint64 got = copyAt(at, count, held(at, 2));
        if (got < 2)
            return got >= 0;
        const quint64 l = quint8(count[0]) | quint64(quint8(count[1])) << 8;
        return l < 3 || nameAt(at + 2, l - 2, name);
    }

    // The text of a "_PJ" tagged value whose one length byte N stands at `at`: N - 19 bytes
    // after the 17 that open the value, zero bytes removed. False when a read fails.
    bool taggedValueName(quint64 at, QString& name) const {
        char count;
        const qint64 got = copyAt(at, &count, held(at, 1));
        if (got < 1)
            return got >= 0;
        const quint64 n = quint8(count);
        return n < 20 || nameAt(at + 1 + kTaggedValueSkip, n - 19, name);
    }

private:
    bool nameAt(quint64 at, quint64 count, QString& name) const {
        count = held(at, count);
        if (inWindow(at, count)) {
            appendName(name, bytes + (at - start), count);
            return true;
        }
        QByteArray read(qsizetype(count), Qt::Uninitialized);
        const qint64 got = copyAt(at, read.data(), count);
        if (got < 0)
            return false;
        appendName(name, read.constData(), quint64(got));
        return true;
    }

    bool inWindow(quint64 at, quint64 count) const {
        return at >= start && at - start <= quint64(length) &&
               count <= quint64(length) - (at - start);
    }

    // How many of `count` bytes from `at` on the file holds. A window shorter than a full one
    // ends where the file ends; past a full window the file's length is asked for.
    quint64 held(quint64 at, quint64 count) const {
        if (length < kWindowSize) {
            const quint64 end = start + quint64(length);
            return at < end ? std::min(count, end - at) : 0;
        }
        if (inWindow(at, count))
            return count;
        const quint64 fileSize = source.size();
        return at < fileSize ? std::min(count, fileSize - at) : 0;
    }

    // Copies `count` bytes from `at` on into `out`; the number copied, or -1 when a read fails.
    qint64 copyAt(quint64 at, char* out, quint64 count) const {
        if (inWindow(at, count)) {
            std::memcpy(out, bytes + (at - start), count);
            return qint64(count);
        }
        return source.readAt(at, out, qint64(count));
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
    QString name;
    QString fallback;
    // Windows start below the file's length, which the reads tell: a window that ends before
    // the next one's start ends the file. So the length is never asked for up front.
    // Each thread keeps its window buffer: a scan reads tens of thousands of files.
    thread_local const std::unique_ptr<char[]> buffer(new char[kWindowSize]);
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
        return fallback.isEmpty() ? notFound() : fallback;
    return name;
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
