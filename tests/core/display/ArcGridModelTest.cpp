#include <gtest/gtest.h>

#include <memory>

#include "core/display/ArcGridModel.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

void Add(CSatelliteDatabase& db, const std::string& name, float slot, bool west, int flags) {
    auto s = std::make_unique<CSatellite>();
    s->SetName(name);
    s->SetSlot(slot);
    s->SetWest(west ? 1 : 0);
    s->SetFlags(flags);
    db.Append(std::move(s));
}

// Rows as "name@slot" so that records of the same name stay apart.
std::vector<std::string> Rows(const CArcGridModel& grid) {
    std::vector<std::string> out;
    for (const CSatellite* s : grid.Rows())
        out.push_back(s->GetName() + "@" + std::to_string(int(s->SignedLongitude())));
    return out;
}

}  // namespace

TEST(ArcGridModelTest, FillFiltersByBandAndSkipsUnknownNames) {
    CSatelliteDatabase db;
    Add(db, "KuC", 97, true, SAT_BAND_KU | SAT_BAND_C);
    Add(db, "COnly", 99, true, SAT_BAND_C | SAT_REGION_AMERICAS);
    Add(db, "DbsOnly", 101, true, SAT_BAND_DBS);
    Add(db, "KuOnly", 103, true, SAT_BAND_KU | SAT_REGION_AMERICAS);
    const std::vector<std::string> names{"kuonly", "Nowhere", "COnly", "KUC", "DbsOnly"};
    CArcGridModel grid;
    // Bits outside the six grid options change nothing.
    grid.SetOptions(GRID_KU | 0x20 | 0x40 | 0x100);
    grid.Fill(names, db);
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"KuC@97", "KuOnly@103"}));
    grid.SetOptions(GRID_C | GRID_DBS | GRID_SORT_BY_SLOT);
    grid.Fill(names, db);
    EXPECT_EQ(Rows(grid), (std::vector<std::string>{"KuC@97", "COnly@99", "DbsOnly@101"}));
    grid.SetOptions(GRID_MAGNETIC | GRID_SHOW_SLOT | GRID_SORT_BY_SLOT);
    grid.Fill(names, db);
    EXPECT_TRUE(grid.Rows().empty());
}

TEST(ArcGridModelTest, FillOrderPutsLaterEntryFirstAmongEqualKeys) {
    CSatelliteDatabase db;
    Add(db, "A", 101, true, SAT_BAND_KU);
    Add(db, "b", 19.2f, false, SAT_BAND_KU);
    Add(db, "abc", 61.5f, true, SAT_BAND_KU);
    Add(db, "Abd", 101, true, SAT_BAND_KU);
    Add(db, "Z", 97, true, SAT_BAND_KU);
    Add(db, "_x", 120, true, SAT_BAND_KU);
    const std::vector<std::string> names{"A", "b", "abc", "ABD", "Z", "_x"};
    CArcGridModel grid;
    grid.SetOptions(GRID_KU | GRID_SORT_BY_SLOT);
    grid.Fill(names, db);
    EXPECT_EQ(Rows(grid),
              (std::vector<std::string>{"b@-19", "abc@61", "Z@97", "Abd@101", "A@101", "_x@120"}));
    // By name, letters compare as lower case: '_' (0x5F) comes before them.
    grid.SetOptions(GRID_KU);
    grid.Fill(names, db);
    EXPECT_EQ(Rows(grid),
              (std::vector<std::string>{"_x@120", "A@101", "abc@61", "Abd@101", "b@-19", "Z@97"}));
}

TEST(ArcGridModelTest, RowTexts) {
    CSatellite galaxy, hotbird, eastern, ninety;
    galaxy.SetName("Galaxy 19");
    galaxy.SetSlot(97);
    hotbird.SetName("Hot Bird");
    hotbird.SetSlot(13);
    hotbird.SetWest(0);
    eastern.SetName("Eastern");
    eastern.SetSlot(19.2f);
    eastern.SetWest(0);
    ninety.SetName("Ninety");
    ninety.SetSlot(90);

    CArcGridModel grid;
    grid.SetOptions(GRID_SHOW_SLOT);
    // No site yet: no angles.
    auto texts = grid.TextsFor(galaxy);
    EXPECT_EQ(texts.name, "Galaxy 19  97\xB0W");
    EXPECT_EQ(texts.azimuth, "");
    EXPECT_EQ(texts.elevation, "");
    EXPECT_EQ(grid.TextsFor(hotbird).name,
              "Hot Bird  13\xB0"
              "E");

    grid.SetOptions(GRID_KU);
    grid.SetSite(40, 100, 15);
    texts = grid.TextsFor(ninety);
    EXPECT_EQ(texts.name, "Ninety");
    EXPECT_EQ(texts.elevation, "42.6\xB0");
    EXPECT_EQ(texts.azimuth, "164.7\xB0");
    grid.SetOptions(GRID_KU | GRID_MAGNETIC);
    EXPECT_EQ(grid.TextsFor(ninety).azimuth, "179.7\xB0");
    texts = grid.TextsFor(eastern);
    EXPECT_EQ(texts.azimuth, kBelowHorizon);
    EXPECT_EQ(texts.elevation, kBelowHorizon);

    // Only the exact origin counts as "no site".
    grid.SetSite(0, 0, 1);
    const LookAngleTexts expected = ComputeLookAngles(0, 0, 1, -13, 1);
    texts = grid.TextsFor(hotbird);
    EXPECT_EQ(texts.azimuth, expected.azimuth);
    EXPECT_EQ(texts.elevation, expected.elevation);
    EXPECT_FALSE(texts.elevation.empty());
}

TEST(ArcGridModelTest, PaneTexts) {
    EXPECT_EQ(AzimuthKindText(GRID_MAGNETIC), "(Magnetic)");
    EXPECT_EQ(AzimuthKindText(GRID_BANDS | GRID_SHOW_SLOT), "(True)");
    EXPECT_EQ(BandFilterText(0xFF), "Ku, C, DBS");
    EXPECT_EQ(BandFilterText(GRID_DBS | GRID_C | GRID_MAGNETIC), "C, DBS");
    EXPECT_EQ(BandFilterText(GRID_MAGNETIC | GRID_SORT_BY_SLOT | 0x20 | 0x40), "");
}

TEST(ArcGridModelTest, ChooseCurrentSatellite) {
    CSatelliteDatabase db;
    Add(db, "KuA", 90, true, SAT_BAND_KU);
    Add(db, "COnly", 91, true, SAT_BAND_C);
    Add(db, "KuB", 92, true, SAT_BAND_KU);
    CArcGridModel grid;
    grid.SetOptions(GRID_KU);
    const std::vector<std::string> all{"KuA", "COnly", "KuB"};
    EXPECT_EQ(ChooseCurrentSatellite({}, 0, db, grid), -1);
    EXPECT_EQ(ChooseCurrentSatellite(all, 7, db, grid), 2);
    EXPECT_EQ(ChooseCurrentSatellite(all, -4, db, grid), 0);
    EXPECT_EQ(ChooseCurrentSatellite(all, 1, db, grid), 0);
    EXPECT_EQ(ChooseCurrentSatellite({"COnly", "Unknown", "kub", "KuA"}, 1, db, grid), 2);
    EXPECT_EQ(ChooseCurrentSatellite({"COnly", "Unknown", "COnly"}, 0, db, grid), 2);
}
