#include "ui/printing/AimPrinting.h"

#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <utility>

#include "ui/framework/QtText.h"
#include "ui/printing/PrintSupport.h"
#include "ui/printing/ReportPainter.h"

AimSheetLayout LayOutAimSheet(QPagedPaintDevice& device, AimPageInput input) {
    std::string face = ToCp1252(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    const ReportDevice measures = MeasureReportDevice(device, face, 0);
    input.pageWidth = measures.pageWidth;
    input.pageHeight = measures.pageHeight;
    input.printableTop = measures.printableTop;
    return {std::move(face), LayOutAimPage(input)};
}

bool PaintAimSheet(QPagedPaintDevice& device, AimPageInput input) {
    const AimSheetLayout sheet = LayOutAimSheet(device, std::move(input));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    CReportPainter(painter, device, sheet.face, sheet.layout.valueFontHeight).Draw(sheet.layout.page);
    return painter.end();
}

bool PrintAimSheet(const AimPageInput& input, QWidget* parent) {
    QPrinter& printer = ReportPrinter();
    // The job's name in the print queue, and back to the report's after.
    const QString reportName = printer.docName();
    printer.setDocName(Tr("Aiming Sheet"));
    const bool printed = RunPrintDialog(printer, 1, parent) && PaintAimSheet(printer, input);
    printer.setDocName(reportName);
    return printed;
}
