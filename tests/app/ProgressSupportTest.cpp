#include "app/AppCore.h"
#include "app/ProgressSupport.h"
#include "support/TestEnv.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using kv::AppCore;
using kv::ProgressSupport;

namespace {

// Everything the progress display would show, in the order it arrived on the UI thread.
struct Display {
    explicit Display(ProgressSupport& p) {
        QObject::connect(&p, &ProgressSupport::jobTitleChanged,
                         [this](const QString& t) { log << "title:" + t; });
        QObject::connect(&p, &ProgressSupport::messageChanged,
                         [this](const QString& t) { log << "message:" + t; });
        QObject::connect(&p, &ProgressSupport::percentChanged,
                         [this](int v) { log << "percent:" + QString::number(v); });
        QObject::connect(&p, &ProgressSupport::cancelEnabledChanged,
                         [this](bool on) { log << (on ? "cancel:on" : "cancel:off"); });
        QObject::connect(&p, &ProgressSupport::consoleLineAdded,
                         [this](const QString& line, const QString& path, bool) {
                             lines << line.mid(line.indexOf("] ") + 2);
                             log << "line:" + lines.last() + (path.isEmpty() ? "" : "@" + path);
                         });
        QObject::connect(&p, &ProgressSupport::onlineTotalsRequested,
                         [this] { log << "onlineTotals"; });
    }
    QStringList log;
    QStringList lines;
};

void runOnThread(const std::function<void()>& f) {
    QThread* t = QThread::create(f);
    t->start();
    while (!t->wait(5))
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    delete t;
}

class ProgressSupportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppCore app{dir.filePath("Kelvara3.ini")};
    ProgressSupport progress{app};
    Display display{progress};
};

TEST_F(ProgressSupportTest, ConsoleLinesCarryTheTimeAndThePath) {
    const QString line = ProgressSupport::consoleLine(QStringLiteral("Moved: A.mxf"));
    EXPECT_TRUE(line.startsWith(u'['));
    EXPECT_TRUE(line.endsWith(QStringLiteral("] Moved: A.mxf")));
    progress.progressEvent(QStringLiteral("Moved: A.mxf"), QStringLiteral("/V/A.mxf"));
    QCoreApplication::processEvents();
    EXPECT_EQ(display.log, QStringList{"line:Moved: A.mxf@/V/A.mxf"});
}

TEST_F(ProgressSupportTest, UpdatesFromAWorkerArriveInTheOrderTheyWereMade) {
    runOnThread([&] {
        progress.progressStart(QStringLiteral("Scanning Media Folders"), true);
        for (int i = 0; i < 200; ++i) {
            progress.progressPercent(i / 200.0, QString::number(i));
            progress.progressEvent(QString::number(i));
        }
    });
    ASSERT_EQ(display.log.size(), 2 + 200 * 3);
    EXPECT_EQ(display.log[0], "title:Scanning Media Folders");
    EXPECT_EQ(display.log[1], "cancel:on");
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(display.log[2 + 3 * i + 1], "message:" + QString::number(i));
        EXPECT_EQ(display.log[2 + 3 * i + 2], "line:" + QString::number(i));
    }
}

TEST_F(ProgressSupportTest, ACancelledJobEndsWithCancelledAndKeepsItsJobCode) {
    progress.setEndPauseMilliseconds(0);
    app.whatFunction = kv::JobFindMediaFolders;
    runOnThread([&] {
        progress.progressStart(QStringLiteral("Finding Media Folders"), true);
        progress.cancel();
        EXPECT_TRUE(progress.progressCancelled());
        progress.progressEnd(true);
    });
    EXPECT_EQ(display.lines, QStringList{"Cancelled."});
    EXPECT_TRUE(display.log.contains("percent:0"));
    EXPECT_EQ(display.log.mid(display.log.size() - 5),
              (QStringList{"line:Cancelled.", "message:", "title:", "percent:0", "cancel:off"}));
    EXPECT_EQ(app.whatFunction.load(), kv::JobFindMediaFolders);

    progress.progressStart(QStringLiteral("Next"), true);
    EXPECT_FALSE(progress.progressCancelled()) << "a new job clears the cancel request";
}

TEST_F(ProgressSupportTest, AJobWithACodeEndsWithFinishedAndTheCodeIsCleared) {
    struct Case {
        int job;
        bool finishedLine;
        bool onlineTotals;
    } cases[] = {{kv::JobNone, false, false},
                 {kv::JobFindMediaFolders, true, false},
                 {kv::JobAnalyseOnline, true, true},
                 {kv::JobCopy, true, false}};
    progress.setEndPauseMilliseconds(0);
    for (const Case& c : cases) {
        display.log.clear();
        display.lines.clear();
        app.whatFunction = c.job;
        runOnThread([&] { progress.progressEnd(true); });
        EXPECT_EQ(display.lines.contains("Finished"), c.finishedLine) << c.job;
        EXPECT_EQ(display.log.contains("onlineTotals"), c.onlineTotals) << c.job;
        EXPECT_LT(display.log.indexOf("percent:100"), display.log.lastIndexOf("percent:0"));
        EXPECT_FALSE(display.log.contains("cancel:off")) << "flag true keeps Cancel as it is";
        EXPECT_EQ(app.whatFunction.load(), kv::JobNone);
    }
    runOnThread([&] { progress.progressEnd(false); });
    EXPECT_EQ(display.log.last(), "cancel:off");
}

TEST_F(ProgressSupportTest, TheEndPauseSleepsTheWorkerNeverTheUiThread) {
    progress.setEndPauseMilliseconds(300);
    QElapsedTimer t;
    t.start();
    int ticksDuringPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticksDuringPause; });
    ticker.start(10);
    runOnThread([&] { progress.progressEnd(true); });
    EXPECT_GE(t.elapsed(), 290);
    EXPECT_GE(ticksDuringPause, 10) << "the UI thread went on handling events";

    t.restart();
    progress.progressEnd(true);
    EXPECT_LT(t.elapsed(), 200) << "called on the UI thread, no pause";
}

TEST_F(ProgressSupportTest, QuittingCountsAsACancelRequest) {
    EXPECT_FALSE(progress.progressCancelled());
    app.mQuitting = true;
    EXPECT_TRUE(progress.progressCancelled());
}

} // namespace
