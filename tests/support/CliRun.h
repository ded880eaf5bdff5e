#pragma once

// Runs kelvara-cli from a test. Header-only: KELVARA_CLI_PATH is defined for each test
// executable.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace kv::test {

struct CliResult {
    int exitCode = -1; // -1 when kelvara-cli could not be started or did not exit normally
    QByteArray out;
    QByteArray err;
};

// Runs kelvara-cli with the arguments as raw bytes (so that they need not be UTF-8) and
// returns its exit status and what it wrote.
inline CliResult runCli(const QList<QByteArray>& args) {
    CliResult result;
    QTemporaryDir dir;
    const QString outPath = dir.filePath(QStringLiteral("out"));
    const QString errPath = dir.filePath(QStringLiteral("err"));
    const QByteArray outName = QFile::encodeName(outPath);
    const QByteArray errName = QFile::encodeName(errPath);

    QList<QByteArray> argv{QByteArray(KELVARA_CLI_PATH)};
    argv += args;
    std::vector<char*> pointers;
    for (QByteArray& a : argv)
        pointers.push_back(a.data());
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outName.constData(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errName.constData(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);

    QFile out(outPath);
    QFile err(errPath);
    if (out.open(QIODevice::ReadOnly))
        result.out = out.readAll();
    if (err.open(QIODevice::ReadOnly))
        result.err = err.readAll();
    return result;
}

} // namespace kv::test
