#include "ui/sites/WorldMapView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/display/DialogUnits.h"
#include "ui/framework/QtText.h"
#include "ui/sites/SiteData.h"

namespace {

// The map's colours, for a light or a dark palette.
struct MapColours {
    QColor outside;  // beyond the poles
    QColor ocean;
    QColor land;
    QColor coast;
    QColor border;
    QColor grid;
    QColor marker;
    QColor halo;  // round the marker
};

MapColours ColoursFor(const QPalette& palette) {
    if (palette.color(QPalette::Window).lightness() < 128)
        return {palette.color(QPalette::Window).darker(130),
                QColor(0x10, 0x24, 0x3A),
                QColor(0x34, 0x3F, 0x33),
                QColor(0x9C, 0xC6, 0xE8),
                QColor(0x92, 0x9E, 0x8C),
                QColor(0x9C, 0xC6, 0xE8, 60),
                QColor(0xFF, 0x4D, 0x3D),
                QColor(0xFF, 0xFF, 0xFF)};
    return {palette.color(QPalette::Window).darker(108),
            QColor(0xCC, 0xE2, 0xF4),
            QColor(0xF6, 0xF2, 0xE2),
            QColor(0x2F, 0x62, 0x90),
            QColor(0x9A, 0x8E, 0x78),
            QColor(0x2F, 0x62, 0x90, 50),
            QColor(0xD3, 0x1B, 0x1B),
            QColor(0xFF, 0xFF, 0xFF)};
}

// A pen `width` pixels wide (logical ones: twice as many on a display of
// twice the density).
QPen LinePen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// The step between the grid's lines: the smallest that keeps them `gap`
// pixels apart.
double GridStep(double pixelsPerDegree, double gap) {
    for (double step : {0.25, 0.5, 1.0, 2.0, 5.0, 10.0, 15.0})
        if (step * pixelsPerDegree >= gap)
            return step;
    return 30.0;
}

}  // namespace

CWorldMapView::CWorldMapView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(Tr("World map"));
    setWhatsThis(
        Tr("Click the map to pick a point. Drag the map or use the arrow keys to move it, the wheel or + "
           "and - to zoom, Home to see the whole world again; Space picks the point in the middle."));
    UpdateDescription();
}

CWorldMapView::~CWorldMapView() = default;

void CWorldMapView::SetShapes(std::shared_ptr<const WorldMapShapes> shapes) {
    m_shapes = std::move(shapes);
    m_baseValid = false;
    update();
}

void CWorldMapView::SetMessage(const QString& text) {
    m_message = text;
    update();
}

void CWorldMapView::SetPoint(const GeoPoint& point) {
    m_point = GeoPoint{std::clamp(point.latitude, -90.0, 90.0), std::remainder(point.longitude, 360.0)};
    UpdateDescription();
    update();
}

void CWorldMapView::ClearPoint() {
    m_point.reset();
    UpdateDescription();
    update();
}

void CWorldMapView::Pick(const GeoPoint& point) {
    SetPoint(point);
    emit pointPicked(m_point->latitude, m_point->longitude);
}

void CWorldMapView::UpdateDescription() {
    setAccessibleDescription(
        m_point ? Tr("Picked point: %1, %2")
                      .arg(LatitudeText(m_point->latitude), LongitudeText(m_point->longitude))
                : Tr("No point picked"));
}

double CWorldMapView::Scale() const {
    const double perDegree = std::min(std::max(1, width()) / 360.0, std::max(1, height()) / 180.0);
    return perDegree * m_zoom;
}

void CWorldMapView::SetView(GeoPoint centre, double zoom) {
    centre.longitude = std::remainder(centre.longitude, 360.0);
    centre.latitude = std::clamp(centre.latitude, -90.0, 90.0);
    zoom = std::clamp(zoom, 1.0, kMaxZoom);
    if (centre.latitude == m_centre.latitude && centre.longitude == m_centre.longitude && zoom == m_zoom)
        return;
    m_centre = centre;
    m_zoom = zoom;
    m_baseValid = false;
    update();
}

void CWorldMapView::CentreOn(const GeoPoint& centre, double zoom) {
    SetView(centre, std::max(zoom, m_zoom));
}

void CWorldMapView::ResetView() {
    SetView(GeoPoint{}, 1.0);
}

// The view keeps the centre it was given; the centre shown is moved as
// little as needed to keep the poles at or beyond the view's edges (while
// the window is still small, the one given stays for when it grows).
namespace {
GeoPoint ShownCentre(GeoPoint centre, double halfHeightDegrees) {
    if (halfHeightDegrees >= 90.0)
        centre.latitude = 0.0;
    else
        centre.latitude = std::clamp(centre.latitude, -90.0 + halfHeightDegrees, 90.0 - halfHeightDegrees);
    return centre;
}
}  // namespace

