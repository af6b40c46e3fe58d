// Printing the aiming sheet (core/reports/AimPage.h): one page for one
// location and one satellite, through the program's printer and its dialog.
#pragma once

#include "core/reports/AimPage.h"

class QPagedPaintDevice;
class QWidget;

#include <string>

// The page laid out for `device`'s printable area, in the face it prints in.
struct AimSheetLayout {
    std::string face;
    AimPageLayout layout;
};
AimSheetLayout LayOutAimSheet(QPagedPaintDevice& device, AimPageInput input);

// Lays the page out for `device`'s printable area and draws it.  False when
// the device cannot be painted on.
bool PaintAimSheet(QPagedPaintDevice& device, AimPageInput input);

// The printer dialog for the one page, then the page on the chosen printer.
// True when it was printed.
bool PrintAimSheet(const AimPageInput& input, QWidget* parent);
