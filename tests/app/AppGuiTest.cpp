#include "app/App.h"
#include "app/MainMenu.h"
#include "mainwindow/KVWindow.h"
#include "support/FakeVolumeSource.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

} // namespace
