// kelvara-cli name FILE...: the project name the scan reads for each file, its folder-safe
// form and the path, one TAB-separated line per file.

#include "Commands.h"
#include "media/MediaReadError.h"
#include "media/ProjectNames.h"
#include "platform/NativePath.h"

#include <cstdio>

namespace kv::cli {

namespace {

void writeBytes(FILE* out, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
}

} // namespace

int runName(const QStringList& args) {
    if (args.isEmpty())
        return usageError("name");
    int status = kOk;
    for (const QString& path : args) {
        const QByteArray nativePath = platform::toNative(path);
        try {
            // Project names hold one character per byte: toLatin1 gives the bytes back.
            const QString name = FileUtilities::readProjectName(path);
            QByteArray line = name.toLatin1();
            line += '\t' + FileUtilities::projectFolderName(name).toLatin1() + '\t';
            line += nativePath + '\n';
            writeBytes(stdout, line);
        } catch (const MediaReadError& error) {
            std::fflush(stdout);
            writeBytes(stderr, "error: " + error.reason().toLocal8Bit() + ": " + nativePath + '\n');
            status = kFailed;
        }
    }
    std::fflush(stdout);
    return status;
}

} // namespace kv::cli
