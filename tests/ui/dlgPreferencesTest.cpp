#include "ui/dlgPreferences.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

using namespace kv;

namespace {

class PreferencesDialog : public test::WindowFixture {
protected:
    dlgPreferences* open() {
        auto* d = new dlgPreferences(
            *app, [this] { ++storedCalls; }, window.get());
        d->open();
        return d;
    }
    void store(const char* yellow, const char* red) {
        app->setPref("Free_Space_Monitor", "Yellow_Threshold", yellow);
        app->setPref("Free_Space_Monitor", "Red_Threshold", red);
    }
    QString stored(const char* key) {
        return app->getPref("Free_Space_Monitor", QString::fromLatin1(key), "<none>");
    }
    static QSlider* slider(dlgPreferences* d, const char* name) {
        return d->findChild<QSlider*>(QString::fromLatin1(name));
    }
    // "yellow/red yellow%/red%" as the dialog shows them.
    static QString shown(dlgPreferences* d) {
        return QStringLiteral("%1/%2 %3/%4")
            .arg(slider(d, "sldYellow")->value())
            .arg(slider(d, "sldRed")->value())
            .arg(d->findChild<QLabel*>("txtYellow")->text(),
                 d->findChild<QLabel*>("txtRed")->text());
    }
    int storedCalls = 0;
};

TEST_F(PreferencesDialog, OpensWithTheDefaultsAsAFixedSheet) {
    window->show();
    dlgPreferences* d = open();
    EXPECT_EQ(shown(d), "30/10 30%/10%");
    EXPECT_EQ(d->windowTitle(), "Preferences");
    EXPECT_EQ(d->size(), QSize(387, 130));
    EXPECT_EQ(d->minimumSize(), d->maximumSize());
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    QSlider* red = slider(d, "sldRed");
    EXPECT_EQ(red->geometry(), QRect(195, 50, 120, 16));
    EXPECT_EQ(red->singleStep(), 5);
    EXPECT_EQ(red->pageStep(), 20);
    EXPECT_EQ(red->maximum(), 100);
    EXPECT_EQ(d->findChild<QPushButton*>("btnOK")->nextInFocusChain()->objectName(), "btnCancel");
    d->btnCancel_Action();
    EXPECT_EQ(stored("Yellow_Threshold"), "<none>");
}

TEST_F(PreferencesDialog, AStoredRedAboveYellowOpensCorrectedAndIsStoredOnlyOnOk) {
    store("5", "20");
    dlgPreferences* d = open();
    EXPECT_EQ(shown(d), "21/20 21%/20%");
    d->btnCancel_Action();
    EXPECT_EQ(stored("Yellow_Threshold"), "5");
    EXPECT_EQ(stored("Red_Threshold"), "20");
    EXPECT_EQ(storedCalls, 0);

    d = open();
    d->findChild<QPushButton*>("btnOK")->click();
    EXPECT_EQ(stored("Yellow_Threshold"), "21");
    EXPECT_EQ(stored("Red_Threshold"), "20");
    EXPECT_EQ(storedCalls, 1);
}

TEST_F(PreferencesDialog, OpensAValidStoredPairAsItIs) {
    // Yellow below the slider's initial red of 10, but above the stored red.
    store("5", "3");
    dlgPreferences* d = open();
    EXPECT_EQ(shown(d), "5/3 5%/3%");
    store("not a number", "");
    d->btnCancel_Action();
    d = open();
    EXPECT_EQ(shown(d), "0/0 0%/0%");
    d->btnCancel_Action();
}

TEST_F(PreferencesDialog, KeepsYellowAtOrAboveRedWhileEitherMoves) {
    const struct {
        int yellow, red; // start
        const char* slider;
        int value;
        const char* after;
    } cases[] = {
        {30, 10, "sldRed", 60, "61/60 61%/60%"},      // red pushes yellow up
        {30, 10, "sldYellow", 5, "11/10 11%/10%"},    // yellow jumps back above red
        {25, 25, "sldYellow", 25, "25/25 25%/25%"},   // equal values stay
        {40, 10, "sldRed", 0, "40/0 40%/0%"},         // red 0 leaves yellow
        {40, 0, "sldYellow", 0, "0/0 0%/0%"},         // yellow 0 only while red is 0
        {40, 10, "sldRed", 100, "100/100 100%/100%"}, // yellow stays within the range
        {50, 10, "sldYellow", 45, "45/10 45%/10%"},
    };
    for (const auto& c : cases) {
        store(QByteArray::number(c.yellow).constData(), QByteArray::number(c.red).constData());
        dlgPreferences* d = open();
        slider(d, c.slider)->setValue(c.value);
        EXPECT_EQ(shown(d), c.after) << c.slider << " to " << c.value;
        d->btnCancel_Action();
    }
}

TEST_F(PreferencesDialog, ArrowKeysMoveASliderByFive) {
    window->show();
    dlgPreferences* d = open();
    QSlider* red = slider(d, "sldRed");
    red->setFocus();
    QTest::keyClick(red, Qt::Key_Right);
    QTest::keyClick(red, Qt::Key_PageUp);
    EXPECT_EQ(shown(d), "36/35 36%/35%");
    d->btnOK_Action();
    EXPECT_EQ(stored("Red_Threshold"), "35");
}

} // namespace
