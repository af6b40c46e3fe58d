// The look-angle report of the command line as text: for each location, its
// site and exactly the rows the satellite grid shows, as an aligned table,
// CSV or JSON.  All texts are Windows-1252 until the end, where they become
// UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/display/ArcGridModel.h"
#include "core/horizon/Clearance.h"

class CHorizonStore;
class CLocation;

struct LocationReport {
    std::string name;
    // "Site Latitude: 39.7°N" and the rest of the printed header, without
    // the trailing blanks; the date line is left out.
    std::string latitude;
    std::string longitude;
    std::string magVar;
    // The site as numbers: latitude North positive, longitude West
    // positive, the variation in use West positive.
    float signedLatitude = 0.0f;
    float signedLongitude = 0.0f;
    float signedMagVar = 0.0f;
    std::vector<CArcGridModel::RowTexts> rows;
    // Each row's slot ("97.0°W") and its signed longitude, West positive.
    std::vector<std::string> slotTexts;
    std::vector<float> slotLongitudes;
    // The LNB skew of each row ("--" below the horizon, empty where the grid
    // leaves the angles blank).
    std::vector<std::string> skews;
    // Why the automatic variation could not be computed (0.0 stands in);
    // empty when it could.
    std::string magVarMessage;
    // Whether the location has a horizon profile; then each row's clearance
    // over it ("clear +4.2°", "blocked -2.1°", "--" below the horizon, empty
    // where the grid leaves the angles blank) and its margin in degrees
    // (none for "--" and blank).
    bool hasHorizon = false;
    std::vector<std::string> clearances;
    std::vector<std::optional<double>> margins;
};

// The grid's rows and texts seen from each location in turn (the grid's own
// site is not used); with `horizons`, the clearance of each row for the
// locations that have a profile there, with the beam of `beam`.
std::vector<LocationReport> BuildLocationReports(const CArcGridModel& grid,
                                                 const std::vector<const CLocation*>& locations,
                                                 const CHorizonStore* horizons = nullptr,
                                                 const DishBeam& beam = DishBeam());

// The locations of the location pane's list, in its order: the workspace's
// names found in the database, sorted by name without regard to letter case.
class CLocationDatabase;
std::vector<const CLocation*> ListedLocations(const std::vector<std::string>& names,
                                              const CLocationDatabase& database);

// A location with a horizon profile gets a last column "Clearance" in its
// table, in the CSV form (with "Clearance (degrees)" after it, both empty
// for the rows of locations without one) and in the JSON form ("clearance"
// in each row); reports without any stay as they were.
std::string ReportAsText(const std::vector<LocationReport>& reports, const std::string& workspaceTitle,
                         int gridOptions);
// A header line and a line for each row: first the texts as the program
// shows them,
//   Location,Latitude,Longitude,Magnetic Variation,Satellite,Slot,
//   Azimuth (True),Elevation,LNB Skew
// then the same values as plain signed numbers, which a spreadsheet reads as
// numbers,
//   Latitude (degrees north),Longitude (degrees east),
//   Magnetic Variation (degrees east),Slot (degrees east),
//   Azimuth True (degrees),Elevation (degrees),LNB Skew (degrees clockwise)
// (South, West, counter-clockwise negative; "Magnetic" for a magnetic
// azimuth).  The site's and the slot's numbers are the records' own, the
// variation's and the angles' those of the shown texts (one decimal); a
// number is empty where its text is "--" or blank.  UTF-8, no byte-order
// mark.
std::string ReportAsCsv(const std::vector<LocationReport>& reports, int gridOptions);
// The same for the grid's rows seen from each of `locations`: what File >
// "Export Look Angles..." writes.
std::string LookAnglesCsv(const CArcGridModel& grid, const std::vector<const CLocation*>& locations,
                          const CHorizonStore* horizons = nullptr, const DishBeam& beam = DishBeam());
// The UTF-8 byte-order mark that tells a spreadsheet program such as
// Excel the encoding of a CSV file (tilvex-cli report --excel).
inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";
std::string ReportAsJson(const std::vector<LocationReport>& reports, const std::string& workspaceTitle,
                         int gridOptions);
