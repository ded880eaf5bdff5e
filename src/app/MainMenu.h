#pragma once

#include <QHash>
#include <QMenuBar>

#include <functional>

class QAction;
class QMenu;

namespace kv {

// The menu bar: File, Edit, Reports and Help, each item found by its name. Items with
// automatic enabling are always enabled; the others start disabled and are enabled by the
// main window's menu-enabling step.
class MainMenu : public QMenuBar {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* parent = nullptr);

    QAction* item(const QString& name) const;
    QMenu* menu(const QString& name) const;
    bool autoEnables(const QString& itemName) const;
    QStringList itemNames() const;

    // Runs handler whenever the named item is chosen.
    void attach(const QString& itemName, std::function<void()> handler);

    // Items without automatic enabling become disabled; the main window then enables the
    // ones its state allows.
    void disableManualItems();

Q_SIGNALS:
    // A menu is about to be shown: its items' enabled state is brought up to date first.
    void enableMenuItemsRequested();

private:
    struct ItemSpec {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        bool autoEnable;
    };
    QMenu* addNamedMenu(const char* name, const char* caption, const QVector<ItemSpec>& items);
    void addEditingCommands();

    QHash<QString, QAction*> items;
    QHash<QString, QMenu*> menus;
    QHash<QString, bool> automatic;
};

} // namespace kv
