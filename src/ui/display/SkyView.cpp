#include "ui/display/SkyView.h"

#include <QAction>
#include <QFileDialog>
#include <QImage>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#ifndef TILVEX_NO_SVG
#include <QSvgGenerator>
#endif
#include <QToolBar>
#include <QToolTip>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "core/display/ArcGridModel.h"
#include "core/framework/AppMessageBox.h"
#include "core/framework/Translate.h"
#include "core/locations/Location.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/app/UserFolders.h"
#include "ui/app/WindowFit.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/HorizonDlg.h"
#include "ui/horizon/SiteHorizons.h"

namespace {

constexpr int kMargin = 44;
constexpr double kPointRadius = 4.0;
// How far from a point the mouse may be to point at it.
constexpr double kReach = 8.0;
const QColor kSkyColor(0xF4, 0xF8, 0xFF);
const QColor kGridColor(0xB0, 0xB8, 0xC8);
const QColor kArcColor(0x1F, 0x5F, 0xBF);
const QColor kPointColor(0x20, 0x20, 0x20);
const QColor kCurrentColor(0xD0, 0x20, 0x20);
// The horizon's silhouette: earth brown, half seen through so that the sky's
// circles and spokes show beneath it, with a darker edge and light handles.
const QColor kHorizonFill(0x9C, 0x7A, 0x4E, 150);
const QColor kHorizonEdge(0x5C, 0x42, 0x22);
const QColor kHandleFill(0xFF, 0xF6, 0xE0);
constexpr double kHandleHalf = 3.5;

QString Degrees(double value) {
    return QString::number(value, 'f', 0) + QChar(0xB0);
}

}  // namespace

CSkyPlot::CSkyPlot(const CArcGridModel* grid, CTilvexDoc* doc, QWidget* parent)
    : QWidget(parent), m_pGrid(grid), m_pDoc(doc) {
    setObjectName("skyPlot");
    setMinimumSize(360, 360);
    setMouseTracking(false);
    setWhatsThis(
        Tr("The geostationary arc as seen from the current location: North at the top, the horizon at the "
           "rim and the zenith in the centre.  Click a satellite to make it current.  The location's "
           "horizon is the brown silhouette; drag its points to change it."));
    connect(&CSiteHorizons::Current(), &CSiteHorizons::changed, this, &CSkyPlot::Refresh);
}

void CSkyPlot::Refresh() {
    std::vector<SkyPoint> points;
    const double offset = m_azimuthOffset;
    m_arc.clear();
    const CLocation* location = m_pDoc ? m_pDoc->GetCurrentLocation() : nullptr;
    m_bSite = location != nullptr && m_pGrid != nullptr;
    if (m_bSite) {
        m_nOptions = m_pGrid->GetOptions();
        m_azimuthOffset = (m_nOptions & GRID_MAGNETIC) ? m_pGrid->MagVar() : 0.0;
        m_title = FromCp1252(location->GetName());
        m_arc = VisibleArc(m_pGrid->Latitude(), m_pGrid->Longitude());
        points = SkyPoints(*m_pGrid, m_pDoc->GetCurrentSatellite());
    } else {
        m_title = Tr("No location");
    }
    // A drag in progress keeps the horizon it is changing.
    if (m_dragged < 0) {
        m_location = location ? location->GetName() : std::string();
        const CHorizonProfile* horizon =
            m_location.empty() ? nullptr : CSiteHorizons::Current().Find(m_location);
        m_horizon = horizon ? *horizon : CHorizonProfile();
    }
    // The same points where they were keep their places and labels.
    auto same = [](const SkyPoint& a, const SkyPoint& b) {
        return a.satellite == b.satellite && a.label == b.label && a.current == b.current &&
               a.direction.azimuth == b.direction.azimuth && a.direction.elevation == b.direction.elevation;
    };
    if (offset != m_azimuthOffset ||
        !std::equal(points.begin(), points.end(), m_points.begin(), m_points.end(), same))
        m_scene = Scene();
    // Measuring a hundred thousand labels takes longer than placing them:
    // the same texts keep their widths when only the current one changes.
    if (!std::equal(points.begin(), points.end(), m_points.begin(), m_points.end(),
                    [](const SkyPoint& a, const SkyPoint& b) { return a.label == b.label; }))
        m_labelWidths.clear();
    m_points = std::move(points);
    update();
}

