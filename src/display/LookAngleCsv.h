// The grid's look angles as CSV (UTF-8, one header line): for each location
// in turn, exactly the rows the satellite grid shows with their texts, and
// the LNB skew as an extra column.
#pragma once

#include <string>
#include <vector>

class CArcGridModel;
class CLocation;
class CLocationDatabase;

// "Location,Satellite,Azimuth (True),Elevation,LNB Skew" (or "Azimuth
// (Magnetic)").
std::string LookAngleCsvHeader(int gridOptions);

// `grid` holds the options and the rows (after Fill); its own site is not
// used: each location's signed coordinates and variation are.
std::string LookAnglesCsv(const CArcGridModel& grid, const std::vector<const CLocation*>& locations);

// The workspace's locations that the database holds, in the location pane's
// order (by name, letter case aside).
std::vector<const CLocation*> WorkspaceLocations(const std::vector<std::string>& names,
                                                 const CLocationDatabase& database);
