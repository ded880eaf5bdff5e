#pragma once

#include <QStyledItemDelegate>

namespace kv {

class AppCore;

// Draws the volume list's "Free" column as a pie coloured by the free-space monitor's two
// thresholds, read from the preferences at every drawing.
class FreeSpacePieDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    FreeSpacePieDelegate(AppCore& app, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    AppCore& app;
};

} // namespace kv
