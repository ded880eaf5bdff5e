#include "platform/linux/PkexecToolRunner.h"

#include "platform/NativePath.h"
#include "platform/ProgramRun.h"

#include <unistd.h>

namespace kv::platform {

PkexecToolRunner::PkexecToolRunner(QByteArray pkexecPath) : pkexec(std::move(pkexecPath)) {}

bool PkexecToolRunner::available() {
    return ::access(pkexec.constData(), X_OK) == 0;
}

int PkexecToolRunner::statusOfExit(int exitStatus) {
    switch (exitStatus) {
    case 126:
        return kAuthorizationCanceled;
    case 127:
        return kAuthorizationDenied;
    default:
        return exitStatus < 0 ? kAuthorizationToolExecuteFailure : 0;
    }
}

int PkexecToolRunner::run(const QString& toolPath, const QStringList& arguments) {
    // The tool's path is absolute, so pkexec takes everything after it as the tool's own
    // arguments, also one that begins with "-".
    QList<QByteArray> args;
    args << toNative(toolPath);
    for (const QString& a : arguments)
        args << toNative(a);
    const ProgramResult r = runProgram(pkexec, args, false);
    if (!r.started)
        return kAuthorizationToolExecuteFailure;
    return statusOfExit(r.exitStatus);
}

PrivilegedToolRunner& systemPrivilegedToolRunner() {
    static PkexecToolRunner runner;
    return runner;
}

} // namespace kv::platform
