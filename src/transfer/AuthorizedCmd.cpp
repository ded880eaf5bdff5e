#include "transfer/AuthorizedCmd.h"

#include "app/ProgressSupport.h"
#include "platform/PrivilegedToolRunner.h"
#include "platform/UserIdentity.h"
#include "transfer/FolderCreation.h"

#include <QMutex>
#include <QThread>

#include <atomic>

namespace kv::AuthorizedCmd {

namespace {

// The authorization is made once and kept for the run. Setup and each privileged run hold
// this lock, so two threads never interleave inside them.
QMutex authMutex;
bool authTokenMade = false;
bool authorized = false;
int startStatus = 0;
std::atomic<int> lastStatus{0};
std::atomic<int> lastError{0};
std::atomic<int> pollIntervalMs{500};

void SetupLocked(bool force) {
    if (authTokenMade && !force)
        return;
    authTokenMade = true;
    authorized = platform::privilegedToolRunner().available();
}

// Runs a tool with the rights; false when there is no authorization to run it with.
bool runAuthorized(const QString& tool, const QStringList& arguments) {
    SetupLocked(false);
    if (!authorized)
        return false;
    startStatus = platform::privilegedToolRunner().run(tool, arguments);
    return true;
}

void reportFailure(const QString& what, const QString& folder, ProgressSupport* progress) {
    if (progress)
        progress->progressEvent(QStringLiteral("Error (") + QString::number(lastError.load()) +
                                    what + u'"' + folder + u'"',
                                folder, true);
}

} // namespace

QString mkdirTool() {
    return QStringLiteral("/bin/mkdir");
}

QString chownTool() {
#ifdef Q_OS_MACOS
    return QStringLiteral("/usr/sbin/chown");
#else
    return QStringLiteral("/bin/chown");
#endif
}

void setPollIntervalForTests(int milliseconds) {
    pollIntervalMs = milliseconds;
}

void Setup(bool force) {
    QMutexLocker lock(&authMutex);
    SetupLocked(force);
}

bool AuthError() {
    // The tool is run to its end, so there is never a process left to wait for: the wait
    // status is always "none" (-1) and the start status decides.
    const int start = startStatus;
    const int wait = -1;
    lastStatus = wait;
    if (start == 0)
        return false;
    lastError = start;
    return true;
}

int AuthTokenStatus() {
    return lastStatus.load();
}
int AuthTokenLastError() {
    return lastError.load();
}

QString GetUserIdentity(bool group) {
    return platform::userIdentity().name(group).trimmed();
}

bool DirectoryMake(const QString& folder, ProgressSupport* progress) {
    {
        QMutexLocker lock(&authMutex);
        if (!folder.startsWith(u'/'))
            return false; // never an option or a relative name for the tool
        if (!runAuthorized(mkdirTool(), {QStringLiteral("-p"), QStringLiteral("-m"),
                                         QStringLiteral("755"), folder}))
            return false;
        if (AuthError()) {
            reportFailure(QStringLiteral(") creating: "), folder, progress);
            return false;
        }
    }
    for (int i = 0; i < 11; ++i) {
        if (FileUtilities::DirectoryExists(folder))
            break;
        QThread::msleep(ulong(pollIntervalMs.load()));
    }
    return true;
}

bool DirectoryChangeOwner(const QString& folder, ProgressSupport* progress) {
    {
        QMutexLocker lock(&authMutex);
        if (!folder.startsWith(u'/'))
            return false;
        SetupLocked(false);
        if (!authorized)
            return false;
        const QString owner = GetUserIdentity(false) + u':' + GetUserIdentity(true);
        if (!runAuthorized(chownTool(), {owner, folder}))
            return false;
        if (AuthError()) {
            reportFailure(QStringLiteral(") changing owner on: "), folder, progress);
            return false;
        }
    }
    QThread::msleep(ulong(pollIntervalMs.load()));
    return true;
}

} // namespace kv::AuthorizedCmd
