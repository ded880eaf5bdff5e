// The move and copy commands.

#include "mainwindow/KVWindow.h"

#include <QAbstractButton>

namespace kv {

void KVWindow::btnMoveOffline_Action() {}

void KVWindow::btnMoveOnline_Action() {}

void KVWindow::btnCopyToFolder_Action() {}

void KVWindow::fileMove_Action() {
    // Pressing a button runs its action only while the button is enabled.
    const int page = currentPage();
    if (page == 1 || page == 2) {
        auto* button = control<QAbstractButton>(page == 1 ? QStringLiteral("btnMoveOffline")
                                                          : QStringLiteral("btnMoveOnline"));
        if (button->isEnabled())
            button->click();
    }
}

void KVWindow::fileCopyFiles_Action() {
    auto* button = control<QAbstractButton>(QStringLiteral("btnCopyToFolder"));
    if (button->isEnabled())
        button->click();
}

} // namespace kv
