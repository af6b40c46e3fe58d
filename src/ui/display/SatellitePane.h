// The satellite list pane: the grid with its headings, the bands that pass
// the filter, the kind of azimuth, and the grid options.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class CArcGrid;
class CTilvexDoc;
class CSatelliteDatabase;
class CSatelliteInfoPane;

class CSatellitePane : public QFrame {
    Q_OBJECT
public:
    explicit CSatellitePane(QWidget* parent = nullptr);

    void SetContext(CTilvexDoc* doc, CSatelliteDatabase* satellites, CSatelliteInfoPane* infoPane);
    CArcGrid* Grid() const { return m_grid; }
    // Band filter text, azimuth heading, and the current satellite: kept in
    // range and on a listed row, selected and shown in the info pane.
    void Refresh();
    // Selects the grid row of the workspace satellite at `index`.
    void SelectSatelliteAt(int index);
    // Runs the grid options dialog and, on OK, applies the new word.
    void OnGridOptions();

    QString BandFilterText() const;
    QString AzimuthKindText() const;

signals:
    // Delete or Ctrl+X in the grid.
    void removeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayoutHeadings();
    void FitText(QLabel* label);

    CTilvexDoc* m_pDoc = nullptr;
    CSatelliteDatabase* m_pSatellites = nullptr;
    CSatelliteInfoPane* m_pInfoPane = nullptr;
    QLabel* m_stBandFilters;
    QLabel* m_bandFilter;
    QPushButton* m_btnOptions;
    QLabel* m_headSatellite;
    QLabel* m_stAzimuthHeading;
    QLabel* m_azimuthKind;
    QLabel* m_headElevation;
    CArcGrid* m_grid;
    bool m_bReady = false;
};
