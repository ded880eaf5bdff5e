// kelvara-cli: the command-line front end over the same core as the window.

#include "Commands.h"
#include "app/Version.h"
#include "platform/NativePath.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace kv::cli {

const QVector<Command>& commands() {
    static const QVector<Command> all = {
        {"name", "FILE...", "prints each media file's project name, its folder name and its path",
         runName},
        {"find", "ROOT...",
         "finds the media folders under each ROOT (a volume's root) and makes their offline "
         "folders; prints each one's path, a TAB and its offline folder's path",
         runFind},
    };
    return all;
}

int usageError(const Command& command) {
    std::fprintf(stderr, "usage: kelvara-cli %s %s\n", command.name, command.usage);
    return kUsage;
}

int usageError(const char* name) {
    for (const Command& c : commands())
        if (std::strcmp(c.name, name) == 0)
            return usageError(c);
    std::fprintf(stderr, "usage: kelvara-cli COMMAND [ARGUMENTS...]\n");
    return kUsage;
}

namespace {

void printHelp(FILE* out) {
    std::fprintf(out, "Kelvara %s command-line tool.\n\n", kProductVersion);
    std::fprintf(out, "usage: kelvara-cli COMMAND [ARGUMENTS...]\n");
    std::fprintf(out, "       kelvara-cli --help | --version\n");
    if (!commands().isEmpty())
        std::fprintf(out, "\ncommands:\n");
    for (const Command& c : commands())
        std::fprintf(out, "  %s %s\n      %s\n", c.name, c.usage, c.summary);
}

} // namespace
} // namespace kv::cli

int main(int argc, char** argv) {
    using namespace kv::cli;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvara-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kv::kProductVersion));

    // Arguments are decoded as paths are, so that bytes that are not UTF-8 survive.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << kv::platform::fromNative(argv[i], qsizetype(std::strlen(argv[i])));
    if (args.isEmpty()) {
        printHelp(stderr);
        return kUsage;
    }
    const QString first = args.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printHelp(stdout);
        return kOk;
    }
    if (first == QLatin1String("--version")) {
        std::printf("kelvara-cli %s\n", kv::kProductVersion);
        return kOk;
    }
    for (const Command& c : commands())
        if (first == QLatin1String(c.name))
            return c.run(args);
    std::fprintf(stderr, "kelvara-cli: unknown command '%s'\n", first.toLocal8Bit().constData());
    printHelp(stderr);
    return kUsage;
}
