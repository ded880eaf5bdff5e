#include "ui/dlgFilters.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kv;

namespace {

class FiltersDialog : public test::WindowFixture {
protected:
    dlgFilters* open() {
        window->btnFilters_Action();
        auto* d = window->findChild<dlgFilters*>();
        EXPECT_NE(d, nullptr);
        return d;
    }
    // Drops the closed dialog, so that the next opening creates a new one.
    void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QCheckBox* box(dlgFilters* d, const char* name) {
        return d->findChild<QCheckBox*>(QString::fromLatin1(name));
    }
    QLineEdit* field(dlgFilters* d, const char* name) {
        return d->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString pref(const char* section, const char* key) {
        return app->getPref(QString::fromLatin1(section), QString::fromLatin1(key), "<none>");
    }
};

TEST_F(FiltersDialog, OpensAsAFixedWindowModalSheetWithEverythingOffAndItsFocusOrder) {
    window->show();
    dlgFilters* d = open();
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "File Filters");
    EXPECT_EQ(d->size(), QSize(360, 250));
    EXPECT_EQ(d->minimumSize(), d->maximumSize()) << "not resizable";
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    EXPECT_EQ(d->parentWidget(), window.get());
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint) << "left only by its buttons";

    for (const char* name : {"chkVideo", "chkAudio", "chkInclude", "chkSkip"})
        EXPECT_FALSE(box(d, name)->isChecked()) << name;
    EXPECT_EQ(field(d, "edtInclude")->text(), "");
    EXPECT_EQ(field(d, "edtSkip")->text(), "");
    EXPECT_EQ(box(d, "chkInclude")->geometry(), QRect(20, 78, 320, 20));
    EXPECT_EQ(field(d, "edtSkip")->geometry(), QRect(50, 176, 290, 22));
    EXPECT_TRUE(d->findChild<QPushButton*>("btnOK")->isDefault());

    QStringList order;
    QWidget* w = box(d, "chkInclude");
    for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, (QStringList{"chkInclude", "edtInclude", "chkSkip", "edtSkip", "chkVideo",
                                  "chkAudio", "btnOK", "btnCancel"}));
    d->btnCancel_Action();
}

TEST_F(FiltersDialog, OkStoresATextOnlyWhenItsBoxIsTickedAndKeepsItAsTyped) {
    dlgFilters* d = open();
    box(d, "chkVideo")->setChecked(true);
    box(d, "chkInclude")->setChecked(true); // ticked, but nothing typed
    field(d, "edtSkip")->setText(" tmp ");  // typed, but not ticked
    d->findChild<QPushButton*>("btnOK")->click();

    EXPECT_EQ(pref("Filters", "skipVideo"), "true");
    EXPECT_EQ(pref("Filters", "skipAudio"), "false");
    EXPECT_EQ(pref("Filters", "include"), "");
    EXPECT_EQ(pref("Filters", "skip"), "");
    EXPECT_EQ(pref("File Filters", "IncludeByName"), "true");
    EXPECT_EQ(pref("File Filters", "SkipByNameText"), " tmp ");
    EXPECT_TRUE(window->tmrDeferRefresh.isActive()) << "the page's lists are rebuilt";
    EXPECT_TRUE(window->lockTabs);

    flush();
    d = open();
    EXPECT_FALSE(box(d, "chkInclude")->isChecked()) << "an empty include filter is off";
    EXPECT_EQ(field(d, "edtSkip")->text(), "") << "the settings in force replace the record";
    EXPECT_TRUE(box(d, "chkVideo")->isChecked());
    box(d, "chkSkip")->setChecked(true);
    field(d, "edtSkip")->setText(" tmp ");
    d->btnOK_Action();
    EXPECT_EQ(pref("Filters", "skip"), " tmp ") << "not trimmed";
}

TEST_F(FiltersDialog, CancelAfterEditsLeavesTheFiltersAndRecordsTheEditedState) {
    app->setPref("Filters", "include", "A001");
    dlgFilters* d = open();
    EXPECT_TRUE(box(d, "chkInclude")->isChecked());
    EXPECT_EQ(field(d, "edtInclude")->text(), "A001");
    box(d, "chkInclude")->setChecked(false);
    box(d, "chkAudio")->setChecked(true);
    field(d, "edtInclude")->setText("B002");
    QTest::keyClick(d, Qt::Key_Escape); // the cancel button's key

    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(pref("Filters", "include"), "A001");
    EXPECT_EQ(pref("Filters", "skipAudio"), "<none>");
    EXPECT_EQ(pref("File Filters", "IncludeByName"), "false");
    EXPECT_EQ(pref("File Filters", "IncludeByNameText"), "B002");
    EXPECT_EQ(pref("File Filters", "Audio"), "true");
    EXPECT_FALSE(window->tmrDeferRefresh.isActive());
}

TEST_F(FiltersDialog, SwitchesAreOnOnlyForTrueInAnyCase) {
    for (const char* stored : {"TRUE", "True", "yes", "1", ""}) {
        app->setPref("Filters", "skipAudio", stored);
        app->setPref("File Filters", "Audio", "true"); // the record never wins
        dlgFilters* d = open();
        EXPECT_EQ(box(d, "chkAudio")->isChecked(), QByteArray(stored).toLower() == "true")
            << stored;
        d->btnCancel_Action();
        flush();
    }
}

TEST_F(FiltersDialog, TheButtonAndTheMenuItemOpenTheOneDialog) {
    window->show();
    window->findChild<QPushButton*>("btnFilters")->click();
    dlgFilters* first = window->findChild<dlgFilters*>();
    ASSERT_TRUE(first);
    window->Filters_Action();
    EXPECT_EQ(window->findChildren<dlgFilters*>().size(), 1);
    EXPECT_EQ(window->findChild<dlgFilters*>(), first);
    first->btnCancel_Action();
}

} // namespace
