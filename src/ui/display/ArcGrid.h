// The satellite grid: one row per listed workspace satellite with its name,
// azimuth and elevation from the current site, computed as each row is
// painted.  A satellite that the site's horizon blocks is marked: its row
// takes a red tint and a red stripe, and a screen reader hears "blocked by
// the horizon by 2.1°" as the row's description.
#pragma once

#include <QListWidget>
#include <optional>

#include "core/display/ArcGridModel.h"
#include "core/display/DragRecords.h"
#include "core/horizon/HorizonProfile.h"

class CSatellite;
class CSatelliteDatabase;

class CArcGrid : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kSatelliteRole = Qt::UserRole + 1;
    // Background of the list's empty area.
    static constexpr QRgb kBackColor = 0x008080;

    explicit CArcGrid(QWidget* parent = nullptr);

    void SetOptions(int options) { m_model.SetOptions(options); }
    int GetOptions() const { return m_model.GetOptions(); }
    void SetSite(float latitude, float longitude, float magVar) {
        m_model.SetSite(latitude, longitude, magVar);
    }
    // The site's horizon (copied; null: none, no row is marked) and the
    // beam's half-width in degrees.
    void SetHorizon(const CHorizonProfile* horizon, double beamEdge);
    bool HasHorizon() const { return m_horizon.has_value(); }
    // The satellite's clearance margin (negative) when the horizon blocks
    // it; nothing when it is clear, below the level horizon, or there is no
    // horizon or site.
    std::optional<double> BlockedMargin(const CSatellite& satellite) const;
    // "blocked by the horizon by 2.1°" for a blocked satellite's row, an
    // empty text otherwise.
    QString BlockedText(int row) const;
    void Fill(const std::vector<std::string>& names, const CSatelliteDatabase& database);
    bool IsSatelliteShown(const CSatellite* satellite) const { return m_model.IsSatelliteShown(satellite); }
    const CArcGridModel& Model() const { return m_model; }

    CSatellite* SatelliteAt(int row) const;
    // The satellite of the highlighted row; null when no row is highlighted
    // (a click on the empty area clears the highlight but not the current row).
    CSatellite* SelectedSatellite() const;
    // Selects the first row of the satellite named exactly `name`, or none.
    void SelectByName(const std::string& name);
    // The texts of a row as painted.
    CArcGridModel::RowTexts RowTexts(int row) const;

signals:
    // The user selected a row.
    void satelliteSelected(CSatellite* satellite);
    void satelliteActivated(CSatellite* satellite);
    // Satellites dragged from the satellite tree were dropped on the grid.
    void satellitesDropped(const DraggedRecords& records);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Only the satellite tree's drags are taken.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    CArcGridModel m_model;
    std::optional<CHorizonProfile> m_horizon;
    double m_beamEdge = 0.0;
    bool m_bFilling = false;
};
