// The main window's state and refresh cycle: opening, page changes, the deferred refresh,
// "Analyze Media Files", and closing.

#include "mainwindow/KVWindow.h"

#include "app/AppCore.h"
#include "app/MainMenu.h"
#include "app/Version.h"
#include "mainwindow/CheckListView.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QProgressBar>
#include <QShortcut>
#include <QTabWidget>

namespace kv {

KVWindow::KVWindow(AppCore& app, MainMenu* menu, QWidget* parent)
    : QMainWindow(parent), app(app), windowModel(app), menuBar_(menu) {
    setObjectName(QStringLiteral("KVWindow"));
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    if (menuBar_)
        setMenuBar(menuBar_);
    createControls();
    resize(kDesignedWidth, kDesignedHeight + menuBarHeight());
    setMinimumSize(kMinimumWidth, kMinimumHeight + menuBarHeight());
    setMaximumSize(kMaximumSize, kMaximumSize);

    tmrDeferRefresh.setObjectName(QStringLiteral("tmrDeferRefresh"));
    tmrDeferRefresh.setSingleShot(true);
    tmrDeferRefresh.setInterval(200);
    connect(&tmrDeferRefresh, &QTimer::timeout, this, &KVWindow::tmrDeferRefresh_Action);
    tmrButtonEnabler.setObjectName(QStringLiteral("tmrButtonEnabler"));
    tmrButtonEnabler.setInterval(250);
    connect(&tmrButtonEnabler, &QTimer::timeout, this, &KVWindow::tmrButtonEnabler_Action);

    connectModel();
    connectControls();
    AddMenuHandlers();

    // The volume list fills itself as it opens.
    VolumeList_Open();
    Event_Open();
    tmrButtonEnabler.start();
}

KVWindow::~KVWindow() {
    windowModel.stopWorkers();
}

void KVWindow::connectModel() {
    ProgressSupport& progress = windowModel.progress;
    connect(&progress, &ProgressSupport::jobTitleChanged, this,
            [this](const QString& t) { setLabelText(QStringLiteral("theJobFld"), t); });
    connect(&progress, &ProgressSupport::messageChanged, this,
            [this](const QString& t) { setLabelText(QStringLiteral("txtMessage"), t); });
    connect(&progress, &ProgressSupport::percentChanged, this, [this](int percent) {
        control<QProgressBar>(QStringLiteral("theProgress"))->setValue(percent);
    });
    connect(&progress, &ProgressSupport::cancelEnabledChanged, this,
            [this](bool on) { setControlEnabled(QStringLiteral("btnCancel"), on); });
    connect(&progress, &ProgressSupport::consoleLineAdded, this,
            [this](const QString& line, const QString& path, bool) { addConsoleLine(line, path); });
    connect(&progress, &ProgressSupport::repaintRequested, this, [this] { update(); });
    connect(&progress, &ProgressSupport::onlineTotalsRequested, this, &KVWindow::doOnlineTotals);
    connect(&progress, &ProgressSupport::offlineTotalsRequested, this, [this] {
        if (currentPage() == 2)
            doOfflineTotals();
    });

    connect(&windowModel, &WindowModel::enableControlsRequested, this, &KVWindow::EnableControls);
    connect(&windowModel, &WindowModel::controlEnabledRequested, this,
            &KVWindow::setControlEnabled);
    connect(&windowModel, &WindowModel::labelRequested, this, &KVWindow::setLabelText);
    connect(&windowModel, &WindowModel::buttonTimerRequested, this, [this](bool running) {
        if (running)
            tmrButtonEnabler.start();
        else
            tmrButtonEnabler.stop();
    });
    connect(&windowModel, &WindowModel::updateTotalsRequested, this, &KVWindow::UpdateTotals);
    connect(&windowModel, &WindowModel::onlineTotalsRequested, this, &KVWindow::doOnlineTotals);
    connect(&windowModel, &WindowModel::pageRequested, this, &KVWindow::showPage);
    connect(&windowModel, &WindowModel::messageRequested, this, [this](const QString& text) {
        if (!closing)
            MessageBox::show(this, text);
    });
    connect(&windowModel, &WindowModel::quitRequested, this, &QWidget::close);

    connect(&windowModel.list(ListId::Volumes), &CheckListModel::checkedChanged, this,
            &KVWindow::VolumeList_Change);
    connect(&windowModel.list(ListId::MediaFolders), &CheckListModel::checkedChanged, this,
            &KVWindow::MediaFolderList_Change);
    connect(&windowModel.list(ListId::Projects), &CheckListModel::checkedChanged, this,
            &KVWindow::ProjectList_Change);
    connect(&windowModel.list(ListId::OfflineProjects), &CheckListModel::checkedChanged, this,
            &KVWindow::OfflineProjectList_Change);
    connect(&windowModel.list(ListId::Files), &CheckListModel::checkedChanged, this,
            &KVWindow::FileList_Change);
    connect(&windowModel.list(ListId::OfflineFiles), &CheckListModel::checkedChanged, this,
            &KVWindow::OfflineFileList_Change);
}

void KVWindow::connectControls() {
    auto onClick = [this](const char* name, auto handler) {
        auto* button = control<QAbstractButton>(QString::fromLatin1(name));
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    onClick("btnCancel", &KVWindow::btnCancel_Action);
    onClick("discloseConsole", &KVWindow::discloseConsole_Action);
    onClick("btnAnalyzeOnline", &KVWindow::btnAnalyzeOnline_Action);
    onClick("btnFindMediaFolders", &KVWindow::btnFindMediaFolders_Action);
    onClick("btnAddFolder", &KVWindow::btnAddFolder_Action);
    onClick("btnMoveOffline", &KVWindow::btnMoveOffline_Action);
    onClick("btnMoveOnline", &KVWindow::btnMoveOnline_Action);
    onClick("btnCopyToFolder", &KVWindow::btnCopyToFolder_Action);
    onClick("btnFilters", &KVWindow::btnFilters_Action);

    const struct {
        const char* all;
        const char* none;
        ListId list;
    } selectionButtons[] = {
        {"btnAllVolumes", "btnNoVolumes", ListId::Volumes},
        {"btnAllMediaFolders", "btnNoMediaFolders", ListId::MediaFolders},
        {"btnAllProjects", "btnNoProjects", ListId::Projects},
        {"btnAllFiles", "btnNoFiles", ListId::Files},
        {"btnAllOfflineProjects", "btnNoOfflineProjects", ListId::OfflineProjects},
        {"btnAllOfflineFiles", "btnNoOfflineFiles", ListId::OfflineFiles},
    };
    for (const auto& b : selectionButtons) {
        const ListId id = b.list;
        onClick(b.all, [this, id] { ListCheckSelectAll(id, true); });
        onClick(b.none, [this, id] { ListCheckSelectAll(id, false); });
    }

    connect(control<QTabWidget>(QStringLiteral("tabMain")), &QTabWidget::currentChanged, this,
            &KVWindow::tabMain_Change);

    // The cancel keystroke (Ctrl+. here, Command-period on macOS) and Escape for Cancel.
    auto* cancelKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period), this);
    connect(cancelKey, &QShortcut::activated, this, [this] {
        if (windowModel.runningWorkers() > 0)
            windowModel.progress.cancel();
    });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (findControl(QStringLiteral("btnCancel"))->isEnabled())
            btnCancel_Action();
    });
}

