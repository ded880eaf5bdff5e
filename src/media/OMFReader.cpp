#include "media/OMFReader.h"

#include "app/Profiling.h"
#include "media/FileByteSource.h"
#include "media/MediaReadError.h"
#include "media/OMFLayout.h"

#include <QByteArray>

#include <algorithm>
#include <vector>

namespace kv::FileUtilities {

namespace {

using namespace kv::OMFLayout;

// The TOC is read this many entries at a time, so that a huge one is never held whole.
constexpr quint64 kEntriesPerBlock = 2048;

quint32 u32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

quint16 u16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint16(b[0] | b[1] << 8);
}

[[noreturn]] void failedRead(const ByteSource& source) {
    const QString why = source.errorText();
    throw MediaReadError(why.isEmpty() ? QStringLiteral("cannot read the file")
                                       : QStringLiteral("cannot read the file: ") + why);
}

// Reads bytes the file's length says are there; a short read means the file changed.
void readExactly(ByteSource& source, quint64 at, char* buffer, qint64 count) {
    const qint64 got = source.readAt(at, buffer, count);
    if (got < 0)
        failedRead(source);
    if (got < count)
        throw MediaReadError(QStringLiteral("the file ended early"));
}

// Up to `count` bytes at `at`: as many as the file holds there, none past its end.
QString valueAt(ByteSource& source, quint64 at, quint64 count) {
    const quint64 fileSize = source.size();
    count = at < fileSize ? std::min(count, fileSize - at) : 0;
    QByteArray value(qsizetype(count), Qt::Uninitialized);
    const qint64 got = source.readAt(at, value.data(), qint64(count));
    if (got < 0)
        failedRead(source);
    value.truncate(got);
    return QString::fromLatin1(value);
}

} // namespace

QString OMFReadProjectName(ByteSource& source) {
    const quint64 fileSize = source.size();
    if (fileSize < quint64(kLabelSize))
        return QStringLiteral("~ No Project Name: File is too small");

    char label[kLabelSize];
    readExactly(source, fileSize - kLabelSize, label, kLabelSize);
    const quint64 tocOffset = u32(label + kLabelTocOffset);
    const quint64 tocSize = u32(label + kLabelTocSize);
    // Both fields are 32-bit; their sum is taken in 64 bits, so it cannot wrap.
    if (fileSize < tocOffset + tocSize)
        return QStringLiteral("~ No Project Name: no TOC");
    if (tocSize % kEntrySize != 0)
        return QStringLiteral("~ No Project Name: file <24 bytes");
    const auto signature = reinterpret_cast<const unsigned char*>(label + kLabelSignature);
    if (signature[0] < 0x80 && signature[3] < 0x80)
        return QStringLiteral("~ No Project Name: Bad Magic Bytes");

    const quint64 entries = tocSize / kEntrySize;
    std::vector<char> block(std::min(entries, kEntriesPerBlock) * kEntrySize);
    quint32 projectObject = 0;
    for (quint64 first = 0; first < entries; first += kEntriesPerBlock) {
        const quint64 count = std::min(kEntriesPerBlock, entries - first);
        const quint64 blockAt = tocOffset + first * kEntrySize;
        readExactly(source, blockAt, block.data(), qint64(count * kEntrySize));
        for (quint64 k = 0; k < count; ++k) {
            const char* entry = block.data() + k * kEntrySize;
            const quint32 object = u32(entry + kEntryObject);
            if (u32(entry + kEntryValueOffset) == kProjectMarker)
                projectObject = object;
            if (object != projectObject || u32(entry + kEntryProperty) != kProjectProperty ||
                u32(entry + kEntryType) != kProjectType)
                continue;
            const quint64 at = u16(entry + kEntryFlags) == kImmediateValue
                                   ? blockAt + k * kEntrySize + kEntryValueOffset
                                   : u32(entry + kEntryValueOffset);
            const quint32 length = u32(entry + kEntryValueLength);
            return valueAt(source, at, length > 1 ? length - 1 : 0);
        }
    }
    return QString();
}

QString OMFGetProjectName(const QString& path) {
    Profiling::Scope profile(QStringLiteral("OMFGetProjectName"));
    FileByteSource file;
    switch (file.open(path)) {
    case FileByteSource::Status::Missing:
        return QStringLiteral("~ No Project Name: File does not exist");
    case FileByteSource::Status::Directory:
    case FileByteSource::Status::Failed:
        throw MediaReadError(QStringLiteral("cannot open the file: ") + file.errorText());
    case FileByteSource::Status::Opened:
        break;
    }
    return OMFReadProjectName(file);
}

} // namespace kv::FileUtilities
