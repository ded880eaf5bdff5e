#include "media/OMFReader.h"
#include "app/Profiling.h"
#include "media/MediaFixtures.h"
#include "media/MediaReadError.h"
#include "media/MemoryByteSource.h"
#include "support/ByteSources.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kv;
using namespace kv::FileUtilities;
using namespace kv::MediaFixtures;

namespace {

// The codes of the entry that holds the project name, written out here on their own.
constexpr quint32 kProperty = 0x00010261;
constexpr quint32 kType = 0x00010090;
constexpr quint32 kPJ = 0x004A505F; // "_PJ" and a zero byte, little-endian

TocEntry entry(quint32 object, quint32 property, quint32 type, quint32 valueOffset,
               quint32 valueLength, quint16 flags = 0) {
    return {object, property, type, valueOffset, valueLength, 0, flags};
}

OMFFile omf(QVector<TocEntry> toc, qint64 size = 0) {
    OMFFile file;
    file.toc = std::move(toc);
    file.size = size;
    return file;
}

OMFFile withLabel(qint64 size, quint32 tocOffset, quint32 tocSize, const char* signatureHex) {
    OMFFile file;
    file.size = size;
    file.tocOffsetField = tocOffset;
    file.tocSizeField = tocSize;
    file.signature = QByteArray::fromHex(signatureHex);
    return file;
}

QString read(const QByteArray& bytes) {
    MemoryByteSource memory(bytes.constData(), quint64(bytes.size()));
    return OMFReadProjectName(memory);
}

const char* const kGood = "8000000000000000";
const char* const kBad = "7fffff7fffffffff";

TEST(OMFReader, ResultTextsInTheOrderOfTheTests) {
    const struct {
        const char* what;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"23 bytes", QByteArray(23, '\x80'), "~ No Project Name: File is too small"},
        {"24 bytes, empty TOC", withLabel(0, 0, 0, kGood).build(), ""},
        {"24 bytes, empty TOC, bad signature", withLabel(0, 0, 0, kBad).build(),
         "~ No Project Name: Bad Magic Bytes"},
        {"TOC past the end", withLabel(1000, 900, 200, kGood).build(), "~ No Project Name: no TOC"},
        {"TOC offset + size beyond 32 bits", withLabel(1000, 0xFFFFFFF0, 0x30, kGood).build(),
         "~ No Project Name: no TOC"},
        {"TOC size not a multiple of 24", withLabel(100000, 0, 100, kGood).build(),
         "~ No Project Name: file <24 bytes"},
        {"first signature byte set", withLabel(0, 0, 0, "8000000000000000").build(), ""},
        {"fourth signature byte set", withLabel(0, 0, 0, "0000008000000000").build(), ""},
        {"only other signature bytes set", withLabel(0, 0, 0, "7fffff7fffffffff").build(),
         "~ No Project Name: Bad Magic Bytes"},
        {"no TOC before a bad signature", withLabel(1000, 900, 200, kBad).build(),
         "~ No Project Name: no TOC"},
        {"a TOC size of 100 before a bad signature", withLabel(1000, 0, 100, kBad).build(),
         "~ No Project Name: file <24 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(read(c.bytes), c.expected);
    }
}

TEST(OMFReader, FollowsTheProjectObjectThroughTheTOC) {
    QByteArray value = "0123456789X";
    const struct {
        const char* what;
        OMFFile file;
        QByteArray expected;
    } cases[] = {
        {"the value of the project object",
         omf({entry(7, 1, 2, kPJ, 4, 1), entry(7, kProperty, kType, 2000, 11)}, 4000)
             .bytes(2000, value),
         "0123456789"},
        {"an immediate value",
         omf({entry(7, 1, 2, kPJ, 4, 1), entry(7, kProperty, kType, 0x44434241, 4, 1)}), "ABC"},
        {"another object's entry is ignored",
         omf({entry(7, 1, 2, kPJ, 4, 1), entry(8, kProperty, kType, 0x44434241, 4, 1)}), ""},
        {"a later marker changes the project object",
         omf({entry(7, 1, 2, kPJ, 4, 1), entry(9, kProperty, kType, 0x41414141, 4, 1),
              entry(9, 1, 2, kPJ, 4, 1), entry(7, kProperty, kType, 0x42424242, 4, 1),
              entry(9, kProperty, kType, 0x43434343, 4, 1)}),
         "CCC"},
        {"object 0 needs no marker", omf({entry(0, kProperty, kType, 0x44434241, 4, 1)}), "ABC"},
        {"the marker entry itself can match", omf({entry(5, kProperty, kType, kPJ, 4, 1)}), "_PJ"},
        {"the first match wins",
         omf({entry(0, kProperty, kType, 0x41414141, 3, 1),
              entry(0, kProperty, kType, 0x42424242, 3, 1)}),
         "AA"},
        {"property and type must both match",
         omf({entry(0, kProperty, 1, 0x41414141, 3, 1), entry(0, 1, kType, 0x41414141, 3, 1)}), ""},
        {"zero bytes are kept",
         omf({entry(0, kProperty, kType, 100, 9)}, 400).bytes(100, QByteArray("Pro\0ject\0", 9)),
         QByteArray("Pro\0ject", 8)},
        {"value length 1", omf({entry(0, kProperty, kType, 0x41414141, 1, 1)}), ""},
        {"value length 0", omf({entry(0, kProperty, kType, 0x41414141, 0, 1)}), ""},
        {"no matching entry", omf({entry(7, 1, 2, kPJ, 4, 1), entry(7, 1, kType, 0, 0)}), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(read(c.file.build()), QString::fromLatin1(c.expected));
    }
}

TEST(OMFReader, AValuePastTheEndGivesTheBytesTheFileHoldsThere) {
    OMFFile file = omf({entry(0, kProperty, kType, 0, 0)}, 1000);
    const QByteArray probe = file.build();
    const quint64 size = quint64(probe.size());

    file.toc = {entry(0, kProperty, kType, quint32(size - 5), 100)};
    const QByteArray tail = file.build();
    EXPECT_EQ(read(tail), QString::fromLatin1(tail.right(5)));

    file.toc = {entry(0, kProperty, kType, quint32(size + 10), 100)};
    EXPECT_EQ(read(file.build()), QString());

    // A length field of 4 GB asks for no more than the file holds.
    file.toc = {entry(0, kProperty, kType, 100, 0xFFFFFFFF)};
    const QByteArray huge = file.build();
    MemoryByteSource memory(huge.constData(), quint64(huge.size()));
    test::RecordingSource recording(memory);
    EXPECT_EQ(OMFReadProjectName(recording), QString::fromLatin1(huge.mid(100)));
    EXPECT_EQ(recording.reads.last().count, qint64(size - 100));
}

TEST(OMFReader, WalksAHugeTOCInBlocks) {
    constexpr int kEntries = 1000000;
    QVector<TocEntry> toc(kEntries, entry(3, 1, 2, 0, 0));
    toc[kEntries - 1] = entry(0, kProperty, kType, 0x44434241, 4, 1);
    const QByteArray last = omf(toc).build();
    toc[kEntries - 1] = entry(3, 1, 2, 0, 0);
    toc[2049] = entry(0, kProperty, kType, 0x45444342, 4, 1); // early in the second block
    const QByteArray second = omf(toc).build();

    const auto readsFor = [](const QByteArray& bytes, QString& name) {
        MemoryByteSource memory(bytes.constData(), quint64(bytes.size()));
        test::RecordingSource recording(memory);
        name = OMFReadProjectName(recording);
        return recording.reads;
    };
    QString name;
    const auto all = readsFor(last, name);
    EXPECT_EQ(name, QStringLiteral("ABC"));
    qint64 largest = 0;
    for (const auto& r : all)
        largest = std::max(largest, r.count);
    EXPECT_LE(largest, 2048 * 24);
    EXPECT_EQ(all.size(), 1 + (kEntries + 2047) / 2048 + 1); // label, blocks, value

    const auto early = readsFor(second, name);
    EXPECT_EQ(name, QStringLiteral("BCD"));
    EXPECT_EQ(early.size(), 4); // label, two blocks, value
}

TEST(OMFReader, AFailedReadIsAnError) {
    const QByteArray bytes = omfWithName("Spring Promo");
    MemoryByteSource memory(bytes.constData(), quint64(bytes.size()));
    for (int failFrom : {0, 1, 2}) { // the label, the TOC, the value
        SCOPED_TRACE(failFrom);
        test::FailingSource failing(memory, failFrom);
        EXPECT_THROW(OMFReadProjectName(failing), MediaReadError);
    }
    EXPECT_EQ(read(bytes), QStringLiteral("Spring Promo"));
}

TEST(OMFReader, MissingFilesFoldersAndFifosThroughThePath) {
    QTemporaryDir dir;
    Profiling::clearForTests();
    EXPECT_EQ(OMFGetProjectName(dir.filePath(QStringLiteral("missing.omf"))),
              QStringLiteral("~ No Project Name: File does not exist"));
    EXPECT_EQ(OMFGetProjectName(QString()),
              QStringLiteral("~ No Project Name: File does not exist"));
    try {
        OMFGetProjectName(dir.path());
        ADD_FAILURE() << "a folder read as an OMF file";
    } catch (const MediaReadError& error) {
        EXPECT_EQ(error.reason(), QStringLiteral("cannot open the file: Is a directory"));
    }
    const QString fifo = dir.filePath(QStringLiteral("fifo.omf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(OMFGetProjectName(fifo), QStringLiteral("~ No Project Name: File is too small"));
    const QString path = dir.filePath(QStringLiteral("clip.omf"));
    ASSERT_TRUE(writeFile(path, omfWithName("Spring Promo")));
    EXPECT_EQ(OMFGetProjectName(path), QStringLiteral("Spring Promo"));
    // The profiling entry is ended on every way out, the error included.
    EXPECT_EQ(Profiling::figures(QStringLiteral("OMFGetProjectName")).count, 5);
    EXPECT_TRUE(Profiling::openOperations().isEmpty());
}

} // namespace
