// The program's printer and the dialogs around it: the printer dialog, the
// print preview and the page setup.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The printer every print, preview and page setup uses; portrait until the
// user changes it, on the printer's default paper (the locale's, Letter or
// A4, when there is no printer).
QPrinter& ReportPrinter();

// Shows the printer dialog for a job of `pageCount` pages; true when the user
// chose to print.  Tests replace it (an empty function restores the dialog)
// and get back the one replaced.
using PrintDialogRunner = std::function<bool(QPrinter& printer, int pageCount, QWidget* parent)>;
bool RunPrintDialog(QPrinter& printer, int pageCount, QWidget* parent);
PrintDialogRunner SetPrintDialogRunner(PrintDialogRunner runner);

// File > Print Setup: the page setup dialog on the program's printer.
void RunPrintSetup(QWidget* parent);

// The preview of a job of `pageCount` pages drawn by `paint`: one page at a
// time for fewer than two pages, else two.  Its Print button closes it and
// returns true, so that the caller prints; closing it returns false.
bool RunPrintPreview(QPrinter& printer, int pageCount, const std::function<void(QPrinter&)>& paint,
                     QWidget* parent);
