#include "app/App.h"
#include "media/FileTypes.h"

#include <QApplication>

int main(int argc, char** argv) {
    kv::FileTypes::initialize();
    QApplication qtApplication(argc, argv);
    kv::App app;
    return app.run();
}
