#include "app/App.h"

#include "app/MainMenu.h"
#include "app/UserGuide.h"
#include "app/Version.h"
#include "mainwindow/CheckListView.h"
#include "mainwindow/KVWindow.h"
#include "ui/MessageBox.h"
#include "ui/PlatformDialogs.h"
#include "ui/dlgPreferences.h"
#include "ui/wndAbout.h"

#include <QApplication>
#include <QUrl>

// The resources live in the GUI library; a static library's resources are registered by
// hand, from the global namespace.
static void initialiseResources() { Q_INIT_RESOURCE(resources); }

namespace kv {

App::App(QString preferencesFile) : AppCore(std::move(preferencesFile)) {
    initialiseResources();
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(kProductVersion));
    QApplication::setQuitOnLastWindowClosed(false);

    MainMenu_ = new MainMenu;
    MainMenu_->attach(QStringLiteral("About"), [this] { About_Action(); });
    MainMenu_->attach(QStringLiteral("GuideItem"), [this] { GuideItem_Action(); });
    MainMenu_->attach(QStringLiteral("prefs"), [this] { prefs_Action(); });
    MainMenu_->attach(QStringLiteral("FileQuit"), [this] {
        if (mainWindow)
            mainWindow->close(); // the window's close runs the whole shut-down
        else
            QCoreApplication::quit();
    });
}

App::~App() {
    delete mainWindow; // takes the menu bar with it
    delete MainMenu_;
}

KVWindow* App::window() {
    if (!mainWindow)
        mainWindow = new KVWindow(*this, MainMenu_);
    return mainWindow;
}

void App::Event_Open() {
    MainMenu_->disableManualItems();
    LoadPrefs();
    KVWindow* w = window();
    w->show();
    w->update();
}

bool App::Event_CancelClose() {
    mQuitting = true;
    return false;
}

void App::Event_Close() {
    // The application quits whether or not the file could be written.
    SavePrefs();
}

int App::run() {
    Event_Open();
    const int status = QApplication::exec();
    Event_CancelClose();
    Event_Close();
    return status;
}

void App::About_Action() {
    wndAbout* about = wndAbout::instance();
    if (connectedAbout != about) {
        connect(about, &wndAbout::mainWindowWanted, this, [this] { window()->show(); });
        connectedAbout = about;
    }
    about->SelfShow(window());
}

void App::prefs_Action() {
    if (!preferencesDialog) {
        KVWindow* w = window();
        // The volume list takes the new thresholds at once when it is showing.
        auto repaintVolumes = [w] {
            if (w->currentPage() == 0)
                w->listView(ListId::Volumes)->viewport()->update();
        };
        preferencesDialog = new dlgPreferences(*this, repaintVolumes, w);
    }
    preferencesDialog->open();
}

void App::GuideItem_Action() {
    const QString guide = userGuideFile();
    if (guide.isEmpty()) {
        MessageBox::show(mainWindow, QStringLiteral("The user's guide was not found."));
        return;
    }
    PlatformDialogs::openUrl(QUrl::fromLocalFile(guide));
}

} // namespace kv
