#include "app/ProgressSupport.h"

#include "app/AppCore.h"

#include <QLocale>
#include <QThread>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace kv {

ProgressSupport::ProgressSupport(AppCore& app, QObject* parent) : QObject(parent), app(app) {}

QString ProgressSupport::consoleLine(const QString& message) {
    return u'[' + QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat) +
           QStringLiteral("] ") + message;
}

void ProgressSupport::progressStart(const QString& title, bool cancellable) {
    cancelled = false;
    onUi([this, title, cancellable] {
        Q_EMIT jobTitleChanged(title);
        Q_EMIT cancelEnabledChanged(cancellable);
    });
}

void ProgressSupport::progressPercent(double fraction, const QString& text) {
    const double scaled = std::isfinite(fraction) ? fraction * 100.0 : 0.0;
    const int percent = int(std::lround(std::clamp(scaled, 0.0, 100.0)));
    onUi([this, percent, text] {
        Q_EMIT percentChanged(percent);
        Q_EMIT messageChanged(text);
    });
}

void ProgressSupport::progressEvent(const QString& message, const QString& filePath,
                                    bool failure) {
    const QString line = consoleLine(message);
    onUi([this, line, filePath, failure] { Q_EMIT consoleLineAdded(line, filePath, failure); });
}

bool ProgressSupport::progressCancelled() const { return app.mQuitting.load() || cancelled.load(); }

void ProgressSupport::setJobLabel(const QString& text) {
    onUi([this, text] {
        Q_EMIT jobTitleChanged(text);
        Q_EMIT repaintRequested();
    });
}

void ProgressSupport::cancel() {
    cancelled = true;
    onUi([this] { Q_EMIT cancelEnabledChanged(false); });
}

void ProgressSupport::progressEnd(bool flag) {
    if (cancelled.load()) {
        progressEvent(QStringLiteral("Cancelled."));
        onUi([this] {
            Q_EMIT messageChanged(QString());
            Q_EMIT jobTitleChanged(QString());
            Q_EMIT percentChanged(0);
            Q_EMIT cancelEnabledChanged(false);
        });
    } else {
        const int job = app.whatFunction.load();
        if (job >= JobFindMediaFolders && job <= JobCopy)
            progressEvent(QStringLiteral("Finished"));
        onUi([this] {
            Q_EMIT percentChanged(100);
            Q_EMIT repaintRequested();
        });
        // The pause sleeps the job's own thread, never the UI thread.
        const bool onUiThread = QThread::currentThread() == thread();
        if (!onUiThread && !app.mQuitting.load() && endPauseMs.load() > 0)
            QThread::msleep(ulong(endPauseMs.load()));
        progressPercent(0, QString());
        onUi([this, job] {
            Q_EMIT messageChanged(QString());
            Q_EMIT jobTitleChanged(QString());
            if (job == JobAnalyseOnline)
                Q_EMIT onlineTotalsRequested();
            Q_EMIT offlineTotalsRequested();
        });
        app.whatFunction = JobNone;
    }
    if (!flag)
        onUi([this] { Q_EMIT cancelEnabledChanged(false); });
}

} // namespace kv
