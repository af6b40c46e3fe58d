// The horizons of the locations as the windows use them: "horizons.csv" in
// the data folder (the working directory, beside locdemo.tdb), read when
// first asked for and again whenever the folder or the file changed, and
// written at once through the safe save when a window changes a horizon.
// The grid, the sky view, the details and the reports ask here; the
// location editor and the Horizon dialog change it.
//
//     CSiteHorizons& horizons = CSiteHorizons::Current();
//     if (const CHorizonProfile* profile = horizons.Find(location.GetName()))
//         margin = SatelliteClearance(*profile, horizons.BeamEdge(), ...);
//
// Lines of the file that cannot be taken are named in one message when the
// file is read (and kept in the file); a failed save is named in a message
// and changes nothing on disk.
#pragma once

#include <QObject>
#include <string>

#include "core/framework/FileIdentity.h"
#include "core/horizon/Clearance.h"
#include "core/horizon/HorizonFile.h"

class CProfile;

class CSiteHorizons : public QObject {
    Q_OBJECT
public:
    // The horizons of the current data folder.
    static CSiteHorizons& Current();

    // The settings file that holds the dish and frequency (section "Dish");
    // without one, the defaults (0.9 m, 12.0 GHz).
    void SetSettings(CProfile* settings) { m_settings = settings; }
    DishBeam Beam() const;
    // The beam's half-power half-width for Beam(), in degrees.
    double BeamEdge() const { return BeamEdgeDegrees(Beam()); }

    // The location's horizon (names as the location database matches them),
    // or nullptr when it has none.
    const CHorizonProfile* Find(const std::string& location);
    bool HasProfile(const std::string& location) { return Find(location) != nullptr; }

    // Each change is saved at once; false (after a message) when the file
    // cannot be written, the store then holding what the file holds.
    // An empty profile removes the location's horizon.
    bool SetProfile(const std::string& location, const CHorizonProfile& profile);
    // A location renamed in its editor keeps its horizon; a deleted one's goes.
    bool RenameLocation(const std::string& from, const std::string& to);
    bool DeleteLocation(const std::string& location);

    // The path of the file, in the current data folder.
    static std::string FilePath();

signals:
    // A horizon was set, renamed or removed, or the file was read again.
    void changed();

private:
    CSiteHorizons() = default;
    // Reads the file when the folder changed or the file is not what was read.
    void Refresh();
    bool SaveOrReload();

    CHorizonStore m_store;
    std::string m_path;  // the file the store was read from
    FileIdentity m_read;
    bool m_loaded = false;
    CProfile* m_settings = nullptr;
};
