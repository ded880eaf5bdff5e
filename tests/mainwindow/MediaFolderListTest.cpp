#include "mainwindow/OfflineFolders.h"
#include "support/FakeToolRunner.h"
#include "support/OtherUser.h"
#include "support/TempTree.h"
#include "support/WindowFixture.h"
#include "ui/FolderChooser.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kv;
using test::FakeToolRunner;
using test::TempTree;

namespace {

class MediaFolderList : public test::WindowFixture {
protected:
    void prepare(AppCore&) override {
        volumes.add("V", vol.root(), 3, 4);
        // Volumes that are not there (passed over by the search), for the pies' colours.
        volumes.add("Backup", vol.path("gone/B/"), 2, 10);
        volumes.add("Full", vol.path("gone/F/"), 1, 100);
        volumes.add("Unknown size", vol.path("gone/U/"), 0, 0);
    }
    void TearDown() override {
        FolderChooser::setAnswerForTests(std::nullopt);
        WindowFixture::TearDown();
    }
    // "Locate Folder..." answered with the folder, to the end of its work.
    void locate(const QString& folder) {
        FolderChooser::setAnswerForTests(folder);
        window->btnAddFolder_Action();
        model().waitUntilIdle();
    }
    QStringList consoleMessages() {
        QStringList out;
        for (const QString& l : window->consoleLines())
            out << l.mid(l.indexOf("] ") + 2);
        return out;
    }

    TempTree vol;
    FakeToolRunner runner;
};

TEST_F(MediaFolderList, LocatingAFolderMakesItsOfflineFolderInsideAndAddsAnUncheckedRow) {
    const QString clips = vol.folder("Media/Clips");
    locate(clips);
    const QVector<FolderChooser::Request> asked = FolderChooser::takeRequestsForTests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].title, "Add Media Folder");
    EXPECT_EQ(asked[0].prompt, "Select a media folder");
    EXPECT_EQ(asked[0].chooseCaption, "Locate A Media Folder");
    EXPECT_EQ(asked[0].cancelCaption, "Cancel");
    EXPECT_EQ(asked[0].startFolder, "/");

    const QString offline = clips + "Clips (KV Offline)/";
    EXPECT_TRUE(TempTree::isFolder(offline));
    ASSERT_EQ(list(ListId::MediaFolders).count(), 1);
    EXPECT_EQ(list(ListId::MediaFolders).row(0).cells, (QStringList{clips, offline}));
    EXPECT_FALSE(list(ListId::MediaFolders).row(0).checked);
    EXPECT_EQ(model().OnlineToOffline->value(clips), offline);
    EXPECT_EQ(model().OfflineToOnline->value(offline), clips);
    EXPECT_EQ(window->labelText("fFoundFld"), "0") << "counts wait for the next change";

    locate(clips); // an existing writable offline folder: no tool, a second row
    EXPECT_EQ(list(ListId::MediaFolders).count(), 2);
    EXPECT_TRUE(runner.runs().isEmpty());
    EXPECT_TRUE(MessageBox::takeRecorded().isEmpty());

    locate(QString()); // cancelled
    EXPECT_EQ(list(ListId::MediaFolders).count(), 2);
}

TEST_F(MediaFolderList, LocatingFailuresShowTheirMessageAndAddNothing) {
    const QString clips = vol.folder("Clips");
    const QString offline = clips + "Clips (KV Offline)/";
    const QString shut = vol.folder("Shut");
    vol.folder("Shut/Shut (KV Offline)", 0555);
    const struct {
        const char* what;
        QString folder;
        QString message;
    } cases[] = {
        {"the root of a volume", vol.root(),
         "Sorry, you cannot select the root directory of a volume (partition or hard disk)."},
        {"the root of the system", "/",
         "Sorry, you cannot select the root directory of a volume (partition or hard disk)."},
        {"cannot be made", clips, "Error creating: " + offline},
        {"cannot be handed over", shut, "Unable to make writeable: " + shut + "Shut (KV Offline)/"},
    };
    vol.file("Clips/Clips (KV Offline)"); // a file in the way
    FakeToolRunner refusing(FakeToolRunner::Refuse);
    test::OtherUser otherUser;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        locate(c.folder);
        EXPECT_EQ(MessageBox::takeRecorded(), QStringList{c.message});
        EXPECT_EQ(list(ListId::MediaFolders).count(), 0);
    }
    EXPECT_FALSE(model().OnlineToOffline && !model().OnlineToOffline->isEmpty());
}

TEST_F(MediaFolderList, FindMediaFoldersFillsTheListAndClosingRemovesTheEmptyOfflineFolders) {
    vol.file("OMFI MediaFiles/1/a.omf");
    vol.file("Avid MediaFiles/MXF/1/A.mxf");
    vol.file("Avid MediaFiles/MXF/1/B.mxf");
    vol.file("Avid MediaFiles/MXF/2/C.mxf");
    window->resize(836, 450 + window->menuBarHeight());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    QTest::mouseClick(window->control<QPushButton>("btnFindMediaFolders"), Qt::LeftButton);
    EXPECT_FALSE(window->findControl("VolumeList")->isEnabled());
    model().waitUntilIdle();
    QCoreApplication::processEvents();

    const CheckListModel& folders = list(ListId::MediaFolders);
    ASSERT_EQ(folders.count(), 3);
    EXPECT_EQ(folders.row(0).cells, (QStringList{vol.path("OMFI MediaFiles/1/"),
                                                 vol.path("Kelvara Offline/OMFI MediaFiles/1/")}));
    EXPECT_EQ(folders.checkedCount(), 3);
    EXPECT_EQ(window->listView(ListId::MediaFolders)->selectionModel()->selectedRows().size(), 3);
    EXPECT_EQ(window->labelText("fFoundFld"), "3");
    EXPECT_EQ(window->labelText("fSelectFld"), "3");
    EXPECT_TRUE(window->findControl("VolumeList")->isEnabled());
    EXPECT_TRUE(window->findControl("MediaFolderList")->isEnabled());
    EXPECT_TRUE(window->findControl("tabMain")->isEnabled());
    EXPECT_FALSE(window->findControl("btnFindMediaFolders")->isEnabled()) << "until a reset";
    EXPECT_FALSE(window->findControl("btnCancel")->isEnabled());
    const QStringList console = consoleMessages();
    EXPECT_EQ(console, (QStringList{"Started media folder search.", "Finished"}));

    window->tmrButtonEnabler_Action();
    window->grab().save(test::outputDir() + "/media-folders-tab.png");

    // A project folder with a file keeps its offline folder; the others go, with their parent
    // when that is empty too, one level up only.
    vol.file("Kelvara Offline/Avid MediaFiles/MXF/2/Project/C2.mxf");
    vol.folder("Kelvara Offline/Avid MediaFiles/MXF/1/P1");
    vol.folder("Kelvara Offline/Avid MediaFiles/MXF/1/P2");
    window->close();
    EXPECT_FALSE(TempTree::exists(vol.path("Kelvara Offline/Avid MediaFiles/MXF/1/")));
    EXPECT_TRUE(TempTree::isFolder(vol.path("Kelvara Offline/Avid MediaFiles/MXF/2/Project/")));
    EXPECT_FALSE(TempTree::exists(vol.path("Kelvara Offline/OMFI MediaFiles/")));
    EXPECT_TRUE(TempTree::isFolder(vol.path("Kelvara Offline/")));
}

} // namespace
