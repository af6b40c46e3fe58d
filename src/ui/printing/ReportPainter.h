// Draws report pages (see printing/Report.h) on any Qt paint device: a
// printer, the print preview or a PDF writer.  Report units are hundredths
// of an inch with y growing upward from the top of the printable area;
// device units follow the device's resolution, y growing downward.
#pragma once

#include <QFont>
#include <string>
#include <utility>
#include <vector>

#include "core/reports/Report.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

// The printable area in report units: 4 x its size in millimetres (about
// 100 / 25.4), its distance from the paper's top edge (0 on a device without
// pages), and what the table font measures on the device.
struct ReportDevice {
    int pageWidth = 0;
    int pageHeight = 0;
    int printableTop = 0;
    ReportFontMetrics metrics;
};
ReportDevice MeasureReportDevice(const QPaintDevice& device, const std::string& face, int fontHeight);

// A font of `face` whose cell (ascent plus descent) is `height` report units
// on the device; a height of 0 gives the default of 12 points, a negative
// one its magnitude.
QFont ReportQFont(const QPaintDevice& device, const std::string& face, int height);

class CReportPainter {
public:
    // `painter` is active on `device`.
    CReportPainter(QPainter& painter, const QPaintDevice& device, const std::string& face,
                   int tableFontHeight);

    void Draw(const ReportPage& page);
    // The page's texts that their clip would cut: a heading too wide for its
    // column, a header line wider than the band.
    std::vector<ReportText> CutTexts(const ReportPage& page);

private:
    // Sets the text's font; gives where the text starts and how wide it is,
    // in device units.
    std::pair<double, double> Place(const ReportText& t, const QString& text);
    double X(int x) const { return x * m_scaleX; }
    double Y(int y) const { return -y * m_scaleY; }
    const QFont& FontOf(ReportFont font) const;

    QPainter& m_painter;
    double m_scaleX;
    double m_scaleY;
    QFont m_table;
    QFont m_small;
    QFont m_large;
};

// `input` with the measures of `device` filled in.
ReportJobInput MeasuredReportInput(const QPaintDevice& device, ReportJobInput input);

// Fills the device's measures into `input`, then draws pages `from` to `to`
// (0: the last) of that job, a new page before each but the first.  False
// when the device cannot be painted on.
bool PaintReport(QPagedPaintDevice& device, ReportJobInput input, int from = 1, int to = 0);
