#include "gui/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

QPixmap draw(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 36, 92));
    p.drawEllipse(QRectF(2, 2, 60, 60));

    // The crescent: a disc less a disc shifted toward the star.
    QPainterPath moon;
    moon.addEllipse(QRectF(12, 12, 36, 36));
    QPainterPath shadow;
    shadow.addEllipse(QRectF(22, 8, 34, 34));
    p.setBrush(QColor(250, 222, 120));
    p.drawPath(moon.subtracted(shadow));

    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 8.0 : 3.4;
        star << QPointF(45 + r * std::cos(a), 22 + r * std::sin(a));
    }
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(star);
    return pixmap;
}

}  // namespace

QIcon program_icon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(draw(size));
    return icon;
}