GeoPoint CWorldMapView::Centre() const {
    return ShownCentre(m_centre, height() / 2.0 / Scale());
}

QPointF CWorldMapView::ToWidget(const GeoPoint& point) const {
    const double scale = Scale();
    const GeoPoint centre = ShownCentre(m_centre, height() / 2.0 / scale);
    return {width() / 2.0 + std::remainder(point.longitude - centre.longitude, 360.0) * scale,
            height() / 2.0 - (point.latitude - centre.latitude) * scale};
}

std::optional<GeoPoint> CWorldMapView::ToGeo(QPointF position) const {
    const double scale = Scale();
    const GeoPoint centre = ShownCentre(m_centre, height() / 2.0 / scale);
    const double latitude = centre.latitude - (position.y() - height() / 2.0) / scale;
    if (latitude < -90.0 || latitude > 90.0)
        return std::nullopt;
    const double longitude = centre.longitude + (position.x() - width() / 2.0) / scale;
    return GeoPoint{latitude, std::remainder(longitude, 360.0)};
}

void CWorldMapView::MoveBy(QPointF pixels) {
    const double scale = Scale();
    GeoPoint centre = ShownCentre(m_centre, height() / 2.0 / scale);
    centre.longitude -= pixels.x() / scale;
    centre.latitude += pixels.y() / scale;
    SetView(ShownCentre(centre, height() / 2.0 / scale), m_zoom);
}

void CWorldMapView::ZoomAt(double factor, QPointF anchor) {
    const double scale = Scale();
    const GeoPoint centre = ShownCentre(m_centre, height() / 2.0 / scale);
    // The point under the anchor, before the longitude is wrapped.
    const double dx = anchor.x() - width() / 2.0;
    const double dy = anchor.y() - height() / 2.0;
    const double longitude = centre.longitude + dx / scale;
    const double latitude = centre.latitude - dy / scale;
    const double zoom = std::clamp(m_zoom * factor, 1.0, kMaxZoom);
    const double newScale = scale / m_zoom * zoom;
    const GeoPoint moved{latitude + dy / newScale, longitude - dx / newScale};
    SetView(ShownCentre(moved, height() / 2.0 / newScale), zoom);
}

QSize CWorldMapView::sizeHint() const {
    const DialogUnits du = DialogUnits::Current();
    return {du.X(360), du.X(180)};
}

QSize CWorldMapView::minimumSizeHint() const {
    const DialogUnits du = DialogUnits::Current();
    return {du.X(160), du.X(80)};
}

const QPixmap& CWorldMapView::Base() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio)),
                       static_cast<int>(std::ceil(height() * ratio)));
    if (!m_baseValid || m_base.size() != pixels || m_base.devicePixelRatio() != ratio) {
        m_base = QPixmap(pixels);
        m_base.setDevicePixelRatio(ratio);
        QPainter painter(&m_base);
        DrawBase(painter);
        m_baseValid = true;
    }
    return m_base;
}

void CWorldMapView::DrawBase(QPainter& painter) const {
    const MapColours colours = ColoursFor(palette());
    const double scale = Scale();
    const GeoPoint centre = ShownCentre(m_centre, height() / 2.0 / scale);
    const double w = width();
    const double h = height();
    painter.fillRect(rect(), colours.outside);
    const double top = h / 2.0 - (90.0 - centre.latitude) * scale;
    const double bottom = h / 2.0 - (-90.0 - centre.latitude) * scale;
    painter.fillRect(QRectF(0.0, top, w, bottom - top), colours.ocean);
    painter.setRenderHint(QPainter::Antialiasing);

    // The copies of the world that the view shows, as longitudes unwrapped
    // round the centre.
    const double west = centre.longitude - w / 2.0 / scale;
    const double east = centre.longitude + w / 2.0 / scale;
    const int firstCopy = static_cast<int>(std::floor((west + 180.0) / 360.0));
    const int lastCopy = static_cast<int>(std::floor((east + 180.0) / 360.0));
    const auto x = [&](double longitude) { return w / 2.0 + (longitude - centre.longitude) * scale; };
    const auto y = [&](double latitude) { return h / 2.0 - (latitude - centre.latitude) * scale; };

    if (m_shapes) {
        // The shapes are in degrees: their pens keep their width whatever
        // the scale (cosmetic), which Qt counts in the device's pixels.
        const qreal ratio = painter.device()->devicePixelRatioF();
        QPen borderPen = LinePen(colours.border, 0.8 * ratio);
        QPen coastPen = LinePen(colours.coast, 1.0 * ratio);
        borderPen.setCosmetic(true);
        coastPen.setCosmetic(true);
        for (int copy = firstCopy; copy <= lastCopy; ++copy) {
            painter.save();
            painter.setTransform(QTransform(scale, 0.0, 0.0, -scale, x(copy * 360.0), y(0.0)));
            // The coastlines cover the fill's edge: it needs no antialiasing
            // (which would take several times as long).
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillPath(m_shapes->land, colours.land);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.strokePath(m_shapes->borders, borderPen);
            painter.strokePath(m_shapes->coastlines, coastPen);
            painter.restore();
        }
    }

    // Meridians and parallels, at least about 60 pixels apart.
    const double step = GridStep(scale, 60.0);
    painter.setPen(LinePen(colours.grid, 1.0));
    for (double longitude = std::ceil(west / step) * step; longitude <= east; longitude += step)
        painter.drawLine(QPointF(x(longitude), std::max(top, 0.0)),
                         QPointF(x(longitude), std::min(bottom, h)));
    for (double latitude = -90.0 + step; latitude < 90.0; latitude += step)
        if (y(latitude) >= 0.0 && y(latitude) <= h)
            painter.drawLine(QPointF(0.0, y(latitude)), QPointF(w, y(latitude)));
}

