#include "platform/ProgramRun.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace kv::platform {

ProgramResult runProgram(const QByteArray& program, const QList<QByteArray>& arguments,
                         bool captureOutput) {
    ProgramResult result;
    std::vector<char*> argv;
    argv.reserve(size_t(arguments.size()) + 2);
    argv.push_back(const_cast<char*>(program.constData()));
    for (const QByteArray& a : arguments)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (captureOutput && ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return result;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The child reads nothing from us; its output goes to the pipe or to nowhere.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (captureOutput)
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);

    pid_t pid = -1;
    const int rc =
        ::posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (captureOutput)
        ::close(pipeFds[1]);
    if (rc != 0) {
        if (captureOutput)
            ::close(pipeFds[0]);
        return result;
    }
    result.started = true;
    if (captureOutput) {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
            if (n > 0)
                result.output.append(buffer, n);
            else if (n == 0 || errno != EINTR)
                break;
        }
        ::close(pipeFds[0]);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return result;
    }
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace kv::platform
