// The main window's layout at run time: the three splitters between the lists of each page,
// the handling of window resizes, and the window bounds kept in the preferences.
//
// Qt reports every change of size but not the end of a resize: the window system keeps the
// frame drag to itself. A resize counts as ended once the size has not changed for
// kResizeEndDelayMs (the one-shot tmrResizeEnded, restarted by every change). Resizes made
// by the window's own code (opening or closing the console, applying the stored bounds)
// are not the user's: they move the anchored controls but run neither resize handler.
//
// The anchoring that suits the console's state is set when a resize by the user begins and
// again when it ends, so that the first resize after the console opened or closed already
// moves the controls as the following ones do.

#include "mainwindow/KVWindow.h"

#include <QMouseEvent>
#include <QWidget>

namespace kv {

namespace {

struct SplitterSpec {
    const char* splitter;
    const char* left;
    const char* right;
    const char* followers;
    int minimumWidth;
};

const SplitterSpec kSplitters[] = {
    {"cnvSizerVolumes", "VolumeList", "MediaFolderList",
     "btnAllMediaFolders,btnNoMediaFolders,:0.5", 240},
    {"cnvSizerOnline", "ProjectList", "FileList", "btnAllFiles,btnNoFiles", 222},
    {"cnvSizerOffline", "OfflineProjectList", "OfflineFileList",
     "btnAllOfflineFiles,btnNoOfflineFiles", 222},
};

const SplitterSpec* splitterSpec(const QString& name) {
    for (const SplitterSpec& s : kSplitters)
        if (name == QLatin1String(s.splitter))
            return &s;
    return nullptr;
}

} // namespace

void KVWindow::setUpLayoutHandling() {
    tmrResizeEnded.setObjectName(QStringLiteral("tmrResizeEnded"));
    tmrResizeEnded.setSingleShot(true);
    tmrResizeEnded.setInterval(kResizeEndDelayMs);
    connect(&tmrResizeEnded, &QTimer::timeout, this, &KVWindow::Event_Resized);
}

// --- Splitters ---------------------------------------------------------------------------

bool KVWindow::splitterEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    const SplitterSpec* spec = splitterSpec(watched->objectName());
    if (!spec || watched != findControl(QString::fromLatin1(spec->splitter)))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int x = content->mapFromGlobal(mouse->globalPosition()).toPoint().x();
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton)
            return false;
        dynamicSize(QString::fromLatin1(spec->splitter), QString::fromLatin1(spec->left),
                    QString::fromLatin1(spec->right), QString::fromLatin1(spec->followers),
                    spec->minimumWidth, x);
    } else if (splitterDrag) {
        dragSplitterTo(x);
        if (type == QEvent::MouseButtonRelease)
            splitterDrag.reset(); // the splitter positions are not stored
    }
    return true;
}

void KVWindow::dynamicSize(const QString& splitter, const QString& leftControl,
                           const QString& rightControl, const QString& followers, int minimumWidth,
                           int pointerX) {
    QVector<SplitterDrag::Follower> found;
    for (SplitterDrag::Follower f : SplitterDrag::parseFollowers(followers)) {
        if (f.name.isEmpty() || !findControl(f.name))
            continue; // names that match no control are skipped
        f.left = controlRect(f.name).left();
        found.append(f);
    }
    splitterDrag.emplace(pointerX, controlRect(splitter), controlRect(leftControl),
                         controlRect(rightControl), found, minimumWidth);
    draggedControls = {splitter, leftControl, rightControl};
}

void KVWindow::dragSplitterTo(int pointerX) {
    // Qt repaints what moved once per pass of the event loop, so the lists follow the
    // pointer live without a repaint for every step.
    const SplitterDrag::Placement p = splitterDrag->placeAt(pointerX);
    setControlRect(draggedControls[1], p.left);
    setControlRect(draggedControls[2], p.right);
    setControlRect(draggedControls[0], p.splitter);
    for (const auto& [name, left] : p.followerLefts) {
        QRect r = controlRect(name);
        r.moveLeft(left);
        setControlRect(name, r);
    }
}

void KVWindow::MoveSizers() {
    const QRect volumes = controlRect(QStringLiteral("VolumeList"));
    const QRect handle = controlRect(QStringLiteral("cnvSizerVolumes"));
    // The handles of the other pages are placed by the volume list too.
    const int y = int(volumes.top() + volumes.height() / 2.0 - handle.height() / 2.0);
    for (const SplitterSpec& s : kSplitters) {
        const QString name = QString::fromLatin1(s.splitter);
        QRect r = controlRect(name);
        r.moveTop(y);
        setControlRect(name, r);
    }
}

// --- Resizing ----------------------------------------------------------------------------

void KVWindow::Event_Resizing() {
    MoveSizers();
    const QString disclose = QStringLiteral("discloseConsole");
    setControlAnchors(disclose, controlAnchors(disclose) & ~AnchorBottom);
    QRect r = controlRect(disclose);
    r.moveTop(controlRect(QStringLiteral("btnFilters")).top() + 20);
    setControlRect(disclose, r);
}

void KVWindow::Event_Resized() {
    tmrResizeEnded.stop();
    MoveSizers();
    anchorForConsole();
    if (consoleOpen)
        Event_Resizing(); // places discloseConsole below btnFilters
    storeBounds();
}

void KVWindow::anchorForConsole() {
    if (consoleOpen) {
        // The console takes up any change in height; the controls above it stay.
        const QString notes = QStringLiteral("listNotes");
        setControlAnchors(notes, controlAnchors(notes) | AnchorTop | AnchorBottom);
        return;
    }
    // Brings back the bottom anchoring that opening the console lifted.
    for (Control& c : controls)
        if (consoleLiftsBottomAnchor(c.kind))
            c.anchors |= AnchorBottom;
}

bool KVWindow::consoleLiftsBottomAnchor(ControlKind kind) {
    switch (kind) {
    case ControlKind::TabPanel:
    case ControlKind::PushButton:
    case ControlKind::BevelButton:
    case ControlKind::ListBox:
    case ControlKind::ProgressBar:
    case ControlKind::Label:
        return true;
    case ControlKind::Disclosure:
    case ControlKind::Canvas:
        return false;
    }
    return false;
}

void KVWindow::storeBounds() {
    const QString section = QStringLiteral("Main Window");
    const QRect g = geometry();
    app.setPref(section, QStringLiteral("Left"), QString::number(g.left()));
    app.setPref(section, QStringLiteral("Top"), QString::number(g.top()));
    app.setPref(section, QStringLiteral("Width"), QString::number(g.width()));
    // The height the window has with the console closed.
    app.setPref(section, QStringLiteral("Height"),
                QString::number(controlRect(QStringLiteral("btnFilters")).top() + 42));
}

} // namespace kv
