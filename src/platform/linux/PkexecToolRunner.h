#pragma once

#include "platform/PrivilegedToolRunner.h"

#include <QByteArray>

namespace kv::platform {

// Runs tools through polkit: "pkexec TOOL ARGUMENTS...", as an argument vector. pkexec ends
// with 126 when the user dismissed its dialog and with 127 when the rights were refused;
// any other status is the tool's own.
class PkexecToolRunner final : public PrivilegedToolRunner {
public:
    explicit PkexecToolRunner(QByteArray pkexecPath = "/usr/bin/pkexec");

    bool available() override;
    int run(const QString& toolPath, const QStringList& arguments) override;

    // The authorization status of a pkexec exit status.
    static int statusOfExit(int exitStatus);

private:
    QByteArray pkexec;
};

} // namespace kv::platform
