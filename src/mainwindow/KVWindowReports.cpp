// The Reports menu.

#include "mainwindow/KVWindow.h"

namespace kv {

void KVWindow::ReportsPageSetup_Action() { showPlaceholder(QStringLiteral("Page Setup")); }

void KVWindow::ReportsPrintMedia_Action() { showPlaceholder(QStringLiteral("Printing")); }

void KVWindow::ReportsPrintProjects_Action() { showPlaceholder(QStringLiteral("Printing")); }

void KVWindow::ReportsSaveMedia_Action() { showPlaceholder(QStringLiteral("Saving reports")); }

void KVWindow::ReportsSaveProjects_Action() { showPlaceholder(QStringLiteral("Saving reports")); }

} // namespace kv
