#include "app/Profiling.h"

#include <gtest/gtest.h>

using namespace Profiling;

namespace {

class ProfilingTest : public ::testing::Test {
protected:
    void SetUp() override {
        clearForTests();
        setClockForTests([this] { return now; });
    }
    void TearDown() override {
        setClockForTests({});
        clearForTests();
    }
    double now = 0;
};

TEST_F(ProfilingTest, NestedOperationsCountOnlyTheirOwnTime) {
    now = 0;
    ProfileStart(QStringLiteral("A"));
    now = 100;
    ProfileStart(QStringLiteral("B"));
    now = 250;
    ProfileEnd(QStringLiteral("B"));
    now = 300;
    ProfileEnd(QStringLiteral("a")); // names ignore case
    EXPECT_EQ(figures(QStringLiteral("A")).count, 1);
    EXPECT_DOUBLE_EQ(figures(QStringLiteral("A")).totalMicroseconds, 150);
    EXPECT_EQ(figures(QStringLiteral("B")).count, 1);
    EXPECT_DOUBLE_EQ(figures(QStringLiteral("B")).totalMicroseconds, 150);
    EXPECT_TRUE(openOperations().isEmpty());
    EXPECT_TRUE(errorLog().isEmpty());
}

TEST_F(ProfilingTest, StartingANameTwiceSumsBothRuns) {
    for (double start : {0.0, 1000.0}) {
        now = start;
        ProfileStart(QStringLiteral("Scan"));
        now = start + 40;
        ProfileEnd(QStringLiteral("Scan"));
    }
    EXPECT_EQ(figures(QStringLiteral("Scan")).count, 2);
    EXPECT_DOUBLE_EQ(figures(QStringLiteral("Scan")).totalMicroseconds, 80);
}

TEST_F(ProfilingTest, AMismatchedEndLogsItAndForgetsEveryOpenOperation) {
    ProfileStart(QStringLiteral("Outer"));
    ProfileStart(QStringLiteral("A"));
    ProfileEnd(QStringLiteral("B"));
    const QString expected = QStringLiteral("Outer > B > ") + QChar(13) +
                             QStringLiteral("-- ProfileEnd(\"B\") called. CurrentEvent = A") +
                             QChar(13);
    EXPECT_EQ(errorLog(), expected);
    EXPECT_TRUE(openOperations().isEmpty());

    // Later ends of the operations that were open find nothing to close.
    ProfileEnd(QStringLiteral("A"));
    ProfileEnd(QStringLiteral("Outer"));
    EXPECT_EQ(errorLog(), expected);
    EXPECT_EQ(figures(QStringLiteral("Outer")).count, 1);
}

TEST_F(ProfilingTest, AnEndWithNothingOpenDoesNothing) {
    ProfileEnd(QStringLiteral("Nothing"));
    EXPECT_TRUE(errorLog().isEmpty());
    EXPECT_EQ(figures(QStringLiteral("Nothing")).count, 0);
}

} // namespace
