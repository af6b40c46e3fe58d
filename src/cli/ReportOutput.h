// The look-angle report of the command line as text: for each location, its
// site and exactly the rows the satellite grid shows, as an aligned table,
// CSV or JSON.  All texts are Windows-1252 until the end, where they become
// UTF-8.
#pragma once

#include <string>
#include <vector>

#include "display/ArcGridModel.h"

class CLocation;

struct LocationReport {
    std::string name;
    // "Site Latitude: 39.7°N" and the rest of the printed header, without
    // the trailing blanks; the date line is left out.
    std::string latitude;
    std::string longitude;
    std::string magVar;
    std::vector<CArcGridModel::RowTexts> rows;
    // The LNB skew of each row ("--" below the horizon, empty where the grid
    // leaves the angles blank).
    std::vector<std::string> skews;
};

// The grid's rows and texts seen from each location in turn (the grid's own
// site is not used).
std::vector<LocationReport> BuildLocationReports(const CArcGridModel& grid,
                                                 const std::vector<const CLocation*>& locations);

// The locations of the location pane's list, in its order: the workspace's
// names found in the database, sorted by name without regard to letter case.
class CLocationDatabase;
std::vector<const CLocation*> ListedLocations(const std::vector<std::string>& names,
                                              const CLocationDatabase& database);

std::string ReportAsText(const std::vector<LocationReport>& reports, const std::string& workspaceTitle,
                         int gridOptions);
// "Location,Latitude,Longitude,Magnetic Variation,Satellite,Azimuth (True),
// Elevation,LNB Skew" and a line for each row.
std::string ReportAsCsv(const std::vector<LocationReport>& reports, int gridOptions);
// The same for the grid's rows seen from each of `locations`: what File >
// "Export Look Angles..." writes.
std::string LookAnglesCsv(const CArcGridModel& grid, const std::vector<const CLocation*>& locations);
std::string ReportAsJson(const std::vector<LocationReport>& reports, const std::string& workspaceTitle,
                         int gridOptions);
