#include "mainwindow/FreeSpacePie.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace kv;

namespace {

const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kGreen(0, 255, 0);

TEST(FreeSpacePie, TextOfTheFreeColumn) {
    EXPECT_EQ(freeSpaceText(4527, 10000), "45.27");
    EXPECT_EQ(freeSpaceText(1, 3), "33.33");
    EXPECT_EQ(freeSpaceText(0, 500), "0.00");
    EXPECT_EQ(freeSpaceText(500, 500), "100.00");
    EXPECT_EQ(freeSpaceText(0, 0), "") << "a volume of size 0";
    EXPECT_EQ(freeSpaceText(quint64(1) << 62, quint64(1) << 63), "50.00") << "no overflow";
}

TEST(FreeSpacePie, ColourWedgeAndTextByTheFreeShare) {
    const struct {
        const char* text;
        QColor colour;
        int arcPoints;
        const char* label;
    } cases[] = {
        {"45.27", kGreen, 40, "46%"}, // 39 steps of 5 degrees: 54 % of the turn
        {"9.99", kRed, 65, "10%"},     {"10.00", kYellow, 65, "11%"}, // strictly less than
        {"29.99", kYellow, 51, "30%"}, {"30.00", kGreen, 51, "31%"},
        {"0.00", kRed, 73, "1%"},      {"100.00", kGreen, 1, "100%"}, // never above 100
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FreeSpacePie pie = freeSpacePie(QSize(60, 18), QString::fromLatin1(c.text), 30, 10);
        EXPECT_EQ(pie.wedgeColour, c.colour);
        EXPECT_EQ(pie.discColour, QColor(Qt::black));
        ASSERT_EQ(pie.wedge.size(), c.arcPoints + 2) << "the centre, the arc, the centre";
        EXPECT_EQ(pie.wedge.first(), pie.wedge.last());
        EXPECT_EQ(pie.text, QString::fromLatin1(c.label));
    }
}

TEST(FreeSpacePie, GeometryInTheCell) {
    // h 18: diameter 16, radius 8, centre (12.5, 9.5) -> (12, 9).
    const FreeSpacePie pie = freeSpacePie(QSize(60, 18), "0.00", 30, 10);
    EXPECT_EQ(pie.disc, QRect(4, 1, 16, 16));
    EXPECT_EQ(pie.textAnchor, QPoint(56, 14)) << "4 px from the right, baseline 4 px up";
    const QPoint centre(12, 9);
    EXPECT_EQ(pie.wedge.first(), centre);
    EXPECT_EQ(pie.wedge[1], QPoint(12, 1)) << "the arc starts at the top";
    EXPECT_GT(pie.wedge[2].x(), pie.wedge[1].x()) << "and runs clockwise (y down)";
    for (int i = 1; i < pie.wedge.size() - 1; ++i) {
        EXPECT_NEAR(std::hypot(pie.wedge[i].x() - 12.5, pie.wedge[i].y() - 9.5), 8.0, 1.5)
            << i; // whole pixels
    }
    EXPECT_EQ(pie.wedge[73], QPoint(12, 1)) << "all the way round";

    const FreeSpacePie full = freeSpacePie(QSize(60, 18), "100.00", 30, 10);
    EXPECT_EQ(full.wedge, QPolygon({centre, QPoint(12, 1), centre})) << "a line to the top";
}

TEST(FreeSpacePie, AVolumeOfUnknownSizeShowsAGreyDiscAndNoText) {
    const FreeSpacePie pie = freeSpacePie(QSize(60, 18), "", 30, 10);
    EXPECT_NE(pie.discColour, QColor(Qt::black));
    EXPECT_TRUE(pie.wedge.isEmpty());
    EXPECT_TRUE(pie.text.isEmpty());
}

TEST(FreeSpacePie, ThresholdsComeFromTheCaller) {
    EXPECT_EQ(freeSpacePie(QSize(60, 18), "45.27", 50, 10).wedgeColour, kYellow);
    EXPECT_EQ(freeSpacePie(QSize(60, 18), "45.27", 50, 46).wedgeColour, kRed);
}

} // namespace
