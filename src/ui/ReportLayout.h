#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QVector>

namespace kv::ReportLayout {

// Positions on a printed report page, in points, relative to the printable area.
inline constexpr int kHeadingBaseline = 54;
inline constexpr int kRuleY = 57;
inline constexpr int kFirstRowBaseline = 74;
inline constexpr int kRowHeight = 16;
inline constexpr int kBottomReserve = 20; // plus one row height before a page break
inline constexpr int kTextLeft = 10;      // from the page's left edge

QString title();
// "- Page 3 -"
QString pageFooter(int page);

// Where each row goes: its page (from 1) and its baseline. `pageTop` is the page's top
// relative to the printable area (0 or less), `printableHeight` the printable height.
struct RowPlace {
    int page;
    double baseline;
};
QVector<RowPlace> placeRows(int rowCount, double pageTop, double printableHeight);

// The report's date and time: the abbreviated date, " - ", the short time.
QString dateAndTime(const QDateTime& when, const QLocale& locale);
// The locale's long date form without the weekday and with the month abbreviated,
// "MMM d, yyyy" in American English.
QString abbreviatedDateFormat(const QLocale& locale);

} // namespace kv::ReportLayout
