#include "scan/FindMediaFoldersThread.h"

#include "app/Profiling.h"
#include "mainwindow/OfflineFolders.h"
#include "mainwindow/WindowModel.h"
#include "platform/NativePath.h"
#include "platform/VolumeSource.h"

#include <cerrno>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace {

const QString kRunProfile = QStringLiteral("FindMediaFoldersThread.Run");

// A real folder the user may read; a symbolic link is not followed.
bool isReadableFolder(const QString& path) {
    QByteArray native = platform::toNative(path);
    // With its trailing "/" the path would name a link's target.
    while (native.size() > 1 && native.endsWith('/'))
        native.chop(1);
    struct stat st {};
    return ::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::access(native.constData(), R_OK | X_OK) == 0;
}

bool isSkippedFolder(const QString& name) {
    return name.compare(QLatin1String("Creating"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("Quarantined Files"), Qt::CaseInsensitive) == 0;
}

// Deeper than any real tree: a guard against a file system that loops on itself.
constexpr int kMaxDepth = 256;

} // namespace

FindMediaFoldersThread::FindMediaFoldersThread(WindowModel& window)
    : WorkerThread(window, QStringLiteral("FindMediaFolders")) {}

void FindMediaFoldersThread::Run() {
    Profiling::Scope profile(kRunProfile);
    progress().progressStart(QStringLiteral("Finding Media Folders"), true);
    Outcome outcome = Outcome::Stopped;
    try {
        outcome = searchVolumes();
    } catch (...) {
        if (!theWindow.app.mQuitting.load())
            theWindow.requestMessage(
                QStringLiteral("Error: a problem occurred while locating Media Folders."));
    }
    if (outcome == Outcome::Completed)
        theWindow.postSetAllChecked(ListId::MediaFolders, true);
    progress().progressEnd(true);
    theWindow.requestControlEnabled(QStringLiteral("btnCancel"), false);
    theWindow.requestControlEnabled(QStringLiteral("VolumeList"), true);
    theWindow.requestControlEnabled(QStringLiteral("MediaFolderList"), true);
    theWindow.requestEnableControls(true);
}

FindMediaFoldersThread::Outcome FindMediaFoldersThread::searchVolumes() {
    theWindow.postClear(ListId::MediaFolders);
    theWindow.OnlineToOffline = std::make_shared<FolderMap>();
    theWindow.OfflineToOnline = std::make_shared<FolderMap>();
    theWindow.dirtyOnline = true;
    theWindow.dirtyOffline = true;
    mountPoints = platform::volumeSource().mountPoints();

    const ListRows volumes = theWindow.snapshot(ListId::Volumes);
    int selected = 0;
    for (const ListRow& v : volumes)
        selected += v.checked ? 1 : 0;

    int handled = 0;
    for (const ListRow& v : volumes) {
        if (!v.checked)
            continue;
        QString root = v.tag(0);
        const int k = handled++;
        if (!root.endsWith(u'/'))
            root += u'/';
        if (!root.startsWith(u'/') || !isReadableFolder(root))
            continue;
        progress().progressPercent(double(k) / double(selected), v.cell(0));
        volumeRoot = root;
        if (progressCancelled() ||
            !ScanForMediaFolders(root + QStringLiteral("OMFI MediaFiles/"), 0))
            return Outcome::Stopped;
        if (progressCancelled() ||
            !ScanForMediaFolders(root + QStringLiteral("Avid MediaFiles/"), 0))
            return Outcome::Stopped;
    }
    return Outcome::Completed;
}

bool FindMediaFoldersThread::ScanForMediaFolders(const QString& folder, int depth) {
    if (isSkippedFolder(folderName(folder)))
        return true;
    if (!isReadableFolder(folder))
        return true;

    std::vector<platform::DirEntry> entries;
    int error = 0;
    if (!platform::directoryLister().list(folder, false, entries, &error)) {
        // A folder that has gone since it was seen is passed over like a missing one.
        if (error == ENOENT || error == ENOTDIR)
            return true;
        theWindow.requestMessage(
            QStringLiteral("Error: a problem occurred while scanning for media folders."));
        return false;
    }

    bool added = false;
    for (const platform::DirEntry& e : entries) {
        if (progressCancelled())
            return false;
        if (e.isDirectory) {
            if (depth >= kMaxDepth) {
                theWindow.requestMessage(
                    QStringLiteral("Error: a problem occurred while scanning for media folders."));
                return false;
            }
            if (!ScanForMediaFolders(folder + e.name + u'/', depth + 1))
                return false;
        } else if (!added && !e.isSymlink && !e.name.startsWith(u'.')) {
            added = true;
            if (!addMediaFolderOrReport(folder))
                return false;
        }
    }
    return true;
}

bool FindMediaFoldersThread::addMediaFolderOrReport(const QString& folder) {
    try {
        return AddMediaFolder(folder);
    } catch (const std::out_of_range&) {
        theWindow.requestMessage(
            QStringLiteral("Error: could not add media folder. (OutOfBoundsException)"));
    } catch (...) {
        theWindow.requestMessage(QStringLiteral("Error: could not add media folder. (Generic)"));
    }
    return false;
}

bool FindMediaFoldersThread::AddMediaFolder(const QString& folder) {
    // The volume root is the mount point holding the folder, or the searched volume itself
    // when no mount point lies between the two.
    QString root = platform::volumeRootOf(folder, mountPoints);
    if (root.size() < volumeRoot.size())
        root = volumeRoot;
    const QString offline = makeSearchedOfflineFolder(root, folder, &progress());
    theWindow.postAppendRows(ListId::MediaFolders, {ListRow{{folder, offline}, {}, false}});
    if (offline.isEmpty())
        return false;
    registerMediaFolder(theWindow, folder, offline);
    return true;
}

} // namespace kv