void KVWindow::AddMenuHandlers() {
    if (!menuBar_)
        return;
    const QVector<QPair<const char*, void (KVWindow::*)()>> handlers = {
        {"fileCopyFiles", &KVWindow::fileCopyFiles_Action},
        {"fileMove", &KVWindow::fileMove_Action},
        {"Filters", &KVWindow::Filters_Action},
        {"RefreshVolumes", &KVWindow::RefreshVolumes_Action},
        {"ReportsPageSetup", &KVWindow::ReportsPageSetup_Action},
        {"ReportsPrintMedia", &KVWindow::ReportsPrintMedia_Action},
        {"ReportsPrintProjects", &KVWindow::ReportsPrintProjects_Action},
        {"ReportsSaveMedia", &KVWindow::ReportsSaveMedia_Action},
        {"ReportsSaveProjects", &KVWindow::ReportsSaveProjects_Action},
    };
    for (const auto& [name, method] : handlers)
        menuBar_->attach(QString::fromLatin1(name), [this, method = method] { (this->*method)(); });
    connect(menuBar_, &MainMenu::enableMenuItemsRequested, this, &KVWindow::Event_EnableMenuItems);
}

void KVWindow::Event_Open() {
    if (!(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier))
        applyStoredBounds();
    // ThreadLock is created with the window model, with its one permit.
}

