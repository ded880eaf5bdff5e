#include "mainwindow/MousePressGate.h"

#include <QEvent>

namespace kv {

MousePressGate::MousePressGate(std::function<bool()> closed, QObject* parent)
    : QObject(parent), closed(std::move(closed)) {}

bool MousePressGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (closed())
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kv