const CSkyPlot::Scene& CSkyPlot::SceneFor(QSize size) const {
    if (m_scene.size == size && m_scene.at.size() == m_points.size())
        return m_scene;
    m_scene = Scene();
    m_scene.size = size;
    const PolarPlot plot = Plot(size);
    m_scene.at.reserve(m_points.size());
    for (const SkyPoint& point : m_points)
        m_scene.at.push_back(plot.Place(point.direction));
    m_scene.index = SkyPointIndex(m_scene.at, size.width(), size.height());
    return m_scene;
}

void CSkyPlot::PlaceLabels(const QFontMetrics& plain, const QFontMetrics& bold, const QString& font) const {
    if (m_labelWidthsFont != font || m_labelWidths.size() != m_points.size()) {
        m_labelWidths.clear();
        m_labelWidths.reserve(m_points.size());
        for (const SkyPoint& point : m_points)
            m_labelWidths.push_back(plain.horizontalAdvance(FromCp1252(point.label)));
        m_labelWidthsFont = font;
    }
    std::vector<std::pair<double, double>> sizes;
    sizes.reserve(m_points.size());
    int current = -1;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (m_points[i].current) {
            current = static_cast<int>(i);
            sizes.emplace_back(bold.horizontalAdvance(FromCp1252(m_points[i].label)) + 2.0,
                               double(bold.height()));
        } else {
            sizes.emplace_back(m_labelWidths[i] + 2.0, double(plain.height()));
        }
    }
    m_scene.labels = PlaceSkyLabels(m_scene.at, sizes, m_scene.size.width(), m_scene.size.height(),
                                    kPointRadius + 2, current);
    m_scene.labelFont = font;
}

int CSkyPlot::PointAt(QPointF position) const {
    return SceneFor(size()).index.Nearest(position.x(), position.y(), kReach);
}

PolarPlot CSkyPlot::Plot(QSize size) const {
    PolarPlot plot;
    plot.centreX = size.width() / 2.0;
    plot.centreY = size.height() / 2.0 + 8.0;
    plot.radius = std::max(10.0, std::min(size.width(), size.height() - 16) / 2.0 - kMargin);
    plot.azimuthOffset = m_azimuthOffset;
    return plot;
}

QString CSkyPlot::Caption() const {
    return FromCp1252(SkyAzimuthCaption(m_nOptions));
}

