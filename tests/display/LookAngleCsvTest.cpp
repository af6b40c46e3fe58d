#include <gtest/gtest.h>

#include <memory>

#include "display/ArcGridModel.h"
#include "cli/ReportOutput.h"
#include "locations/LocationDatabase.h"
#include "satellites/SatelliteDatabase.h"

namespace {

void AddSat(CSatelliteDatabase& db, const std::string& name, float slot, bool west, int flags) {
    auto s = std::make_unique<CSatellite>();
    s->SetName(name);
    s->SetSlot(slot);
    s->SetWest(west ? 1 : 0);
    s->SetFlags(flags);
    db.Append(std::move(s));
}

void AddLoc(CLocationDatabase& db, const std::string& name, float lat, bool north, float lon, bool west, float var) {
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
    // includes the variation (the grid's texts exactly).
    EXPECT_EQ(csv,
              "Location,Latitude,Longitude,Magnetic Variation,Satellite,Azimuth (Magnetic),Elevation,LNB Skew\n"
              "Alpha,30.0\u00B0S,150.0\u00B0E,0.0\u00B0W,Astra,--,--,--\n"
              "Alpha,30.0\u00B0S,150.0\u00B0E,0.0\u00B0W,\"Galaxy, 19\",--,--,--\n"
              "Alpha,30.0\u00B0S,150.0\u00B0E,0.0\u00B0W,Spaceway,--,--,--\n"
              "zeta \u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,Astra,--,--,--\n"
              "zeta \u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,\"Galaxy, 19\",185.3\u00B0,43.6\u00B0,-3.6\u00B0\n"
              "zeta \u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,Spaceway,205.3\u00B0,42.6\u00B0,11.7\u00B0\n");
    grid.SetOptions(GRID_KU | GRID_SHOW_SLOT);
    grid.Fill({"Spaceway"}, sats);
    EXPECT_EQ(LookAnglesCsv(grid, {locations[1]}),
              "Location,Latitude,Longitude,Magnetic Variation,Satellite,Azimuth (True),Elevation,LNB Skew\n"
              "zeta \u00E9t\u00E9,40.0\u00B0N,100.0\u00B0W,10.0\u00B0W,Spaceway  110\u00B0W,195.3\u00B0,42.6\u00B0,11.7\u00B0\n");
    EXPECT_EQ(LookAnglesCsv(grid, {}),
              "Location,Latitude,Longitude,Magnetic Variation,Satellite,Azimuth (True),Elevation,LNB Skew\n");
}
