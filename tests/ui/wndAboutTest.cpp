#include "ui/wndAbout.h"
#include "support/WindowFixture.h"

#include <QSignalSpy>
#include <QTest>

using namespace kv;

namespace {

class AboutWindow : public test::WindowFixture {};

TEST_F(AboutWindow, ShowsTheSplashPictureAsASheetAndAClickAnywhereHidesIt) {
    window->show();
    wndAbout* about = wndAbout::instance();
    ASSERT_TRUE(about->hasPicture()) << "the picture ships in the resources";
    about->SelfShow(window.get());
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Kelvara");
    EXPECT_EQ(about->size(), QSize(640, 360));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_EQ(about->windowModality(), Qt::WindowModal);
    EXPECT_EQ(about->parentWidget(), window.get());

    QSignalSpy wanted(about, &wndAbout::mainWindowWanted);
    QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(600, 20));
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(wanted.count(), 0) << "the main window is showing";

    about->SelfShow(window.get());
    EXPECT_EQ(wndAbout::instance(), about) << "the same window each time";
    about->close();
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(wndAbout::instance(), about) << "hidden, not destroyed";
}

TEST_F(AboutWindow, ClosedWithoutAMainWindowShowingAsksForIt) {
    wndAbout about;
    about.SelfShow(nullptr);
    EXPECT_EQ(about.windowModality(), Qt::NonModal);
    EXPECT_FALSE(wndAbout::KVWindowVisible());
    QSignalSpy wanted(&about, &wndAbout::mainWindowWanted);
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(10, 300));
    EXPECT_EQ(wanted.count(), 1);
    window->show();
    EXPECT_TRUE(wndAbout::KVWindowVisible());
}

TEST_F(AboutWindow, WithoutItsPictureShowsTheProductNameOnAPlainBackground) {
    wndAbout about(QStringLiteral(":/no-such-picture.jpg"));
    about.SelfShow(nullptr);
    EXPECT_FALSE(about.hasPicture());
    const QImage shot = about.grab().toImage();
    EXPECT_EQ(shot.size(), QSize(640, 360));
    const QRgb background = shot.pixel(5, 5);
    int textPixels = 0;
    for (int y = 120; y < 240; ++y)
        for (int x = 100; x < 540; ++x)
            textPixels += shot.pixel(x, y) != background;
    EXPECT_GT(textPixels, 500) << "the name is drawn in the middle";
    about.hide();
}

} // namespace
