#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QString>
#include <QThread>

#include <functional>

namespace kv::test {

// The folder tests write their screenshots and other artefacts to (inside the build folder).
inline QString outputDir() {
    QString dir = qEnvironmentVariable("KELVARA_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::tempPath() + QStringLiteral("/kelvara-test-output");
    QDir().mkpath(dir);
    return dir;
}

// Handles events until the condition holds or the time runs out; true when it held.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

} // namespace kv::test
