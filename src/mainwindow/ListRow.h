#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace kv {

// One row of a list of the main window: the cell texts, a tag per cell, and the row's check
// box, which is also its selection (the lists keep the two equal).
struct ListRow {
    QStringList cells;
    QStringList tags;
    bool checked = false;

    QString cell(int column) const { return column < cells.size() ? cells[column] : QString(); }
    QString tag(int column) const { return column < tags.size() ? tags[column] : QString(); }
    void setCell(int column, const QString& text);
    void setTag(int column, const QString& text);
};

using ListRows = QVector<ListRow>;

// The number at the start of a text, as the lists and preferences read their numbers:
// optional white space and sign, digits, an optional fraction and exponent; 0 when the text
// does not start with a number.
double leadingNumber(QStringView text);
// The whole number of decimal digits at the start of a text, at full unsigned 64-bit width
// (saturating); 0 when the text does not start with a digit.
quint64 leadingUInt64(QStringView text);

} // namespace kv

Q_DECLARE_METATYPE(kv::ListRow)
Q_DECLARE_METATYPE(kv::ListRows)
