#include "ui/NiceSize.h"

#include "mainwindow/ListRow.h"

#include <QLocale>

#include <algorithm>

namespace kv::FileUtilities {

QString Trunc(double value, int places) {
    // Shortest text that reads back as the same value, with "." as the decimal point.
    const QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text;
    if (places == 0)
        return text.left(point);
    // The point and `places` characters after it; fewer places than zero cut into the whole
    // part, one character each.
    return text.left(std::max<qsizetype>(0, point + 1 + places));
}

QString niceSize(quint64 bytes) {
    const qint64 n = qint64(bytes); // the unit bounds are compared as signed numbers
    const double d = double(bytes);
    if (n < 1024)
        return QString::number(bytes) + QStringLiteral(" bytes");
    if (n < 1048576)
        return Trunc(d / 1024.0, 0) + QStringLiteral(" KB");
    if (n < 1073741824)
        return Trunc(d / 1048576.0, 2) + QStringLiteral(" MB");
    if (n < 1099511627776LL)
        return Trunc(d / 1073741824.0, 2) + QStringLiteral(" GB");
    if (n < 1000000000000000LL)
        return Trunc(d / 1099511627776.0, 2) + QStringLiteral(" TB");
    return QString();
}

QString niceSize(const QString& bytes) {
    return niceSize(leadingUInt64(bytes));
}

} // namespace kv::FileUtilities
