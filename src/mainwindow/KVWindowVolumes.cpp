// The volume list on "Media Folders".

#include "mainwindow/KVWindow.h"

#include "app/AppCore.h"

namespace kv {

void KVWindow::ScanVolumes() {
    // Filled from the mounted volumes by the volume layer.
}

void KVWindow::RefreshVolumes_Action() { ScanVolumes(); }

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
