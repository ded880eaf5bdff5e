// The volume list on "Media Folders".

#include "mainwindow/KVWindow.h"

#include "app/AppCore.h"
#include "mainwindow/CheckListView.h"
#include "mainwindow/FreeSpacePie.h"
#include "mainwindow/FreeSpacePieDelegate.h"
#include "mainwindow/MousePressGate.h"
#include "platform/VolumeSource.h"

namespace kv {

void KVWindow::VolumeList_Open() {
    CheckListView* view = listView(ListId::Volumes);
    view->setItemDelegateForColumn(1, new FreeSpacePieDelegate(app, view));
    view->viewport()->installEventFilter(
        new MousePressGate([this] { return VolumeList_MouseDown(); }, view));
    ScanVolumes();
}

bool KVWindow::VolumeList_MouseDown() const {
    return lockTabs;
}

void KVWindow::ScanVolumes() {
    ListRows rows;
    for (const platform::VolumeInfo& v : platform::volumeSource().mountedVolumes()) {
        ListRow row;
        row.cells = QStringList{v.name, freeSpaceText(v.freeBytes, v.totalBytes)};
        row.tags = QStringList{v.path};
        row.checked = app.getPref(QStringLiteral("Volumes"), v.name, QStringLiteral("1")) ==
                      QLatin1String("1");
        rows.append(row);
    }
    windowModel.list(ListId::Volumes).setRows(std::move(rows));
    // Stores the choices and sets the counts also when no row is chosen.
    VolumeList_Change();
}

void KVWindow::RefreshVolumes_Action() {
    ScanVolumes();
}

void KVWindow::VolumeList_Change() {
    const CheckListModel& volumes = windowModel.list(ListId::Volumes);
    for (int r = 0; r < volumes.count(); ++r)
        app.setPref(QStringLiteral("Volumes"), volumes.row(r).cell(0),
                    volumes.isChecked(r) ? QStringLiteral("1") : QStringLiteral("0"));
    setLabelText(QStringLiteral("vSelectFld"), QString::number(volumes.checkedCount()));
    setLabelText(QStringLiteral("vFoundFld"), QString::number(volumes.count()));
    ResetMediaFolders();
}

} // namespace kv
