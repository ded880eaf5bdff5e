#pragma once

#include <QObject>

#include <functional>

namespace kv {

// Swallows the mouse presses (and their releases) of the widget it watches while its
// condition holds.
class MousePressGate : public QObject {
    Q_OBJECT
public:
    MousePressGate(std::function<bool()> closed, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> closed;
};

} // namespace kv
