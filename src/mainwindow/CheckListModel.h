#pragma once

#include "mainwindow/ListRow.h"

#include <QAbstractTableModel>

#include <functional>

namespace kv {

// The rows of one list of the main window: cells, tags and one check flag per row that is
// both the row's check box and its selection. The views keep their selection equal to it.
//
// Lives on the UI thread; workers change it only through WindowModel's queued updates and
// read it through snapshots taken on the UI thread.
class CheckListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class SortKind {
        Text,      // by the cell text, ignoring case
        Number,    // by the number at the start of the cell text
        TagNumber, // by the number held in the cell's tag (dates: seconds)
    };
    static constexpr int TagRole = Qt::UserRole + 1;

    CheckListModel(QString name, QStringList headings, QObject* parent = nullptr);

    const QString& name() const { return listName; }
    const QStringList& headings() const { return headingTexts; }

    // Qt model interface
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Column behaviour
    void setCheckColumn(bool on) { hasCheckColumn = on; }
    bool checkColumn() const { return hasCheckColumn; }
    void setSortKind(int column, SortKind kind);
    void setRightAligned(int column, bool on);
    void setDisplayFormatter(int column, std::function<QString(const QString&)> format);
    // -1, 0 or 1 comparing two rows by the column's sort kind.
    int compareRows(int row1, int row2, int column) const;

    // Rows
    int count() const { return int(rowData.size()); }
    const ListRow& row(int r) const { return rowData[r]; }
    const ListRows& rows() const { return rowData; }
    void clear();
    void setRows(ListRows rows);
    void appendRows(const ListRows& rows);
    void appendRow(const ListRow& row) { appendRows({row}); }
    void setCell(int r, int column, const QString& text);
    void setTag(int r, int column, const QString& text);

    // Check box and selection (one flag). Each call that changes anything emits
    // checkedChanged once, however many rows it touched.
    bool isChecked(int r) const { return rowData[r].checked; }
    void setChecked(int r, bool on);
    void setAllChecked(bool on);
    void setCheckedRows(const QVector<bool>& flags);
    QVector<bool> checkedFlags() const;
    int checkedCount() const;
    bool anyChecked() const;

    // Sums of the numbers at the start of a column's texts.
    quint64 sumColumn(int column, bool checkedOnly) const;
    double sumColumnAsDouble(int column, bool checkedOnly) const;

Q_SIGNALS:
    // The check boxes (and with them the selection) changed.
    void checkedChanged();

private:
    void emitCheckColumnChanged(int first, int last);

    QString listName;
    QStringList headingTexts;
    ListRows rowData;
    bool hasCheckColumn = true;
    QVector<SortKind> sortKinds;
    QVector<bool> rightAligned;
    QVector<std::function<QString(const QString&)>> formatters;
};

} // namespace kv
