// The sky view: the visible part of the geostationary arc over the current
// location as a polar plot, with the satellites that the grid lists as
// labelled points and the current one highlighted.  It follows the grid's
// site, options and rows, and the workspace's current satellite.  The
// location's horizon is a filled silhouette beneath the arc; its points
// can be dragged to another azimuth and elevation, and the horizon is
// saved when the mouse lets go.
#pragma once

#include <QMainWindow>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "core/display/SkyViewGeometry.h"
#include "core/framework/Document.h"
#include "core/horizon/HorizonProfile.h"

class CArcGridModel;
class CSatellite;
class QAction;
class CTilvexDoc;

class CSkyPlot : public QWidget {
    Q_OBJECT
public:
    CSkyPlot(const CArcGridModel* grid, CTilvexDoc* doc, QWidget* parent = nullptr);

    // Takes the grid's and the workspace's state afresh and repaints.
    void Refresh();
    // Draws the plot into a painter of the given size (the window, a
    // picture).
    void Render(class QPainter& painter, QSize size) const;

    PolarPlot Plot(QSize size) const;
    PolarPlot Plot() const { return Plot(size()); }
    const std::vector<SkyPoint>& Points() const { return m_points; }
    // The point under the widget's `position` (within a few pixels), or -1.
    int PointAt(QPointF position) const;
    const std::vector<SkyDirection>& Arc() const { return m_arc; }
    // The location's name (Windows-1252), empty without one.
    const std::string& LocationName() const { return m_location; }
    // The horizon as drawn (while a point is dragged, as it is dragged),
    // empty for a location without one.
    const CHorizonProfile& Horizon() const { return m_horizon; }
    // The horizon point whose handle is under the widget's `position`, or
    // -1.
    int HorizonPointAt(QPointF position) const;
    QString Caption() const;
    QString Title() const { return m_title; }

signals:
    void satelliteClicked(CSatellite* satellite);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const CArcGridModel* m_pGrid;
    CTilvexDoc* m_pDoc;
    bool m_bSite = false;
    QString m_title;
    int m_nOptions = 0;
    double m_azimuthOffset = 0.0;
    std::vector<SkyDirection> m_arc;
    std::vector<SkyPoint> m_points;
    std::string m_location;
    CHorizonProfile m_horizon;
    // The point being dragged (-1: none) and the horizon as it was when the
    // drag began.
    int m_dragged = -1;
    CHorizonProfile m_dragStart;
    void DrawHorizon(class QPainter& painter, const PolarPlot& plot)
        const;  // The points and labels as drawn in one size, computed when first
    // needed after a change and kept until the next: where each point lies
    // and the index that finds it, the distinct places of the plain
    // points' dots on a device's pixels, and the labels as placed for one
    // font.
    struct Scene {
        QSize size;
        std::vector<PolarPlot::Point> at;
        SkyPointIndex index;
        qreal dotsRatio = 0.0;
        std::vector<QPointF> dots;
        QString labelFont;
        std::vector<LabelBox> labels;
    };
    mutable Scene m_scene;
    // The labels' widths in the plain font, kept while the texts stay.
    mutable QString m_labelWidthsFont;
    mutable std::vector<double> m_labelWidths;
    const Scene& SceneFor(QSize size) const;
    void DrawDots(class QPainter& painter) const;
    void PlaceLabels(const class QFontMetrics& plain, const class QFontMetrics& bold,
                     const QString& font) const;
};

class CSkyView : public QMainWindow, public CView {
    Q_OBJECT
public:
    CSkyView(const CArcGridModel* grid, CTilvexDoc* doc, QWidget* parent = nullptr);

    void OnUpdate(CView* sender) override;
    CSkyPlot* Plot() const { return m_plot; }
    // Writes the picture as SVG when the name ends in ".svg", else as PNG.
    bool SavePicture(const QString& path) const;
    void OnSavePicture();
    // Opens the Horizon dialog on the current location's horizon and saves
    // what it leaves on OK.
    void OnHorizon();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CSkyPlot* m_plot;
    QAction* m_horizonAction;
    bool m_bPlaced = false;
};
