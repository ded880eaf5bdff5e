// The project and file lists of "Online Media" and "Offline Media", and their totals.

#include "mainwindow/KVWindow.h"

namespace kv {

void KVWindow::ProjectList_Change() {
    doDeferredRefresh();
    setControlEnabled(QStringLiteral("btnMoveOffline"), false);
    tmrButtonEnabler.stop();
    setLabelText(QStringLiteral("pjSelectFld"),
                 QString::number(windowModel.list(ListId::Projects).checkedCount()));
}

void KVWindow::OfflineProjectList_Change() {
    doDeferredRefresh();
    tmrButtonEnabler.stop();
    setControlEnabled(QStringLiteral("btnMoveOnline"), false);
    setControlEnabled(QStringLiteral("btnCopyToFolder"), false);
    setLabelText(QStringLiteral("opjSelectFld"),
                 QString::number(windowModel.list(ListId::OfflineProjects).checkedCount()));
}

void KVWindow::FileList_Change() {
    setLabelText(QStringLiteral("ffSelectFld"),
                 QString::number(windowModel.list(ListId::Files).checkedCount()));
}

void KVWindow::OfflineFileList_Change() {
    const CheckListModel& list = windowModel.list(ListId::OfflineFiles);
    windowModel.selectedFilesTotalBytes = list.sumColumn(1, true);
    setLabelText(QStringLiteral("ofSelectFld"), QString::number(list.checkedCount()));
}

void KVWindow::doOnlineTotals() {}

void KVWindow::doOfflineTotals() {}

void KVWindow::UpdateTotals() {}

} // namespace kv