void KVWindow::applyStoredBounds() {
    const QString section = QStringLiteral("Main Window");
    const int left = prefNumber(app.getPref(section, QStringLiteral("Left"), QStringLiteral("10")));
    const int top = prefNumber(app.getPref(section, QStringLiteral("Top"), QStringLiteral("60")));
    const int width =
        prefNumber(app.getPref(section, QStringLiteral("Width"), QStringLiteral("836")));
    const int height =
        prefNumber(app.getPref(section, QStringLiteral("Height"), QStringLiteral("450")));
    expectedContentSize = QSize(width, height); // not a resize by the user
    setGeometry(left, top, width, height + menuBarHeight());
}

void KVWindow::tabMain_Change() {
    Event_EnableMenuItems();
    switch (currentPage()) {
    case 1:
        if (windowModel.dirtyOnline.load()) {
            tmrButtonEnabler.stop();
            EnableControls(false);
            windowModel.ScanOnlineFolders(false);
        } else {
            EnableControls(true);
        }
        break;
    case 2:
        if (windowModel.dirtyOffline.load()) {
            tmrButtonEnabler.stop();
            for (const char* name :
                 {"OfflineProjectList", "OfflineFileList", "btnMoveOnline", "btnCopyToFolder"})
                setControlEnabled(QString::fromLatin1(name), false);
            EnableControls(false);
            windowModel.ScanOfflineFolders(false);
        } else {
            EnableControls(true);
        }
        break;
    default:
        break;
    }
}

void KVWindow::btnAnalyzeOnline_Action() {
    app.whatFunction = JobAnalyseOnline;
    setLabelText(QStringLiteral("TotalFilesFld"), QStringLiteral("0"));
    setLabelText(QStringLiteral("TotalSizeFld"), QStringLiteral("0"));
    showPage(1);
}

void KVWindow::doDeferredRefresh() {
    tmrDeferRefresh.start(); // restarting it starts the 200 ms over
    lockTabs = true;
}

void KVWindow::tmrDeferRefresh_Action() {
    switch (currentPage()) {
    case 0:
        ResetMediaFolders();
        break;
    case 1:
        windowModel.ListProjects(0);
        break;
    case 2:
        windowModel.ListProjects(1);
        break;
    default:
        break;
    }
    lockTabs = false;
}

void KVWindow::Event_CancelClose() {
    // A running job is asked to stop and waited for at its next check, never killed, so
    // a copy is never left half-written.
    windowModel.stopWorkers();
}

void KVWindow::Event_Close() {
    DeleteEmptyFolders();
    QCoreApplication::quit();
}

void KVWindow::closeEvent(QCloseEvent* event) {
    if (!closing) {
        closing = true;
        app.mQuitting = true;
        tmrButtonEnabler.stop();
        tmrDeferRefresh.stop();
        if (tmrResizeEnded.isActive())
            Event_Resized(); // a resize that ended just now still stores the bounds
        Event_CancelClose();
        Event_Close();
    }
    event->accept();
}

void KVWindow::showPlaceholder(const QString& what) {
    MessageBox::show(this, what + QStringLiteral(" is not available in this version yet."));
}

} // namespace kv
