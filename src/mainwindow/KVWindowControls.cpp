// The main window's controls: creation from the catalogue, lookup by name, placement in
// window coordinates and anchoring when the content is resized.

#include "mainwindow/KVWindow.h"

#include "mainwindow/CheckListView.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace kv {

namespace {

const QColor kDarkGrey(0x3F, 0x3F, 0x3F);

ListId listIdOf(const QString& name) {
    static const QHash<QString, ListId> ids = {
        {QStringLiteral("VolumeList"), ListId::Volumes},
        {QStringLiteral("MediaFolderList"), ListId::MediaFolders},
        {QStringLiteral("ProjectList"), ListId::Projects},
        {QStringLiteral("FileList"), ListId::Files},
        {QStringLiteral("OfflineProjectList"), ListId::OfflineProjects},
        {QStringLiteral("OfflineFileList"), ListId::OfflineFiles},
    };
    return ids.value(name, ListId::Volumes);
}

// Column widths as designed: column 0 takes what the others leave.
void setUpColumns(CheckListView* view, ListId id) {
    QHeaderView* h = view->header();
    h->setMinimumSectionSize(20);
    switch (id) {
    case ListId::Volumes:
        h->setSectionResizeMode(0, QHeaderView::Stretch);
        h->setSectionResizeMode(1, QHeaderView::Fixed);
        h->resizeSection(1, 60);
        break;
    case ListId::MediaFolders:
        h->setSectionResizeMode(QHeaderView::Stretch);
        break;
    case ListId::Projects:
    case ListId::OfflineProjects:
        h->setSectionResizeMode(0, QHeaderView::Stretch);
        h->setSectionResizeMode(1, QHeaderView::Interactive);
        h->setSectionResizeMode(2, QHeaderView::Interactive);
        h->resizeSection(1, 50);
        h->resizeSection(2, 100);
        break;
    case ListId::Files:
    case ListId::OfflineFiles:
        h->setSectionResizeMode(0, QHeaderView::Stretch);
        h->setSectionResizeMode(1, QHeaderView::Interactive);
        h->setSectionResizeMode(2, QHeaderView::Interactive);
        h->resizeSection(1, 70);
        h->resizeSection(2, 70);
        break;
    }
}

} // namespace

void KVWindow::createControls() {
    content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    setCentralWidget(content);
    content->resize(kDesignedWidth, kDesignedHeight);
    lastContentSize = QSize(kDesignedWidth, kDesignedHeight);
    content->installEventFilter(this);

    for (const ControlSpec& spec : mainWindowControls()) {
        Control c;
        c.kind = spec.kind;
        c.page = spec.page;
        c.rect = spec.rect;
        c.anchors = spec.anchors;
        c.widget = createWidget(spec);
        c.widget->setObjectName(QString::fromLatin1(spec.name));
        if (spec.options & StartsDisabled)
            c.widget->setEnabled(false);
        controlIndex.insert(c.widget->objectName(), int(controls.size()));
        controls.append(c);
        placeControl(c);
        if (spec.options & StartsHidden)
            c.widget->hide();
    }
    setUpLayoutHandling();
}

