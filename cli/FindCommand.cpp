// kelvara-cli find ROOT...: the media folder search of the window, over the given roots.

#include "Commands.h"
#include "PathOutput.h"

#include "app/AppCore.h"
#include "mainwindow/WindowModel.h"
#include "platform/NativePath.h"
#include "transfer/FolderCreation.h"

#include <QObject>

#include <cstdio>
#include <unistd.h>

namespace kv::cli {

namespace {

QString absoluteFolder(QString path) {
    if (!path.startsWith(u'/')) {
        char buffer[4096];
        if (!::getcwd(buffer, sizeof buffer))
            return QString();
        QString cwd = platform::fromNative(QByteArray(buffer));
        if (!cwd.endsWith(u'/'))
            cwd += u'/';
        path = cwd + path;
    }
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", platform::toNative(text).constData());
}

} // namespace

int runFind(const QStringList& args) {
    QStringList roots;
    bool options = true;
    for (const QString& a : args) {
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            std::fprintf(stderr, "kelvara-cli find: unknown option '%s'\n",
                         platform::toNative(a).constData());
            return usageError("find");
        } else {
            roots << a;
        }
    }
    if (roots.isEmpty())
        return usageError("find");

    // Each root is taken as the root of a volume, chosen as a selected row would be.
    ListRows volumes;
    for (const QString& r : roots) {
        const QString root = absoluteFolder(r);
        if (root.isEmpty() || !FileUtilities::DirectoryExists(root)) {
            std::fprintf(stderr, "kelvara-cli find: not a folder: %s\n",
                         platform::toNative(r).constData());
            return kUsage;
        }
        volumes.append(ListRow{{r, QString()}, {root}, true});
    }

    AppCore app(QString{}); // reads and writes no preferences
    WindowModel model(app);
    model.progress.setEndPauseMilliseconds(0);
    bool failed = false;
    QObject::connect(&model, &WindowModel::messageRequested, [&](const QString& text) {
        printError(text);
        failed = true;
    });
    QObject::connect(&model.progress, &ProgressSupport::consoleLineAdded,
                     [](const QString& line, const QString&, bool failure) {
                         if (failure)
                             printError(line);
                     });

    model.list(ListId::Volumes).setRows(volumes);
    app.whatFunction = JobFindMediaFolders;
    model.FindMediaFolders();
    model.waitUntilIdle();

    const CheckListModel& found = model.list(ListId::MediaFolders);
    for (int r = 0; r < found.count(); ++r) {
        const ListRow& row = found.row(r);
        std::printf("%s\t%s\n", pathField(row.cell(0)).constData(),
                    pathField(row.cell(1)).constData());
        if (row.cell(1).isEmpty()) {
            // The search stops quietly when an offline folder cannot be made.
            printError(QStringLiteral("Error creating the offline folder of: ") + row.cell(0));
            failed = true;
        }
    }
    std::fflush(stdout);
    return failed ? kFailed : kOk;
}

} // namespace kv::cli
