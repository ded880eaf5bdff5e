#pragma once

#include "mainwindow/ControlCatalog.h"
#include "mainwindow/ListId.h"
#include "mainwindow/SplitterDrag.h"
#include "mainwindow/WindowModel.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <optional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace kv {

class AppCore;
class CheckListView;
class MainMenu;
class dlgFilters;
struct ReportSnapshot;

// The main window: three pages ("Media Folders", "Online Media", "Offline Media") over the
// window model, the progress area and console below them, and the commands. Every control
// is created from the catalogue with its designed name, place and anchors; positions are
// window coordinates of the content below the menu bar.
class KVWindow : public QMainWindow {
    Q_OBJECT
public:
    KVWindow(AppCore& app, MainMenu* menu, QWidget* parent = nullptr);
    ~KVWindow() override;

    AppCore& app;
    WindowModel& model() { return windowModel; }
    MainMenu* mainMenu() const { return menuBar_; }

    // --- Controls ---------------------------------------------------------------------
    // The window's visual control of that name, searched from the last to the first.
    QWidget* findControl(const QString& name) const;
    template <typename T> T* control(const QString& name) const {
        return qobject_cast<T*>(findControl(name));
    }
    CheckListView* listView(ListId id) const;
    QRect controlRect(const QString& name) const; // window coordinates
    void setControlRect(const QString& name, const QRect& rect);
    int controlAnchors(const QString& name) const;
    void setControlAnchors(const QString& name, int anchors);
    void setControlEnabled(const QString& name, bool on);
    void setLabelText(const QString& name, const QString& text);
    QString labelText(const QString& name) const;

    // The content's size (the window without its menu bar) and its top-left on screen.
    QSize contentSize() const;
    void setContentHeight(int height);
    // Resizes the content, moving the anchored controls at once rather than when the
    // window system reports the new size.
    void resizeContent(int height);
    int menuBarHeight() const;
    void setContentMinimumHeight(int height);

    int currentPage() const;
    void showPage(int page);

    // --- Layout: splitters, resizing, stored bounds -----------------------------------
    // Starts a drag of a splitter between two lists from the pointer's x (window
    // coordinates); the lists and followers then follow it until the button is released.
    void dynamicSize(const QString& splitter, const QString& leftControl,
                     const QString& rightControl, const QString& followers, int minimumWidth,
                     int pointerX);
    void MoveSizers();
    // While the user resizes the window, and once the resize has ended (no further change
    // of size for kResizeEndDelayMs).
    void Event_Resizing();
    void Event_Resized();
    static constexpr int kResizeEndDelayMs = 300;
    QTimer tmrResizeEnded;

    // --- Window state and refresh cycle -----------------------------------------------
    void Event_Open();
    void Event_CancelClose();
    void Event_Close();
    void tabMain_Change();
    void btnAnalyzeOnline_Action();
    void doDeferredRefresh();
    void tmrDeferRefresh_Action();
    bool lockTabs = false;
    QTimer tmrDeferRefresh;
    QTimer tmrButtonEnabler;

    // --- Progress, console and command enabling ---------------------------------------
    void btnCancel_Action();
    void discloseConsole_Action();
    bool consoleShown() const { return consoleOpen; }
    void EnableControls(bool on);
    void tmrButtonEnabler_Action();
    void Event_EnableMenuItems();
    QStringList consoleLines() const;

    // --- Check-box lists ---------------------------------------------------------------
    void ListCheckSelectAll(ListId list, bool state);
    void ListCheckSelected(ListId list);
    void ListSelectChecked(ListId list);

    // --- Volumes and media folders ------------------------------------------------------
    void VolumeList_Open();
    bool VolumeList_MouseDown() const;
    void ScanVolumes();
    void VolumeList_Change();
    void MediaFolderList_Change();
    void ResetMediaFolders();
    void btnFindMediaFolders_Action();
    void btnAddFolder_Action();
    void DeleteEmptyFolders();

    // --- Project and file lists -------------------------------------------------------
    void ProjectList_Change();
    void OfflineProjectList_Change();
    void FileList_Change();
    void OfflineFileList_Change();
    void doOnlineTotals();
    void doOfflineTotals();
    void UpdateTotals();

    // --- Move and copy commands ---------------------------------------------------------
    void btnMoveOffline_Action();
    void btnMoveOnline_Action();
    void btnCopyToFolder_Action();

    // --- Menu handlers attached by AddMenuHandlers ------------------------------------
    void fileCopyFiles_Action();
    void fileMove_Action();
    void Filters_Action();
    void RefreshVolumes_Action();
    void ReportsPageSetup_Action();
    void ReportsPrintMedia_Action();
    void ReportsPrintProjects_Action();
    void ReportsSaveMedia_Action();
    void ReportsSaveProjects_Action();
    void btnFilters_Action();

    // --- Reports -----------------------------------------------------------------------
    void PrintReport(ListId list);
    // The list's headings, on-screen column widths and rows, as a report reads them.
    ReportSnapshot reportSnapshot(ListId list) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QWidget* widget = nullptr;
        ControlKind kind{};
        int page = -1;
        QRect rect; // window coordinates
        int anchors = 0;
    };

    void createControls();
    QWidget* createWidget(const ControlSpec& spec);
    void placeControl(const Control& c) const;
    void placePageControls(int page);
    void anchorControls(QSize oldSize, QSize newSize);
    Control* entry(const QString& name);
    const Control* entry(const QString& name) const;
    void connectModel();
    void connectControls();
    void AddMenuHandlers();
    void applyStoredBounds();
    void addConsoleLine(const QString& line, const QString& filePath);
    void showPlaceholder(const QString& what);
    void setUpLayoutHandling();
    bool splitterEvent(QObject* watched, QEvent* event);
    void dragSplitterTo(int pointerX);
    void anchorForConsole();
    // Whether opening the console unanchors a control of this kind from the bottom (and
    // the end of a resize with the console hidden anchors it again).
    static bool consoleLiftsBottomAnchor(ControlKind kind);
    void storeBounds();

    WindowModel windowModel;
    MainMenu* menuBar_;
    QWidget* content = nullptr;
    QVector<Control> controls;
    QHash<QString, int> controlIndex; // name -> last control of that name
    QSize lastContentSize;
    bool consoleOpen = false;
    bool closing = false;
    QSize expectedContentSize; // a size the window's own code asked for
    std::optional<SplitterDrag> splitterDrag;
    QStringList draggedControls; // the splitter, its left and its right control
    QPointer<dlgFilters> filtersDialog;
};

} // namespace kv
