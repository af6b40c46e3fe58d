// What the satellite grid lists and shows: which workspace satellites pass
// the band filter, in which order, and the three texts of each row.  Nothing
// is cached: the texts are computed from the record and the site each time.
#pragma once

#include <string>
#include <vector>

class CSatellite;
class CSatelliteDatabase;

// Bits of the grid options word.
enum : int {
    GRID_KU = 0x01,
    GRID_C = 0x02,
    GRID_DBS = 0x04,
    GRID_MAGNETIC = 0x08,
    GRID_SORT_BY_SLOT = 0x10,
    GRID_SHOW_SLOT = 0x80,
    GRID_BANDS = GRID_KU | GRID_C | GRID_DBS,
};

class CArcGridModel {
public:
    void SetOptions(int options) { m_nOptions = options; }
    int GetOptions() const { return m_nOptions; }
    void SetSite(float latitude, float longitude, float magVar);
    float Latitude() const { return m_fLatitude; }
    float Longitude() const { return m_fLongitude; }
    float MagVar() const { return m_fMagVar; }

    bool IsBandShown(int flags) const { return (flags & m_nOptions & GRID_BANDS) != 0; }
    bool IsSatelliteShown(const CSatellite* satellite) const;

    // Rebuilds the rows from the workspace's names: names the database does
    // not know and satellites the band filter hides are left out; rows are in
    // ascending signed slot or name (letter case aside), and among equal
    // keys the later workspace entry comes first.
    void Fill(const std::vector<std::string>& names, const CSatelliteDatabase& database);
    void Clear() { m_rows.clear(); }
    const std::vector<CSatellite*>& Rows() const { return m_rows; }

    struct RowTexts {
        std::string name;
        std::string azimuth;
        std::string elevation;
    };
    // The name (with the slot when asked), azimuth and elevation texts.  A
    // site of exactly (0, 0, 0) has empty angle texts.
    RowTexts TextsFor(const CSatellite& satellite) const;
    // A row read out in one line, as a screen reader says it: "Galaxy 18,
    // 199.4°, 40.4°" (the angle texts only when there are any).
    static std::string RowSummary(const RowTexts& texts);

private:
    int m_nOptions = 0;
    float m_fLatitude = 0.0f;
    float m_fLongitude = 0.0f;
    float m_fMagVar = 0.0f;
    std::vector<CSatellite*> m_rows;
};

// The satellite list pane's texts: "(Magnetic)" or "(True)", and the bands
// that pass the filter ("Ku, C, DBS").
std::string AzimuthKindText(int options);
std::string BandFilterText(int options);

// The workspace index of the satellite to make current: `current` clamped to
// the list; when that satellite is unknown or filtered out, the first one the
// filter lets through, else the last entry.  -1 for an empty list.
int ChooseCurrentSatellite(const std::vector<std::string>& names, int current,
                           const CSatelliteDatabase& database, const CArcGridModel& grid);
