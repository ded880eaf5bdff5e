#include "support/WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace kv;

namespace {

class KVWindowTest : public test::WindowFixture {
protected:
    QStringList jobsStarted;
    void watchJobs() {
        QObject::connect(&model(), &WindowModel::jobStarted,
                         [this](const QString& j) { jobsStarted << j; });
    }
    QAction* item(const char* name) { return window->mainMenu()->item(QString::fromLatin1(name)); }
    void enableMenus() { window->Event_EnableMenuItems(); }
};

TEST_F(KVWindowTest, OpensOnMediaFoldersAtTheDefaultBoundsWithoutPreferences) {
    window->show();
    EXPECT_EQ(window->windowTitle(), "Kelvara 3.3");
    EXPECT_EQ(window->currentPage(), 0);
    const QRect g = window->geometry();
    EXPECT_EQ(g.topLeft(), QPoint(10, 60));
    EXPECT_EQ(g.width(), 836);
    EXPECT_EQ(window->contentSize(), QSize(836, 450));
    EXPECT_EQ(g.height(), 450 + window->menuBarHeight());

    const auto* tabs = window->control<QTabWidget>("tabMain");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Media Folders");
    EXPECT_EQ(tabs->tabText(1), "Online Media");
    EXPECT_EQ(tabs->tabText(2), "Offline Media");
    window->grab().save(test::outputDir() + "/main-window-empty.png");
}

class StoredBounds : public KVWindowTest {
    void prepare(AppCore& a) override {
        a.prefs.loadFromText("[Main Window]\nLeft=30\nTop=80\nWidth=900\nHeight=500\n");
        a.SavePrefs();
    }
};

TEST_F(StoredBounds, AreAppliedAndMoveTheBottomAnchoredControls) {
    window->show();
    EXPECT_EQ(window->geometry().topLeft(), QPoint(30, 80));
    EXPECT_EQ(window->contentSize(), QSize(900, 500));
    // 64 wider and 54 taller than designed.
    EXPECT_EQ(window->controlRect("tabMain"), QRect(20, 14, 796 + 64, 373 + 54));
    EXPECT_EQ(window->controlRect("btnFilters"), QRect(39, 404 + 54, 104, 21));
    EXPECT_EQ(window->controlRect("btnCancel"), QRect(621 + 64, 415 + 54, 89, 21));
    EXPECT_EQ(window->controlRect("theProgress"), QRect(239, 421 + 54, 359 + 64, 16));
    EXPECT_EQ(window->controlRect("VolumeList"), QRect(42, 55, 240, 247 + 54));
    EXPECT_EQ(window->controlRect("cnvSizerVolumes"), QRect(285, 190, 6, 6));
    EXPECT_EQ(window->controlRect("MediaFolderList"), QRect(294, 55, 500 + 64, 247 + 54));
}

TEST_F(KVWindowTest, CreatesEveryControlOfTheCatalogueWithItsCaptionAndState) {
    for (const ControlSpec& spec : mainWindowControls()) {
        QWidget* w = window->findControl(QString::fromLatin1(spec.name));
        ASSERT_NE(w, nullptr) << spec.name;
        EXPECT_EQ(window->controlRect(spec.name), spec.rect) << spec.name;
        EXPECT_EQ(w->isEnabledTo(w->parentWidget()), !(spec.options & StartsDisabled)) << spec.name;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(spec.caption)) << spec.name;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(spec.caption)) << spec.name;
        }
    }
    EXPECT_EQ(window->findControl("nothing"), nullptr);
    window->show();
    EXPECT_TRUE(window->findControl("VolumeList")->isVisible());
    EXPECT_FALSE(window->findControl("ProjectList")->isVisible());
    EXPECT_FALSE(window->findControl("listNotes")->isVisible());
    // Page controls stand at their window coordinates although they live on a page.
    QWidget* list = window->findControl("VolumeList");
    EXPECT_EQ(list->mapTo(window->centralWidget(), QPoint(0, 0)), QPoint(42, 55));
}

