#include "mainwindow/LocateFolderThread.h"

#include "mainwindow/OfflineFolders.h"
#include "mainwindow/WindowModel.h"

namespace kv {

LocateFolderThread::LocateFolderThread(WindowModel& window, QString mediaFolder,
                                       QStringList mountPoints)
    : WorkerThread(window, QStringLiteral("LocateFolder")), mediaFolder(std::move(mediaFolder)),
      mountPoints(std::move(mountPoints)) {}

void LocateFolderThread::Run() {
    const QString offline = handAddedOfflineFolder(mediaFolder);
    switch (prepareHandAddedOfflineFolder(mediaFolder, mountPoints, &progress())) {
    case HandAddedFolderResult::VolumeRoot:
        theWindow.requestMessage(QStringLiteral(
            "Sorry, you cannot select the root directory of a volume (partition or hard disk)."));
        return;
    case HandAddedFolderResult::NotWritable:
        theWindow.requestMessage(QStringLiteral("Unable to make writeable: ") + offline);
        return;
    case HandAddedFolderResult::CreateFailed:
        theWindow.requestMessage(QStringLiteral("Error creating: ") + offline);
        return;
    case HandAddedFolderResult::Ready:
        break;
    }
    theWindow.postAppendRows(ListId::MediaFolders, {ListRow{{mediaFolder, offline}, {}, false}});
    registerMediaFolder(theWindow, mediaFolder, offline);
}

} // namespace kv
