#include "media/MXFReader.h"
#include "app/Profiling.h"
#include "media/MediaFixtures.h"
#include "media/MemoryByteSource.h"
#include "support/ByteSources.h"
#include "support/MediaDirTest.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kv;
using namespace kv::FileUtilities;
using namespace kv::MediaFixtures;

namespace {

const QString kNotFound = QStringLiteral("~ No Project Name: MXF key not found");

// Window starts: 0, 74,984, 149,968, ... 974,792; each window is 75,000 bytes.
constexpr qint64 kSecondWindow = 74984;
constexpr qint64 kThirdWindow = 2 * 74984;

MXFFile mxf(qint64 size, bool partitionKey = true) {
    MXFFile file;
    file.size = size;
    file.partitionKey = partitionKey;
    return file;
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// Pattern A, B and C followed by the name 'Alpha' as an MXF file holds it, written out byte
// for byte.
const char* const kAlphaAfterA = "00fffc00080000753000 0003e9fffd00"
                                 "0c0041006c00700068006100 00";
const char* const kAlphaAfterB = "060e2b347f7f2a80fffd"
                                 "000c0041006c00700068006100 00";
const char* const kAlphaAfterC = "50010008005f0050004a0000500300"
                                 "1d4c060e2b340104010101010201000000 00"
                                 "41006c007000680061000000";

class MXFReaderTest : public test::MediaDirTest {};

TEST_F(MXFReaderTest, IsMXFComparesTheFirstElevenBytesOfThePartitionKey) {
    const QByteArray key = hex("060e2b34020501010d0102");
    const struct {
        const char* what;
        QByteArray bytes;
        bool expected;
    } cases[] = {
        {"the eleven bytes", key, true},
        {"a full header partition key and more", mxf(100).build(), true},
        {"ten of them", key.left(10), false},
        {"a last byte of 03", hex("060e2b34020501010d0103") + QByteArray(20, 0), false},
        {"an empty file", QByteArray(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsMXF(write(QStringLiteral("f"), c.bytes)), c.expected);
    }
    EXPECT_FALSE(IsMXF(dir.path()));
    EXPECT_FALSE(IsMXF(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(IsMXF(QString()));
}

TEST_F(MXFReaderTest, FindsTheNameByTheWindowsAndPatternOrder) {
    const QByteArray a = patternBytes(Pattern::A);
    const struct {
        const char* what;
        MXFFile file;
        QString expected;
    } cases[] = {
        // The bytes of each pattern and of the name after it.
        {"pattern A", mxf(4096).bytes(1000, hex(kAlphaAfterA)), "Alpha"},
        {"pattern B", mxf(4096).bytes(1000, hex(kAlphaAfterB)), "Alpha"},
        {"pattern C", mxf(4096).bytes(1000, hex(kAlphaAfterC)), "Alpha"},
        {"no pattern", mxf(4096), kNotFound},
        {"an empty file", mxf(0, false), kNotFound},
        // Window boundaries.
        {"A 5 bytes before the first window's end", mxf(200000).name(Pattern::A, 74995, "Edge"),
         "Edge"},
        {"A at 1,000,000, in the last window", mxf(1100000).name(Pattern::A, 1000000, "Late"),
         "Late"},
        {"A ending on the last byte of the last window",
         mxf(1100000).name(Pattern::A, 1049776, "Last"), "Last"},
        {"A ending one byte past it", mxf(1100000).name(Pattern::A, 1049777, "Gone"), kNotFound},
        {"a name running on past its window's end",
         mxf(200000).name(Pattern::A, 74960, QByteArray(40, 'x')), QString(40, u'x')},
        // Pattern order.
        {"A before B in one window",
         mxf(80000).name(Pattern::B, 100, "B").name(Pattern::A, 60000, "A"), "A"},
        {"B in the first window, A in the third",
         mxf(300000).name(Pattern::B, 100, "B").name(Pattern::A, kThirdWindow + 100, "A"), "B"},
        {"C in the first window, A in the third",
         mxf(300000).name(Pattern::C, 100, "C").name(Pattern::A, kThirdWindow + 100, "A"), "A"},
        {"C in A's window", mxf(4096).name(Pattern::C, 100, "C").name(Pattern::A, 2000, "A"), "A"},
        {"C only", mxf(300000).name(Pattern::C, kThirdWindow + 100, "Fallback"), "Fallback"},
        {"the first C wins",
         mxf(300000).name(Pattern::C, 100, "First").name(Pattern::C, kSecondWindow + 100, "Second"),
         "First"},
        {"a C with an empty name does not stop the search for C",
         mxf(300000).name(Pattern::C, 100, "").name(Pattern::C, kSecondWindow + 100, "Second"),
         "Second"},
        // An empty name after A or B still ends the search.
        {"A with L = 2", mxf(4096).bytes(100, a + hex("02 00 0000")), kNotFound},
        {"A with L = 2 after a C",
         mxf(300000).name(Pattern::C, 100, "C").bytes(kSecondWindow + 100, a + hex("0200")), "C"},
        {"A with L = 2 before a named A",
         mxf(300000).bytes(100, a + hex("0200")).name(Pattern::A, kSecondWindow + 100, "A"),
         kNotFound},
        {"A with only zero bytes", mxf(4096).bytes(100, a + hex("06 00 0000 0000")), kNotFound},
        // Zero bytes and the end of the file.
        {"zero bytes inside the name",
         mxf(4096).name(Pattern::A, 100, QByteArray("Al\0p\0\0ha", 8)), "Alpha"},
        {"a name cut by the end of the file",
         mxf(1000 + 23).bytes(1000, hex(kAlphaAfterA).left(23)), "Alp"},
        {"A as the file's last bytes", mxf(1000 + 16).bytes(1000, a), kNotFound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MXFGetProjectName(write(QStringLiteral("clip.mxf"), c.file.build())), c.expected);
    }
}

TEST_F(MXFReaderTest, NamesAreBytesOneCharacterEach) {
    // 'é' as UTF-16 is one byte plus a zero; U+0141 is two bytes, neither zero.
    const QByteArray bytes =
        mxf(4096).bytes(100, patternBytes(Pattern::A) + hex("08 00e9 0141 0061 0000")).build();
    EXPECT_EQ(MXFGetProjectName(write(QStringLiteral("clip.mxf"), bytes)),
              QString::fromLatin1("\xE9\x01\x41\x61"));
}

TEST_F(MXFReaderTest, FilesThatCannotBeSearchedGiveTheNotFoundText) {
    Profiling::clearForTests();
    EXPECT_EQ(MXFGetProjectName(dir.path()), kNotFound);
    EXPECT_EQ(MXFGetProjectName(dir.filePath(QStringLiteral("missing.mxf"))), kNotFound);
    EXPECT_EQ(MXFGetProjectName(QString()), kNotFound);
    // A FIFO neither stalls the reader nor reads as a failure.
    const QString fifo = dir.filePath(QStringLiteral("fifo.mxf"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(MXFGetProjectName(fifo), kNotFound);
    EXPECT_FALSE(IsMXF(fifo));
    EXPECT_EQ(Profiling::figures(QStringLiteral("MXFGetProjectName")).count, 4);
    EXPECT_TRUE(Profiling::openOperations().isEmpty());
}

TEST(MXFReader, AFailedReadGivesTheEmptyName) {
    // A fall-back name found before the failure is not kept: the caller applies its own.
    const QByteArray bytes =
        mxf(300000).name(Pattern::C, 100, "C").name(Pattern::A, kThirdWindow + 100, "A").build();
    MemoryByteSource memory(bytes.constData(), quint64(bytes.size()));
    for (int failFrom : {0, 1, 2}) {
        SCOPED_TRACE(failFrom);
        test::FailingSource failing(memory, failFrom);
        EXPECT_EQ(MXFReadProjectName(failing), QString());
    }
}

TEST(MXFReader, ReadsEachWindowOnceAndNothingMore) {
    using Reads = QVector<std::pair<quint64, qint64>>;
    const auto readsFor = [](const QByteArray& bytes) {
        MemoryByteSource memory(bytes.constData(), quint64(bytes.size()));
        test::RecordingSource recording(memory);
        MXFReadProjectName(recording);
        Reads reads;
        for (const auto& r : recording.reads)
            reads.append({r.offset, r.count});
        return reads;
    };

    EXPECT_EQ(readsFor(mxf(500000).name(Pattern::A, 30000, "A").build()), (Reads{{0, 75000}}));
    EXPECT_EQ(
        readsFor(mxf(500000).name(Pattern::C, 30000, "C").name(Pattern::B, 80000, "B").build()),
        (Reads{{0, 75000}, {kSecondWindow, 75000}}));
    // A name past its window's end is read on its own, as far as it goes.
    EXPECT_EQ(readsFor(mxf(200000).name(Pattern::A, 74960, QByteArray(40, 'x')).build()),
              (Reads{{0, 75000}, {74978, 80}}));

    // Nothing found: 14 windows, the last starting at 974,792, none reaching 1,049,792.
    Reads fourteen;
    for (quint64 w = 0; w < 1000000; w += kSecondWindow)
        fourteen.append({w, 75000});
    EXPECT_EQ(fourteen.size(), 14);
    EXPECT_EQ(readsFor(mxf(2000000).build()), fourteen);
    // A file shorter than a window is read once, up to its end.
    EXPECT_EQ(readsFor(mxf(100).build()), (Reads{{0, 75000}}));
}

} // namespace