TEST_F(KVWindowTest, PageChangesScanOnlyADirtySide) {
    watchJobs();
    window->showPage(1);
    window->showPage(2);
    window->showPage(0);
    EXPECT_TRUE(jobsStarted.isEmpty()) << "before any search both sides are clean";

    model().dirtyOnline = true;
    model().dirtyOffline = true;
    window->showPage(1);
    EXPECT_EQ(jobsStarted, QStringList{"ScanOnline"});
    EXPECT_FALSE(window->findControl("tabMain")->isEnabled()) << "controls off while it scans";
    model().dirtyOnline = false; // as the scan would leave it
    window->showPage(2);
    EXPECT_EQ(jobsStarted, (QStringList{"ScanOnline", "ScanOffline"}));
    EXPECT_FALSE(window->findControl("btnMoveOnline")->isEnabledTo(window.get()));
    model().dirtyOffline = false;
    window->showPage(1);
    window->showPage(2);
    EXPECT_EQ(jobsStarted.size(), 2);
    EXPECT_TRUE(window->findControl("tabMain")->isEnabled());
}

TEST_F(KVWindowTest, AnalyzeShowsTheOnlinePageWithZeroTotals) {
    window->setLabelText("TotalFilesFld", "12");
    window->control<QPushButton>("btnAnalyzeOnline")->setEnabled(true);
    window->show();
    QTest::mouseClick(window->control<QPushButton>("btnAnalyzeOnline"), Qt::LeftButton);
    EXPECT_EQ(window->currentPage(), 1);
    EXPECT_EQ(app->whatFunction.load(), JobAnalyseOnline);
    EXPECT_EQ(window->labelText("TotalFilesFld"), "0");
    EXPECT_EQ(window->labelText("TotalSizeFld"), "0");
}

TEST_F(KVWindowTest, FiveQuickProjectChecksRebuildTheFileListOnce) {
    watchJobs();
    window->showPage(1);
    ListRows rows;
    for (int i = 0; i < 5; ++i)
        rows << row({"P" + QString::number(i), "1", "100"});
    list(ListId::Projects).setRows(rows);
    for (int i = 0; i < 5; ++i) {
        list(ListId::Projects).setChecked(i, true);
        EXPECT_TRUE(window->lockTabs);
        QTest::qWait(40);
    }
    EXPECT_TRUE(jobsStarted.isEmpty()) << "nothing before the 200 ms have passed";
    ASSERT_TRUE(test::waitFor([&] { return !jobsStarted.isEmpty(); }, 2000));
    QTest::qWait(300);
    EXPECT_EQ(jobsStarted, QStringList{"ListProjectsOnline"});
    EXPECT_FALSE(window->lockTabs);
    EXPECT_EQ(window->labelText("pjSelectFld"), "5");
}

TEST_F(KVWindowTest, MenuItemsFollowThePageAndTheSelection) {
    list(ListId::Files).setRows({row({"A.mxf", "10", "d"}), row({"B.mxf", "10", "d"})});
    list(ListId::OfflineFiles).setRows({row({"C.mxf", "10", "d"}, true)});

    window->showPage(0);
    enableMenus();
    EXPECT_FALSE(item("fileMove")->isEnabled());
    EXPECT_FALSE(item("fileCopyFiles")->isEnabled());
    EXPECT_FALSE(item("ReportsPrintProjects")->isEnabled());
    EXPECT_FALSE(item("ReportsSaveMedia")->isEnabled());
    for (const char* name : {"Filters", "RefreshVolumes", "About", "prefs", "FileQuit", "EditUndo",
                             "EditCopy", "EditSelectAll", "ReportsPageSetup", "GuideItem"})
        EXPECT_TRUE(item(name)->isEnabled()) << name;

    window->showPage(1);
    enableMenus();
    EXPECT_FALSE(item("fileMove")->isEnabled()) << "no file selected yet";
    EXPECT_EQ(item("fileMove")->text(), "Move selected files offline");
    EXPECT_TRUE(item("ReportsPrintProjects")->isEnabled());
    EXPECT_TRUE(item("ReportsPrintMedia")->isEnabled());
    list(ListId::Files).setChecked(1, true);
    enableMenus();
    EXPECT_TRUE(item("fileMove")->isEnabled());
    EXPECT_FALSE(item("fileCopyFiles")->isEnabled());

    window->showPage(2);
    enableMenus();
    EXPECT_TRUE(item("fileMove")->isEnabled());
    EXPECT_EQ(item("fileMove")->text(), "Move selected files online");
    EXPECT_TRUE(item("fileCopyFiles")->isEnabled());

    list(ListId::Files).clear();
    window->showPage(1);
    enableMenus();
    EXPECT_FALSE(item("ReportsPrintMedia")->isEnabled()) << "an empty file list";
    EXPECT_FALSE(item("ReportsSaveMedia")->isEnabled());

    window->showPage(0);
    enableMenus();
    EXPECT_EQ(item("fileMove")->text(), "Move selected files offline") << "page 0 keeps it";
}

