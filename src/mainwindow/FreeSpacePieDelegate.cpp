#include "mainwindow/FreeSpacePieDelegate.h"

#include "app/AppCore.h"
#include "mainwindow/FreeSpacePie.h"
#include "mainwindow/ListRow.h"

#include <QApplication>
#include <QPainter>

namespace kv {

FreeSpacePieDelegate::FreeSpacePieDelegate(AppCore& app, QObject* parent)
    : QStyledItemDelegate(parent), app(app) {}

void FreeSpacePieDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString freeText = opt.text;
    // The cell's panel (with the selection highlight), without its text.
    opt.text.clear();
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QString section = QStringLiteral("Free_Space_Monitor");
    const double yellow = leadingNumber(
        app.getPref(section, QStringLiteral("Yellow_Threshold"), QStringLiteral("30")));
    const double red =
        leadingNumber(app.getPref(section, QStringLiteral("Red_Threshold"), QStringLiteral("10")));
    const FreeSpacePie pie = freeSpacePie(opt.rect.size(), freeText, yellow, red);

    painter->save();
    painter->translate(opt.rect.topLeft());
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(pie.discColour);
    painter->drawEllipse(pie.disc);
    if (!pie.wedge.isEmpty()) {
        painter->setBrush(pie.wedgeColour);
        painter->drawPolygon(pie.wedge);
    }
    painter->setBrush(Qt::NoBrush);
    painter->setPen(Qt::black);
    painter->drawEllipse(pie.disc);

    if (!pie.text.isEmpty()) {
        const bool selected = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(opt.font);
        const int width = painter->fontMetrics().horizontalAdvance(pie.text);
        painter->drawText(QPoint(pie.textAnchor.x() - width, pie.textAnchor.y()), pie.text);
    }
    painter->restore();
}

} // namespace kv
