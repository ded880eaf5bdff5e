// The file filters command.

#include "mainwindow/KVWindow.h"

namespace kv {

void KVWindow::btnFilters_Action() { showPlaceholder(QStringLiteral("File Filters")); }

void KVWindow::Filters_Action() { btnFilters_Action(); }

} // namespace kv
