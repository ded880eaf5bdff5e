#include "mainwindow/OfflineFolders.h"

#include "mainwindow/WindowModel.h"
#include "media/ProjectNames.h"
#include "platform/DirectoryLister.h"
#include "platform/NativePath.h"
#include "platform/VolumeSource.h"
#include "transfer/AuthorizedCmd.h"
#include "transfer/FolderCreation.h"

#include <sys/stat.h>
#include <unistd.h>

namespace kv {

using FileUtilities::DirectoryCreate;
using FileUtilities::DirectoryExists;
using FileUtilities::DirectoryExistsAndWritable;
using FileUtilities::parentFolder;

QString offlineRootName() {
    return QStringLiteral("Kelvara Offline");
}

QString folderName(const QString& folder) {
    const QString parent = parentFolder(folder);
    QString name = folder.mid(parent.size());
    if (name.endsWith(u'/'))
        name.chop(1);
    return name;
}

QString searchedOfflineFolder(const QString& volumeRoot, const QString& mediaFolder) {
    if (!volumeRoot.endsWith(u'/') || !mediaFolder.startsWith(volumeRoot))
        return QString();
    return volumeRoot + offlineRootName() + u'/' + mediaFolder.mid(volumeRoot.size());
}

QString makeSearchedOfflineFolder(const QString& volumeRoot, const QString& mediaFolder,
                                  ProgressSupport* progress) {
    if (searchedOfflineFolder(volumeRoot, mediaFolder).isEmpty())
        return QString();
    QString level = volumeRoot + offlineRootName() + u'/';
    if (!DirectoryCreate(level, progress))
        return QString();
    const QString below = mediaFolder.mid(volumeRoot.size());
    for (const QString& name : below.split(u'/', Qt::SkipEmptyParts)) {
        level += name + u'/';
        if (!DirectoryCreate(level, progress))
            return QString();
    }
    return level;
}

QString handAddedOfflineFolder(const QString& mediaFolder) {
    return mediaFolder + folderName(mediaFolder) + QStringLiteral(" (KV Offline)/");
}

HandAddedFolderResult prepareHandAddedOfflineFolder(const QString& mediaFolder,
                                                    const QStringList& mountPoints,
                                                    ProgressSupport* progress) {
    if (parentFolder(mediaFolder).isEmpty() ||
        platform::volumeRootOf(mediaFolder, mountPoints) == mediaFolder)
        return HandAddedFolderResult::VolumeRoot;
    const QString offline = handAddedOfflineFolder(mediaFolder);
    if (DirectoryExists(offline)) {
        if (DirectoryExistsAndWritable(offline) ||
            AuthorizedCmd::DirectoryChangeOwner(offline, progress))
            return HandAddedFolderResult::Ready;
        return HandAddedFolderResult::NotWritable;
    }
    return DirectoryCreate(offline, progress) ? HandAddedFolderResult::Ready
                                              : HandAddedFolderResult::CreateFailed;
}

void registerMediaFolder(WindowModel& window, const QString& mediaFolder,
                         const QString& offlineFolder) {
    if (!window.OnlineToOffline)
        window.OnlineToOffline = std::make_shared<FolderMap>();
    if (!window.OfflineToOnline)
        window.OfflineToOnline = std::make_shared<FolderMap>();
    window.OnlineToOffline->insert(mediaFolder, offlineFolder);
    window.OfflineToOnline->insert(offlineFolder, mediaFolder);
}

namespace {

// The failures of the lookup itself end the application after their message.
QString failLookup(WindowModel& window, bool missingReference) {
    QString text = QStringLiteral("Error: problem getting destination folder.");
    if (missingReference)
        text += QStringLiteral("\n(NilObjectException)");
    window.requestMessage(text);
    window.requestQuit();
    return QString();
}

} // namespace

QString GetDestFolder(WindowModel& window, const QString& filePath, int mode) {
    if (mode != 0 && mode != 1)
        return QString();
    const QString parent = parentFolder(filePath);
    if (parent.isEmpty())
        return failLookup(window, true);

    if (mode == 1) {
        const QString grandparent = parentFolder(parent);
        if (grandparent.isEmpty() || !window.OfflineToOnline)
            return failLookup(window, true);
        const auto it = window.OfflineToOnline->constFind(grandparent);
        if (it == window.OfflineToOnline->constEnd())
            return failLookup(window, false);
        return *it;
    }

    const QString projectFolder = FileUtilities::GetProjectFolderName(filePath);
    if (!window.OnlineToOffline)
        return failLookup(window, true);
    const auto it = window.OnlineToOffline->constFind(parent);
    if (it == window.OnlineToOffline->constEnd())
        return failLookup(window, false);
    if (!DirectoryExists(*it))
        return failLookup(window, true);

    const QString destination = *it + projectFolder + u'/';
    ProgressSupport* progress = &window.progress;
    if (DirectoryExists(destination)) {
        if (!DirectoryExistsAndWritable(destination) &&
            !AuthorizedCmd::DirectoryChangeOwner(destination, progress)) {
            window.requestMessage(QStringLiteral("Unable to make writeable: ") + destination);
            return QString();
        }
    } else if (!DirectoryCreate(destination, progress)) {
        window.requestMessage(QStringLiteral("Error creating: ") + destination);
        return QString();
    }
    return destination;
}

namespace {

bool isRealDirectory(const QString& folder) {
    struct stat st {};
    return ::lstat(platform::toNative(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Removes a folder when it holds nothing at all; the system refuses any other.
void removeIfEmpty(const QString& folder, const QStringList& mountPoints) {
    if (platform::volumeRootOf(folder, mountPoints) == folder)
        return;
    ::rmdir(platform::toNative(folder).constData());
}

} // namespace

void DeleteEmptyFolders(const QStringList& offlineFolders, const QStringList& mountPoints) {
    std::vector<platform::DirEntry> entries;
    for (const QString& offline : offlineFolders) {
        if (!offline.startsWith(u'/') || !isRealDirectory(offline))
            continue;
        if (platform::directoryLister().list(offline, false, entries)) {
            for (const platform::DirEntry& e : entries)
                if (e.isDirectory)
                    removeIfEmpty(offline + e.name + u'/', mountPoints);
        }
        const QString parent = parentFolder(offline);
        removeIfEmpty(offline, mountPoints);
        if (!parent.isEmpty() && isRealDirectory(parent))
            removeIfEmpty(parent, mountPoints);
    }
}

} // namespace kv
