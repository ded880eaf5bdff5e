#pragma once

#include <QByteArray>
#include <QList>

namespace kv::platform {

// The end of a program run by runProgram.
struct ProgramResult {
    bool started = false; // false when the program could not be started at all
    int exitStatus = -1;  // the program's exit status; -1 when it ended by a signal
    QByteArray output;    // what it wrote to standard output, when asked for
};

// Runs a program directly, never through a shell: the program path and each argument are
// passed as they are, byte for byte, as one argument each. Waits for it to end.
ProgramResult runProgram(const QByteArray& program, const QList<QByteArray>& arguments,
                         bool captureOutput);

} // namespace kv::platform
