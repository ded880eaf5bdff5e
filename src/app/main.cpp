#include "app/App.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApplication(argc, argv);
    kv::App app;
    return app.run();
}
