// Job progress, the console and the enabling of commands.

#include "mainwindow/KVWindow.h"

#include "app/MainMenu.h"
#include "mainwindow/CheckListView.h"

#include <QAbstractButton>
#include <QAction>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

namespace kv {

void KVWindow::btnCancel_Action() {
    windowModel.progress.cancel();
    setControlEnabled(QStringLiteral("btnCancel"), false);
}

void KVWindow::addConsoleLine(const QString& line, const QString& filePath) {
    auto* console = control<QListWidget>(QStringLiteral("listNotes"));
    auto* item = new QListWidgetItem(line);
    if (!filePath.isEmpty())
        item->setData(Qt::UserRole, filePath);
    console->addItem(item);
    console->scrollToBottom();
}

QStringList KVWindow::consoleLines() const {
    QStringList out;
    const auto* console = control<QListWidget>(QStringLiteral("listNotes"));
    for (int i = 0; i < console->count(); ++i)
        out << console->item(i)->text();
    return out;
}

void KVWindow::discloseConsole_Action() {
    auto* triangle = control<QToolButton>(QStringLiteral("discloseConsole"));
    consoleOpen = triangle->isChecked();
    triangle->setArrowType(consoleOpen ? Qt::DownArrow : Qt::RightArrow);
    const int filtersTop = controlRect(QStringLiteral("btnFilters")).top();
    const QString notes = QStringLiteral("listNotes");
    const QString disclose = QStringLiteral("discloseConsole");

    if (consoleOpen) {
        for (Control& c : controls)
            if (consoleLiftsBottomAnchor(c.kind))
                c.anchors &= ~AnchorBottom;
        const int height = contentSize().height() + 150;
        resizeContent(height);
        QRect r = controlRect(notes);
        r.moveTop(filtersTop + 50);
        r.setHeight(height - r.top() - 20);
        setControlRect(notes, r);
        findControl(notes)->show();
        r = controlRect(disclose);
        r.moveTop(filtersTop + 20);
        setControlRect(disclose, r);
        setContentMinimumHeight(filtersTop + 90);
    } else {
        findControl(notes)->hide();
        setContentMinimumHeight(kMinimumHeight);
        resizeContent(filtersTop + 40);
        setControlAnchors(disclose, controlAnchors(disclose) & ~AnchorBottom);
        QRect r = controlRect(disclose);
        r.moveTop(filtersTop + 20);
        setControlRect(disclose, r);
    }
}

void KVWindow::EnableControls(bool on) {
    setControlEnabled(QStringLiteral("tabMain"), on);
    for (const Control& c : controls) {
        if (c.kind != ControlKind::BevelButton)
            continue;
        const QString caption = static_cast<QAbstractButton*>(c.widget)->text();
        if (caption == QLatin1String("All") || caption == QLatin1String("None"))
            c.widget->setEnabled(on);
    }
    Event_EnableMenuItems();
}

void KVWindow::tmrButtonEnabler_Action() {
    switch (currentPage()) {
    case 0:
        if (windowModel.list(ListId::MediaFolders).anyChecked()) {
            setControlEnabled(QStringLiteral("btnAnalyzeOnline"), true);
            setControlEnabled(QStringLiteral("btnAddFolder"), true);
        } else {
            setControlEnabled(QStringLiteral("btnAnalyzeOnline"), false);
        }
        break;
    case 1:
        if (windowModel.list(ListId::Files).anyChecked()) {
            setControlEnabled(QStringLiteral("btnMoveOffline"), true);
            EnableControls(true);
        } else {
            setControlEnabled(QStringLiteral("btnMoveOffline"), false);
        }
        break;
    case 2:
        if (windowModel.list(ListId::OfflineFiles).anyChecked()) {
            setControlEnabled(QStringLiteral("btnCopyToFolder"), true);
            setControlEnabled(QStringLiteral("btnMoveOnline"), true);
            EnableControls(true);
        } else {
            setControlEnabled(QStringLiteral("btnCopyToFolder"), false);
            setControlEnabled(QStringLiteral("btnMoveOnline"), false);
        }
        break;
    default:
        break;
    }
    Event_EnableMenuItems();
}

void KVWindow::Event_EnableMenuItems() {
    if (!menuBar_)
        return;
    menuBar_->disableManualItems();
    auto enable = [this](const char* name, bool on = true) {
        if (QAction* a = menuBar_->item(QString::fromLatin1(name)))
            a->setEnabled(on);
    };
    enable("Filters");
    enable("RefreshVolumes");

    // Reports read the lists, which a running job may be changing.
    const bool idle = windowModel.runningWorkers() == 0;
    const int page = currentPage();
    if (page == 1 || page == 2) {
        const ListId files = page == 1 ? ListId::Files : ListId::OfflineFiles;
        const bool anySelected = windowModel.list(files).anyChecked();
        enable("fileMove", anySelected);
        menuBar_->item(QStringLiteral("fileMove"))
            ->setText(page == 1 ? QStringLiteral("Move selected files offline")
                                : QStringLiteral("Move selected files online"));
        if (page == 2)
            enable("fileCopyFiles", anySelected);
        enable("ReportsPrintProjects", idle);
        enable("ReportsSaveProjects", idle);
        const bool anyRows = windowModel.list(files).count() > 0;
        enable("ReportsPrintMedia", idle && anyRows);
        enable("ReportsSaveMedia", idle && anyRows);
    }
}

} // namespace kv
