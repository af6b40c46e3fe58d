// Keeping windows on the screen: a dialog or a window of its own opens
// wholly on the available area of its screen (the screen less its panels),
// however large its contents or the display's scale.
#pragma once

class QWidget;

// Moves `window` (a top-level widget), and makes it smaller where it is
// larger, so that it and its frame lie on the available area of the screen
// it is on.  Call it when the window shows; it fits once more when the
// window system has framed it.
void FitToScreen(QWidget* window);
