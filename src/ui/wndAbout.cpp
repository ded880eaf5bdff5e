#include "ui/wndAbout.h"

#include "app/Version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>

namespace kv {

namespace {

QPointer<wndAbout>& theInstance() {
    static QPointer<wndAbout> instance;
    return instance;
}

} // namespace

wndAbout::wndAbout(QString picturePath) : picturePath(std::move(picturePath)) {
    setObjectName(QStringLiteral("wndAbout"));
    setWindowTitle(QStringLiteral("About Kelvara"));
    setFixedSize(640, 360);
}

wndAbout* wndAbout::instance() {
    QPointer<wndAbout>& instance = theInstance();
    if (!instance)
        instance = new wndAbout;
    return instance;
}

const QImage& wndAbout::picture() {
    if (!pictureLoaded) {
        splash.load(picturePath);
        pictureLoaded = true; // a missing picture is not looked for again
    }
    return splash;
}

bool wndAbout::hasPicture() {
    return !picture().isNull();
}

void wndAbout::SelfShow(QWidget* parent) {
    const Qt::WindowFlags flags = parent ? Qt::Sheet | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                         : Qt::Window | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (parentWidget() != parent || windowFlags() != flags) {
        hide();
        setParent(parent, flags);
    }
    setWindowModality(parent ? Qt::WindowModal : Qt::NonModal);
    setFixedSize(640, 360);
    show();
}

void wndAbout::SelfClose() {
    const bool mainShowing = KVWindowVisible();
    hide();
    if (!mainShowing)
        Q_EMIT mainWindowWanted();
}

bool wndAbout::KVWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("kv::KVWindow"))
            return true;
    return false;
}

void wndAbout::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& image = picture();
    if (!image.isNull()) {
        p.drawImage(rect(), image);
        return;
    }
    p.fillRect(rect(), palette().window());
    QFont f = font();
    f.setPointSize(36);
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().windowText().color());
    p.drawText(rect(), Qt::AlignCenter,
               QString::fromLatin1(kProductName) + u' ' + QString::fromLatin1(kProductVersion));
}

void wndAbout::mousePressEvent(QMouseEvent* event) {
    event->accept();
    SelfClose();
}

void wndAbout::closeEvent(QCloseEvent* event) {
    event->ignore(); // hidden, not closed: the next opening shows this same window
    SelfClose();
}

} // namespace kv
