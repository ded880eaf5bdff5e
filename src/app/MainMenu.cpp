#include "app/MainMenu.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

namespace kv {

MainMenu::MainMenu(QWidget* parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("MainMenu"));
    const QKeySequence none;
    addNamedMenu("FileMenu", "&File",
                 {
                     {"About", "About Kelvara", none, true},
                     {"RefreshVolumes", "Refresh Volume List", none, false},
                     {"fileMove", "Move Selected Files", QKeySequence(Qt::CTRL | Qt::Key_M), false},
                     {"UntitledSeparator0", "-", none, true},
                     {"fileCopyFiles", "Backup Project Media...", none, false},
                     {"UntitledSeparator2", "-", none, true},
                     {"Filters", "File Filters...", none, false},
                     {"prefs", "Preferences...", none, true},
                     {"UntitledSeparator", "-", none, true},
                     {"FileQuit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), true},
                 });
    addNamedMenu("EditMenu", "&Edit",
                 {
                     {"EditUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), true},
                     {"UntitledMenu1", "-", none, true},
                     {"EditCut", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), true},
                     {"EditCopy", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), true},
                     {"EditPaste", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), true},
                     {"EditClear", "&Delete", none, true},
                     {"UntitledMenu0", "-", none, true},
                     {"EditSelectAll", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A), true},
                 });
    addNamedMenu("ReportsMenu", "Reports",
                 {
                     {"ReportsPrintProjects", "Print Project List...", none, false},
                     {"ReportsSaveProjects", "Save Project List...", none, false},
                     {"UntitledSeparator3", "-", none, true},
                     {"ReportsPrintMedia", "Print Media List...", none, false},
                     {"ReportsSaveMedia", "Save Media File List...", none, false},
                     {"UntitledSeparator4", "-", none, true},
                     {"ReportsPageSetup", "Page Setup...", none, true},
                 });
    addNamedMenu("HelpMenu", "Help", {{"GuideItem", "User's Guide", none, true}});

    // On macOS these three live in the application menu.
    item(QStringLiteral("About"))->setMenuRole(QAction::AboutRole);
    item(QStringLiteral("prefs"))->setMenuRole(QAction::PreferencesRole);
    item(QStringLiteral("FileQuit"))->setMenuRole(QAction::QuitRole);

    addEditingCommands();
    disableManualItems();
}

QMenu* MainMenu::addNamedMenu(const char* name, const char* caption,
                              const QVector<ItemSpec>& specs) {
    QMenu* m = addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromLatin1(name));
    menus.insert(m->objectName(), m);
    for (const ItemSpec& spec : specs) {
        QAction* a;
        if (QByteArray(spec.caption) == "-") {
            a = m->addSeparator();
        } else {
            a = m->addAction(QString::fromUtf8(spec.caption));
            if (!spec.shortcut.isEmpty()) {
                a->setShortcut(spec.shortcut);
            }
        }
        a->setObjectName(QString::fromLatin1(spec.name));
        items.insert(a->objectName(), a);
        automatic.insert(a->objectName(), spec.autoEnable);
    }
    connect(m, &QMenu::aboutToShow, this, &MainMenu::enableMenuItemsRequested);
    return m;
}

void MainMenu::addEditingCommands() {
    // The platform's editing commands, applied to the focused text field.
    auto onLineEdit = [](auto op) {
        return [op] {
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                (edit->*op)();
        };
    };
    attach(QStringLiteral("EditUndo"), onLineEdit(&QLineEdit::undo));
    attach(QStringLiteral("EditCut"), onLineEdit(&QLineEdit::cut));
    attach(QStringLiteral("EditCopy"), onLineEdit(&QLineEdit::copy));
    attach(QStringLiteral("EditPaste"), onLineEdit(&QLineEdit::paste));
    attach(QStringLiteral("EditClear"), onLineEdit(&QLineEdit::del));
    attach(QStringLiteral("EditSelectAll"), onLineEdit(&QLineEdit::selectAll));
}

QAction* MainMenu::item(const QString& name) const { return items.value(name); }

QMenu* MainMenu::menu(const QString& name) const { return menus.value(name); }

bool MainMenu::autoEnables(const QString& itemName) const { return automatic.value(itemName); }

QStringList MainMenu::itemNames() const { return items.keys(); }

void MainMenu::attach(const QString& itemName, std::function<void()> handler) {
    if (QAction* a = item(itemName))
        connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void MainMenu::disableManualItems() {
    for (auto it = items.constBegin(); it != items.constEnd(); ++it)
        it.value()->setEnabled(automatic.value(it.key()));
}

} // namespace kv
