#include "mainwindow/ListRow.h"

#include <cmath>

namespace kv {

void ListRow::setCell(int column, const QString& text) {
    while (cells.size() <= column)
        cells.append(QString());
    cells[column] = text;
}

void ListRow::setTag(int column, const QString& text) {
    while (tags.size() <= column)
        tags.append(QString());
    tags[column] = text;
}

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    bool anyDigit = i > digitsStart;
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        while (j < n && text[j].unicode() >= '0' && text[j].unicode() <= '9')
            ++j;
        if (j > i + 1 || anyDigit) {
            anyDigit = anyDigit || j > i + 1;
            i = j;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expDigits = j;
        while (j < n && text[j].unicode() >= '0' && text[j].unicode() <= '9')
            ++j;
        if (j > expDigits)
            i = j;
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toString().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

quint64 leadingUInt64(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < n && text[i] == u'+')
        ++i;
    quint64 v = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < '0' || c > '9')
            break;
        const quint64 d = c - '0';
        if (v > (~quint64(0) - d) / 10)
            return ~quint64(0);
        v = v * 10 + d;
    }
    return v;
}

} // namespace kv
