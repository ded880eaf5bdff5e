#pragma once

#include "mainwindow/ListRow.h"

#include <QString>
#include <QStringList>

namespace kv::FileUtilities {

// The text of a saved list: the headings separated by TAB, then for each row CR LF and its
// cells separated by TAB. Nothing follows the last cell; cells are written as the list
// holds them (sizes as plain byte counts), without quoting.
QString listBoxText(const QStringList& headings, const ListRows& rows);

} // namespace kv::FileUtilities
