#include "transfer/FolderCreation.h"
#include "app/AppCore.h"
#include "app/ProgressSupport.h"
#include "support/FakeToolRunner.h"
#include "support/OtherUser.h"
#include "support/TempTree.h"
#include "transfer/AuthorizedCmd.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::FileUtilities;
using test::FakeToolRunner;
using test::TempTree;

namespace {

class FolderCreation : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&progress, &ProgressSupport::consoleLineAdded,
                         [this](const QString& line, const QString& path, bool failure) {
                             console << line.mid(line.indexOf(QLatin1String("] ")) + 2);
                             EXPECT_TRUE(failure);
                             EXPECT_FALSE(path.isEmpty());
                         });
    }
    QStringList consoleLines() {
        QCoreApplication::processEvents();
        return console;
    }
    static QStringList mkdirRun(const QString& p) { return {"/bin/mkdir", "-p", "-m", "755", p}; }
    static QStringList chownRun(const QString& p) { return {"/bin/chown", "editor:media", p}; }

    TempTree tree;
    AppCore app{QString()};
    ProgressSupport progress{app};
    QStringList console;
};

TEST_F(FolderCreation, AnExistingWritableFolderNeedsNoTool) {
    FakeToolRunner runner;
    const QString f = tree.folder("Media");
    EXPECT_TRUE(DirectoryExists(f));
    EXPECT_TRUE(DirectoryExistsAndWritable(f));
    EXPECT_TRUE(DirectoryCreate(f, &progress));
    EXPECT_TRUE(runner.runs().isEmpty());
}

TEST_F(FolderCreation, MakesThreeMissingLevelsTheOrdinaryWay) {
    FakeToolRunner runner;
    const QString f = tree.path("a/b/c/");
    EXPECT_FALSE(DirectoryExists(f));
    EXPECT_TRUE(DirectoryCreate(f, &progress));
    EXPECT_TRUE(DirectoryExistsAndWritable(f));
    EXPECT_TRUE(runner.runs().isEmpty());
}

TEST_F(FolderCreation, MakesThreeMissingLevelsWithThePrivilegedToolsFromTheTopDown) {
    FakeToolRunner runner;
    const QString shut = tree.folder("shut", 0555);
    test::OtherUser otherUser;
    EXPECT_TRUE(DirectoryCreate(shut + "a/b/c/", &progress));
    EXPECT_TRUE(DirectoryExists(shut + "a/b/c/"));
    EXPECT_EQ(runner.runs(),
              (QList<QStringList>{mkdirRun(shut + "a/"), chownRun(shut + "a/"),
                                  mkdirRun(shut + "a/b/"), chownRun(shut + "a/b/"),
                                  mkdirRun(shut + "a/b/c/"), chownRun(shut + "a/b/c/")}));
    EXPECT_TRUE(consoleLines().isEmpty());
}

TEST_F(FolderCreation, AnExistingFolderOfAnotherUserIsOnlyHandedOver) {
    FakeToolRunner runner;
    const QString f = tree.folder("theirs", 0555);
    test::OtherUser otherUser;
    EXPECT_FALSE(DirectoryExistsAndWritable(f));
    EXPECT_TRUE(DirectoryCreate(f, &progress));
    EXPECT_EQ(runner.runs(), QList<QStringList>{chownRun(f)});
}

TEST_F(FolderCreation, ARefusedAuthorizationIsOneConsoleLineAndFalse) {
    const struct {
        int status;
        bool existing; // the folder exists but is not writable: only the owner changes
        const char* line;
    } cases[] = {
        {platform::kAuthorizationCanceled, false, "Error (-60006) creating: \"%1\""},
        {platform::kAuthorizationDenied, false, "Error (-60005) creating: \"%1\""},
        {platform::kAuthorizationCanceled, true, "Error (-60006) changing owner on: \"%1\""},
    };
    for (const auto& c : cases) {
        FakeToolRunner runner(FakeToolRunner::Refuse, c.status);
        console.clear();
        const QString shut = tree.folder(QString("shut%1%2/").arg(-c.status).arg(c.existing), 0555);
        const QString f = c.existing ? shut : shut + "new/";
        test::OtherUser otherUser;
        EXPECT_FALSE(DirectoryCreate(f, &progress));
        EXPECT_EQ(consoleLines(), QStringList{QString::fromLatin1(c.line).arg(f)});
        EXPECT_EQ(AuthorizedCmd::AuthTokenLastError(), c.status);
    }
}

TEST_F(FolderCreation, AToolThatRanWithoutEffectOrNoAuthorizationGivesFalse) {
    const QString shut = tree.folder("shut", 0555);
    {
        FakeToolRunner runner(FakeToolRunner::NoEffect);
        test::OtherUser otherUser;
        EXPECT_TRUE(AuthorizedCmd::DirectoryMake(shut + "x/", &progress)) << "it was started";
        EXPECT_FALSE(DirectoryCreate(shut + "x/", &progress));
        EXPECT_EQ(runner.runs().size(), 2) << "mkdir each time, never chown";
    }
    {
        FakeToolRunner runner(FakeToolRunner::Unavailable);
        test::OtherUser otherUser;
        EXPECT_FALSE(DirectoryCreate(shut + "x/", &progress));
        EXPECT_TRUE(runner.runs().isEmpty());
    }
    EXPECT_TRUE(consoleLines().isEmpty()) << "silent: the caller reports";
}

TEST_F(FolderCreation, AnyNameReachesTheToolAsOneArgumentAndNothingBecomesAnOption) {
    FakeToolRunner runner;
    const QString shut = tree.folder("shut", 0555);
    const QString odd =
        shut + "-rf two\nlines " + platform::fromNative(QByteArray("\xff\xfe")) + "/";
    {
        test::OtherUser otherUser;
        EXPECT_TRUE(DirectoryCreate(odd, &progress));
    }
    EXPECT_TRUE(TempTree::isFolder(odd));
    ASSERT_FALSE(runner.runs().isEmpty());
    EXPECT_EQ(runner.runs().first(), mkdirRun(odd));

    // Relative names, which a tool could take for options, are no folders at all.
    for (const QString& bad : {QString(), QString("-rf/"), QString("Media/"), QString("--/")}) {
        EXPECT_FALSE(DirectoryCreate(bad, &progress)) << bad.toStdString();
        EXPECT_FALSE(AuthorizedCmd::DirectoryMake(bad, &progress));
        EXPECT_FALSE(AuthorizedCmd::DirectoryChangeOwner(bad, &progress));
    }
    EXPECT_EQ(runner.runs().size(), 2);
}

TEST(ParentFolder, OfFoldersAndFiles) {
    const QStringList cases[] = {
        {"/a/b/c/", "/a/b/"}, {"/a/b/c", "/a/b/"}, {"/a/", "/"}, {"/", ""}, {"", ""},
    };
    for (const QStringList& c : cases)
        EXPECT_EQ(parentFolder(c[0]), c[1]) << c[0].toStdString();
}

} // namespace