void CSkyPlot::Render(QPainter& painter, QSize size) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const PolarPlot plot = Plot(size);
    const QPointF centre(plot.centreX, plot.centreY);
    auto at = [&](const SkyDirection& d) {
        const PolarPlot::Point p = plot.Place(d);
        return QPointF(p.x, p.y);
    };

    // The sky, the elevation circles and the azimuth spokes of the frame the
    // plot uses (true or magnetic North at the top).
    painter.setPen(QPen(kGridColor, 1));
    painter.setBrush(kSkyColor);
    painter.drawEllipse(centre, plot.radius, plot.radius);
    painter.setBrush(Qt::NoBrush);
    for (int elevation : {30, 60}) {
        const double r = plot.radius * (90 - elevation) / 90.0;
        painter.drawEllipse(centre, r, r);
    }
    const PolarPlot frame{plot.centreX, plot.centreY, plot.radius, 0.0};
    for (int azimuth = 0; azimuth < 360; azimuth += 30) {
        const PolarPlot::Point rim = frame.Place({double(azimuth), 0.0});
        painter.drawLine(centre, QPointF(rim.x, rim.y));
    }
    if (m_bSite)
        DrawHorizon(painter, plot);
    painter.setPen(Qt::darkGray);
    const QFontMetrics metrics = painter.fontMetrics();
    // The elevation marks on the spoke away from the arc: North for a
    // northern site, South for a southern one.
    const double markSpoke = m_bSite && m_pGrid->Latitude() < 0.0f ? 180.0 : 0.0;
    for (int elevation : {30, 60}) {
        const PolarPlot::Point p = frame.Place({markSpoke, double(elevation)});
        painter.drawText(QPointF(p.x + 3, p.y - 2), Degrees(elevation));
    }
    const char* compass[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const double a = i * 90.0;
        const PolarPlot::Point p =
            PolarPlot{plot.centreX, plot.centreY, plot.radius + 14, 0.0}.Place({a, 0.0});
        const QString text = compass[i];
        painter.drawText(QRectF(p.x - 20, p.y - metrics.height() / 2.0, 40, metrics.height()),
                         Qt::AlignCenter, text);
    }
    for (int azimuth = 30; azimuth < 360; azimuth += 30) {
        if (azimuth % 90 == 0)
            continue;
        const PolarPlot::Point p =
            PolarPlot{plot.centreX, plot.centreY, plot.radius + 14, 0.0}.Place({double(azimuth), 0.0});
        painter.drawText(QRectF(p.x - 20, p.y - metrics.height() / 2.0, 40, metrics.height()),
                         Qt::AlignCenter, Degrees(azimuth));
    }

    painter.setPen(Qt::black);
    painter.drawText(QRectF(8, 4, size.width() - 16, metrics.height()), Qt::AlignLeft, m_title);
    painter.drawText(QRectF(8, 4, size.width() - 16, metrics.height()), Qt::AlignRight, Caption());
    if (!m_bSite)
        return;
    if (m_arc.empty()) {
        painter.drawText(QRectF(8, size.height() - metrics.height() - 4, size.width() - 16, metrics.height()),
                         Qt::AlignLeft, "The geostationary arc is below the horizon here.");
        return;
    }

    QPainterPath path;
    path.moveTo(at(m_arc.front()));
    for (std::size_t i = 1; i < m_arc.size(); ++i)
        path.lineTo(at(m_arc[i]));
    painter.setPen(QPen(kArcColor, 2));
    painter.drawPath(path);

    // The labels are placed once for each site, set of rows, size and font.
    const Scene& scene = SceneFor(size);
    QFont bold = painter.font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold, painter.device());
    const QString font = painter.font().key() + "@" + QString::number(painter.device()->logicalDpiX()) + "," +
                         QString::number(painter.device()->logicalDpiY());
    if (scene.labels.size() != m_points.size() || scene.labelFont != font)
        PlaceLabels(QFontMetrics(painter.font(), painter.device()), boldMetrics, font);
    const std::vector<PolarPlot::Point>& places = scene.at;
    const std::vector<LabelBox>& boxes = scene.labels;
    // Leader lines under everything, then the points (the current one
    // last, on top), then the labels.
    painter.setPen(QPen(kGridColor.darker(130), 1));
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (!boxes[i].shown || !boxes[i].leader)
            continue;
        const PolarPlot::Point end = LeaderEnd(boxes[i], places[i]);
        painter.drawLine(QPointF(places[i].x, places[i].y), QPointF(end.x, end.y));
    }
    DrawDots(painter);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (!m_points[i].current)
            continue;
        painter.setPen(QPen(kCurrentColor, 1));
        painter.setBrush(kCurrentColor);
        painter.drawEllipse(QPointF(places[i].x, places[i].y), kPointRadius + 2, kPointRadius + 2);
    }
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const LabelBox& box = boxes[i];
        if (!box.shown)
            continue;
        painter.setPen(m_points[i].current ? kCurrentColor : kPointColor);
        QFont labelFont = bold;
        labelFont.setBold(m_points[i].current);
        painter.setFont(labelFont);
        painter.drawText(QRectF(box.x, box.y, box.width, box.height), Qt::AlignCenter,
                         FromCp1252(m_points[i].label));
    }
}

void CSkyPlot::DrawHorizon(QPainter& painter, const PolarPlot& plot) const {
    if (m_horizon.IsEmpty())
        return;
    // The ring between the rim and the horizon's outline.
    QPolygonF outline;
    for (const SkyDirection& direction : HorizonOutline(m_horizon)) {
        const PolarPlot::Point p = plot.Place(direction);
        outline << QPointF(p.x, p.y);
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addEllipse(QPointF(plot.centreX, plot.centreY), plot.radius, plot.radius);
    path.addPolygon(outline);
    path.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHorizonFill);
    painter.drawPath(path);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kHorizonEdge, 1.5));
    painter.drawPolygon(outline);
    // The points that can be dragged.
    painter.setPen(QPen(kHorizonEdge, 1));
    painter.setBrush(kHandleFill);
    for (const HorizonPoint& point : m_horizon.Points()) {
        const PolarPlot::Point p = plot.Place({point.azimuth, point.elevation});
        painter.drawRect(QRectF(p.x - kHandleHalf, p.y - kHandleHalf, 2 * kHandleHalf, 2 * kHandleHalf));
    }
    painter.setBrush(Qt::NoBrush);
}

