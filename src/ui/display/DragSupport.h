// The Qt side of the drags from the database trees: the pointer over a place
// that takes the drop, and the checks every drop target makes.
#pragma once

#include <QPixmap>
#include <optional>

#include "core/display/DragRecords.h"

class QDropEvent;

// The ordinary arrow, drawn so that its tip is the pixmap's centre (a drag
// cursor made from a pixmap has its hot spot there).
QPixmap DropCursorPixmap();

// Accepts a drag (enter, move) whose data is of `type`; ignores any other, so
// that the pointer shows "no entry".
void AcceptDragOf(QDropEvent* event, const char* type);
// The records of a drop of `type`, the drop accepted; nothing, the drop
// refused, for other data or bytes that no tree writes.
std::optional<DraggedRecords> TakeDrop(QDropEvent* event, const char* type);
