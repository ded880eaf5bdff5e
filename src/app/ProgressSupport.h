#pragma once

#include <QObject>
#include <QString>

#include <atomic>

namespace kv {

class AppCore;

// The one interface through which a job reports to the main window: its title, progress,
// console lines and end, and the question whether it should stop.
//
// Callable from any thread. Every display update is carried to the UI thread as a queued
// call, so the updates arrive in the order they were made, also relative to the window
// model's own queued updates. The cancel flag is set and read directly.
class ProgressSupport : public QObject {
    Q_OBJECT
public:
    explicit ProgressSupport(AppCore& app, QObject* parent = nullptr);

    void progressStart(const QString& title, bool cancellable);
    void progressPercent(double fraction, const QString& text);
    void progressEvent(const QString& message, const QString& filePath = QString(),
                       bool failure = false);
    bool progressCancelled() const;
    void progressEnd(bool flag);

    // The job label (theJobFld) set by a running job.
    void setJobLabel(const QString& text);

    // The Cancel button and the cancel keystroke: the job stops at its next check.
    void cancel();
    bool isCancelled() const { return cancelled.load(); }

    // "[" + the time in the long format + "] " + message.
    static QString consoleLine(const QString& message);

    // How long the full bar stays in view at the end of a job (500 ms).
    void setEndPauseMilliseconds(int ms) { endPauseMs = ms; }

Q_SIGNALS:
    void jobTitleChanged(const QString& title);
    void messageChanged(const QString& text);
    void percentChanged(int percent);
    void cancelEnabledChanged(bool enabled);
    void consoleLineAdded(const QString& line, const QString& filePath, bool failure);
    void repaintRequested();
    void onlineTotalsRequested();
    // Receivers compute the offline totals only while the "Offline Media" page shows.
    void offlineTotalsRequested();

private:
    template <typename F> void onUi(F&& f) {
        QMetaObject::invokeMethod(this, std::forward<F>(f), Qt::QueuedConnection);
    }

    AppCore& app;
    std::atomic<bool> cancelled{false};
    std::atomic<int> endPauseMs{500};
};

} // namespace kv
