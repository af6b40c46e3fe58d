#include "ui/display/DragSupport.h"

#include <QDropEvent>
#include <QMimeData>
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

void AcceptDragOf(QDropEvent* event, const char* type) {
    if (event->mimeData()->hasFormat(type))
        event->acceptProposedAction();
    else
        event->ignore();
}

std::optional<DraggedRecords> TakeDrop(QDropEvent* event, const char* type) {
    const auto records = event->mimeData()->hasFormat(type)
                             ? DecodeDraggedRecords(event->mimeData()->data(type).toStdString())
                             : std::nullopt;
    if (records)
        event->acceptProposedAction();
    else
        event->ignore();
    return records;
}
