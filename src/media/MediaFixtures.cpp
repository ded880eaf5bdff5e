#include "media/MediaFixtures.h"

#include "media/MXFPatterns.h"
#include "media/OMFLayout.h"
#include "platform/NativePath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kv::MediaFixtures {

namespace {

// The five bytes that complete the key of a closed, complete header partition pack.
constexpr unsigned char kHeaderPartitionKeyEnd[5] = {0x01, 0x01, 0x02, 0x04, 0x00};

// What a tagged value holds before its text: a byte-order mark and a 16-byte type label.
constexpr unsigned char kTaggedValueType[17] = {0x4C, 0x06, 0x0E, 0x2B, 0x34, 0x01,
                                                0x04, 0x01, 0x01, 0x01, 0x01, 0x02,
                                                0x01, 0x00, 0x00, 0x00, 0x00};
static_assert(sizeof kTaggedValueType == MXFPatterns::kTaggedValueSkip);

QByteArray fromBytes(const unsigned char* bytes, qsizetype size) {
    return QByteArray(reinterpret_cast<const char*>(bytes), size);
}

// Each byte as one UTF-16 character, with a terminating zero character.
QByteArray utf16(const QByteArray& name, bool bigEndian) {
    QByteArray out;
    out.reserve(name.size() * 2 + 2);
    for (char c : name) {
        if (bigEndian)
            out.append('\0').append(c);
        else
            out.append(c).append('\0');
    }
    return out.append(2, '\0');
}

void appendLE(QByteArray& out, quint64 value, int size) {
    for (int i = 0; i < size; ++i)
        out.append(char(value >> (8 * i)));
}

qint64 endOf(const QVector<Placement>& placements) {
    qint64 end = 0;
    for (const Placement& p : placements)
        end = std::max(end, p.offset + p.bytes.size());
    return end;
}

void put(QByteArray& file, const QVector<Placement>& placements) {
    for (const Placement& p : placements)
        file.replace(p.offset, p.bytes.size(), p.bytes);
}

// Reproducible bytes in which none of the readers' patterns turns up by chance.
void fillWithNoise(QByteArray& bytes) {
    quint64 state = 0x9E3779B97F4A7C15ULL;
    for (char& c : bytes) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        c = char(state >> 56);
    }
}

} // namespace

QByteArray patternBytes(Pattern pattern) {
    switch (pattern) {
    case Pattern::A:
        return fromBytes(MXFPatterns::kPatternA, sizeof MXFPatterns::kPatternA);
    case Pattern::B:
        return fromBytes(MXFPatterns::kPatternB, sizeof MXFPatterns::kPatternB);
    case Pattern::C:
        return fromBytes(MXFPatterns::kPatternC, sizeof MXFPatterns::kPatternC);
    }
    return QByteArray();
}

QByteArray nameItem(Pattern pattern, const QByteArray& name) {
    QByteArray out;
    if (pattern == Pattern::C) {
        const QByteArray text = utf16(name, false);
        out.append(char(sizeof kTaggedValueType + text.size()));
        return out.append(fromBytes(kTaggedValueType, sizeof kTaggedValueType)).append(text);
    }
    const QByteArray text = utf16(name, true);
    if (pattern == Pattern::B)
        out.append(char(text.size() >> 8));
    return out.append(char(text.size())).append(text);
}

QByteArray nameRecord(Pattern pattern, const QByteArray& name) {
    return patternBytes(pattern) + nameItem(pattern, name);
}

MXFFile& MXFFile::name(Pattern pattern, qint64 offset, const QByteArray& projectName) {
    return bytes(offset, nameRecord(pattern, projectName));
}

MXFFile& MXFFile::bytes(qint64 offset, const QByteArray& content) {
    placements.append({offset, content});
    return *this;
}

QByteArray MXFFile::build() const {
    QByteArray file(std::max({size, endOf(placements), partitionKey ? qint64(16) : 0}), '\0');
    if (noise)
        fillWithNoise(file);
    if (partitionKey) {
        file.replace(0, 11, fromBytes(MXFPatterns::kPartitionKeyPrefix, 11));
        file.replace(11, 5, fromBytes(kHeaderPartitionKeyEnd, 5));
    }
    put(file, placements);
    return file;
}

QByteArray mxfWithName(const QByteArray& projectName) {
    return MXFFile().name(Pattern::A, 4096, projectName).build();
}

TocEntry projectMarker(quint32 object) {
    TocEntry e;
    e.object = object;
    e.property = 0x00010203; // any property: only the value field marks the project object
    e.type = 0x00010002;
    e.valueOffset = OMFLayout::kProjectMarker;
    e.valueLength = 4;
    e.flags = OMFLayout::kImmediateValue;
    return e;
}

TocEntry projectValue(quint32 object, quint32 valueOffset, quint32 valueLength, quint16 flags) {
    TocEntry e;
    e.object = object;
    e.property = OMFLayout::kProjectProperty;
    e.type = OMFLayout::kProjectType;
    e.valueOffset = valueOffset;
    e.valueLength = valueLength;
    e.flags = flags;
    return e;
}

OMFFile& OMFFile::bytes(qint64 offset, const QByteArray& content) {
    placements.append({offset, content});
    return *this;
}

QByteArray OMFFile::build() const {
    const qint64 tocAt = tocOffset.value_or(endOf(placements));
    QByteArray entries;
    entries.reserve(toc.size() * OMFLayout::kEntrySize);
    for (const TocEntry& e : toc) {
        appendLE(entries, e.object, 4);
        appendLE(entries, e.property, 4);
        appendLE(entries, e.type, 4);
        appendLE(entries, e.valueOffset, 4);
        appendLE(entries, e.valueLength, 4);
        appendLE(entries, e.unused, 2);
        appendLE(entries, e.flags, 2);
    }
    const qint64 body = std::max(tocAt + entries.size(), endOf(placements));
    QByteArray file(std::max(size, body + OMFLayout::kLabelSize), '\0');
    file.replace(tocAt, entries.size(), entries);
    put(file, placements);

    QByteArray label = signature.leftJustified(8, '\0', true);
    label.append(8, '\0'); // four 16-bit fields the reader does not use
    appendLE(label, tocOffsetField.value_or(quint32(tocAt)), 4);
    appendLE(label, tocSizeField.value_or(quint32(entries.size())), 4);
    file.replace(file.size() - OMFLayout::kLabelSize, OMFLayout::kLabelSize, label);
    return file;
}

QByteArray omfWithName(const QByteArray& projectName) {
    OMFFile omf;
    omf.bytes(0, projectName + '\0');
    omf.toc = {projectMarker(1), projectValue(1, 0, quint32(projectName.size() + 1))};
    return omf.build();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    const QByteArray native = platform::toNative(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return ::close(fd) == 0 && done == bytes.size();
}

} // namespace kv::MediaFixtures
