#pragma once

#include "ui/ReportSnapshot.h"

#include <QString>

class QWidget;

namespace kv::FileUtilities {

// Asks where to save the list (offering proposedName, a plain text file) and writes it as
// TAB-separated UTF-8 text in one write. The file appears whole or not at all: a failure
// leaves any old file of that name as it was and shows "Error: problem saving file.".
// Cancelling the dialog does nothing.
void ExportListBoxToFile(QWidget* parent, const ReportSnapshot& list, const QString& proposedName);

} // namespace kv::FileUtilities
