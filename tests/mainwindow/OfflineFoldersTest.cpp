#include "mainwindow/OfflineFolders.h"
#include "app/AppCore.h"
#include "mainwindow/WindowModel.h"
#include "media/ProjectNames.h"
#include "support/FakeToolRunner.h"
#include "support/OtherUser.h"
#include "support/TempTree.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace kv;
using test::FakeToolRunner;
using test::TempTree;

namespace {

TEST(OfflineFolderRule, NamesOfSearchedAndHandAddedFolders) {
    EXPECT_EQ(searchedOfflineFolder("/V/", "/V/Avid MediaFiles/MXF/1/"),
              "/V/Kelvara Offline/Avid MediaFiles/MXF/1/");
    EXPECT_EQ(searchedOfflineFolder("/", "/Avid MediaFiles/"), "/Kelvara Offline/Avid MediaFiles/");
    EXPECT_EQ(searchedOfflineFolder("/W/", "/V/Avid MediaFiles/"), "") << "not on that volume";
    EXPECT_EQ(handAddedOfflineFolder("/V/Media/Clips/"), "/V/Media/Clips/Clips (KV Offline)/");
    EXPECT_EQ(folderName("/V/Media/Clips/"), "Clips");
}

class OfflineFolders : public ::testing::Test {
protected:
    void SetUp() override {
        QObject::connect(&model, &WindowModel::messageRequested,
                         [this](const QString& t) { messages << t; });
        QObject::connect(&model, &WindowModel::quitRequested, [this] { quitRequested = true; });
    }
    void settle() { QCoreApplication::processEvents(); }

    TempTree vol;
    FakeToolRunner runner;
    AppCore app{QString()};
    WindowModel model{app};
    QStringList messages;
    bool quitRequested = false;
};

TEST_F(OfflineFolders, GetDestFolderGivesTheProjectFolderOfflineAndTheMediaFolderOnline) {
    const QString media = vol.folder("Avid MediaFiles/MXF/1");
    const QString offline = vol.folder("Kelvara Offline/Avid MediaFiles/MXF/1");
    registerMediaFolder(model, media, offline);
    const QString file = vol.file("Avid MediaFiles/MXF/1/A.mxf");
    const QString project = FileUtilities::GetProjectFolderName(file);

    const QString dest = GetDestFolder(model, file, 0);
    EXPECT_EQ(dest, offline + project + "/");
    EXPECT_TRUE(TempTree::isFolder(dest));
    EXPECT_EQ(GetDestFolder(model, dest + "A.mxf", 1), media);
    EXPECT_EQ(GetDestFolder(model, file, 2), "");
    settle();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(quitRequested);
}

TEST_F(OfflineFolders, GetDestFolderFailures) {
    const QString media = vol.folder("M");
    const QString offline = vol.folder("M/M (KV Offline)");
    const QString shut = vol.folder("S");
    const QString shutOffline = vol.folder("S/S (KV Offline)", 0555);
    const QString gone = vol.folder("G");
    registerMediaFolder(model, media, offline);
    registerMediaFolder(model, shut, shutOffline);
    registerMediaFolder(model, gone, gone + "G (KV Offline)/");
    const QString project = FileUtilities::GetProjectFolderName(media + "A.mxf");
    vol.file("M/M (KV Offline)/" + project); // a file where the project folder must go
    vol.folder("S/S (KV Offline)/" + project, 0555);

    const QString lookup = "Error: problem getting destination folder.";
    const struct {
        const char* what;
        QString file;
        int mode;
        QString message;
        bool quits;
    } cases[] = {
        {"cannot be made", media + "A.mxf", 0, "Error creating: " + offline + project + "/", false},
        {"cannot be handed over", shut + "A.mxf", 0,
         "Unable to make writeable: " + shutOffline + project + "/", false},
        {"a folder that is not registered", vol.path("Other/A.mxf"), 0, lookup, true},
        {"an offline folder that is not registered", vol.path("Other/P/A.mxf"), 1, lookup, true},
        {"an offline folder that has gone", gone + "A.mxf", 0, lookup + "\n(NilObjectException)",
         true},
    };
    FakeToolRunner refusing(FakeToolRunner::Refuse);
    test::OtherUser otherUser;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.clear();
        quitRequested = false;
        EXPECT_EQ(GetDestFolder(model, c.file, c.mode), "");
        settle();
        EXPECT_EQ(messages, QStringList{c.message});
        EXPECT_EQ(quitRequested, c.quits);
    }
    WindowModel fresh(app); // no folder maps yet
    QObject::connect(&fresh, &WindowModel::messageRequested,
                     [this](const QString& t) { messages << t; });
    messages.clear();
    EXPECT_EQ(GetDestFolder(fresh, media + "A.mxf", 0), "");
    settle();
    EXPECT_EQ(messages, QStringList{lookup + "\n(NilObjectException)"});
}

TEST_F(OfflineFolders, DeleteEmptyFoldersKeepsAnythingThatHoldsAnEntryAndEveryVolumeRoot) {
    // Two empty project folders side by side go, then the offline folder, then its parent.
    const QString a = vol.folder("Kelvara Offline/Avid MediaFiles/MXF/1");
    vol.folder("Kelvara Offline/Avid MediaFiles/MXF/1/P1");
    vol.folder("Kelvara Offline/Avid MediaFiles/MXF/1/P2");
    // A hidden entry counts as an item.
    const QString b = vol.folder("Kelvara Offline/OMFI MediaFiles/1");
    vol.file("Kelvara Offline/OMFI MediaFiles/1/.DS_Store");
    // A project folder holding a file keeps itself and its offline folder.
    const QString c = vol.folder("Clips/Clips (KV Offline)");
    vol.file("Clips/Clips (KV Offline)/P/A.mxf");
    vol.folder("Clips/Clips (KV Offline)/Empty");
    // An offline folder right at a volume root: the root stays even when it is empty.
    TempTree other;
    const QString d = other.folder("KO");
    // A link to an empty folder is not a sub-folder: its target stays.
    const QString e = vol.folder("Links/L (KV Offline)");
    const QString target = vol.folder("Target");
    vol.symlink("Links/L (KV Offline)/link", target);

    DeleteEmptyFolders({a, b, c, d, e, QString(), vol.path("missing/")},
                       {vol.root(), other.root()});

    EXPECT_FALSE(TempTree::exists(a));
    EXPECT_FALSE(TempTree::exists(vol.path("Kelvara Offline/Avid MediaFiles/MXF/")));
    EXPECT_TRUE(TempTree::isFolder(vol.path("Kelvara Offline/Avid MediaFiles/")))
        << "one level above the offline folder only";
    EXPECT_TRUE(TempTree::isFolder(b));
    EXPECT_TRUE(TempTree::isFolder(c + "P/"));
    EXPECT_FALSE(TempTree::exists(c + "Empty/"));
    EXPECT_FALSE(TempTree::exists(d));
    EXPECT_TRUE(TempTree::isFolder(other.root()));
    EXPECT_TRUE(TempTree::isFolder(e));
    EXPECT_TRUE(TempTree::isFolder(target));
}

} // namespace
