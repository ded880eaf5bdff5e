// Screenshots of the window's three pages with rows in their lists, of the two dialogs and
// of the About window, saved into the build folder's test output. The user's guide
// (docs/guide) uses copies of them.

#include "support/WindowFixture.h"
#include "ui/NiceSize.h"
#include "ui/dlgFilters.h"
#include "ui/dlgPreferences.h"
#include "ui/wndAbout.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>

using namespace kv;

namespace {

class Screenshots : public test::WindowFixture {
protected:
    void fillLists() {
        const QString a = "/media/edit/Media A/", b = "/media/edit/Media B/";
        list(ListId::Volumes)
            .setRows({row({"/", "71"}), row({a, "38"}, true), row({b, "9"}, true)});
        list(ListId::MediaFolders)
            .setRows(
                {row({a + "Avid MediaFiles/MXF/1/", a + "Kelvara Offline/Avid MediaFiles/MXF/1/"},
                     true),
                 row({a + "Avid MediaFiles/MXF/2/", a + "Kelvara Offline/Avid MediaFiles/MXF/2/"},
                     true),
                 row({b + "OMFI MediaFiles/", b + "Kelvara Offline/OMFI MediaFiles/"})});
        list(ListId::Projects)
            .setRows({row({"Harbour Lights", "412", "183572938752"}, true),
                      row({"Northern Line Promo", "96", "21474836480"}),
                      row({"Tidewater (Director's Cut)", "1288", "902435868672"}),
                      row({"~ No Project Name: no header metadata", "3", "1572864"})});
        list(ListId::Files)
            .setRows({
                row({"A001C003_230415_R1ZK.V1.mxf", "1073741824", "4/15/23"}, true),
                row({"A001C003_230415_R1ZK.A1.mxf", "48234496", "4/15/23"}, true),
                row({"A001C003_230415_R1ZK.A2.mxf", "48234496", "4/15/23"}, true),
                row({"B002C011_230416_R2QF.V1.mxf", "2147483648", "4/16/23"}),
            });
        list(ListId::OfflineProjects)
            .setRows({row({"Summer Campaign 2022", "640", "412316860416"}, true)});
        list(ListId::OfflineFiles)
            .setRows({
                row({"SC22_interview_01.V1.mxf", "5368709120", "8/2/22"}, true),
                row({"SC22_interview_01.A1.mxf", "251658240", "8/2/22"}),
            });
        for (ListId id : {ListId::Projects, ListId::OfflineProjects})
            list(id).setDisplayFormatter(
                2, [](const QString& s) { return FileUtilities::niceSize(s); });
        for (ListId id : {ListId::Files, ListId::OfflineFiles})
            list(id).setDisplayFormatter(
                1, [](const QString& s) { return FileUtilities::niceSize(s); });
        const struct {
            const char* label;
            const char* text;
        } labels[] = {{"vSelectFld", "2"},
                      {"vFoundFld", "3"},
                      {"fSelectFld", "2"},
                      {"fFoundFld", "3"},
                      {"pjSelectFld", "1"},
                      {"ffSelectFld", "3"},
                      {"SizeSelectedFld", "1.09 GB"},
                      {"pjFoundFld", "4"},
                      {"TotalFilesFld", "1,799"},
                      {"TotalSizeFld", "1 TB"},
                      {"opjSelectFld", "1"},
                      {"ofSelectFld", "1"},
                      {"OffSizeSelectedFld", "5 GB"},
                      {"opjFoundFld", "1"},
                      {"ofTotalFld", "640"},
                      {"TotalSizeOffFld", "384 GB"}};
        for (const auto& l : labels)
            window->setLabelText(l.label, l.text);
        // As after the scans: both sides are up to date, so showing a page scans nothing.
        model().dirtyOnline = false;
        model().dirtyOffline = false;
    }
    void save(QWidget* w, const char* name) {
        QCoreApplication::processEvents();
        const QString path = test::outputDir() + "/" + name;
        const QImage shot = w->grab().toImage();
        ASSERT_FALSE(shot.isNull()) << name;
        ASSERT_TRUE(shot.save(path)) << path.toStdString();
        EXPECT_GE(shot.width(), w->width()) << name;
    }
};

TEST_F(Screenshots, OfTheThreePagesTheDialogsAndTheAboutWindowAreSaved) {
    fillLists();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const char* pages[] = {"guide-media-folders.png", "guide-online-media.png",
                           "guide-offline-media.png"};
    for (int page = 0; page < 3; ++page) {
        window->showPage(page);
        for (ListId id : {ListId::Volumes, ListId::MediaFolders, ListId::Projects, ListId::Files,
                          ListId::OfflineProjects, ListId::OfflineFiles})
            window->ListSelectChecked(id);
        window->setControlEnabled(page == 1 ? "btnMoveOffline" : "btnMoveOnline", true);
        window->setControlEnabled("btnCopyToFolder", page == 2);
        window->setControlEnabled("btnAnalyzeOnline", page == 0);
        for (const char* b : {"btnAllOfflineProjects", "btnNoOfflineProjects", "btnAllOfflineFiles",
                              "btnNoOfflineFiles"})
            window->setControlEnabled(b, true);
        save(window.get(), pages[page]);
    }
    EXPECT_EQ(list(ListId::Files).checkedCount(), 3) << "the lists kept their rows";

    window->btnFilters_Action();
    auto* filters = window->findChild<dlgFilters*>();
    ASSERT_TRUE(filters);
    filters->findChild<QCheckBox*>("chkVideo")->setChecked(false);
    filters->findChild<QCheckBox*>("chkSkip")->setChecked(true);
    filters->findChild<QLineEdit*>("edtSkip")->setText(".A2.");
    save(filters, "guide-file-filters.png");
    filters->btnCancel_Action();

    auto* prefs = new dlgPreferences(*app, {}, window.get());
    prefs->open();
    save(prefs, "guide-preferences.png");
    prefs->btnCancel_Action();

    wndAbout* about = wndAbout::instance();
    about->SelfShow(window.get());
    save(about, "guide-about.png");
    about->SelfClose();
}

} // namespace