TEST_F(KVWindowTest, TheMenuBarHoldsEveryItemInItsMenu) {
    const MainMenu* bar = window->mainMenu();
    QStringList captions;
    for (QAction* m : bar->actions())
        captions << m->text();
    EXPECT_EQ(captions, (QStringList{"&File", "&Edit", "Reports", "Help"}));
    const QStringList fileItems = [&] {
        QStringList out;
        for (QAction* a : bar->menu("FileMenu")->actions())
            out << a->objectName();
        return out;
    }();
    EXPECT_EQ(fileItems, (QStringList{"About", "RefreshVolumes", "fileMove", "UntitledSeparator0",
                                      "fileCopyFiles", "UntitledSeparator2", "Filters", "prefs",
                                      "UntitledSeparator", "FileQuit"}));
    EXPECT_EQ(bar->item("fileMove")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    EXPECT_EQ(bar->item("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(bar->item("EditSelectAll")->text(), "Select &All");
    EXPECT_EQ(bar->item("GuideItem")->text(), "User's Guide");
}

TEST_F(KVWindowTest, MoveSelectedFilesDoesNothingOnMediaFolders) {
    int presses = 0;
    QObject::connect(window->control<QPushButton>("btnMoveOffline"), &QPushButton::clicked,
                     [&] { ++presses; });
    window->control<QPushButton>("btnMoveOffline")->setEnabled(true);
    window->fileMove_Action();
    EXPECT_EQ(presses, 0);
    window->showPage(1);
    window->fileMove_Action();
    EXPECT_EQ(presses, 1);
}

TEST_F(KVWindowTest, TheButtonTimerEnablesThePageCommandsBySelection) {
    window->control<QPushButton>("btnAddFolder")->setEnabled(false);
    list(ListId::MediaFolders).setRows({row({"/V/Avid MediaFiles/MXF/1/", "/V/Kelvara Offline/"})});
    window->tmrButtonEnabler_Action();
    EXPECT_FALSE(window->findControl("btnAnalyzeOnline")->isEnabled());
    list(ListId::MediaFolders).setChecked(0, true);
    window->tmrButtonEnabler_Action();
    EXPECT_TRUE(window->findControl("btnAnalyzeOnline")->isEnabledTo(window.get()));
    EXPECT_TRUE(window->findControl("btnAddFolder")->isEnabledTo(window.get()));

    window->showPage(2);
    list(ListId::OfflineFiles).setRows({row({"C.mxf", "10", "d"}, true)});
    window->tmrButtonEnabler_Action();
    EXPECT_TRUE(window->findControl("btnMoveOnline")->isEnabledTo(window.get()));
    EXPECT_TRUE(window->findControl("btnCopyToFolder")->isEnabledTo(window.get()));
    list(ListId::OfflineFiles).setAllChecked(false);
    window->tmrButtonEnabler_Action();
    EXPECT_FALSE(window->findControl("btnMoveOnline")->isEnabledTo(window.get()));
}

TEST_F(KVWindowTest, JobProgressAndTheCancelButtonReachTheWindow) {
    ProgressSupport& p = model().progress;
    p.progressStart("Scanning Media Folders", true);
    p.progressPercent(0.426, "A001.mxf");
    p.progressEvent("Moved: A001.mxf", "/V/Kelvara Offline/P/A001.mxf");
    QCoreApplication::processEvents();
    EXPECT_EQ(window->labelText("theJobFld"), "Scanning Media Folders");
    EXPECT_EQ(window->labelText("txtMessage"), "A001.mxf");
    EXPECT_EQ(window->control<QProgressBar>("theProgress")->value(), 43);
    auto* cancel = window->control<QPushButton>("btnCancel");
    EXPECT_TRUE(cancel->isEnabled());
    auto* console = window->control<QListWidget>("listNotes");
    ASSERT_EQ(console->count(), 1);
    EXPECT_TRUE(console->item(0)->text().endsWith("] Moved: A001.mxf"));
    EXPECT_EQ(console->item(0)->data(Qt::UserRole).toString(), "/V/Kelvara Offline/P/A001.mxf");

    window->show();
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(p.progressCancelled());
    EXPECT_FALSE(cancel->isEnabled());
    p.progressEnd(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->consoleLines().last().endsWith("] Cancelled."));
    EXPECT_EQ(window->labelText("theJobFld"), "");
    EXPECT_EQ(window->control<QProgressBar>("theProgress")->value(), 0);
}

TEST_F(KVWindowTest, TheCancelKeystrokeCancelsARunningJob) {
    struct Waiter : WorkerThread {
        Waiter(WindowModel& w) : WorkerThread(w, "waiter") {}
        void Run() override {
            progress().progressStart("Finding Media Folders", true);
            while (!progressCancelled())
                QThread::msleep(5);
            progress().progressEnd(true);
        }
    };
    window->show();
    model().startWorker(new Waiter(model()));
    ASSERT_TRUE(test::waitFor([&] { return window->labelText("theJobFld") != ""; }));
    QTest::keyClick(window.get(), Qt::Key_Period, Qt::ControlModifier);
    model().waitUntilIdle();
    EXPECT_TRUE(window->consoleLines().last().endsWith("] Cancelled."));
}

TEST_F(KVWindowTest, TheConsoleDisclosureGrowsAndShrinksTheWindow) {
    window->show();
    const int before = window->contentSize().height();
    const int filtersTop = window->controlRect("btnFilters").top();
    auto* triangle = window->control<QToolButton>("discloseConsole");
    QTest::mouseClick(triangle, Qt::LeftButton);
    EXPECT_TRUE(window->consoleShown());
    EXPECT_EQ(window->contentSize().height(), before + 150);
    EXPECT_TRUE(window->findControl("listNotes")->isVisible());
    EXPECT_EQ(window->controlRect("listNotes").top(), filtersTop + 50);
    EXPECT_EQ(window->controlRect("listNotes").bottom() + 1, before + 150 - 20);
    EXPECT_EQ(window->controlRect("discloseConsole").top(), filtersTop + 20);
    EXPECT_EQ(window->controlRect("btnFilters").top(), filtersTop) << "the rest stays put";
    EXPECT_EQ(window->minimumHeight() - window->menuBarHeight(), filtersTop + 90);

    QTest::mouseClick(triangle, Qt::LeftButton);
    EXPECT_FALSE(window->consoleShown());
    EXPECT_FALSE(window->findControl("listNotes")->isVisible());
    EXPECT_EQ(window->contentSize().height(), filtersTop + 40);
    EXPECT_EQ(window->minimumHeight() - window->menuBarHeight(), 300);
}

TEST_F(KVWindowTest, ClosingWithAJobRunningStopsItAndAsksToQuit) {
    struct Forever : WorkerThread {
        Forever(WindowModel& w) : WorkerThread(w, "forever") {}
        void Run() override {
            while (!progressCancelled())
                QThread::msleep(5);
        }
    };
    model().startWorker(new Forever(model()));
    ASSERT_TRUE(test::waitFor([&] { return model().ThreadActive.load() != nullptr; }));
    window->close();
    EXPECT_TRUE(app->mQuitting.load());
    EXPECT_EQ(model().runningWorkers(), 0);
}

} // namespace
