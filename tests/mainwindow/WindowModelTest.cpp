#include "mainwindow/WindowModel.h"
#include "mainwindow/WorkerThread.h"
#include "support/TestEnv.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kv;

namespace {

struct Journal {
    QMutex mutex;
    QStringList entries;
    void add(const QString& e) {
        QMutexLocker lock(&mutex);
        entries << e;
    }
    bool has(const QString& e) {
        QMutexLocker lock(&mutex);
        return entries.contains(e);
    }
};

class SleepyWorker : public WorkerThread {
public:
    SleepyWorker(WindowModel& w, QString name, Journal& journal, int ms)
        : WorkerThread(w, std::move(name)), journal(journal), ms(ms) {}

protected:
    void Run() override {
        journal.add(jobName() + ":start");
        EXPECT_EQ(theWindow.ThreadActive.load(), this);
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms && !progressCancelled())
            QThread::msleep(5);
        journal.add(jobName() + (progressCancelled() ? ":cancelled" : ":end"));
    }

private:
    Journal& journal;
    int ms;
};

class WindowModelTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppCore app{dir.filePath("Kelvara3.ini")};
    WindowModel model{app};
};

TEST_F(WindowModelTest, ASecondJobWaitsForTheFirstAndNeverInterleaves) {
    Journal journal;
    model.startWorker(new SleepyWorker(model, "first", journal, 150));
    ASSERT_TRUE(test::waitFor([&] { return journal.has("first:start"); }));
    model.startWorker(new SleepyWorker(model, "second", journal, 10));
    EXPECT_EQ(model.runningWorkers(), 2);
    model.waitUntilIdle();
    EXPECT_EQ(journal.entries,
              (QStringList{"first:start", "first:end", "second:start", "second:end"}));
    EXPECT_EQ(model.ThreadActive.load(), nullptr) << "the weak reference empties with the worker";
    EXPECT_TRUE(model.ThreadLock.tryAcquire()) << "the permit is back";
    model.ThreadLock.release();
}

TEST_F(WindowModelTest, QuittingStopsTheRunningJobAtItsNextCheckAndTheWaitingOneNeverRuns) {
    Journal journal;
    model.startWorker(new SleepyWorker(model, "long", journal, 60000));
    ASSERT_TRUE(test::waitFor([&] { return journal.has("long:start"); }));
    model.startWorker(new SleepyWorker(model, "queued", journal, 10));
    QElapsedTimer t;
    t.start();
    model.stopWorkers();
    EXPECT_LT(t.elapsed(), 5000);
    EXPECT_EQ(model.runningWorkers(), 0);
    EXPECT_EQ(journal.entries, (QStringList{"long:start", "long:cancelled"}));
}

TEST_F(WindowModelTest, AWorkerReadsAListThroughASnapshotTakenOnTheUiThread) {
    struct Reader : WorkerThread {
        Reader(WindowModel& w) : WorkerThread(w, "reader") {}
        void Run() override {
            rows = theWindow.snapshot(ListId::MediaFolders);
            theWindow.postAppendRows(ListId::MediaFolders, {ListRow{{"/V/B/"}, {}, true}});
        }
        ListRows rows;
    };
    model.list(ListId::MediaFolders).appendRow(ListRow{{"/V/A/"}, {}, false});
    auto* reader = new Reader(model);
    ListRows seen;
    QObject::connect(reader, &QThread::finished, [&] { seen = reader->rows; });
    model.startWorker(reader);
    model.waitUntilIdle();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].cell(0), "/V/A/");
    ASSERT_EQ(model.list(ListId::MediaFolders).count(), 2);
    EXPECT_TRUE(model.list(ListId::MediaFolders).isChecked(1));
}

TEST_F(WindowModelTest, RefreshFoldersRegroupsOneSideAndMarksTheOtherDirty) {
    QStringList jobs;
    QObject::connect(&model, &WindowModel::jobStarted, [&](const QString& j) { jobs << j; });
    model.RefreshFolders(0, true);
    EXPECT_TRUE(model.dirtyOffline.load());
    EXPECT_FALSE(model.dirtyOnline.load());
    model.RefreshFolders(1, true);
    EXPECT_TRUE(model.dirtyOnline.load());
    EXPECT_EQ(jobs, (QStringList{"QuickScanOnline", "QuickScanOffline"}));
}

} // namespace