QWidget* KVWindow::createWidget(const ControlSpec& spec) {
    const QString caption = QString::fromUtf8(spec.caption);
    QWidget* parent = content;
    if (spec.page >= 0)
        parent = control<QTabWidget>(QStringLiteral("tabMain"))->widget(spec.page);

    switch (spec.kind) {
    case ControlKind::TabPanel: {
        auto* tabs = new QTabWidget(parent);
        const char* pages[] = {"Media Folders", "Online Media", "Offline Media"};
        for (int i = 0; i < 3; ++i) {
            auto* page = new QWidget;
            page->setObjectName(QStringLiteral("page%1").arg(i));
            page->installEventFilter(this);
            tabs->addTab(page, QString::fromLatin1(pages[i]));
        }
        tabs->setCurrentIndex(0);
        return tabs;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(((spec.options & RightAligned) ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignVCenter);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, (spec.options & DarkGrey) ? kDarkGrey : QColor(Qt::black));
        label->setPalette(p);
        return label;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::BevelButton: {
        auto* button = new QToolButton(parent);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return button;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Disclosure: {
        auto* triangle = new QToolButton(parent);
        triangle->setCheckable(true);
        triangle->setAutoRaise(true);
        triangle->setArrowType(Qt::RightArrow);
        return triangle;
    }
    case ControlKind::ListBox: {
        if (QLatin1String(spec.name) == QLatin1String("listNotes")) {
            auto* console = new QListWidget(parent);
            console->setSelectionMode(QAbstractItemView::SingleSelection);
            console->setUniformItemSizes(true);
            return console;
        }
        auto* view = new CheckListView(parent);
        const ListId id = listIdOf(QString::fromLatin1(spec.name));
        view->setCheckListModel(&windowModel.list(id));
        setUpColumns(view, id);
        return view;
    }
    case ControlKind::Canvas: {
        auto* canvas = new QWidget(parent);
        canvas->setCursor(Qt::SizeHorCursor);
        canvas->installEventFilter(this); // the splitter drags
        return canvas;
    }
    }
    return new QWidget(parent);
}

// Page controls are children of their tab page, so that a disabled or hidden tab panel
// disables or hides them too; their rectangles are kept in window coordinates.
void KVWindow::placeControl(const Control& c) const {
    QPoint origin;
    if (c.page >= 0 && c.widget->parentWidget())
        origin = c.widget->parentWidget()->mapTo(content, QPoint(0, 0));
    c.widget->setGeometry(c.rect.translated(-origin));
}

void KVWindow::placePageControls(int page) {
    for (const Control& c : controls)
        if (c.page == page)
            placeControl(c);
}

bool KVWindow::eventFilter(QObject* watched, QEvent* event) {
    if (splitterEvent(watched, event))
        return true;
    if (watched == content && event->type() == QEvent::Resize) {
        const QSize now = content->size();
        const bool byCode = now == expectedContentSize;
        expectedContentSize = QSize();
        if (now != lastContentSize) {
            if (!byCode)
                anchorForConsole();
            anchorControls(lastContentSize, now);
            lastContentSize = now;
            if (!byCode) {
                Event_Resizing();
                tmrResizeEnded.start();
            }
        }
    } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
               watched->objectName().startsWith(QLatin1String("page"))) {
        placePageControls(watched->objectName().mid(4).toInt());
    }
    return QMainWindow::eventFilter(watched, event);
}

void KVWindow::anchorControls(QSize oldSize, QSize newSize) {
    const int dw = newSize.width() - oldSize.width();
    const int dh = newSize.height() - oldSize.height();
    if (dw == 0 && dh == 0)
        return;
    // The tab panel first: the page controls are placed relative to its pages.
    for (Control& c : controls) {
        QRect r = c.rect;
        if ((c.anchors & AnchorLeft) && (c.anchors & AnchorRight))
            r.setWidth(r.width() + dw);
        else if (c.anchors & AnchorRight)
            r.moveLeft(r.left() + dw);
        if ((c.anchors & AnchorTop) && (c.anchors & AnchorBottom))
            r.setHeight(r.height() + dh);
        else if (c.anchors & AnchorBottom)
            r.moveTop(r.top() + dh);
        c.rect = r;
    }
    for (const Control& c : controls)
        placeControl(c);
}

KVWindow::Control* KVWindow::entry(const QString& name) {
    const auto it = controlIndex.constFind(name);
    return it == controlIndex.constEnd() ? nullptr : &controls[*it];
}

const KVWindow::Control* KVWindow::entry(const QString& name) const {
    const auto it = controlIndex.constFind(name);
    return it == controlIndex.constEnd() ? nullptr : &controls[*it];
}

QWidget* KVWindow::findControl(const QString& name) const {
    for (qsizetype i = controls.size() - 1; i >= 0; --i)
        if (controls[i].widget->objectName() == name)
            return controls[i].widget;
    return nullptr;
}

CheckListView* KVWindow::listView(ListId id) const {
    return control<CheckListView>(windowModel.list(id).name());
}

QRect KVWindow::controlRect(const QString& name) const {
    const Control* c = entry(name);
    return c ? c->rect : QRect();
}

void KVWindow::setControlRect(const QString& name, const QRect& rect) {
    if (Control* c = entry(name)) {
        c->rect = rect;
        placeControl(*c);
    }
}

int KVWindow::controlAnchors(const QString& name) const {
    const Control* c = entry(name);
    return c ? c->anchors : 0;
}

void KVWindow::setControlAnchors(const QString& name, int anchors) {
    if (Control* c = entry(name))
        c->anchors = anchors;
}

void KVWindow::setControlEnabled(const QString& name, bool on) {
    if (QWidget* w = findControl(name))
        w->setEnabled(on);
}

void KVWindow::setLabelText(const QString& name, const QString& text) {
    if (auto* label = control<QLabel>(name))
        label->setText(text);
}

QString KVWindow::labelText(const QString& name) const {
    const auto* label = control<QLabel>(name);
    return label ? label->text() : QString();
}

int KVWindow::menuBarHeight() const {
    const QWidget* bar = menuWidget();
    if (!bar || bar->isHidden())
        return 0;
    return bar->sizeHint().height();
}

QSize KVWindow::contentSize() const { return content->size(); }

void KVWindow::setContentHeight(int height) { resize(width(), height + menuBarHeight()); }

void KVWindow::resizeContent(int height) {
    const QSize target(lastContentSize.width(), std::max(height, 0));
    anchorControls(lastContentSize, target);
    lastContentSize = target;
    setContentHeight(height);
}

void KVWindow::setContentMinimumHeight(int height) {
    setMinimumHeight(height + menuBarHeight());
}

int KVWindow::currentPage() const { return control<QTabWidget>(QStringLiteral("tabMain"))->currentIndex(); }

void KVWindow::showPage(int page) {
    control<QTabWidget>(QStringLiteral("tabMain"))->setCurrentIndex(page);
}

} // namespace kv
