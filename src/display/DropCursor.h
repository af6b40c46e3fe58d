// The pointer shown while a drag is over a place that takes the drop.
#pragma once

#include <QPixmap>

// The ordinary arrow, drawn so that its tip is the pixmap's centre (a drag
// cursor made from a pixmap has its hot spot there).
QPixmap DropCursorPixmap();
