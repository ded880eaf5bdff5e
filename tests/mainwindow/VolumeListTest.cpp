#include "support/WindowFixture.h"

#include <QLabel>
#include <QTest>

using namespace kv;

namespace {

class VolumeList : public test::WindowFixture {
protected:
    void prepare(AppCore&) override {
        volumes.add("Media", "/media/Media/", 4527, 10000);
        volumes.add("Backup", "/media/Backup/", 999, 10000);
        volumes.add("Odd", "/media/Odd/", 0, 0);
    }
    QStringList column(int c) {
        QStringList out;
        for (const ListRow& r : list(ListId::Volumes).rows())
            out << r.cell(c);
        return out;
    }
    QPoint rowCentre(int row) {
        CheckListView* view = window->listView(ListId::Volumes);
        return view->visualRect(list(ListId::Volumes).index(row, 0)).center() + QPoint(40, 0);
    }
};

TEST_F(VolumeList, OnTheFirstRunEveryVolumeIsChosenAndItsChoiceStored) {
    EXPECT_EQ(column(0), (QStringList{"Media", "Backup", "Odd"}));
    EXPECT_EQ(column(1), (QStringList{"45.27", "9.99", ""}));
    EXPECT_EQ(list(ListId::Volumes).row(0).tag(0), "/media/Media/");
    EXPECT_EQ(list(ListId::Volumes).checkedCount(), 3);
    for (const char* name : {"Media", "Backup", "Odd"})
        EXPECT_EQ(app->prefs.getPref("Volumes", name, "none"), "1") << name;
    EXPECT_EQ(window->labelText("vFoundFld"), "3");
    EXPECT_EQ(window->labelText("vSelectFld"), "3");
}

TEST_F(VolumeList, AnUncheckedVolumeStaysUncheckedAfterARefreshAndARestart) {
    list(ListId::Volumes).setChecked(1, false);
    EXPECT_EQ(app->prefs.getPref("Volumes", "Backup", "1"), "0");
    EXPECT_EQ(window->labelText("vSelectFld"), "2");
    window->RefreshVolumes_Action();
    EXPECT_EQ(list(ListId::Volumes).checkedFlags(), (QVector<bool>{true, false, true}));

    window.reset();
    window = std::make_unique<KVWindow>(*app, new MainMenu);
    EXPECT_EQ(list(ListId::Volumes).checkedFlags(), (QVector<bool>{true, false, true}));
    EXPECT_EQ(window->labelText("vSelectFld"), "2");
}

TEST_F(VolumeList, ChangingTheChoiceEmptiesTheMediaFolderList) {
    list(ListId::MediaFolders).appendRow(row({"/media/Media/Avid MediaFiles/MXF/1/", "x"}, true));
    window->setControlEnabled("btnFindMediaFolders", false);
    window->ListCheckSelectAll(ListId::Volumes, false);
    EXPECT_EQ(list(ListId::MediaFolders).count(), 0);
    EXPECT_TRUE(window->findControl("btnFindMediaFolders")->isEnabledTo(window.get()));
    EXPECT_EQ(window->labelText("vSelectFld"), "0");
}

TEST_F(VolumeList, ClicksDoNothingWhileADeferredRefreshIsPending) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QWidget* viewport = window->listView(ListId::Volumes)->viewport();
    window->lockTabs = true;
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(2));
    EXPECT_EQ(list(ListId::Volumes).checkedCount(), 3);
    window->lockTabs = false;
    QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(2));
    EXPECT_EQ(list(ListId::Volumes).checkedFlags(), (QVector<bool>{false, false, true}))
        << "a plain click selects (and checks) only that row";
}

} // namespace
