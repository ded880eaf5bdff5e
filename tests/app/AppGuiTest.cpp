#include "app/App.h"
#include "app/MainMenu.h"
#include "mainwindow/KVWindow.h"
#include "support/FakeVolumeSource.h"
#include "support/TestEnv.h"
#include "ui/PlatformDialogs.h"
#include "ui/dlgPreferences.h"
#include "ui/wndAbout.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

using namespace kv;

namespace {

// Runs the application until it quits, doing `during` once the window is up.
int runApp(App& app, const std::function<void()>& during) {
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(app.window()));
        during();
    });
    return app.run();
}

TEST(App, QuitWritesThePreferencesAndTheNextStartReadsThem) {
    test::FakeVolumeSource noVolumes;
    QTemporaryDir dir;
    const QString prefsFile = dir.filePath("config/Kelvara3.ini");
    {
        App app(prefsFile);
        runApp(app, [&] {
            KVWindow* w = app.window();
            EXPECT_EQ(w->geometry().topLeft(), QPoint(10, 60)) << "no file: the default bounds";
            app.setPref("Main Window", "Left", "44");
            app.setPref("Volumes", "Media Drive", "0");
            w->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);
        });
        EXPECT_TRUE(app.mQuitting.load());
    }
    QFile f(prefsFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "the first quit creates the file";
    EXPECT_TRUE(f.readAll().contains("[Volumes]\nMedia Drive=0\n\n"));

    App again(prefsFile);
    runApp(again, [&] {
        EXPECT_EQ(again.getPref("Volumes", "media drive", "1"), "0");
        EXPECT_EQ(again.window()->geometry().left(), 44);
        again.window()->close(); // closing the window quits the same way
    });
}

TEST(App, QuitsEvenWhenThePreferencesCannotBeWritten) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    App app(dir.filePath("not-a-folder/Kelvara3.ini"));
    const int status = runApp(app, [&] { app.menu()->item("FileQuit")->trigger(); });
    EXPECT_EQ(status, 0);
}

TEST(App, ShowsTheAboutWindowAndThePreferencesOverTheMainWindow) {
    QTemporaryDir dir;
    App app(dir.filePath("Kelvara3.ini"));
    KVWindow* w = app.window();
    w->show();

    app.menu()->item("About")->trigger();
    wndAbout* about = wndAbout::instance();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), w);
    QTest::mouseClick(about, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    w->hide();
    app.About_Action();
    QTest::mouseClick(about, Qt::LeftButton);
    EXPECT_TRUE(w->isVisible()) << "closing the About window opens the main window";

    app.menu()->item("prefs")->trigger();
    app.prefs_Action();
    const auto dialogs = w->findChildren<dlgPreferences*>();
    ASSERT_EQ(dialogs.size(), 1) << "one instance";
    EXPECT_TRUE(dialogs[0]->isVisible());
    EXPECT_EQ(dialogs[0]->windowModality(), Qt::WindowModal);
    dialogs[0]->btnOK_Action();
    EXPECT_EQ(app.getPref("Free_Space_Monitor", "Yellow_Threshold", ""), "30");
}

TEST(App, OpensTheInstalledUsersGuideInTheBrowser) {
    QTemporaryDir dir;
    App app(dir.filePath("Kelvara3.ini"));
    PlatformDialogs::takeRequests();
    app.menu()->item("GuideItem")->trigger();
    const QStringList requests = PlatformDialogs::takeRequests();
    ASSERT_EQ(requests.size(), 1);
    ASSERT_TRUE(requests[0].startsWith("url:file://")) << requests[0].toStdString();
    const QString page = QUrl(requests[0].mid(4)).toLocalFile();
    EXPECT_TRUE(page.endsWith("/guide/index.html")) << page.toStdString();
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
    const QByteArray html = f.readAll();
    EXPECT_TRUE(html.contains("Kelvara")) << "the guide itself, copied beside the build";
    for (const char* image : {"images/guide-media-folders.png", "images/guide-online-media.png",
                              "images/guide-offline-media.png"}) {
        EXPECT_TRUE(html.contains(image)) << image;
        EXPECT_TRUE(QFile::exists(QFileInfo(page).dir().filePath(image))) << image;
    }
}

} // namespace
