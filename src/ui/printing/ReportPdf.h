// The look-angle report as a PDF document, drawn by the same painter as the
// printed pages.  Needs Qt's GUI library but no window.
#pragma once

#include <string>

#include "core/reports/Report.h"

// Creates the application object fonts need, once, on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another.
void EnsureReportGuiApplication();

// Renders every page of the job described by `input` (its page and font
// measures are filled in from the PDF page: `paper`, portrait, a quarter
// inch margin) into `pdf`.  Returns the number of pages; 0 (and no bytes)
// when there is nothing to print.
int RenderReportPdf(const ReportJobInput& input, ReportPaper paper, std::string& pdf);
