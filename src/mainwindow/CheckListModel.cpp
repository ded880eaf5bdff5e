#include "mainwindow/CheckListModel.h"

#include <algorithm>
#include <numeric>

namespace kv {

namespace {

// A whole number read at full width from the start of a text, with its sign.
struct WideNumber {
    bool negative = false;
    quint64 magnitude = 0;
    double fraction = 0; // only to order texts such as 1.5 and 1.25 that share a whole part
};

WideNumber wideNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    WideNumber n;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        n.negative = text[i] == u'-';
        ++i;
    }
    n.magnitude = leadingUInt64(text.mid(i));
    while (i < text.size() && text[i].unicode() >= '0' && text[i].unicode() <= '9')
        ++i;
    if (i < text.size() && text[i] == u'.')
        n.fraction = leadingNumber(QString(u'0' + text.mid(i).toString()));
    if (n.magnitude == 0 && n.fraction == 0)
        n.negative = false;
    return n;
}

int compareWide(const WideNumber& a, const WideNumber& b) {
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    int c = a.magnitude < b.magnitude ? -1 : (a.magnitude > b.magnitude ? 1 : 0);
    if (c == 0)
        c = a.fraction < b.fraction ? -1 : (a.fraction > b.fraction ? 1 : 0);
    return a.negative ? -c : c;
}

} // namespace

CheckListModel::CheckListModel(QString name, QStringList headings, QObject* parent)
    : QAbstractTableModel(parent), listName(std::move(name)), headingTexts(std::move(headings)) {
    setObjectName(listName);
    const int n = int(headingTexts.size());
    sortKinds.fill(SortKind::Text, n);
    rightAligned.fill(false, n);
    formatters.resize(n);
}

int CheckListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rowData.size());
}

int CheckListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headingTexts.size());
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowData.size())
        return {};
    const ListRow& r = rowData[index.row()];
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (c < formatters.size() && formatters[c])
            return formatters[c](r.cell(c));
        return r.cell(c);
    case Qt::EditRole:
        return r.cell(c);
    case Qt::CheckStateRole:
        if (c == 0 && hasCheckColumn)
            return r.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (c < rightAligned.size() && rightAligned[c])
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    case TagRole:
        return r.tag(c);
    default:
        return {};
    }
}

bool CheckListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != 0 || !hasCheckColumn)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant CheckListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headingTexts.size())
        return {};
    if (role == Qt::DisplayRole)
        return headingTexts[section];
    if (role == Qt::TextAlignmentRole && section < rightAligned.size() && rightAligned[section])
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0 && hasCheckColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void CheckListModel::setSortKind(int column, SortKind kind) {
    if (column >= 0 && column < sortKinds.size())
        sortKinds[column] = kind;
}

void CheckListModel::setRightAligned(int column, bool on) {
    if (column >= 0 && column < rightAligned.size())
        rightAligned[column] = on;
}

void CheckListModel::setDisplayFormatter(int column, std::function<QString(const QString&)> format) {
    if (column >= 0 && column < formatters.size())
        formatters[column] = std::move(format);
}

