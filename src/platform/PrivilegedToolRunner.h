#pragma once

#include <QString>
#include <QStringList>

namespace kv::platform {

// Runs a system tool with administrator rights, after the system's authorization service
// has asked the user for them. Tests replace it with a fake.
class PrivilegedToolRunner {
public:
    virtual ~PrivilegedToolRunner() = default;
    // Whether the authorization service is there at all.
    virtual bool available() = 0;
    // Runs the tool with the arguments, each passed as one argument (never through a shell),
    // and waits for it. 0 when the tool was started with the rights; otherwise the
    // authorization status: kAuthorizationCanceled when the user dismissed the request,
    // kAuthorizationDenied when the rights were refused, kAuthorizationToolExecuteFailure
    // when the service or the tool could not be started. The tool's own result is not
    // examined.
    virtual int run(const QString& toolPath, const QStringList& arguments) = 0;
};

inline constexpr int kAuthorizationDenied = -60005;
inline constexpr int kAuthorizationCanceled = -60006;
inline constexpr int kAuthorizationToolExecuteFailure = -60031;

// The runner in use: the system's own unless a test replaced it.
PrivilegedToolRunner& privilegedToolRunner();
// Replaces the runner (not owned); nullptr restores the system's own.
void setPrivilegedToolRunner(PrivilegedToolRunner* replacement);
PrivilegedToolRunner& systemPrivilegedToolRunner();

} // namespace kv::platform
