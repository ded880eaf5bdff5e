// Entry point of the GUI tests: a widget application on the platform the environment
// names (offscreen under CTest). Message boxes, and the save, print and page-setup dialogs,
// are recorded instead of shown.

#include "ui/MessageBox.h"
#include "ui/PlatformDialogs.h"

#include <QApplication>

#include <gtest/gtest.h>

static void initialiseResources() { Q_INIT_RESOURCE(resources); }

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initialiseResources();
    kv::MessageBox::setRecording(true);
    kv::PlatformDialogs::setRecording(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
