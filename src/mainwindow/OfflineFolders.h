#pragma once

#include <QString>
#include <QStringList>

namespace kv {

class ProgressSupport;
class WindowModel;

// The one rule that names and places offline folders, the destination of a file that is
// moved, and the clean-up of empty offline folders. Every offline folder lies on the same
// volume as its media folder, so moving a file between the two is a rename.

// Name of the offline root folder at the top of a volume.
QString offlineRootName();

// A folder's own name: "Clips" for "/Media/Clips/".
QString folderName(const QString& folder);

// A media folder found by the search: the volume root, "Kelvara Offline", then the folders
// from the volume root down to the media folder ("/V/Avid MediaFiles/MXF/1/" on the volume
// "/V/" gets "/V/Kelvara Offline/Avid MediaFiles/MXF/1/"). Empty when the media folder is
// not inside the volume root.
QString searchedOfflineFolder(const QString& volumeRoot, const QString& mediaFolder);
// Makes that folder level by level from the top with DirectoryCreate; its path, or empty
// when a level cannot be made.
QString makeSearchedOfflineFolder(const QString& volumeRoot, const QString& mediaFolder,
                                  ProgressSupport* progress);

// A media folder added by hand: its own child named after it with " (KV Offline)"
// ("/Media/Clips/" gets "/Media/Clips/Clips (KV Offline)/").
QString handAddedOfflineFolder(const QString& mediaFolder);

enum class HandAddedFolderResult {
    Ready,        // the offline folder exists and is writable
    VolumeRoot,   // the media folder is the root of a volume: refused
    NotWritable,  // the offline folder exists but could not be handed to the user
    CreateFailed, // the offline folder could not be made
};
// Makes sure a hand-added media folder's offline folder exists and is writable.
HandAddedFolderResult prepareHandAddedOfflineFolder(const QString& mediaFolder,
                                                    const QStringList& mountPoints,
                                                    ProgressSupport* progress);

// Registers a media folder and its offline folder in the window's two folder maps.
void registerMediaFolder(WindowModel& window, const QString& mediaFolder,
                         const QString& offlineFolder);

// Where a file goes when it is moved: mode 0 (offline) the project folder inside its media
// folder's offline folder, made when missing; mode 1 (online) the media folder of the offline
// folder above the file's project folder. Empty (none) after the message box of a failure;
// a file whose folder is not registered ends the application after its message.
QString GetDestFolder(WindowModel& window, const QString& filePath, int mode);

// Removes the offline folders left empty, with their empty project folders and their
// parent (one level) when that is empty too; never a volume root. An entry of any kind,
// hidden ones included, keeps a folder.
void DeleteEmptyFolders(const QStringList& offlineFolders, const QStringList& mountPoints);

} // namespace kv
