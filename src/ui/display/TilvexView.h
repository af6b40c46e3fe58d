// The look-angle view: the workspace title over three panes (locations and
// satellite info on the left, the satellite grid on the right), refreshed
// from the workspace on every update.
#pragma once

#include <QScrollArea>
#include <string>

#include "core/display/ViewLayout.h"
#include "core/framework/Document.h"

class CTilvexDoc;
class CSatelliteDatabase;
class CLocationDatabase;
class CLocation;
class CSatellite;
class CLocationPane;
class CSatellitePane;
class CSatelliteInfoPane;
class CArcGrid;
class QPrinter;
struct ReportJobInput;

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

    CLocationPane* LocationPane() const { return m_pLocationPane; }
    CSatellitePane* SatellitePane() const { return m_pSatellitePane; }
    CSatelliteInfoPane* InfoPane() const { return m_pInfoPane; }
    CArcGrid* Grid() const;
    const LookAngleLayout& Layout() const { return m_layout; }
    QString TitleText() const;

    // Printing the look-angle report (printing/ViewPrinting.cpp).
    // File > Print: the print options unless a preview chose them, then the
    // printer dialog and the pages.
    void OnFilePrint();
    // File > Print Preview: the print options, then the preview.
    void OnFilePrintPreview();
    // Prints with the options held, without any dialog.
    void OnFilePrintDirect();
    // Print and Print Preview need a current location and a grid row.
    bool CanPrint() const;
    bool PrintOptionsDone() const { return m_bPrintOptionsDone; }
    void SetPrintOptionsDone(bool done) { m_bPrintOptionsDone = done; }
    int PrintScope() const { return m_nPrintScope; }
    int PrintFontHeight() const { return m_nPrintFontHeight; }
    const std::string& PrintFace() const { return m_strPrintFace; }
    // The report job as the options, the grid and the location list make it
    // now (the device's measures are filled in when it prints).
    ReportJobInput PrintJobInput() const;

signals:
    // The preview was closed without printing.
    void printPreviewClosed();
    // The panes were refilled or the current location changed.
    void contentChanged();
    // A row of the grid or the location list was selected by the user.
    void satelliteSelected(CSatellite* satellite);
    void locationSelected(CLocation* location);
    void removeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Canvas;
    void LayoutPanes();
    // Runs "Print Options" and keeps what it shows; true for OK.
    bool RunPrintOptions();
    // Prints the chosen pages of the job on `printer`.
    void PrintPages(QPrinter& printer);

    CTilvexDoc* m_pDoc = nullptr;
    CSatelliteDatabase* m_pSatellites = nullptr;
    CLocationDatabase* m_pLocations = nullptr;
    Canvas* m_canvas;
    CLocationPane* m_pLocationPane;
    CSatellitePane* m_pSatellitePane;
    CSatelliteInfoPane* m_pInfoPane;
    int m_nSatPaneHeight0 = 0;
    LookAngleLayout m_layout;

    // Printing: the options chosen for the job in progress.
    int m_nPagesPerLocation = 0;
    bool m_bPrintOptionsDone = false;
    int m_nPrintScope = 1;
    int m_nPrintFontHeight = 0;
    std::string m_strPrintFace;
};
