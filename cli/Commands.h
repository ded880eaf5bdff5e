#pragma once

#include <QStringList>

#include <cstdio>

namespace kv::cli {

// Exit statuses of the commands.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

struct Command {
    const char* name;
    const char* usage;   // the arguments, after the command's name
    const char* summary; // one line for --help
    int (*run)(const QStringList& args);
};

// The commands' bodies; each returns the exit status.
int runFind(const QStringList& args);

// Every command of kelvara-cli, in the order --help lists them.
const QVector<Command>& commands();

// The commands, one file each.
int runName(const QStringList& args);

// Prints "usage: kelvara-cli NAME USAGE" on standard error and returns kUsage.
int usageError(const Command& command);
int usageError(const char* name);

} // namespace kv::cli
