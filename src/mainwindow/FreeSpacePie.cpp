#include "mainwindow/FreeSpacePie.h"

#include "mainwindow/ListRow.h"

#include <algorithm>
#include <cmath>

namespace kv {

QString freeSpaceText(quint64 freeBytes, quint64 totalBytes) {
    if (totalBytes == 0)
        return QString();
    // The list's sort and the pie read the number back with a decimal point, whatever the
    // locale.
    return QString::number(double(freeBytes) * 100.0 / double(totalBytes), 'f', 2);
}

FreeSpacePie freeSpacePie(QSize cellSize, const QString& freeText, double yellowThreshold,
                          double redThreshold) {
    FreeSpacePie pie;
    const int h = cellSize.height();
    const int d = h - 2;
    const double r = d * 0.5;
    const double x = r + 4 + 0.5;
    const double y = (h - 1) - r + 0.5;
    pie.disc = QRect(4, 1, d, d);
    pie.textAnchor = QPoint(cellSize.width() - 4, h - 4);

    if (freeText.trimmed().isEmpty()) {
        pie.discColour = QColor(160, 160, 160);
        return pie;
    }
    pie.discColour = Qt::black;

    const double f = leadingNumber(freeText) * 0.01;
    if (f < redThreshold * 0.01)
        pie.wedgeColour = QColor(255, 0, 0);
    else if (f < yellowThreshold * 0.01)
        pie.wedgeColour = QColor(255, 255, 0);
    else
        pie.wedgeColour = QColor(0, 255, 0);

    const QPoint centre{static_cast<int>(x), static_cast<int>(y)};
    const int n = std::clamp(int((1 - f) * 72), 0, 72);
    pie.wedge << centre;
    for (int i = 0; i <= n; ++i) {
        const double a = (i * 5 - 90) * 3.14159 / 180;
        pie.wedge << QPoint(int(x + r * std::cos(a)), int(y + r * std::sin(a)));
    }
    pie.wedge << centre;

    // Rounded up by half a percent, as the monitor always has; never more than 100.
    pie.text = QString::number(std::min(std::lround(f * 100 + 0.5), 100L)) + u'%';
    return pie;
}

} // namespace kv
