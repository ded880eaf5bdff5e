#include "ui/dlgFilters.h"

#include "app/AppCore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace kv {

namespace {

const QString kFilters = QStringLiteral("Filters");
const QString kRecord = QStringLiteral("File Filters");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

bool isTrue(const QString& value) {
    return value.compare(kTrue, Qt::CaseInsensitive) == 0;
}
QString switchText(bool on) {
    return on ? kTrue : kFalse;
}

template <typename T> T* placed(T* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

} // namespace

dlgFilters::dlgFilters(AppCore& app, std::function<void()> refresh, QWidget* parent)
    : QDialog(parent, Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint), app(app),
      refresh(std::move(refresh)) {
    setObjectName(QStringLiteral("dlgFilters"));
    setWindowTitle(QStringLiteral("File Filters"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(360, 250);
    setSizeGripEnabled(false);

    chkVideo = placed(new QCheckBox(QStringLiteral("Skip Video Files (OMF, MXF, MOV)"), this),
                      "chkVideo", {20, 14, 320, 20});
    chkAudio = placed(new QCheckBox(QStringLiteral("Skip Audio Files (AIFF, WAV, MP3)"), this),
                      "chkAudio", {20, 46, 320, 20});
    chkInclude =
        placed(new QCheckBox(QStringLiteral("Only include files with names containing:"), this),
               "chkInclude", {20, 78, 320, 20});
    edtInclude = placed(new QLineEdit(this), "edtInclude", {50, 110, 290, 22});
    chkSkip = placed(new QCheckBox(QStringLiteral("Skip files with names containing:"), this),
                     "chkSkip", {20, 144, 320, 20});
    edtSkip = placed(new QLineEdit(this), "edtSkip", {50, 176, 290, 22});
    btnCancel =
        placed(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel", {94, 210, 80, 20});
    btnOK = placed(new QPushButton(QStringLiteral("OK"), this), "btnOK", {186, 210, 80, 20});
    btnOK->setDefault(true);
    btnCancel->setAutoDefault(false);

    setTabOrder(chkInclude, edtInclude);
    setTabOrder(edtInclude, chkSkip);
    setTabOrder(chkSkip, edtSkip);
    setTabOrder(edtSkip, chkVideo);
    setTabOrder(chkVideo, chkAudio);
    setTabOrder(chkAudio, btnOK);
    setTabOrder(btnOK, btnCancel);
    chkInclude->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &dlgFilters::btnOK_Action);
    connect(btnCancel, &QPushButton::clicked, this, &dlgFilters::btnCancel_Action);

    // Each control loads its record first; the open step then shows the settings in force.
    chkInclude->setChecked(isTrue(app.getPref(kRecord, QStringLiteral("IncludeByName"), kFalse)));
    edtInclude->setText(app.getPref(kRecord, QStringLiteral("IncludeByNameText"), QString()));
    chkSkip->setChecked(isTrue(app.getPref(kRecord, QStringLiteral("SkipByName"), kFalse)));
    edtSkip->setText(app.getPref(kRecord, QStringLiteral("SkipByNameText"), QString()));
    chkVideo->setChecked(isTrue(app.getPref(kRecord, QStringLiteral("Video"), kFalse)));
    chkAudio->setChecked(isTrue(app.getPref(kRecord, QStringLiteral("Audio"), kFalse)));
    Event_Open();
}

void dlgFilters::Event_Open() {
    chkVideo->setChecked(isTrue(app.getPref(kFilters, QStringLiteral("skipVideo"), kFalse)));
    chkAudio->setChecked(isTrue(app.getPref(kFilters, QStringLiteral("skipAudio"), kFalse)));
    const QString include = app.getPref(kFilters, QStringLiteral("include"), QString());
    chkInclude->setChecked(!include.isEmpty());
    edtInclude->setText(include);
    const QString skip = app.getPref(kFilters, QStringLiteral("skip"), QString());
    chkSkip->setChecked(!skip.isEmpty());
    edtSkip->setText(skip);
}

void dlgFilters::btnOK_Action() {
    app.setPref(kFilters, QStringLiteral("skipVideo"), switchText(chkVideo->isChecked()));
    app.setPref(kFilters, QStringLiteral("skipAudio"), switchText(chkAudio->isChecked()));
    // A name filter is on exactly when its text is not empty; texts are kept as typed.
    app.setPref(kFilters, QStringLiteral("include"),
                chkInclude->isChecked() ? edtInclude->text() : QString());
    app.setPref(kFilters, QStringLiteral("skip"),
                chkSkip->isChecked() ? edtSkip->text() : QString());
    if (refresh)
        refresh();
    accept();
}

void dlgFilters::btnCancel_Action() {
    reject();
}

void dlgFilters::done(int result) {
    recordState();
    QDialog::done(result);
}

void dlgFilters::recordState() {
    app.setPref(kRecord, QStringLiteral("IncludeByName"), switchText(chkInclude->isChecked()));
    app.setPref(kRecord, QStringLiteral("IncludeByNameText"), edtInclude->text());
    app.setPref(kRecord, QStringLiteral("SkipByName"), switchText(chkSkip->isChecked()));
    app.setPref(kRecord, QStringLiteral("SkipByNameText"), edtSkip->text());
    app.setPref(kRecord, QStringLiteral("Video"), switchText(chkVideo->isChecked()));
    app.setPref(kRecord, QStringLiteral("Audio"), switchText(chkAudio->isChecked()));
}

} // namespace kv
