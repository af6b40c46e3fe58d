// The world map on which a site is picked: the land, its coastlines and the
// borders between countries in an equirectangular projection, East to the
// right and North up, repeated round the world to the left and right.
//
// A click (not a drag) picks the point under the mouse; dragging or the
// arrow keys move the map, the wheel or + and - zoom it and Home shows the
// whole world again; Space picks the point in the middle of the view.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QWidget>
#include <memory>
#include <optional>

struct WorldMapShapes;

// A place on the earth in degrees, North and East positive.
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

class CWorldMapView : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMaxZoom = 64.0;

    explicit CWorldMapView(QWidget* parent = nullptr);
    ~CWorldMapView() override;

    // The shapes drawn (nothing: the map shows only its grid of meridians
    // and parallels).
    void SetShapes(std::shared_ptr<const WorldMapShapes> shapes);
    // A text shown across the top of the map (why it has no lines); empty
    // for none.
    void SetMessage(const QString& text);
    QString Message() const { return m_message; }

    // The marked point, if any.  Setting it emits nothing.
    std::optional<GeoPoint> Point() const { return m_point; }
    void SetPoint(const GeoPoint& point);
    void ClearPoint();

    // The view: the point in its middle and how far it is zoomed in (1: the
    // whole world fits).
    GeoPoint Centre() const;
    double Zoom() const { return m_zoom; }
    // Moves the view's middle to `centre` (as near as the poles allow),
    // zooming in to at least `zoom`.
    void CentreOn(const GeoPoint& centre, double zoom = 1.0);
    // The whole world, centred.
    void ResetView();

    // Pixels per degree at the current zoom.
    double Scale() const;
    // Where a point lies in the widget (in the copy of the world nearest the
    // middle of the view), and the point under a widget position (the
    // longitude taken into -180..180; nothing above or below the poles).
    QPointF ToWidget(const GeoPoint& point) const;
    std::optional<GeoPoint> ToGeo(QPointF position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user picked a point (by a click or Space).
    void pointPicked(double latitude, double longitude);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Pick(const GeoPoint& point);
    // Zooms by `factor`, keeping the point under `anchor` where it is.
    void ZoomAt(double factor, QPointF anchor);
    void MoveBy(QPointF pixels);
    void SetView(GeoPoint centre, double zoom);
    void UpdateDescription();
    // The map without the marker, drawn again only when the view changes.
    const QPixmap& Base();
    void DrawBase(class QPainter& painter) const;

    std::shared_ptr<const WorldMapShapes> m_shapes;
    QString m_message;
    std::optional<GeoPoint> m_point;
    GeoPoint m_centre;  // as asked for; Centre() is where the poles let it be
    double m_zoom = 1.0;
    // A press of the left button: where, and whether it became a drag.
    std::optional<QPoint> m_press;
    QPoint m_lastMouse;
    bool m_dragging = false;

    QPixmap m_base;
    bool m_baseValid = false;
};
