// The current satellite's name, slot and bands, under the location pane.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class CLocation;
class CSatellite;
class CSatelliteDatabase;
class CTilvexDoc;

class CSatelliteInfoPane : public QFrame {
    Q_OBJECT
public:
    explicit CSatelliteInfoPane(QWidget* parent = nullptr);

    void SetContext(CTilvexDoc* doc, CSatelliteDatabase* satellites);
    // Shows the workspace satellite at `index` (-1: none).
    void ShowSatellite(int index);
    void SetLocation(CLocation* location);

    QString NameText() const;
    QString SlotText() const;
    QString BandsText() const;
    QPushButton* ReportButton() const { return m_btnReport; }
    CSatellite* Satellite() const { return m_pSatellite; }
    CLocation* Location() const { return m_pLocation; }

signals:
    // "Detailed Report..." was pressed for the shown satellite and site.
    void reportRequested(CSatellite* satellite, CLocation* location);

private:
    // "Detailed Report..." can be pressed exactly when a satellite of the
    // workspace is shown and the workspace has a current location.
    void UpdateReportButton();
    // Places the rows: one line each, or the name on as many lines as it
    // needs (as many as fit) with the slot and the bands below it.
    void LayoutRows();

    CTilvexDoc* m_pDoc = nullptr;
    CSatelliteDatabase* m_pSatellites = nullptr;
    QLabel* m_captions[3];
    QLabel* m_name;
    QLabel* m_slot;
    QLabel* m_bands;
    QPushButton* m_btnReport;
    CSatellite* m_pSatellite = nullptr;
    CLocation* m_pLocation = nullptr;
};
