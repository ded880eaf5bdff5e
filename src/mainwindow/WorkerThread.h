#pragma once

#include <QString>
#include <QThread>

#include <atomic>

namespace kv {

class ProgressSupport;
class WindowModel;

// The base of every job's worker. Its run takes the window's one-permit ThreadLock first
// (waiting while another job holds it), marks itself as ThreadActive and runs the job; the
// permit is given back by the destructor, once the finished worker is deleted on the UI
// thread. Cancelling is cooperative: jobs ask progressCancelled() between steps.
class WorkerThread : public QThread {
    Q_OBJECT
public:
    WorkerThread(WindowModel& window, QString jobName);
    ~WorkerThread() override;

    const QString& jobName() const { return name; }

protected:
    // The job's body, run on the worker thread with ThreadLock held.
    virtual void Run() = 0;

    ProgressSupport& progress();
    bool progressCancelled() const;

    WindowModel& theWindow;

private:
    void run() final;

    QString name;
    std::atomic<bool> lockHeld{false};
};

} // namespace kv
