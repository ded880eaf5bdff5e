#include "mainwindow/CheckListView.h"

#include "mainwindow/CheckListModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>

namespace kv {

CheckListView::CheckListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setTextElideMode(Qt::ElideRight);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

QColor CheckListView::evenRowColour() { return QColor(0xF1, 0xF5, 0xF9); }

void CheckListView::setCheckListModel(CheckListModel* model) {
    listModel = model;
    setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CheckListView::onSelectionChanged);
    connect(model, &CheckListModel::checkedChanged, this, &CheckListView::selectChecked);
    connect(model, &QAbstractItemModel::modelReset, this, &CheckListView::selectChecked);
    connect(model, &QAbstractItemModel::layoutChanged, this, &CheckListView::selectChecked);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CheckListView::selectChecked);
}

void CheckListView::selectChecked() {
    if (!listModel || syncing)
        return;
    QItemSelection selection;
    const int n = listModel->count();
    const int lastColumn = listModel->columnCount() - 1;
    int runStart = -1;
    for (int r = 0; r <= n; ++r) {
        const bool on = r < n && listModel->isChecked(r);
        if (on && runStart < 0)
            runStart = r;
        if (!on && runStart >= 0) {
            selection.select(listModel->index(runStart, 0), listModel->index(r - 1, lastColumn));
            runStart = -1;
        }
    }
    syncing = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing = false;
}

void CheckListView::checkSelected() {
    if (!listModel)
        return;
    QVector<bool> flags(listModel->count(), false);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int r = range.top(); r <= range.bottom() && r < flags.size(); ++r)
            flags[r] = true;
    syncing = true;
    listModel->setCheckedRows(flags);
    syncing = false;
}

void CheckListView::onSelectionChanged() {
    if (!syncing)
        checkSelected();
}

void CheckListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    painter->fillRect(option.rect, index.row() % 2 == 0 ? evenRowColour() : QColor(Qt::white));
    QTreeView::drawRow(painter, option, index);
}

bool CheckListView::overCheckIndicator(const QPoint& pos, QModelIndex* index) const {
    if (!listModel || !listModel->checkColumn())
        return false;
    const QModelIndex at = indexAt(pos);
    if (!at.isValid() || at.column() != 0)
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(at);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    if (!box.adjusted(-2, -2, 2, 2).contains(pos))
        return false;
    *index = at;
    return true;
}

void CheckListView::mousePressEvent(QMouseEvent* event) {
    QModelIndex at;
    if (event->button() == Qt::LeftButton && overCheckIndicator(event->position().toPoint(), &at)) {
        pressOnIndicator = true;
        listModel->setChecked(at.row(), !listModel->isChecked(at.row()));
        event->accept();
        return;
    }
    pressOnIndicator = false;
    QTreeView::mousePressEvent(event);
}

void CheckListView::mouseReleaseEvent(QMouseEvent* event) {
    if (pressOnIndicator) {
        pressOnIndicator = false;
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void CheckListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QModelIndex at;
    if (event->button() == Qt::LeftButton && overCheckIndicator(event->position().toPoint(), &at)) {
        pressOnIndicator = true;
        listModel->setChecked(at.row(), !listModel->isChecked(at.row()));
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

} // namespace kv
