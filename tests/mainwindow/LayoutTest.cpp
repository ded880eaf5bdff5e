#include "mainwindow/SplitterDrag.h"
#include "support/WindowFixture.h"

#include <QTest>
#include <QToolButton>

using namespace kv;

namespace {

class Layout : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QRect rect(const char* name) { return window->controlRect(QString::fromLatin1(name)); }
    // Drags a splitter by dx, as the user does: press, move, release.
    void drag(const char* splitter, int dx) {
        QWidget* s = window->findControl(QString::fromLatin1(splitter));
        const QPoint start(3, 3);
        const QPoint target = s->mapToGlobal(start) + QPoint(dx, 0);
        QTest::mousePress(s, Qt::LeftButton, {}, start);
        QTest::mouseMove(s, s->mapFromGlobal(target - QPoint(dx / 2, 0)));
        QTest::mouseMove(s, s->mapFromGlobal(target));
        QTest::mouseRelease(s, Qt::LeftButton, {}, s->mapFromGlobal(target));
    }
    // A resize by the user (the window's own code does not ask for it); waits until it
    // counts as ended.
    void userResize(int width, int height) {
        window->resize(width, height + window->menuBarHeight());
        ASSERT_TRUE(test::waitFor([&] { return window->contentSize() == QSize(width, height); }));
        ASSERT_TRUE(window->tmrResizeEnded.isActive()) << "a resize by the user";
        ASSERT_TRUE(test::waitFor([&] { return !window->tmrResizeEnded.isActive(); }));
    }
    QString bound(const char* key) {
        return app->getPref("Main Window", QString::fromLatin1(key), "<none>");
    }
};

TEST_F(Layout, SplittersStopAtTheMinimumWidthAndMoveTheButtonsOfTheRightList) {
    const struct {
        int page;
        const char* splitter;
        const char* left;
        const char* right;
        const char* follower;
        const char* staysPut;
        int minimum;
    } cases[] = {
        {0, "cnvSizerVolumes", "VolumeList", "MediaFolderList", "btnNoMediaFolders", "btnNoVolumes",
         240},
        {1, "cnvSizerOnline", "ProjectList", "FileList", "btnAllFiles", "btnAllProjects", 222},
        {2, "cnvSizerOffline", "OfflineProjectList", "OfflineFileList", "btnNoOfflineFiles",
         "btnNoOfflineProjects", 222},
    };
    for (const auto& c : cases) {
        window->showPage(c.page);
        const QRect left = rect(c.left), right = rect(c.right), handle = rect(c.splitter);
        const QRect follower = rect(c.follower), other = rect(c.staysPut);

        drag(c.splitter, -1000);
        const int d = c.minimum - left.width(); // 0 for the volume list: it can only grow
        EXPECT_EQ(rect(c.left), QRect(left.topLeft(), QSize(c.minimum, left.height())))
            << c.splitter;
        EXPECT_EQ(rect(c.right), right.adjusted(d, 0, 0, 0)) << c.splitter;
        EXPECT_EQ(rect(c.splitter), handle.translated(d, 0)) << c.splitter;
        EXPECT_EQ(rect(c.follower), follower.translated(d, 0)) << c.follower;
        EXPECT_EQ(rect(c.staysPut), other) << c.staysPut;

        drag(c.splitter, 2000);
        EXPECT_EQ(rect(c.right).width(), c.minimum) << c.splitter;
        EXPECT_EQ(rect(c.right).right(), right.right()) << "the right edge stays";
        EXPECT_EQ(rect(c.left).left(), left.left());
        EXPECT_EQ(rect(c.follower).left() - follower.left(), rect(c.right).left() - right.left());

        // The widget on screen follows the rectangle kept in window coordinates.
        QWidget* w = window->findControl(QString::fromLatin1(c.right));
        EXPECT_EQ(w->mapTo(window->centralWidget(), QPoint(0, 0)), rect(c.right).topLeft());
    }
}

TEST_F(Layout, WideningTheWindowWidensOnlyTheRightListsAndCentresTheSplitters) {
    window->showPage(1);
    drag("cnvSizerOnline", 30);
    const QRect projects = rect("ProjectList"), files = rect("FileList");
    const QRect handle = rect("cnvSizerOnline");
    const QSize before = window->contentSize();
    userResize(before.width() + 100, before.height() + 100);
    EXPECT_EQ(rect("ProjectList"), projects.adjusted(0, 0, 0, 100));
    EXPECT_EQ(rect("FileList"), files.adjusted(0, 0, 100, 100));
    EXPECT_EQ(rect("cnvSizerOnline").left(), handle.left());
    EXPECT_EQ(rect("MediaFolderList").width(), 500 + 100);
    EXPECT_EQ(rect("VolumeList").width(), 240);

    const QRect volumes = rect("VolumeList");
    const int y = int(volumes.top() + volumes.height() / 2.0 - 3);
    for (const char* s : {"cnvSizerVolumes", "cnvSizerOnline", "cnvSizerOffline"})
        EXPECT_EQ(rect(s).top(), y) << s;
}

