#pragma once

#include "app/AppCore.h"
#include "app/MainMenu.h"

#include <QObject>
#include <QPointer>

namespace kv {

class KVWindow;
class MainMenu;
class dlgPreferences;
class wndAbout;

// The application object: the preferences, the quitting flag and the job code (AppCore),
// the menu bar, and the commands that do not depend on the main window. It is created
// right after Qt's own application object, which runs the event loop.
class App : public QObject, public AppCore {
    Q_OBJECT
public:
    explicit App(QString preferencesFile = Preferences::defaultFilePath());
    ~App() override;

    MainMenu* menu() const { return MainMenu_; }
    // The main window, created on first access.
    KVWindow* window();

    // Start-up (the open event), the event loop, and shut-down.
    int run();
    void Event_Open();
    bool Event_CancelClose();
    void Event_Close();

    void About_Action();
    void prefs_Action();
    void GuideItem_Action();

private:
    QPointer<MainMenu> MainMenu_;
    QPointer<KVWindow> mainWindow;
    QPointer<dlgPreferences> preferencesDialog;
    QPointer<wndAbout> connectedAbout;
};

} // namespace kv
