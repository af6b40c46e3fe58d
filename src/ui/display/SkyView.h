// The sky view: the visible part of the geostationary arc over the current
// location as a polar plot, with the satellites that the grid lists as
// labelled points and the current one highlighted.  It follows the grid's
// site, options and rows, and the workspace's current satellite.
#pragma once

#include <QMainWindow>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "core/display/SkyViewGeometry.h"
#include "core/framework/Document.h"

class CArcGridModel;
class CSatellite;
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
    QString Caption() const;
    QString Title() const { return m_title; }

signals:
    void satelliteClicked(CSatellite* satellite);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const CArcGridModel* m_pGrid;
    CTilvexDoc* m_pDoc;
    bool m_bSite = false;
    QString m_title;
    int m_nOptions = 0;
    double m_azimuthOffset = 0.0;
    std::vector<SkyDirection> m_arc;
    std::vector<SkyPoint> m_points;
    // The points and labels as drawn in one size, computed when first
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    CSkyPlot* m_plot;
    bool m_bPlaced = false;
};
