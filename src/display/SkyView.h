// The sky view: the visible part of the geostationary arc over the current
// location as a polar plot, with the satellites that the grid lists as
// labelled points and the current one highlighted.  It follows the grid's
// site, options and rows, and the workspace's current satellite.
#pragma once

#include <QMainWindow>
#include <QWidget>
#include <vector>

#include "display/SkyViewGeometry.h"
#include "framework/Document.h"

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
    const std::vector<SkyDirection>& Arc() const { return m_arc; }
    QString Caption() const;
    QString Title() const { return m_title; }

signals:
    void satelliteClicked(CSatellite* satellite);

protected:
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
    // The labels' places, kept until the points, the labels or the size
    // change.
    mutable QSize m_labelsSize;
    mutable std::vector<std::pair<double, double>> m_labelSizes;
    mutable std::vector<LabelBox> m_labels;
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
