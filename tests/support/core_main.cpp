// Entry point of the display-free tests: a core application object, so that queued calls,
// timers and threads behave as in the command-line tool.

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
