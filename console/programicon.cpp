#include "console/programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace console {

namespace {

// A bell on a dark blue shield: an alarm station, not a warning.
QPixmap paint(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);

    QPainterPath shield;
    shield.moveTo(24, 2);
    shield.lineTo(44, 9);
    shield.cubicTo(44, 28, 36, 39, 24, 46);
    shield.cubicTo(12, 39, 4, 28, 4, 9);
    shield.closeSubpath();
    p.setPen(QPen(QColor(0x10, 0x2A, 0x55), 1.5));
    p.setBrush(QColor(0x1F, 0x4E, 0x96));
    p.drawPath(shield);

    QPainterPath bell;
    bell.moveTo(15, 31);
    bell.cubicTo(17, 28, 16, 18, 24, 14);
    bell.cubicTo(32, 18, 31, 28, 33, 31);
    bell.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xC8, 0x2E));
    p.drawPath(bell);
    p.drawEllipse(QPointF(24, 33.5), 2.6, 2.6);
    p.drawRoundedRect(QRectF(22.5, 10.5, 3, 4), 1, 1);
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64})
            i.addPixmap(paint(size));
        return i;
    }();
    return icon;
}

} // namespace console
