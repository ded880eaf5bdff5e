#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QSlider;

namespace kv {

class AppCore;

// "Preferences": the free-space monitor's yellow and red alert thresholds. Yellow is kept
// at or above red on screen. OK stores both values and calls `stored` (the main window
// repaints its volume list); Cancel stores nothing. A window-modal sheet of the main
// window, read afresh each time it opens and deleted when it closes.
class dlgPreferences : public QDialog {
    Q_OBJECT
public:
    dlgPreferences(AppCore& app, std::function<void()> stored, QWidget* parent);

    void sliderUpdate();
    void btnOK_Action();
    void btnCancel_Action();

private:
    void Event_Open();

    AppCore& app;
    std::function<void()> stored;
    QSlider* sldYellow;
    QSlider* sldRed;
    QLabel* txtYellow;
    QLabel* txtRed;
    QPushButton* btnCancel;
    QPushButton* btnOK;
};

} // namespace kv
