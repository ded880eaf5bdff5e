#include "ui/TextLayout.h"

#include "ui/PlatformDialogs.h"

#include <QCoreApplication>
#include <QPrinter>

namespace kv::TextLayout {

namespace {

QPrinter* pageSetupObject = nullptr;

// Freed while the application object still exists, as the print system expects.
void releasePageSetup() {
    delete pageSetupObject;
    pageSetupObject = nullptr;
}

} // namespace

QPrinter* ps() {
    return pageSetupObject;
}

void PageSetup(QWidget* parent) {
    if (!pageSetupObject) {
        pageSetupObject = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(releasePageSetup);
    }
    PlatformDialogs::pageSetup(parent, *pageSetupObject);
}

} // namespace kv::TextLayout
