// Printing the aiming sheet (core/reports/AimPage.h): one page for one
// location and one satellite, through the program's printer and its dialog.
#pragma once

#include "core/reports/AimPage.h"

class QPagedPaintDevice;
class QWidget;

// Lays the page out for `device`'s printable area and draws it.  False when
// the device cannot be painted on.
bool PaintAimSheet(QPagedPaintDevice& device, AimPageInput input);

// The printer dialog for the one page, then the page on the chosen printer.
// True when it was printed.
bool PrintAimSheet(const AimPageInput& input, QWidget* parent);