int CheckListModel::compareRows(int row1, int row2, int column) const {
    const ListRow& a = rowData[row1];
    const ListRow& b = rowData[row2];
    const SortKind kind = column < sortKinds.size() ? sortKinds[column] : SortKind::Text;
    if (kind == SortKind::Text) {
        const int c = a.cell(column).compare(b.cell(column), Qt::CaseInsensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    const QString ta = kind == SortKind::TagNumber ? a.tag(column) : a.cell(column);
    const QString tb = kind == SortKind::TagNumber ? b.tag(column) : b.cell(column);
    return compareWide(wideNumber(ta), wideNumber(tb));
}

void CheckListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= headingTexts.size() || rowData.size() < 2)
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);

    const SortKind kind = sortKinds[column];
    QVector<int> perm(rowData.size());
    std::iota(perm.begin(), perm.end(), 0);
    if (kind == SortKind::Text) {
        std::stable_sort(perm.begin(), perm.end(), [&](int x, int y) {
            const int c = compareRows(x, y, column);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
    } else {
        // Read each row's number once, not once per comparison.
        QVector<WideNumber> keys(rowData.size());
        for (int r = 0; r < rowData.size(); ++r) {
            const ListRow& row = rowData[r];
            keys[r] = wideNumber(kind == SortKind::TagNumber ? row.tag(column) : row.cell(column));
        }
        std::stable_sort(perm.begin(), perm.end(), [&](int x, int y) {
            const int c = compareWide(keys[x], keys[y]);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
    }

    ListRows sorted;
    sorted.reserve(rowData.size());
    QVector<int> newRowOf(rowData.size());
    for (int i = 0; i < perm.size(); ++i) {
        sorted.append(std::move(rowData[perm[i]]));
        newRowOf[perm[i]] = i;
    }
    rowData = std::move(sorted);

    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    newIndexes.reserve(oldIndexes.size());
    for (const QModelIndex& i : oldIndexes)
        newIndexes.append(index(newRowOf[i.row()], i.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CheckListModel::clear() {
    if (rowData.isEmpty())
        return;
    const bool hadChecked = anyChecked();
    beginResetModel();
    rowData.clear();
    endResetModel();
    if (hadChecked)
        Q_EMIT checkedChanged();
}

void CheckListModel::setRows(ListRows rows) {
    const bool hadChecked = anyChecked();
    beginResetModel();
    rowData = std::move(rows);
    endResetModel();
    if (hadChecked || anyChecked())
        Q_EMIT checkedChanged();
}

void CheckListModel::appendRows(const ListRows& rows) {
    if (rows.isEmpty())
        return;
    const int first = int(rowData.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    rowData.append(rows);
    endInsertRows();
    if (std::any_of(rows.begin(), rows.end(), [](const ListRow& r) { return r.checked; }))
        Q_EMIT checkedChanged();
}

void CheckListModel::setCell(int r, int column, const QString& text) {
    if (r < 0 || r >= rowData.size())
        return;
    rowData[r].setCell(column, text);
    const QModelIndex i = index(r, column);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void CheckListModel::setTag(int r, int column, const QString& text) {
    if (r < 0 || r >= rowData.size())
        return;
    rowData[r].setTag(column, text);
}

void CheckListModel::emitCheckColumnChanged(int first, int last) {
    if (first > last)
        return;
    Q_EMIT dataChanged(index(first, 0), index(last, 0), {Qt::CheckStateRole});
    Q_EMIT checkedChanged();
}

void CheckListModel::setChecked(int r, bool on) {
    if (r < 0 || r >= rowData.size() || rowData[r].checked == on)
        return;
    rowData[r].checked = on;
    emitCheckColumnChanged(r, r);
}

void CheckListModel::setAllChecked(bool on) {
    int first = -1, last = -1;
    for (int r = int(rowData.size()) - 1; r >= 0; --r) {
        if (rowData[r].checked != on) {
            rowData[r].checked = on;
            if (last < 0)
                last = r;
            first = r;
        }
    }
    if (last >= 0)
        emitCheckColumnChanged(first, last);
}

void CheckListModel::setCheckedRows(const QVector<bool>& flagsIn) {
    int first = -1, last = -1;
    const int n = int(std::min(flagsIn.size(), rowData.size()));
    for (int r = n - 1; r >= 0; --r) {
        if (rowData[r].checked != flagsIn[r]) {
            rowData[r].checked = flagsIn[r];
            if (last < 0)
                last = r;
            first = r;
        }
    }
    if (last >= 0)
        emitCheckColumnChanged(first, last);
}

QVector<bool> CheckListModel::checkedFlags() const {
    QVector<bool> out(rowData.size());
    for (int r = 0; r < rowData.size(); ++r)
        out[r] = rowData[r].checked;
    return out;
}

int CheckListModel::checkedCount() const {
    return int(std::count_if(rowData.begin(), rowData.end(),
                             [](const ListRow& r) { return r.checked; }));
}

bool CheckListModel::anyChecked() const {
    return std::any_of(rowData.begin(), rowData.end(), [](const ListRow& r) { return r.checked; });
}

quint64 CheckListModel::sumColumn(int column, bool checkedOnly) const {
    quint64 sum = 0;
    for (const ListRow& r : rowData)
        if (!checkedOnly || r.checked)
            sum += leadingUInt64(r.cell(column));
    return sum;
}

double CheckListModel::sumColumnAsDouble(int column, bool checkedOnly) const {
    double sum = 0;
    for (const ListRow& r : rowData)
        if (!checkedOnly || r.checked)
            sum += leadingNumber(r.cell(column));
    return sum;
}

} // namespace kv
