// The methods that keep each list's check boxes and selection equal.

#include "mainwindow/KVWindow.h"

#include "mainwindow/CheckListView.h"

namespace kv {

void KVWindow::ListCheckSelectAll(ListId list, bool state) {
    windowModel.list(list).setAllChecked(state);
}

void KVWindow::ListCheckSelected(ListId list) {
    listView(list)->checkSelected();
    if (list == ListId::Projects)
        doOnlineTotals();
}

void KVWindow::ListSelectChecked(ListId list) { listView(list)->selectChecked(); }

} // namespace kv
