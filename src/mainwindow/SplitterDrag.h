#pragma once

#include <QRect>
#include <QString>
#include <QVector>

namespace kv {

// One drag of a splitter between two lists: the state recorded when the button went down,
// and where everything goes for a pointer position. The left list's left edge and the right
// list's right edge never move; both lists keep the minimum width, and when the window is
// too narrow for both, the right list's limit wins.
class SplitterDrag {
public:
    // A control that moves with the splitter by the displacement times its factor.
    struct Follower {
        QString name;
        double factor = 1;
        int left = 0; // its left edge when the drag began
    };

    // "name[:factor],..." : the text before the first ":" is the name, the text from there
    // to the next ":" (or the end) the factor, 1 when empty. Names are not looked up here.
    static QVector<Follower> parseFollowers(const QString& text);

    SplitterDrag(int pointerX, QRect splitter, QRect left, QRect right, QVector<Follower> followers,
                 int minimumWidth);

    // The displacement for a pointer position, clamped by the minimum widths.
    int displacement(int pointerX) const;

    struct Placement {
        QRect splitter;
        QRect left;
        QRect right;
        QVector<QPair<QString, int>> followerLefts; // name -> new left edge
    };
    Placement placeAt(int pointerX) const;

    const QVector<Follower>& followers() const { return followerList; }

private:
    int x0;
    QRect splitterStart;
    QRect leftStart;
    QRect rightStart;
    QVector<Follower> followerList;
    int minimum;
};

} // namespace kv
