#pragma once

#include "ui/ReportSnapshot.h"

class QWidget;

namespace kv {

// Prints a list as a paginated report: a page setup, the print dialog, then on every page
// the title, date and time, column headings with a rule, the rows, and "- Page n -".
// Pages are numbered over the whole report; only those in the chosen range are printed.
// An empty list, or a cancelled dialog, prints nothing.
void printReport(QWidget* parent, const ReportSnapshot& report);

} // namespace kv
