// The media folder list on "Media Folders": the search, adding a folder by hand, and the
// clean-up of empty offline folders at close.

#include "mainwindow/KVWindow.h"

#include "app/AppCore.h"
#include "mainwindow/LocateFolderThread.h"
#include "mainwindow/OfflineFolders.h"
#include "platform/VolumeSource.h"
#include "ui/FolderChooser.h"

namespace kv {

void KVWindow::MediaFolderList_Change() {
    const CheckListModel& folders = windowModel.list(ListId::MediaFolders);
    windowModel.dirtyOnline = true;
    setLabelText(QStringLiteral("fFoundFld"), QString::number(folders.count()));
    setLabelText(QStringLiteral("fSelectFld"), QString::number(folders.checkedCount()));
}

void KVWindow::ResetMediaFolders() {
    windowModel.list(ListId::MediaFolders).clear();
    setControlEnabled(QStringLiteral("btnFindMediaFolders"), true);
}

void KVWindow::btnFindMediaFolders_Action() {
    findControl(QStringLiteral("MediaFolderList"))->show();
    for (const char* name :
         {"btnFindMediaFolders", "btnAddFolder", "VolumeList", "MediaFolderList"})
        setControlEnabled(QString::fromLatin1(name), false);
    app.whatFunction = JobFindMediaFolders;
    EnableControls(false);
    windowModel.progress.progressEvent(QStringLiteral("Started media folder search."));
    windowModel.FindMediaFolders();
}

void KVWindow::btnAddFolder_Action() {
    const QString folder = FolderChooser::choose(
        this,
        {QStringLiteral("Add Media Folder"), QStringLiteral("Select a media folder"),
         QStringLiteral("Locate A Media Folder"), QStringLiteral("Cancel"), QStringLiteral("/")});
    if (folder.isEmpty())
        return;
    windowModel.startWorker(
        new LocateFolderThread(windowModel, folder, platform::volumeSource().mountPoints()));
}

void KVWindow::DeleteEmptyFolders() {
    const CheckListModel& folders = windowModel.list(ListId::MediaFolders);
    QStringList offline;
    for (int r = 0; r < folders.count(); ++r)
        offline << folders.row(r).cell(1);
    kv::DeleteEmptyFolders(offline, platform::volumeSource().mountPoints());
}

} // namespace kv
