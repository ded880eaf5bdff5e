#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace kv {

// "About Kelvara": the product's splash picture in a 640 by 360 window that a click closes.
// One instance for the run, hidden rather than destroyed when it closes. When the picture
// is missing the window shows the product's name on a plain background.
class wndAbout : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kPicture = ":/KV_splashscreen_330.jpg";

    explicit wndAbout(QString picturePath = QString::fromLatin1(kPicture));

    // The single instance, created on first use.
    static wndAbout* instance();

    // Shows the window modally within parent, as a sheet; as an ordinary window without one.
    void SelfShow(QWidget* parent);
    void SelfClose();
    // Whether any open window is the main window.
    static bool KVWindowVisible();

    bool hasPicture();

Q_SIGNALS:
    // Closed while no main window was showing: the main window should open.
    void mainWindowWanted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const QImage& picture();

    QString picturePath;
    QImage splash;
    bool pictureLoaded = false;
};

} // namespace kv
