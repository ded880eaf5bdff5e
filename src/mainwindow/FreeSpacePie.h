#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace kv {

// The free-space column of the volume list: the text it holds and the pie drawn from it.

// Free bytes as a percentage of the volume's size with two decimals ("45.27"); empty for a
// volume whose size is reported as 0.
QString freeSpaceText(quint64 freeBytes, quint64 totalBytes);

// What the pie of one cell is made of, in the cell's own coordinates.
struct FreeSpacePie {
    QRect disc; // the circle, filled black (grey for a volume of unknown size)
    QColor discColour;
    QPolygon wedge; // the used part: the centre, the arc points 5 degrees apart, the centre
    QColor wedgeColour;
    QString text;      // the rounded free percentage and "%"; empty for unknown size
    QPoint textAnchor; // right end of the text's baseline
};

// The pie of a cell of the given size showing freeText; the status colour is red below
// redThreshold percent free, yellow below yellowThreshold, green otherwise.
FreeSpacePie freeSpacePie(QSize cellSize, const QString& freeText, double yellowThreshold,
                          double redThreshold);

} // namespace kv
