// The look-angle view: the workspace title over three panes (locations and
// satellite info on the left, the satellite grid on the right), refreshed
// from the workspace on every update.
#pragma once

#include <QScrollArea>

#include "display/ViewLayout.h"
#include "framework/Document.h"

class CTilvexDoc;
class CSatelliteDatabase;
class CLocationDatabase;
class CLocation;
class CSatellite;
class CDlgLocations;
class CSatellitePane;
class CSatelliteInfoPane;
class CArcGrid;

class CTilvexView : public QScrollArea, public CView {
    Q_OBJECT
public:
    explicit CTilvexView(QWidget* parent = nullptr);

    void SetContext(CTilvexDoc* doc, CSatelliteDatabase* satellites, CLocationDatabase* locations);
    CTilvexDoc* GetDocument() const { return m_pDoc; }

    void OnUpdate(CView* sender) override;
    // A current location chosen in a pane: the panes follow without a
    // broadcast.
    void ShowCurrentLocation(CLocation* location);
    // Repaints the title band at once.
    void RedrawTitle();

    CDlgLocations* LocationPane() const { return m_pLocationPane; }
    CSatellitePane* SatellitePane() const { return m_pSatellitePane; }
    CSatelliteInfoPane* InfoPane() const { return m_pInfoPane; }
    CArcGrid* Grid() const;
    const LookAngleLayout& Layout() const { return m_layout; }
    QString TitleText() const;

signals:
    // A row of the grid or the location list was selected by the user.
    void satelliteSelected(CSatellite* satellite);
    void locationSelected(CLocation* location);
    void removeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Canvas;
    void LayoutPanes();

    CTilvexDoc* m_pDoc = nullptr;
    CSatelliteDatabase* m_pSatellites = nullptr;
    CLocationDatabase* m_pLocations = nullptr;
    Canvas* m_canvas;
    CDlgLocations* m_pLocationPane;
    CSatellitePane* m_pSatellitePane;
    CSatelliteInfoPane* m_pInfoPane;
    int m_nSatPaneHeight0 = 0;
    LookAngleLayout m_layout;
};
