#pragma once

#include <QTreeView>

namespace kv {

class CheckListModel;

// A list of the main window with a check box in column 0. The view's selection always
// equals the model's check flags: selecting rows checks them, checking a box selects its
// row. Clicking a check box toggles only that row. Rows alternate #F1F5F9 and white.
class CheckListView : public QTreeView {
    Q_OBJECT
public:
    explicit CheckListView(QWidget* parent = nullptr);

    void setCheckListModel(CheckListModel* model);
    CheckListModel* checkListModel() const { return listModel; }

    // Selection follows the check boxes (ListSelectChecked).
    void selectChecked();
    // Check boxes follow the selection (ListCheckSelected).
    void checkSelected();

    static QColor evenRowColour();

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool overCheckIndicator(const QPoint& pos, QModelIndex* index) const;
    void onSelectionChanged();

    CheckListModel* listModel = nullptr;
    bool syncing = false;
    bool pressOnIndicator = false;
};

} // namespace kv