int CSkyPlot::HorizonPointAt(QPointF position) const {
    if (!m_bSite)
        return -1;
    const PolarPlot plot = Plot();
    int nearest = -1;
    double best = kReach;
    const std::vector<HorizonPoint>& points = m_horizon.Points();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PolarPlot::Point p = plot.Place({points[i].azimuth, points[i].elevation});
        const double distance = std::hypot(p.x - position.x(), p.y - position.y());
        if (distance <= best) {
            best = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

void CSkyPlot::DrawDots(QPainter& painter) const {
    // Many satellites share a pixel of a crowded arc: each place on the
    // device's pixels gets one dot.
    const QSize size = m_scene.size;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const double half = kPointRadius + 1.0;
    if (m_scene.dotsRatio != ratio) {
        m_scene.dots.clear();
        const int columns = qCeil(size.width() * ratio) + 1, rows = qCeil(size.height() * ratio) + 1;
        std::vector<bool> taken(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), false);
        for (std::size_t i = 0; i < m_points.size(); ++i) {
            if (m_points[i].current)
                continue;
            const int x = qRound((m_scene.at[i].x - half) * ratio),
                      y = qRound((m_scene.at[i].y - half) * ratio);
            if (x >= 0 && y >= 0 && x < columns && y < rows) {
                const std::size_t cell = static_cast<std::size_t>(y) * static_cast<std::size_t>(columns) +
                                         static_cast<std::size_t>(x);
                if (taken[cell])
                    continue;
                taken[cell] = true;
            }
            m_scene.dots.emplace_back(x / ratio, y / ratio);
        }
        m_scene.dotsRatio = ratio;
    }
    painter.setPen(QPen(kPointColor, 1));
    painter.setBrush(kPointColor);
    if (painter.paintEngine()->type() != QPaintEngine::Raster) {
        // A vector picture keeps true circles.
        for (const QPointF& dot : m_scene.dots)
            painter.drawEllipse(dot + QPointF(half, half), kPointRadius, kPointRadius);
        return;
    }
    // On the screen one drawn dot is copied to each place.
    QPixmap pixmap(qCeil(2 * half * ratio), qCeil(2 * half * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter dotPainter(&pixmap);
        dotPainter.setRenderHint(QPainter::Antialiasing);
        dotPainter.setPen(QPen(kPointColor, 1));
        dotPainter.setBrush(kPointColor);
        dotPainter.drawEllipse(QPointF(half, half), kPointRadius, kPointRadius);
    }
    for (const QPointF& dot : m_scene.dots)
        painter.drawPixmap(dot, pixmap);
}

bool CSkyPlot::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    // The name of the satellite under the mouse: every point's, whether its
    // label found room or not.
    auto* help = static_cast<QHelpEvent*>(event);
    const int hit = PointAt(help->pos());
    if (hit < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const PolarPlot::Point at = m_scene.at[static_cast<std::size_t>(hit)];
    const QRect area(qFloor(at.x - kReach), qFloor(at.y - kReach), qCeil(2 * kReach), qCeil(2 * kReach));
    QToolTip::showText(help->globalPos(), FromCp1252(m_points[static_cast<std::size_t>(hit)].label), this,
                       area);
    return true;
}

void CSkyPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Render(painter, size());
}

void CSkyPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragged < 0) {
        // A horizon point under the mouse is dragged rather than the
        // satellite beside it chosen.
        const int point = HorizonPointAt(event->position());
        if (point >= 0) {
            m_dragged = point;
            m_dragStart = m_horizon;
            setCursor(Qt::ClosedHandCursor);
            event->accept();
            return;
        }
    }
    if (event->button() == Qt::LeftButton) {
        const int hit = PointAt(event->position());
        if (hit >= 0)
            emit satelliteClicked(m_points[static_cast<std::size_t>(hit)].satellite);
    }
    QWidget::mousePressEvent(event);
}

void CSkyPlot::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragged < 0) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // The point goes where the mouse is, to a tenth of a degree, within the
    // elevations a horizon may have (outside the rim is below the level).
    const SkyDirection direction = Plot().DirectionAt(event->position().x(), event->position().y());
    double azimuth = std::round(direction.azimuth * 10.0) / 10.0;
    if (azimuth >= 360.0)
        azimuth -= 360.0;
    const double elevation =
        std::clamp(std::round(direction.elevation * 10.0) / 10.0, kHorizonMinElevation, kHorizonMaxElevation);
    CHorizonProfile moved = m_dragStart;
    moved.RemovePoint(static_cast<std::size_t>(m_dragged));
    if (!moved.AddPoint({azimuth, elevation})) {
        m_horizon = std::move(moved);
        update();
    }
    event->accept();
}

