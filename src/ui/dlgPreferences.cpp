#include "ui/dlgPreferences.h"

#include "ui/FreeSpaceThresholds.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

namespace kv {

namespace {

template <typename T> T* placed(T* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

QSlider* thresholdSlider(QWidget* parent, int value) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setSingleStep(5);
    slider->setPageStep(20);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setTracking(true); // reports changes while dragging
    slider->setValue(value);
    return slider;
}

QString percent(int value) {
    return QString::number(value) + u'%';
}

} // namespace

dlgPreferences::dlgPreferences(AppCore& app, std::function<void()> stored, QWidget* parent)
    : QDialog(parent, Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      app(app), stored(std::move(stored)) {
    setObjectName(QStringLiteral("dlgPreferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(387, 130);

    placed(new QLabel(QStringLiteral("Free space yellow alert:"), this), "Label1",
           {20, 14, 163, 20});
    sldYellow = placed(thresholdSlider(this, 30), "sldYellow", {195, 18, 120, 16});
    txtYellow = placed(new QLabel(QStringLiteral("30%"), this), "txtYellow", {327, 14, 40, 20});
    placed(new QLabel(QStringLiteral("Free space red alert:"), this), "Label2", {20, 46, 163, 20});
    sldRed = placed(thresholdSlider(this, 10), "sldRed", {195, 50, 120, 16});
    txtRed = placed(new QLabel(QStringLiteral("10%"), this), "txtRed", {327, 46, 40, 20});
    btnCancel =
        placed(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel", {195, 90, 80, 20});
    btnOK = placed(new QPushButton(QStringLiteral("OK"), this), "btnOK", {287, 90, 80, 20});
    btnOK->setDefault(true);
    btnCancel->setAutoDefault(false);
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(p);
    }

    setTabOrder(btnOK, btnCancel);
    setTabOrder(btnCancel, sldYellow);
    setTabOrder(sldYellow, sldRed);
    btnOK->setFocus();

    connect(sldYellow, &QSlider::valueChanged, this, &dlgPreferences::sliderUpdate);
    connect(sldRed, &QSlider::valueChanged, this, &dlgPreferences::sliderUpdate);
    connect(btnOK, &QPushButton::clicked, this, &dlgPreferences::btnOK_Action);
    connect(btnCancel, &QPushButton::clicked, this, &dlgPreferences::btnCancel_Action);
    Event_Open();
}

void dlgPreferences::Event_Open() {
    // Both values are set before the order is checked: checking after the first one alone
    // would compare a stored yellow with the slider's initial red and could raise it.
    const FreeSpaceThresholds t = FreeSpaceThresholds::read(app);
    {
        const QSignalBlocker blockYellow(sldYellow);
        const QSignalBlocker blockRed(sldRed);
        sldYellow->setValue(t.yellow);
        sldRed->setValue(t.red);
    }
    sliderUpdate();
}

void dlgPreferences::sliderUpdate() {
    const int yellow = yellowAtOrAboveRed(sldYellow->value(), sldRed->value());
    if (yellow != sldYellow->value())
        sldYellow->setValue(yellow); // runs sliderUpdate again, which finds the order right
    txtYellow->setText(percent(sldYellow->value()));
    txtRed->setText(percent(sldRed->value()));
}

void dlgPreferences::btnOK_Action() {
    FreeSpaceThresholds{sldYellow->value(), sldRed->value()}.store(app);
    if (stored)
        stored();
    accept();
}

void dlgPreferences::btnCancel_Action() {
    reject();
}

} // namespace kv
