#include "ui/printing/ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>
#include <cstdlib>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Cp1252.h"
#include "ui/printing/BidiText.h"

namespace {
// The default table font when no size was given: 12 points.
constexpr int kDefaultFontHeight = 16;

QString FromCp1252(const std::string& text) {
    return KeepNumbersInOrder(QString::fromStdString(Cp1252ToUtf8(text)));
}
}  // namespace

QFont ReportQFont(const QPaintDevice& device, const std::string& face, int height) {
    height = std::abs(height);
    if (height == 0)
        height = kDefaultFontHeight;
    const double pixels = height * device.logicalDpiY() / 100.0;
    QFont font(FromCp1252(face));
    font.setStyleStrategy(QFont::PreferOutline);
    // The height asked for is the whole cell, ascent and descent, as the
    // printed layout counts it; a pixel size sets only the em, so scale it.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    const double cell = QFontMetricsF(font, &device).height();
    if (cell > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / cell))));
    return font;
}

ReportDevice MeasureReportDevice(const QPaintDevice& device, const std::string& face, int fontHeight) {
    ReportDevice out;
    out.pageWidth = device.widthMM() * 4;
    out.pageHeight = device.heightMM() * 4;
    if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device)) {
        const double topMM = paged->pageLayout().margins(QPageLayout::Millimeter).top();
        out.printableTop = static_cast<int>(std::lround(topMM * 4));
    }
    const QFontMetricsF metrics(ReportQFont(device, face, fontHeight), &device);
    out.metrics.height = static_cast<int>(std::lround(metrics.height() * 100.0 / device.logicalDpiY()));
    out.metrics.aveCharWidth =
        static_cast<int>(std::lround(metrics.averageCharWidth() * 100.0 / device.logicalDpiX()));
    return out;
}

CReportPainter::CReportPainter(QPainter& painter, const QPaintDevice& device, const std::string& face,
                               int tableFontHeight)
    : m_painter(painter),
      m_scaleX(device.logicalDpiX() / 100.0),
      m_scaleY(device.logicalDpiY() / 100.0),
      m_table(ReportQFont(device, face, tableFontHeight)),
      m_small(ReportQFont(device, face, kReportSmallFontHeight)),
      m_large(ReportQFont(device, face, kReportLargeFontHeight)) {}

const QFont& CReportPainter::FontOf(ReportFont font) const {
    switch (font) {
        case ReportFont::Small:
            return m_small;
        case ReportFont::Large:
            return m_large;
        case ReportFont::Table:
            break;
    }
    return m_table;
}

std::pair<double, double> CReportPainter::Place(const ReportText& t, const QString& text) {
    m_painter.setFont(FontOf(t.font));
    const double width = m_painter.fontMetrics().horizontalAdvance(text);
    double x = X(t.x);
    if (t.align == ReportAlign::Center)
        x -= width / 2;
    else if (t.align == ReportAlign::Right)
        x -= width;
    return {x, width};
}

std::vector<ReportText> CReportPainter::CutTexts(const ReportPage& page) {
    std::vector<ReportText> cut;
    m_painter.save();
    for (const ReportText& t : page.texts) {
        if (t.text.empty())
            continue;
        const auto [x, width] = Place(t, FromCp1252(t.text));
        // Half a device unit either way is rounding, not a cut.
        if (x < X(t.clip.left) - 0.5 || x + width > X(t.clip.right) + 0.5)
            cut.push_back(t);
    }
    m_painter.restore();
    return cut;
}

void CReportPainter::Draw(const ReportPage& page) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    auto penOf = [this](int width) {
        QPen pen(Qt::black, width * m_scaleY, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    };
    m_painter.setPen(penOf(1));
    for (const ReportRect& r : page.frames)
        m_painter.drawRect(QRectF(QPointF(X(r.left), Y(r.top)), QPointF(X(r.right), Y(r.bottom))));
    for (const ReportLine& line : page.lines) {
        m_painter.setPen(penOf(line.width));
        m_painter.drawLine(QPointF(X(line.x1), Y(line.y1)), QPointF(X(line.x2), Y(line.y2)));
    }
    m_painter.setPen(Qt::black);
    const bool preview = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Picture;
    for (const ReportText& t : page.texts) {
        if (t.text.empty())
            continue;
        const QString text = FromCp1252(t.text);
        const auto [x, width] = Place(t, text);
        const QFontMetricsF metrics = m_painter.fontMetrics();
        const ReportRect& c = t.clip;
        m_painter.setClipRect(QRectF(QPointF(X(c.left), Y(c.top)), QPointF(X(c.right), Y(c.bottom))));
        const QPointF baseline(x, Y(t.y) + metrics.ascent());
        if (preview && text.isRightToLeft()) {
            // The print preview records each run of a line and replays it
            // left to right, which moves the colon of an Arabic label to the
            // far end; outlines keep the line as laid out here.
            QPainterPath outline;
            outline.addText(baseline, m_painter.font(), text);
            m_painter.setRenderHint(QPainter::Antialiasing, true);
            m_painter.fillPath(outline, m_painter.pen().color());
            m_painter.setRenderHint(QPainter::Antialiasing, false);
        } else {
            m_painter.drawText(baseline, text);
        }
        m_painter.setClipping(false);
    }
    m_painter.restore();
}

ReportJobInput MeasuredReportInput(const QPaintDevice& device, ReportJobInput input) {
    const ReportDevice measures = MeasureReportDevice(device, input.face, input.fontHeight);
    input.pageWidth = measures.pageWidth;
    input.pageHeight = measures.pageHeight;
    input.printableTop = measures.printableTop;
    input.metrics = measures.metrics;
    return input;
}

bool PaintReport(QPagedPaintDevice& device, ReportJobInput input, int from, int to) {
    const CReportJob job(MeasuredReportInput(device, std::move(input)));
    if (to <= 0 || to > job.PageCount())
        to = job.PageCount();
    if (from < 1)
        from = 1;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    CReportPainter draw(painter, device, job.Input().face, job.TableFontHeight());
    for (int page = from; page <= to; ++page) {
        if (page > from)
            device.newPage();
        const ReportPage laidOut = job.Page(page);
        if (!laidOut.message.empty())
            AppMessageBox(laidOut.message);
        draw.Draw(laidOut);
    }
    return painter.end();
}
