// The look-angle view's printing: its print commands and the report job it
// hands to the printer, the preview and the page painter.
#include <QPrinter>

#include "core/framework/Document.h"
#include "core/locations/Location.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/LocationPane.h"
#include "ui/display/TilvexView.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/printing/PrintOptionsDlg.h"
#include "ui/printing/PrintSupport.h"
#include "ui/printing/ReportPainter.h"

bool CTilvexView::CanPrint() const {
    return m_pDoc && m_pDoc->GetCurrentLocation() && Grid()->count() > 0;
}

bool CTilvexView::RunPrintOptions() {
    CPrintOptionsDlg dialog(AfxGetAppContext().profile, window());
    const bool ok = dialog.exec() == QDialog::Accepted;
    // Kept whichever way the dialog ended.
    m_nPrintFontHeight = PrintFontHeightFromSize(dialog.m_strSize);
    m_strPrintFace = dialog.m_strFace;
    m_nPrintScope = dialog.m_nScope;
    return ok;
}

ReportJobInput CTilvexView::PrintJobInput() const {
    ReportJobInput input;
    input.currentLocationOnly = m_nPrintScope == 1;
    if (m_pDoc) {
        input.currentLocation = m_pDoc->GetCurrentLocation();
        input.workspaceTitle = m_pDoc->GetTitle();
    }
    // The locations of the location pane's list, in its order.
    const int locations = m_pLocationPane->List()->count();
    for (int row = 0; row < locations; ++row)
        input.locations.push_back(m_pLocationPane->LocationAt(row));
    // The rows the grid shows.
    const CArcGrid* grid = Grid();
    for (int row = 0; row < grid->count(); ++row)
        input.rows.push_back(grid->SatelliteAt(row));
    input.gridOptions = grid->GetOptions();
    input.date = CurrentDateText();
    input.face = m_strPrintFace;
    input.fontHeight = m_nPrintFontHeight;
    // The horizons of the locations the job may print, and the dish's beam:
    // their pages get the clearance column.
    CSiteHorizons& horizons = CSiteHorizons::Current();
    std::vector<const CLocation*> printed = input.locations;
    printed.push_back(input.currentLocation);
    for (const CLocation* location : printed)
        if (location)
            if (const CHorizonProfile* profile = horizons.Find(location->GetName()))
                input.horizons.emplace(location->GetName(), *profile);
    input.beamEdge = horizons.BeamEdge();
    return input;
}

namespace {
// The job with the measures of `printer`'s page and the table font on it.
CReportJob MeasuredJob(QPrinter& printer, ReportJobInput input) {
    return CReportJob(MeasuredReportInput(printer, std::move(input)));
}
}  // namespace

void CTilvexView::PrintPages(QPrinter& printer) {
    const CReportJob job = MeasuredJob(printer, PrintJobInput());
    m_nPagesPerLocation = job.PagesPerLocation();
    if (job.PageCount() == 0)
        return;
    const bool range = printer.printRange() == QPrinter::PageRange;
    PaintReport(printer, job.Input(), range ? printer.fromPage() : 1, range ? printer.toPage() : 0);
}

void CTilvexView::OnFilePrint() {
    if (!CanPrint())
        return;
    if (!m_bPrintOptionsDone && !RunPrintOptions()) {
        m_bPrintOptionsDone = false;
        return;
    }
    QPrinter& printer = ReportPrinter();
    const int pages = MeasuredJob(printer, PrintJobInput()).PageCount();
    if (pages > 0 && RunPrintDialog(printer, pages, window()))
        PrintPages(printer);
    m_bPrintOptionsDone = false;
}

void CTilvexView::OnFilePrintPreview() {
    if (!CanPrint())
        return;
    if (!RunPrintOptions())
        return;
    m_bPrintOptionsDone = true;
    QPrinter& printer = ReportPrinter();
    const ReportJobInput input = PrintJobInput();
    const int pages = MeasuredJob(printer, input).PageCount();
    const bool print = RunPrintPreview(
        printer, pages, [&input](QPrinter& device) { PaintReport(device, input); }, window());
    if (print)
        OnFilePrint();
    else
        emit printPreviewClosed();
}

void CTilvexView::OnFilePrintDirect() {
    if (!CanPrint())
        return;
    PrintPages(ReportPrinter());
}