void CSkyPlot::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragged < 0 || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragged = -1;
    unsetCursor();
    event->accept();
    // Saved at once; the store's changed() brings back what it holds.
    if (m_horizon != m_dragStart && !m_location.empty())
        CSiteHorizons::Current().SetProfile(m_location, m_horizon);
    Refresh();
}

CSkyView::CSkyView(const CArcGridModel* grid, CTilvexDoc* doc, QWidget* parent) : QMainWindow(parent) {
    setObjectName("skyView");
    setWindowTitle(Tr("Sky View"));
    setWindowFlag(Qt::Window);
    m_plot = new CSkyPlot(grid, doc, this);
    setCentralWidget(m_plot);
    QMenu* file = menuBar()->addMenu(Tr("&File"));
    QAction* save = file->addAction(Tr("&Save Picture..."), this, &CSkyView::OnSavePicture);
    save->setObjectName("savePicture");
    save->setStatusTip(Tr("Save the sky view as a PNG or SVG picture"));
    file->addSeparator();
    QAction* close = file->addAction(Tr("&Close"), this, &QWidget::close);
    close->setObjectName("closeSkyView");
    QMenu* site = menuBar()->addMenu(Tr("&Location"));
    m_horizonAction = site->addAction(Tr("&Horizon..."), this, &CSkyView::OnHorizon);
    m_horizonAction->setObjectName("skyHorizon");
    m_horizonAction->setStatusTip(Tr("Edit the horizon of the current location: its points and obstacles"));
    QToolBar* tools = addToolBar(Tr("Sky View"));
    tools->setObjectName("skyViewTools");
    tools->setMovable(false);
    tools->addAction(m_horizonAction);
    resize(560, 600);
}

void CSkyView::OnUpdate(CView*) {
    m_plot->Refresh();
    m_horizonAction->setEnabled(!m_plot->LocationName().empty());
}

void CSkyView::OnHorizon() {
    const std::string location = m_plot->LocationName();
    if (location.empty())
        return;
    CSiteHorizons& horizons = CSiteHorizons::Current();
    const CHorizonProfile* saved = horizons.Find(location);
    CHorizonDlg dialog(saved ? *saved : CHorizonProfile(), location, this);
    if (dialog.Run())
        horizons.SetProfile(location, dialog.Profile());
}

void CSkyView::showEvent(QShowEvent* event) {
    m_plot->Refresh();
    m_horizonAction->setEnabled(!m_plot->LocationName().empty());
    QMainWindow::showEvent(event);
    if (!m_bPlaced) {
        // First shown beside the main window's centre, as a dialog opens,
        // and wholly on the screen.
        m_bPlaced = true;
        if (const QWidget* owner = parentWidget()) {
            const QRect frame = owner->window()->frameGeometry();
            move(frame.center() - QPoint(width() / 2, height() / 2));
        }
    }
    FitToScreen(this);
}

bool CSkyView::SavePicture(const QString& path) const {
    const QSize size = m_plot->size();
#ifdef TILVEX_NO_SVG
    // Built without Qt SVG (its sources are not everywhere at hand): PNG only.
    if (path.endsWith(".svg", Qt::CaseInsensitive))
        return false;
#else
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(Tr("Sky View"));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        m_plot->Render(painter, size);
        return painter.end();
    }
#endif
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    m_plot->Render(painter, size);
    painter.end();
    return image.save(path, "PNG");
}

void CSkyView::OnSavePicture() {
    QString selected;
    QString filters = Tr("PNG Pictures (*.png);;SVG Pictures (*.svg)");
#ifdef TILVEX_NO_SVG
    filters = filters.section(";;", 0, 0);
#endif
    const QString path = QFileDialog::getSaveFileName(
        this, Tr("Save Picture"), InDocumentsFolder(Tr("Sky View") + ".png"), filters, &selected);
    if (path.isEmpty())
        return;
    QString file = path;
    if (!file.endsWith(".png", Qt::CaseInsensitive) && !file.endsWith(".svg", Qt::CaseInsensitive))
        file += selected.contains("svg") ? ".svg" : ".png";
    if (!SavePicture(file))
        AppMessageBox(ToCp1252Text(Tr("Could not write %1.").arg(file)), MB_OK, MB_ICONEXCLAMATION);
}
