#include "support/WindowFixture.h"
#include "ui/PlatformDialogs.h"
#include "ui/ReportText.h"

#include <QAction>
#include <QFile>

using namespace kv;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class SavedReport : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        PlatformDialogs::takeRequests();
        MessageBox::takeRecorded();
    }
    QString target(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(SavedReport, OfATwoRowListIsTheHeadingsAndRowsWithCrLfAndNoLineEndAfterTheLast) {
    window->showPage(1);
    list(ListId::Projects)
        .setRows({row({"Café Noir", "3", "1572864"}), row({"日本 2", "12", "5368709120"}, true)});
    PlatformDialogs::setNextSaveAnswer(target("projects.txt"));
    window->ReportsSaveProjects_Action();

    EXPECT_EQ(PlatformDialogs::takeRequests(), QStringList{"save:Online Projects.txt"});
    const QByteArray expected = "Project\tFiles\tSize\r\n"
                                "Caf\xC3\xA9 Noir\t3\t1572864\r\n"
                                "\xE6\x97\xA5\xE6\x9C\xAC 2\t12\t5368709120";
    EXPECT_EQ(readAll(target("projects.txt")), expected);
    EXPECT_TRUE(MessageBox::takeRecorded().isEmpty());
}

TEST_F(SavedReport, OfAnEmptyListIsTheHeadingLineAndReplacesAnOldFile) {
    QFile old(target("files.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older, longer report that must not survive");
    old.close();
    window->showPage(2);
    PlatformDialogs::setNextSaveAnswer(target("files.txt"));
    window->ReportsSaveMedia_Action();
    EXPECT_EQ(readAll(target("files.txt")), "Media File\tSize\tDate");
}

TEST_F(SavedReport, CommandsTakeTheListsOfThePageShownAndNothingOnMediaFolders) {
    struct Case {
        int page;
        void (KVWindow::*action)();
        QStringList requests;
    } cases[] = {
        {0, &KVWindow::ReportsSaveProjects_Action, {}},
        {0, &KVWindow::ReportsSaveMedia_Action, {}},
        {0, &KVWindow::ReportsPrintProjects_Action, {}},
        {0, &KVWindow::ReportsPrintMedia_Action, {}},
        {1, &KVWindow::ReportsSaveProjects_Action, {"save:Online Projects.txt"}},
        {1, &KVWindow::ReportsSaveMedia_Action, {"save:Online Media Files.txt"}},
        {2, &KVWindow::ReportsSaveProjects_Action, {"save:Offline Projects.txt"}},
        {2, &KVWindow::ReportsSaveMedia_Action, {"save:Offline Media Files.txt"}},
        {1, &KVWindow::ReportsPrintMedia_Action, {"pageSetup"}},
        {2, &KVWindow::ReportsPrintProjects_Action, {"pageSetup"}},
    };
    for (ListId id :
         {ListId::Projects, ListId::Files, ListId::OfflineProjects, ListId::OfflineFiles})
        list(id).setRows({row({"x", "1", "1"})});
    for (const Case& c : cases) {
        window->showPage(c.page);
        (window.get()->*c.action)(); // no answers queued: every dialog is cancelled
        EXPECT_EQ(PlatformDialogs::takeRequests(), c.requests) << "page " << c.page;
    }
    EXPECT_TRUE(MessageBox::takeRecorded().isEmpty()) << "cancelling says nothing";
}

TEST_F(SavedReport, ThatCannotBeWrittenShowsTheErrorAndLeavesNoFile) {
    window->showPage(1);
    list(ListId::Files).setRows({row({"A.mxf", "10", "1/2/24"})});
    PlatformDialogs::setNextSaveAnswer(target("no-such-folder/files.txt"));
    window->ReportsSaveMedia_Action();
    EXPECT_EQ(MessageBox::takeRecorded(), QStringList{"Error: problem saving file."});
    EXPECT_FALSE(QFile::exists(target("no-such-folder/files.txt")));
}

TEST_F(SavedReport, MenuItemsAreOffWhileAJobRuns) {
    struct Waiter : WorkerThread {
        explicit Waiter(WindowModel& w) : WorkerThread(w, "waiter") {}
        void Run() override {
            while (!progressCancelled())
                QThread::msleep(2);
        }
    };
    window->showPage(1);
    list(ListId::Files).setRows({row({"A.mxf", "10", "1/2/24"})});
    auto enabled = [&](const char* name) {
        window->Event_EnableMenuItems();
        return window->mainMenu()->item(QString::fromLatin1(name))->isEnabled();
    };
    EXPECT_TRUE(enabled("ReportsSaveMedia"));
    model().startWorker(new Waiter(model()));
    for (const char* name :
         {"ReportsPrintProjects", "ReportsSaveProjects", "ReportsPrintMedia", "ReportsSaveMedia"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(enabled("ReportsPageSetup"));
    model().progress.cancel();
    model().waitUntilIdle();
    EXPECT_TRUE(enabled("ReportsPrintMedia"));
}

} // namespace
