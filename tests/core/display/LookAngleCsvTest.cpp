#include <gtest/gtest.h>

#include <memory>

#include "core/display/ArcGridModel.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/ReportOutput.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

void AddSat(CSatelliteDatabase& db, const std::string& name, float slot, bool west, int flags) {
    auto s = std::make_unique<CSatellite>();
    s->SetName(name);
    s->SetSlot(slot);
    s->SetWest(west ? 1 : 0);
    s->SetFlags(flags);
    db.Append(std::move(s));
}

void AddLoc(CLocationDatabase& db, const std::string& name, float lat, bool north, float lon, bool west,
            float var) {
    auto l = std::make_unique<CLocation>();
    l->SetName(name);
    l->SetLatitude(lat);
    l->SetNorth(north);
    l->SetLongitude(lon);
    l->SetWest(west);
    l->SetMagVar(var);
    db.Append(std::move(l));
}

}  // namespace

TEST(LookAngleCsvTest, RowsAreTheGridsTextsForEachLocationWithSkew) {
    CSatelliteDatabase sats;
    AddSat(sats, "Galaxy, 19", 97, true, SAT_BAND_KU);
    AddSat(sats, "Spaceway", 110, true, SAT_BAND_KU);
    AddSat(sats, "Astra", 19.2f, false, SAT_BAND_KU);
    AddSat(sats, "Only C", 99, true, SAT_BAND_C);
    CLocationDatabase locs;
    AddLoc(locs, "zeta \xE9t\xE9", 40, true, 100, true, 10);
    AddLoc(locs, "Alpha", 30, false, 150, false, 0);
    CArcGridModel grid;
    grid.SetOptions(GRID_KU | GRID_SORT_BY_SLOT | GRID_MAGNETIC);
    grid.Fill({"Spaceway", "Galaxy, 19", "Astra", "Only C"}, sats);
    const auto locations = ListedLocations({"ZETA \xE9t\xE9", "nowhere", "alpha"}, locs);
    ASSERT_EQ(locations.size(), 2u);
    EXPECT_EQ(locations[0]->GetName(), "Alpha");

    const std::string csv = LookAnglesCsv(grid, locations);
    // UTF-8 throughout; names with commas are quoted; the magnetic azimuth
    // includes the variation (the grid's texts exactly).  The numbers after
    // the texts: South and West negative, the slot's and the site's own
    // values, the angles as shown, nothing below the horizon.
    const std::string numbersHeader =
        ",Latitude (degrees north),Longitude (degrees east),Magnetic Variation (degrees east),Slot (degrees "
        "east),";
    EXPECT_EQ(
        csv,
        "Location,Latitude,Longitude,Magnetic Variation,Satellite,Slot,Azimuth (Magnetic),Elevation,LNB "
        "Skew" +
            numbersHeader +
            "Azimuth Magnetic (degrees),Elevation (degrees),LNB Skew (degrees clockwise)\n"
            "Alpha,30.0\u00B0S,150.0\u00B0E,0.0\u00B0,Astra,19.2\u00B0E,--,--,--,-30,150,0.0,19.2,,,\n"
            "Alpha,30.0\u00B0S,150.0\u00B0E,0.0\u00B0,\"Galaxy, "
            "19\",97.0\u00B0W,--,--,--,-30,150,0.0,-97,,,\n"
            "Alpha,30.0\u00B0S,150.0\u00B0E,0.0\u00B0,Spaceway,110.0\u00B0W,--,--,--,-30,150,0.0,-110,,,\n"
            "zeta "
            "\u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,Astra,19.2\u00B0E,--,--,--,40,-100,-10.0,19."
            "2,,,\n"
            "zeta \u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,\"Galaxy, "
            "19\",97.0\u00B0W,185.3\u00B0,43.6\u00B0,"
            "-3.6\u00B0,40,-100,-10.0,-97,185.3,43.6,-3.6\n"
            "zeta "
            "\u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,Spaceway,110.0\u00B0W,205.3\u00B0,42.6\u00B0,"
            "11.7\u00B0,40,-100,-10.0,-110,205.3,42.6,11.7\n");
    grid.SetOptions(GRID_KU | GRID_SHOW_SLOT);
    grid.Fill({"Spaceway"}, sats);
    const std::string trueHeader =
        "Location,Latitude,Longitude,Magnetic Variation,Satellite,Slot,Azimuth (True),Elevation,LNB Skew" +
        numbersHeader + "Azimuth True (degrees),Elevation (degrees),LNB Skew (degrees clockwise)\n";
    EXPECT_EQ(LookAnglesCsv(grid, {locations[1]}),
              trueHeader +
                  "zeta \u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,Spaceway  "
                  "110\u00B0W,110.0\u00B0W,195.3\u00B0,"
                  "42.6\u00B0,11.7\u00B0,40,-100,-10.0,-110,195.3,42.6,11.7\n");
    EXPECT_EQ(LookAnglesCsv(grid, {}), trueHeader);
}

// Site numbers are the records' own values, not the shown texts: 39.74 is
// printed "39.7°N" but counted as 39.74.  A variation that rounds to nothing
// is 0.0, never -0.0.
TEST(LookAngleCsvTest, NumbersKeepTheRecordsPrecision) {
    CSatelliteDatabase sats;
    AddSat(sats, "Bird", 104.5f, true, SAT_BAND_KU);
    CLocationDatabase locs;
    AddLoc(locs, "Denver", 39.74f, true, 104.99f, true, 0.01f);
    locs.FindLocation("Denver")->SetMagVarWest(0);
    CArcGridModel grid;
    grid.SetOptions(GRID_KU);
    grid.Fill({"Bird"}, sats);
    const std::string csv = LookAnglesCsv(grid, {locs.FindLocation("Denver")});
    const std::string row = csv.substr(csv.find('\n') + 1);
    EXPECT_EQ(row.rfind("Denver,39.7\u00B0N,105.0\u00B0W,0.0\u00B0"
                        "E,Bird,104.5\u00B0W,",
                        0),
              0u)
        << row;
    EXPECT_NE(row.find(",39.74,-104.99,0.0,-104.5,"), std::string::npos) << row;
}
