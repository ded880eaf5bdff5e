#pragma once

#include "app/AppCore.h"
#include "app/ProgressSupport.h"
#include "mainwindow/CheckListModel.h"
#include "mainwindow/ListId.h"
#include "scan/FileDict.h"

#include <QHash>
#include <QObject>
#include <QSemaphore>
#include <QString>
#include <QVector>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

namespace kv {

class WorkerThread;

// Project name (folded) -> row index in the side's project list.
using ProjectIndex = QHash<QString, int>;
// Folder path -> folder path: a media folder to its offline folder, or back.
using FolderMap = QHash<QString, QString>;

// The main window's data model and its job machinery, without any widget: the six lists'
// rows, the online and offline dictionaries, the folder maps, the dirty flags, the one-job
// lock, and the queue of display updates that the jobs send to the UI thread. The GUI
// window and the command-line tool both drive one of these.
//
// Threading rules. The object and its lists live on the UI thread. The dictionaries, maps
// and project indexes are touched by the job that holds ThreadLock, or by the UI thread
// while no job runs. A worker never touches a list or a widget: it reads a list through
// snapshot() and changes it through the post... calls, which run on the UI thread in the
// order they were made.
class WindowModel : public QObject {
    Q_OBJECT
public:
    explicit WindowModel(AppCore& app, QObject* parent = nullptr);
    ~WindowModel() override;

    AppCore& app;
    ProgressSupport progress;

    CheckListModel& list(ListId id) { return *lists[size_t(id)]; }
    const CheckListModel& list(ListId id) const { return *lists[size_t(id)]; }

    // The online and offline data. Null means "none yet": the first job that fills a side
    // creates it; a full scan replaces a side wholesale.
    std::shared_ptr<FileDict> files;
    std::shared_ptr<FileDict> offlineFiles;
    std::shared_ptr<ProjectIndex> projects;
    std::shared_ptr<ProjectIndex> offlineProjects;
    std::shared_ptr<FolderMap> OnlineToOffline;
    std::shared_ptr<FolderMap> OfflineToOnline;

    std::shared_ptr<FileDict>& filesOf(int side) { return side == 0 ? files : offlineFiles; }
    std::shared_ptr<ProjectIndex>& projectsOf(int side) {
        return side == 0 ? projects : offlineProjects;
    }

    std::atomic<bool> dirtyOnline{false};
    std::atomic<bool> dirtyOffline{false};
    std::atomic<quint64> selectedFilesTotalBytes{0};

    // One permit: held by the worker whose job runs.
    QSemaphore ThreadLock{1};
    // The worker of the current or last job; null once that worker is gone.
    std::atomic<WorkerThread*> ThreadActive{nullptr};

    // --- Jobs (called on the UI thread) -------------------------------------------------
    void FindMediaFolders();
    void ScanOnlineFolders(bool quick);
    void ScanOfflineFolders(bool quick);
    // Rebuilds a side's file list from the checked rows of its project list.
    void ListProjects(int side);
    // mode 0 move offline, 1 move online, 2 copy into destFolder.
    void MoveMedia(int mode, ListId theList, bool copyMode, const QString& destFolder);
    // After a move from a side: regroup that side (quick) and mark the other side dirty.
    void RefreshFolders(int side, bool quick);

    // Takes ownership of a worker, starts it, and deletes it on the UI thread once it has
    // finished (its destructor releases ThreadLock).
    void startWorker(WorkerThread* worker);
    int runningWorkers() const { return int(live.size()); }
    // Quitting: sets mQuitting and waits until every worker has stopped at its next check,
    // handling the UI thread's events meanwhile. Never kills a thread.
    void stopWorkers();
    // Runs the UI thread's events until no worker is left (command-line tool and tests).
    void waitUntilIdle();

    // --- Display updates from any thread, carried to the UI thread in order --------------
    void onUi(std::function<void()> f);
    // A copy of a list's rows, taken on the UI thread (blocks a worker until it is taken).
    ListRows snapshot(ListId id);
    void postClear(ListId id);
    void postSetRows(ListId id, ListRows rows);
    void postAppendRows(ListId id, ListRows rows);
    void postSetCell(ListId id, int row, int column, const QString& text);
    void postSetAllChecked(ListId id, bool on);

    void requestEnableControls(bool on);
    void requestControlEnabled(const QString& controlName, bool on);
    void requestLabel(const QString& labelName, const QString& text);
    void requestButtonTimer(bool running);
    void requestUpdateTotals();
    void requestOnlineTotals();
    void requestPage(int page);
    void requestMessage(const QString& text);
    void requestQuit();

Q_SIGNALS:
    void enableControlsRequested(bool on);
    void controlEnabledRequested(const QString& controlName, bool on);
    void labelRequested(const QString& labelName, const QString& text);
    void buttonTimerRequested(bool running);
    // The scan's UpdateTotals: totals of the page shown, and its two lists enabled.
    void updateTotalsRequested();
    void onlineTotalsRequested();
    void pageRequested(int page);
    void messageRequested(const QString& text);
    void quitRequested();
    // A job was asked for (emitted by the job starters; tests and the GUI may watch it).
    void jobStarted(const QString& jobName);
    void workersIdle();

private:
    void reap(WorkerThread* worker);

    std::array<CheckListModel*, kListCount> lists{};
    QVector<WorkerThread*> live;
};

} // namespace kv
