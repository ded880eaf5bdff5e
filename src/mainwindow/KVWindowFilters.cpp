// The file filters command: the "File Filters..." button and menu item.

#include "mainwindow/KVWindow.h"

#include "ui/dlgFilters.h"

namespace kv {

void KVWindow::btnFilters_Action() {
    if (!filtersDialog)
        filtersDialog = new dlgFilters(
            app, [this] { doDeferredRefresh(); }, this);
    filtersDialog->open();
}

void KVWindow::Filters_Action() {
    btnFilters_Action();
}

} // namespace kv
