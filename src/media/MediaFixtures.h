#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// Builders of the bytes of MXF-like and OMF media files with a given project name, laid out
// as the readers look for it. The tests, the benchmarks, the fuzz seeds and the demo tree of
// kelvara-cli all build their media files with them.
namespace kv::MediaFixtures {

// The three byte patterns the MXF reader searches for.
enum class Pattern { A, B, C };

QByteArray patternBytes(Pattern pattern);

// The bytes that follow a pattern and hold `name` (one byte per character) the way an MXF
// file holds it:
//   A: the low byte of the 0xFFFD item's length, then the name as UTF-16 big-endian text with
//      a terminating zero character (the pattern holds the length's high byte, so names of
//      more than 126 characters do not fit);
//   B: the 0xFFFD item's two length bytes (big-endian), then the same text;
//   C: the low byte of the "_PJ" tagged value's length, 17 bytes of value type, then the
//      name as UTF-16 little-endian text with a terminating zero character (names of at most
//      118 characters).
QByteArray nameItem(Pattern pattern, const QByteArray& name);

// The pattern followed by nameItem.
QByteArray nameRecord(Pattern pattern, const QByteArray& name);

// Bytes to put at an offset of a file.
struct Placement {
    qint64 offset = 0;
    QByteArray bytes;
};

struct MXFFile {
    qint64 size = 16384;      // at least; the file grows to hold every placement
    bool partitionKey = true; // begin with a header partition pack key (IsMXF holds)
    bool noise = false;       // fill the rest with pseudo-random bytes rather than zeros
    QVector<Placement> placements;

    // Puts the pattern, starting at `offset`, and the name after it.
    MXFFile& name(Pattern pattern, qint64 offset, const QByteArray& projectName);
    MXFFile& bytes(qint64 offset, const QByteArray& content);
    QByteArray build() const;
};

// An MXF file of 16 KB whose project name follows pattern A at offset 4,096.
QByteArray mxfWithName(const QByteArray& projectName);

// One 24-byte entry of an OMF table of contents.
struct TocEntry {
    quint32 object = 0;
    quint32 property = 0;
    quint32 type = 0;
    quint32 valueOffset = 0; // the value itself when flags is 1
    quint32 valueLength = 0;
    quint16 unused = 0;
    quint16 flags = 0;
};

// The entry that makes `object` the project object ("_PJ" as an immediate value).
TocEntry projectMarker(quint32 object);
// The entry of `object` that holds the project name: at valueOffset, or with flags 1 in the
// entry's own value field.
TocEntry projectValue(quint32 object, quint32 valueOffset, quint32 valueLength, quint16 flags = 0);

struct OMFFile {
    QByteArray signature = QByteArray::fromHex("a4434da5486d6172"); // 8 bytes
    QVector<TocEntry> toc;
    std::optional<qint64> tocOffset;       // where the TOC goes; by default after the placements
    std::optional<quint32> tocOffsetField; // label fields that disagree with the TOC written
    std::optional<quint32> tocSizeField;
    QVector<Placement> placements;
    qint64 size = 0; // at least; the label is always the last 24 bytes

    OMFFile& bytes(qint64 offset, const QByteArray& content);
    QByteArray build() const;
};

// An OMF file whose TOC names project object 1 and holds `projectName` as its value.
QByteArray omfWithName(const QByteArray& projectName);

// Writes the bytes to the path (created or replaced), through POSIX calls. False on failure.
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace kv::MediaFixtures
