#include "media/MediaFixtures.h"
#include "platform/NativePath.h"
#include "support/CliRun.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace kv;
using namespace kv::MediaFixtures;
using kv::test::runCli;

namespace {

class NameCommandTest : public ::testing::Test {
protected:
    // The path of a file in the test's folder, as raw bytes.
    QByteArray path(const QByteArray& name) const {
        return QFile::encodeName(dir.path()) + '/' + name;
    }
    QByteArray write(const QByteArray& name, const QByteArray& bytes) {
        const QByteArray p = path(name);
        EXPECT_TRUE(writeFile(platform::fromNative(p), bytes));
        written << p;
        return p;
    }
    // QTemporaryDir cannot remove names that are not UTF-8.
    void TearDown() override {
        for (const QByteArray& p : written)
            ::unlink(p.constData());
    }
    QTemporaryDir dir;
    QList<QByteArray> written;
};

TEST_F(NameCommandTest, PrintsTheNameTheFolderNameAndThePathOfEachFile) {
    MXFFile c;
    c.name(Pattern::C, 2000, "Charlie");
    const QList<QByteArray> files = {
        write("a.mxf", mxfWithName("Spring/Promo: Final Cut 2")),
        write("b.omf", omfWithName("Caf\xE9")), // the name's bytes come out unchanged
        write("c", c.build()),                  // no ending: MXF by its first bytes
        write("d.dat", omfWithName("")),        // no ending, not MXF: an empty OMF name
        write("\xFF\xFE.MXF", mxfWithName("Raw path")),
    };
    const auto result = runCli(QList<QByteArray>{"name"} + files);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, QByteArray());
    EXPECT_EQ(result.out, "Spring/Promo: Final Cut 2\tSpring_Promo_ Final Cut 2\t" + files[0] +
                              '\n' + "Caf\xE9\tCaf_\t" + files[1] + '\n' + //
                              "Charlie\tCharlie\t" + files[2] + '\n' +     //
                              "\tUnknown\t" + files[3] + '\n' +            //
                              "Raw path\tRaw path\t" + files[4] + '\n');
}

TEST_F(NameCommandTest, AnOMFReadErrorIsReportedAndTheNextFileStillRead) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.omf")));
    const QByteArray folder = path("folder.omf");
    const QByteArray after = write("after.omf", omfWithName("After"));
    const QByteArray missing = path("missing.omf");
    const auto result = runCli({"name", folder, after, missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "error: cannot open the file: Is a directory: " + folder + '\n');
    EXPECT_EQ(result.out, "After\tAfter\t" + after + '\n' +
                              "~ No Project Name: File does not exist\t_ No Project Name_ File "
                              "does not \t" +
                              missing + '\n');
}

TEST(NameCommand, WithoutFilesPrintsItsUsage) {
    const auto result = runCli({"name"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "usage: kelvara-cli name FILE...\n");
    EXPECT_EQ(result.out, QByteArray());
}

// Files written by FFmpeg's MXF muxers carry the name as a "_PJ" tagged value.
TEST_F(NameCommandTest, ReadsTheNamesFFmpegWrites) {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        GTEST_SKIP() << "ffmpeg is not installed: skipped (scripts/deps.sh installs it)";

    const QStringList video = {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25"};
    const QStringList audio = {"-f", "lavfi", "-i", "anullsrc=r=48000:cl=mono"};
    const QStringList videoCodec = {"-c:v", "mpeg2video"};
    const QStringList audioCodec = {"-c:a", "pcm_s16le"};
    const struct {
        QByteArray file;
        QStringList options; // inputs, then codecs
        const char* format;
        QByteArray name; // as given to FFmpeg, in UTF-8
        QByteArray expected;
        QByteArray folder;
    } cases[] = {
        {"op1a.mxf", video + videoCodec, "mxf", "Spring/Promo: Final Cut 2",
         "Spring/Promo: Final Cut 2", "Spring_Promo_ Final Cut 2"},
        {"op1a-av.mxf", video + audio + videoCodec + audioCodec, "mxf", "Two tracks", "Two tracks",
         "Two tracks"},
        {"opatom.mxf", audio + audioCodec, "mxf_opatom", "Alpha", "Alpha", "Alpha"},
        // U+00E9 is one byte and a zero in UTF-16: the byte E9 remains. No ending: IsMXF.
        {"opatom-clip", audio + audioCodec, "mxf_opatom", "Caf\xC3\xA9", "Caf\xE9", "Caf_"},
    };
    QList<QByteArray> args{"name"};
    QByteArray expected;
    for (const auto& c : cases) {
        const QByteArray file = path(c.file);
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(ffmpeg,
                  QStringList{"-nostdin", "-hide_banner", "-loglevel", "error"} + c.options +
                      QStringList{"-t", "0.08", "-fflags", "+bitexact", "-flags", "+bitexact",
                                  "-metadata", "comment__PJ=" + QString::fromUtf8(c.name), "-f",
                                  c.format, "-y", QFile::decodeName(file)});
        ASSERT_TRUE(run.waitForFinished(60000));
        ASSERT_EQ(run.exitCode(), 0) << run.readAll().toStdString();
        args << file;
        expected += c.expected + '\t' + c.folder + '\t' + file + '\n';
    }
    const auto result = runCli(args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, expected);
}

} // namespace
