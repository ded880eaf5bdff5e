#include "mainwindow/SplitterDrag.h"

#include "mainwindow/ListRow.h"

namespace kv {

QVector<SplitterDrag::Follower> SplitterDrag::parseFollowers(const QString& text) {
    QVector<Follower> out;
    for (const QString& entry : text.split(u',')) {
        const qsizetype colon = entry.indexOf(u':');
        Follower f;
        f.name = colon < 0 ? entry : entry.left(colon);
        if (colon >= 0) {
            const qsizetype next = entry.indexOf(u':', colon + 1);
            const QString factorText = entry.mid(colon + 1, next < 0 ? -1 : next - colon - 1);
            if (!factorText.isEmpty())
                f.factor = leadingNumber(factorText);
        }
        out.append(f);
    }
    return out;
}

SplitterDrag::SplitterDrag(int pointerX, QRect splitter, QRect left, QRect right,
                           QVector<Follower> followers, int minimumWidth)
    : x0(pointerX), splitterStart(splitter), leftStart(left), rightStart(right),
      followerList(std::move(followers)), minimum(minimumWidth) {}

int SplitterDrag::displacement(int pointerX) const {
    int d = pointerX - x0;
    if (leftStart.width() + d < minimum)
        d = minimum - leftStart.width();
    // Checked second, so that this limit wins when the two conflict.
    if (rightStart.width() - d < minimum)
        d = rightStart.width() - minimum;
    return d;
}

SplitterDrag::Placement SplitterDrag::placeAt(int pointerX) const {
    const int d = displacement(pointerX);
    Placement p;
    p.left = leftStart;
    p.left.setWidth(leftStart.width() + d);
    p.right =
        QRect(rightStart.left() + d, rightStart.top(), rightStart.width() - d, rightStart.height());
    p.splitter = splitterStart.translated(d, 0);
    for (const Follower& f : followerList)
        p.followerLefts.append({f.name, f.left + int(d * f.factor)});
    return p;
}

} // namespace kv