TEST_F(Layout, TheEndOfAResizeStoresTheBoundsWithTheHeightBelowTheFiltersButton) {
    window->move(40, 70);
    QCoreApplication::processEvents();
    EXPECT_EQ(bound("Left"), "<none>") << "moving stores nothing";

    userResize(900, 480);
    const QRect g = window->geometry();
    EXPECT_EQ(bound("Left"), QString::number(g.left()));
    EXPECT_EQ(bound("Top"), QString::number(g.top()));
    EXPECT_EQ(bound("Width"), "900");
    EXPECT_EQ(rect("btnFilters").top(), 404 + 34);
    EXPECT_EQ(bound("Height"), QString::number(404 + 34 + 42));
    // The console disclosure sits 20 below the filters button, at every step of a resize.
    EXPECT_EQ(rect("discloseConsole").top(), rect("btnFilters").top() + 20);
    EXPECT_FALSE(window->controlAnchors("discloseConsole") & AnchorBottom);
}

TEST_F(Layout, WhileTheConsoleIsShownItTakesUpTheHeightAndTheStoredHeightIsWithoutIt) {
    auto* triangle = window->control<QToolButton>("discloseConsole");
    QTest::mouseClick(triangle, Qt::LeftButton); // opening resizes the window by code
    EXPECT_FALSE(window->tmrResizeEnded.isActive());
    EXPECT_EQ(bound("Height"), "<none>");
    const QRect tabs = rect("tabMain"), filters = rect("btnFilters"), notes = rect("listNotes");
    const int height = window->contentSize().height();

    userResize(836, height + 60);
    EXPECT_EQ(rect("tabMain"), tabs) << "the controls above the console stay";
    EXPECT_EQ(rect("btnFilters"), filters);
    EXPECT_EQ(rect("listNotes"), notes.adjusted(0, 0, 0, 60)) << "the console grows";
    EXPECT_EQ(bound("Height"), QString::number(filters.top() + 42));

    QTest::mouseClick(triangle, Qt::LeftButton);
    EXPECT_EQ(window->contentSize().height(), filters.top() + 40);
    userResize(836, filters.top() + 40 + 50);
    EXPECT_EQ(rect("tabMain").height(), tabs.height() + 50) << "bottom anchors are back";
    EXPECT_EQ(rect("btnFilters").top(), filters.top() + 50);
    EXPECT_EQ(bound("Height"), QString::number(filters.top() + 50 + 42));
}

TEST_F(Layout, ClosingRightAfterAResizeStillStoresTheBounds) {
    window->resize(950, 460 + window->menuBarHeight());
    ASSERT_TRUE(test::waitFor([&] { return window->contentSize() == QSize(950, 460); }));
    window->close();
    EXPECT_EQ(bound("Width"), "950");
}

class LayoutWithStoredBounds : public Layout {
    void prepare(AppCore& a) override {
        a.setPref("Main Window", "Left", "30");
        a.setPref("Main Window", "Top", "80");
        a.setPref("Main Window", "Width", "1000");
        a.setPref("Main Window", "Height", "600");
        a.SavePrefs();
    }
};

TEST_F(LayoutWithStoredBounds, ShiftHeldAtTheStartKeepsTheDesignedSize) {
    EXPECT_EQ(window->contentSize(), QSize(1000, 600));
    QTest::keyPress(window->windowHandle(), Qt::Key_Shift, Qt::ShiftModifier);
    ASSERT_TRUE(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
    KVWindow second(*app, new MainMenu);
    QTest::keyRelease(window->windowHandle(), Qt::Key_Shift);
    second.show();
    EXPECT_EQ(second.contentSize(), QSize(836, 446));
    EXPECT_EQ(second.controlRect("btnFilters").top(), 404);
    EXPECT_EQ(bound("Width"), "1000") << "opening stores nothing";
}

TEST(SplitterDrag, ParsesFollowersAsNamesWithOptionalFactors) {
    const struct {
        const char* text;
        QVector<QPair<QString, double>> followers;
    } cases[] = {
        {"btnAllMediaFolders,btnNoMediaFolders,:0.5",
         {{"btnAllMediaFolders", 1}, {"btnNoMediaFolders", 1}, {"", 0.5}}},
        {"a:2.5:ignored,b:", {{"a", 2.5}, {"b", 1}}},
        {"c:x", {{"c", 0}}}, // a factor that is no number reads as 0
    };
    for (const auto& c : cases) {
        QVector<QPair<QString, double>> got;
        for (const auto& f : SplitterDrag::parseFollowers(QString::fromLatin1(c.text)))
            got.append({f.name, f.factor});
        EXPECT_EQ(got, c.followers) << c.text;
    }
}

TEST(SplitterDrag, WhenBothListsCannotKeepTheMinimumTheRightOneDoes) {
    // Two lists of 200 with a minimum of 222: any drag ends with the right list at 222.
    const SplitterDrag drag(100, QRect(300, 0, 6, 6), QRect(90, 0, 200, 50), QRect(310, 0, 200, 50),
                            {{"follower", 0.5, 400}}, 222);
    for (int x : {100, 150, -400, 900}) {
        const SplitterDrag::Placement p = drag.placeAt(x);
        EXPECT_EQ(p.right, QRect(288, 0, 222, 50)) << x;
        EXPECT_EQ(p.left, QRect(90, 0, 178, 50)) << x;
        EXPECT_EQ(p.splitter.left(), 278) << x;
        EXPECT_EQ(p.followerLefts.value(0).second, 400 - 11) << "-22 x 0.5";
    }
}

} // namespace
