#include "display/DropCursor.h"

#include <QPainter>
#include <QPolygon>

QPixmap DropCursorPixmap() {
    static const QPixmap pixmap = [] {
        constexpr int kSize = 40;  // room for the arrow below and right of the centre
        QPixmap arrow(kSize, kSize);
        arrow.fill(Qt::transparent);
        QPainter painter(&arrow);
        QPolygon outline({{0, 0}, {0, 16}, {4, 12}, {7, 18}, {10, 17}, {7, 11}, {12, 11}});
        outline.translate(kSize / 2, kSize / 2);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawPolygon(outline);
        return arrow;
    }();
    return pixmap;
}
