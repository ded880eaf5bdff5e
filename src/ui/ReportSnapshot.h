#pragma once

#include "mainwindow/ListRow.h"

#include <QStringList>
#include <QVector>

namespace kv {

// What a report reads from a list, copied on the UI thread when the report starts: the
// headings, each column's on-screen width, and all rows in the list's current order.
struct ReportSnapshot {
    QStringList headings;
    QVector<int> columnWidths;
    ListRows rows;
};

} // namespace kv
