#include "app/AppCore.h"
#include "app/Preferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using kv::Preferences;

namespace {

struct LoadCase {
    const char* what;
    QString text;
    QString section;
    QString key;
    std::optional<QString> expected; // nullopt: the key is missing, the default applies
};

class PreferencesLoading : public ::testing::TestWithParam<LoadCase> {};

TEST_P(PreferencesLoading, FindsWhatTheFileHolds) {
    const LoadCase& c = GetParam();
    Preferences prefs;
    prefs.loadFromText(c.text);
    EXPECT_EQ(prefs.find(c.section, c.key), c.expected) << c.what;
    EXPECT_EQ(prefs.getPref(c.section, c.key, QStringLiteral("dflt")), c.expected.value_or("dflt"))
        << c.what;
}

const QString kLeft = QStringLiteral("Left");
const QString kMain = QStringLiteral("Main Window");

INSTANTIATE_TEST_SUITE_P(
    Rules, PreferencesLoading,
    ::testing::Values(
        LoadCase{"LF line ends", "[Main Window]\nLeft=10\nTop=60\n", kMain, kLeft, "10"},
        LoadCase{"CR line ends", "[Main Window]\rLeft=10\rTop=60\r", kMain, kLeft, "10"},
        LoadCase{"CR LF line ends", "[Main Window]\r\nLeft=10\r\nTop=60\r\n", kMain, "Top", "60"},
        LoadCase{"section and key ignore case", "[main window]\nLEFT=7\n", "MAIN WINDOW", "left",
                 "7"},
        LoadCase{"empty value is kept, not the default", "[Filters]\ninclude=\n", "Filters",
                 "include", ""},
        LoadCase{"a value holding = is ignored", "[Filters]\nskip=a=b\n", "Filters", "skip",
                 std::nullopt},
        LoadCase{"white space around = stays part of key and value", "[Main Window]\nLeft = 20\n",
                 kMain, kLeft, std::nullopt},
        LoadCase{"...so the key with the space is found", "[Main Window]\nLeft = 20\n", kMain,
                 "Left ", " 20"},
        LoadCase{"lines before the first header are ignored", "Left=5\n[Main Window]\nTop=1\n",
                 kMain, kLeft, std::nullopt},
        LoadCase{"lines without = are ignored", "[Main Window]\nLeft\nTop=3\n", kMain, kLeft,
                 std::nullopt},
        LoadCase{"two headers merge, the later line wins",
                 "[Volumes]\nA=1\n[Other]\nx=y\n[VOLUMES]\nA=0\n", "Volumes", "A", "0"},
        LoadCase{"the line is trimmed first, so a name's outer spaces are lost",
                 "[Volumes]\n  Media Drive =1\n", "Volumes", "Media Drive", std::nullopt},
        LoadCase{"leading spaces of a line are not part of the key", "[Volumes]\n   Disk=1\n",
                 "Volumes", "Disk", "1"},
        LoadCase{"an empty section name is a section", "[]\nk=v\n", "", "k", "v"},
        LoadCase{"binary junk loads what it can",
                 QString::fromLatin1("\x01\xff\n[Main Window]\n\x00\x00=\x7f\nLeft=3\n", 30), kMain,
                 kLeft, "3"}));

TEST(Preferences, WritesEachSectionWithOneEmptyLineAfterIt) {
    Preferences prefs;
    prefs.setPref(QStringLiteral("Main Window"), QStringLiteral("Left"), QStringLiteral("10"));
    prefs.setPref(QStringLiteral("Main Window"), QStringLiteral("Top"), QStringLiteral("60"));
    prefs.setPref(QStringLiteral("Volumes"), QStringLiteral("Media Drive"), QStringLiteral("0"));
    prefs.setPref(QStringLiteral("main window"), QStringLiteral("LEFT"), QStringLiteral("11"));
    EXPECT_EQ(prefs.toText(), QStringLiteral("[Main Window]\nLeft=11\nTop=60\n\n"
                                             "[Volumes]\nMedia Drive=0\n\n"));
}

TEST(Preferences, SurvivesASaveAndALoadIncludingNonUtf8Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/folder/Kelvara3.ini"));
    Preferences prefs;
    prefs.setPref(QStringLiteral("Volumes"), QStringLiteral("Caf\u00e9"), QStringLiteral("1"));
    prefs.setPref(QStringLiteral("Filters"), QStringLiteral("include"), QString());
    ASSERT_TRUE(prefs.save(path)) << "the missing folder is created";

    // A name with a byte that is not UTF-8 keeps that byte through a load and a save.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("[Raw]\nname\xff=1\n");
    f.close();

    Preferences again;
    again.load(path);
    EXPECT_EQ(again.find(QStringLiteral("Volumes"), QStringLiteral("caf\u00c9")), "1");
    EXPECT_EQ(again.find(QStringLiteral("Filters"), QStringLiteral("include")), QString());
    ASSERT_TRUE(again.save(path));
    QFile g(path);
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_TRUE(g.readAll().contains("name\xff=1\n"));
}

TEST(Preferences, ASaveThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kelvara3.ini"));
    Preferences prefs;
    prefs.setPref(QStringLiteral("Main Window"), QStringLiteral("Left"), QStringLiteral("10"));
    ASSERT_TRUE(prefs.save(path));
    const QByteArray before = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    // A child process whose files may not grow beyond 64 bytes stands for a full disk.
    for (int i = 0; i < 100; ++i)
        prefs.setPref(QStringLiteral("Volumes"), QStringLiteral("Volume %1").arg(i), "1");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(prefs.save(path) ? 0 : 3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "the save reports its failure";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kelvara3.ini"})
        << "no temporary file is left behind";
}

TEST(Preferences, UnreadableMissingOrHugeFilesNeverFail) {
    QTemporaryDir dir;
    Preferences prefs;
    prefs.setPref(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    prefs.load(dir.filePath(QStringLiteral("absent.ini")));
    EXPECT_TRUE(prefs.sectionNames().isEmpty()) << "no file: the store starts empty";

    prefs.load(dir.path()); // a folder, not a file
    EXPECT_TRUE(prefs.sectionNames().isEmpty());

    // A file far larger than any preferences file: what fits in the read limit is loaded.
    const QString huge = dir.filePath(QStringLiteral("huge.ini"));
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Main Window]\nLeft=42\n");
    const QByteArray junk(1 << 20, '=');
    for (qint64 written = 0; written < Preferences::kMaxFileBytes + (4 << 20); written += junk.size())
        f.write(junk);
    f.close();
    prefs.load(huge);
    EXPECT_EQ(prefs.find(QStringLiteral("Main Window"), QStringLiteral("Left")), "42");
}

TEST(Preferences, NumbersAreReadFromTheStartOfTheText) {
    EXPECT_EQ(kv::prefNumber(QStringLiteral("836")), 836);
    EXPECT_EQ(kv::prefNumber(QStringLiteral(" 12px")), 12);
    EXPECT_EQ(kv::prefNumber(QStringLiteral("-5")), -5);
    EXPECT_EQ(kv::prefNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(kv::prefNumber(QStringLiteral("99999999999")), 2147483647);
}

} // namespace