void CWorldMapView::paintEvent(QPaintEvent*) {
    const QPixmap& base = Base();
    QPainter painter(this);
    painter.drawPixmap(0, 0, base);
    painter.setRenderHint(QPainter::Antialiasing);
    const MapColours colours = ColoursFor(palette());

    if (m_point) {
        // In every copy of the world that shows it.
        const QPointF at = ToWidget(*m_point);
        const double turn = 360.0 * Scale();
        const double reach = 10.0;  // the marker's size round its point
        for (double x = at.x() - std::floor((at.x() + reach) / turn) * turn; x <= width() + reach;
             x += turn) {
            const QPointF mark(x, at.y());
            painter.setPen(LinePen(colours.halo, 3.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(mark, 8.0, 8.0);
            painter.setPen(LinePen(colours.marker, 2.0));
            painter.drawEllipse(mark, 8.0, 8.0);
            painter.setPen(LinePen(colours.halo, 1.0));
            painter.setBrush(colours.marker);
            painter.drawEllipse(mark, 3.5, 3.5);
        }
    }

    if (hasFocus()) {
        // Where Space picks, and the focus round the map.
        const QPointF middle(width() / 2.0, height() / 2.0);
        painter.setPen(LinePen(palette().color(QPalette::Highlight), 1.5));
        painter.drawLine(middle - QPointF(6.0, 0.0), middle + QPointF(6.0, 0.0));
        painter.drawLine(middle - QPointF(0.0, 6.0), middle + QPointF(0.0, 6.0));
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0));
    } else {
        painter.setPen(QPen(palette().color(QPalette::Mid), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

    if (!m_message.isEmpty()) {
        const int margin = fontMetrics().height() / 2;
        const QRect area = rect().adjusted(margin, margin, -margin, -margin);
        QRect box = fontMetrics().boundingRect(area, Qt::AlignHCenter | Qt::TextWordWrap, m_message);
        box.adjust(-margin, -margin / 2, margin, margin / 2);
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Window));
        painter.drawRoundedRect(QRectF(box), 4.0, 4.0);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_message);
    }
}

void CWorldMapView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_press = event->position().toPoint();
    m_lastMouse = *m_press;
    m_dragging = false;
}

void CWorldMapView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_press || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint position = event->position().toPoint();
    if (!m_dragging && (position - *m_press).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }
    if (m_dragging) {
        MoveBy(position - m_lastMouse);
        m_lastMouse = position;
    }
}

void CWorldMapView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_press) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool click = !m_dragging;
    m_press.reset();
    m_dragging = false;
    setCursor(Qt::CrossCursor);
    if (click)
        if (const std::optional<GeoPoint> point = ToGeo(event->position()))
            Pick(*point);
}

void CWorldMapView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0) {
        event->ignore();
        return;
    }
    ZoomAt(std::pow(2.0, notches / 2.0), event->position());
    event->accept();
}

void CWorldMapView::keyPressEvent(QKeyEvent* event) {
    const QPointF middle(width() / 2.0, height() / 2.0);
    switch (event->key()) {
        case Qt::Key_Left:
            MoveBy(QPointF(width() / 8.0, 0.0));
            break;
        case Qt::Key_Right:
            MoveBy(QPointF(-width() / 8.0, 0.0));
            break;
        case Qt::Key_Up:
            MoveBy(QPointF(0.0, height() / 8.0));
            break;
        case Qt::Key_Down:
            MoveBy(QPointF(0.0, -height() / 8.0));
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ZoomAt(2.0, middle);
            break;
        case Qt::Key_Minus:
            ZoomAt(0.5, middle);
            break;
        case Qt::Key_Home:
        case Qt::Key_0:
            ResetView();
            break;
        case Qt::Key_Space:
            if (const std::optional<GeoPoint> point = ToGeo(middle))
                Pick(*point);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CWorldMapView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        m_baseValid = false;
        update();
    }
    QWidget::changeEvent(event);
}

void CWorldMapView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CWorldMapView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
