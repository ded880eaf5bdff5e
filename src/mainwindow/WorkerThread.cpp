#include "mainwindow/WorkerThread.h"

#include "mainwindow/WindowModel.h"

namespace kv {

WorkerThread::WorkerThread(WindowModel& window, QString jobName)
    : theWindow(window), name(std::move(jobName)) {
    setObjectName(name);
}

WorkerThread::~WorkerThread() {
    // Deleted only after run() has returned (WindowModel::reap waits for the thread).
    WorkerThread* self = this;
    theWindow.ThreadActive.compare_exchange_strong(self, nullptr);
    if (lockHeld.exchange(false))
        theWindow.ThreadLock.release();
}

ProgressSupport& WorkerThread::progress() { return theWindow.progress; }

bool WorkerThread::progressCancelled() const { return theWindow.progress.progressCancelled(); }

void WorkerThread::run() {
    // Wait for the permit, but give up when the application quits meanwhile.
    while (!theWindow.ThreadLock.tryAcquire(1, 20)) {
        if (theWindow.app.mQuitting.load())
            return;
    }
    lockHeld = true;
    if (theWindow.app.mQuitting.load())
        return;
    theWindow.ThreadActive = this;
    try {
        Run();
    } catch (...) {
        // Jobs report their own failures; nothing may escape the thread.
    }
}

} // namespace kv
