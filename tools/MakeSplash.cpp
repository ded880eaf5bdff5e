// Draws the About window's splash picture, 640 by 360, and saves it as a JPEG:
//   kelvara-make-splash OUTPUT.jpg

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

// A volume seen from the front: a rounded slab with a status light.
void drawVolume(QPainter& p, QRectF r, QColor light) {
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, QColor(0x3B, 0x4A, 0x5E));
    body.setColorAt(1, QColor(0x22, 0x2C, 0x3A));
    p.setPen(QPen(QColor(0x5B, 0x6E, 0x86), 1));
    p.setBrush(body);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(QPointF(r.right() - 14, r.center().y()), 4, 4);
    p.setBrush(QColor(0x4A, 0x5A, 0x70));
    for (int i = 0; i < 5; ++i)
        p.drawRoundedRect(QRectF(r.left() + 12 + i * 9, r.top() + 8, 4, r.height() - 16), 2, 2);
}

// A media file: a small frame with sprocket holes, like a strip of film.
void drawClip(QPainter& p, QPointF at, QColor colour, qreal opacity) {
    p.save();
    p.setOpacity(opacity);
    const QRectF frame(at, QSizeF(34, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(frame, 3, 3);
    p.setBrush(QColor(0x10, 0x18, 0x24));
    for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(frame.left() + 4 + i * 8, frame.top() + 2, 4, 3));
        p.drawRect(QRectF(frame.left() + 4 + i * 8, frame.bottom() - 5, 4, 3));
    }
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(QRectF(frame.left() + 4, frame.top() + 7, frame.width() - 8, frame.height() - 14));
    p.restore();
}

QImage drawSplash() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, QColor(0x0E, 0x1B, 0x2E));
    sky.setColorAt(0.55, QColor(0x12, 0x34, 0x4D));
    sky.setColorAt(1, QColor(0x0B, 0x4F, 0x5C));
    p.fillRect(image.rect(), sky);
    QRadialGradient glow(QPointF(150, 300), 260);
    glow.setColorAt(0, QColor(0x2F, 0xC4, 0xB2, 70));
    glow.setColorAt(1, QColor(0x2F, 0xC4, 0xB2, 0));
    p.fillRect(image.rect(), glow);

    // Faint grid, like the rows of a media folder list.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int y = 20; y < kHeight; y += 16)
        p.drawLine(0, y, kWidth, y);

    // Three volumes, clips moving from the online one to the offline one.
    const QColor green(0x4C, 0xD1, 0x7A), yellow(0xF2, 0xC1, 0x4E), red(0xE5, 0x5B, 0x4F);
    drawVolume(p, QRectF(40, 200, 190, 38), green);
    drawVolume(p, QRectF(40, 246, 190, 38), yellow);
    drawVolume(p, QRectF(40, 292, 190, 38), red);
    const QColor clipColours[] = {QColor(0x6F, 0xB7, 0xFF), QColor(0x9D, 0x8C, 0xFF),
                                  QColor(0x3F, 0xD6, 0xC4)};
    for (int i = 0; i < 7; ++i) {
        const qreal t = i / 6.0;
        drawClip(p, QPointF(250 + i * 48, 300 - 70 * t * t), clipColours[i % 3], 0.35 + 0.65 * t);
    }
    QPainterPath arc;
    arc.moveTo(240, 320);
    arc.cubicTo(380, 330, 520, 280, 600, 200);
    p.setPen(QPen(QColor(0x3F, 0xD6, 0xC4, 120), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // The name and what it does.
    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(72);
    name.setWeight(QFont::Bold);
    name.setLetterSpacing(QFont::PercentageSpacing, 96);
    p.setFont(name);
    p.setPen(Qt::white);
    p.drawText(QPointF(38, 104), QStringLiteral("Kelvara"));
    const qreal nameWidth = QFontMetricsF(name).horizontalAdvance(QStringLiteral("Kelvara"));

    QFont version(QStringLiteral("DejaVu Sans"));
    version.setPixelSize(26);
    p.setFont(version);
    p.setPen(QColor(0x3F, 0xD6, 0xC4));
    p.drawText(QPointF(38 + nameWidth + 14, 104), QStringLiteral("3.3"));

    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(17);
    p.setFont(line);
    p.setPen(QColor(0xD8, 0xE4, 0xF0));
    p.drawText(QPointF(42, 140), QStringLiteral("Media folder management for editing systems"));
    line.setPixelSize(13);
    p.setFont(line);
    p.setPen(QColor(0x9F, 0xB4, 0xC8));
    p.drawText(QPointF(42, 164),
               QStringLiteral("Take projects offline, bring them back online, keep a backup."));

    line.setPixelSize(11);
    p.setFont(line);
    p.setPen(QColor(255, 255, 255, 110));
    p.drawText(QRectF(0, kHeight - 22, kWidth - 16, 16), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Click to close"));
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvara-make-splash OUTPUT.jpg\n");
        return 2;
    }
    if (!drawSplash().save(QString::fromLocal8Bit(argv[1]), "JPG", 92)) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
