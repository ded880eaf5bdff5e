#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kv {

class AppCore;

// "File Filters": edits the four filter settings of section "Filters" that decide which
// listed media files start checked. OK stores them and asks for a refresh of the page
// shown; Cancel stores nothing there. Either way the close records the dialog's own state
// in section "File Filters". A window-modal sheet of the main window, left only by its
// two buttons; deleted when it closes.
class dlgFilters : public QDialog {
    Q_OBJECT
public:
    dlgFilters(AppCore& app, std::function<void()> refresh, QWidget* parent);

    void btnOK_Action();
    void btnCancel_Action();

protected:
    void done(int result) override;

private:
    void Event_Open();
    void recordState();

    AppCore& app;
    std::function<void()> refresh;
    QCheckBox* chkVideo;
    QCheckBox* chkAudio;
    QCheckBox* chkInclude;
    QLineEdit* edtInclude;
    QCheckBox* chkSkip;
    QLineEdit* edtSkip;
    QPushButton* btnCancel;
    QPushButton* btnOK;
};

} // namespace kv
