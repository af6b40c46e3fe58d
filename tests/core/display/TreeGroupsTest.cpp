#include <gtest/gtest.h>

#include <memory>
#include <type_traits>

#include "core/display/TreeGroups.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

template <class Db>
void Add(Db& db, const std::string& name, int flagsOrRegion) {
    using T = typename Db::Records::value_type::element_type;
    auto record = std::make_unique<T>();
    record->SetName(name);
    if constexpr (std::is_same_v<T, CSatellite>)
        record->SetFlags(flagsOrRegion);
    else
        record->SetRegion(flagsOrRegion);
    db.Append(std::move(record));
}

template <class T>
std::vector<std::string> Names(const std::vector<T*>& items) {
    std::vector<std::string> out;
    for (const T* item : items)
        out.push_back(item->GetName());
    return out;
}

template <class T>
std::vector<std::string> GroupNames(const std::vector<TreeGroup<T>>& groups) {
    std::vector<std::string> out;
    for (const auto& g : groups)
        out.push_back(g.name);
    return out;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(TreeGroupsTest, SatellitesGoUnderTheirFirstRegion) {
    CSatelliteDatabase db;
    Add(db, "zeta", SAT_REGION_AMERICAS | SAT_BAND_KU);
    Add(db, "Intel 1", SAT_REGION_INTELSAT);
    Add(db, "Both", SAT_REGION_ASIA | SAT_REGION_INTELSAT);
    Add(db, "Euro+Asia", SAT_REGION_ASIA | SAT_REGION_EUROPE);
    Add(db, "Alpha", SAT_REGION_INTELSAT | SAT_REGION_AMERICAS);
    Add(db, "beta", SAT_REGION_AMERICAS);
    Add(db, "_under", SAT_REGION_AMERICAS);
    Add(db, "Nowhere", SAT_BAND_C);
    std::vector<CSatellite*> ungrouped;
    const auto groups = SatelliteTreeGroups(db, &ungrouped);
    EXPECT_EQ(GroupNames(groups), (Strings{"Asia & South Pacific", "Europe, Africa & Middle East", "IntelSat",
                                           "North & South America"}));
    EXPECT_EQ(groups[0].region, SAT_REGION_ASIA);
    EXPECT_EQ(Names(groups[0].items), (Strings{"Both"}));
    EXPECT_EQ(Names(groups[1].items), (Strings{"Euro+Asia"}));
    EXPECT_EQ(Names(groups[2].items), (Strings{"Intel 1"}));
    EXPECT_EQ(Names(groups[3].items), (Strings{"_under", "Alpha", "beta", "zeta"}));
    EXPECT_EQ(Names(ungrouped), (Strings{"Nowhere"}));
}

TEST(TreeGroupsTest, LocationsOutsideTheTableAreUngrouped) {
    CLocationDatabase db;
    Add(db, "Perth", LOC_REGION_SOUTH_PACIFIC);
    Add(db, "lima", LOC_REGION_SOUTH_AMERICA);
    Add(db, "Bogota", LOC_REGION_SOUTH_AMERICA);
    Add(db, "Cairo", LOC_REGION_AFRICA);
    Add(db, "Mars", 4096);
    Add(db, "Limbo", 0);
    Add(db, "Mixed", LOC_REGION_NORTH_AMERICA | LOC_REGION_SOUTH_AMERICA);
    std::vector<CLocation*> ungrouped;
    const auto groups = LocationTreeGroups(db, &ungrouped);
    EXPECT_EQ(GroupNames(groups), (Strings{"Africa", "Asia", "Europe", "Middle East", "North America",
                                           "South America", "South Pacific"}));
    EXPECT_EQ(Names(groups[0].items), (Strings{"Cairo"}));
    EXPECT_EQ(groups[5].region, LOC_REGION_SOUTH_AMERICA);
    EXPECT_EQ(Names(groups[5].items), (Strings{"Bogota", "lima"}));
    EXPECT_EQ(Names(groups[6].items), (Strings{"Perth"}));
    EXPECT_EQ(ungrouped.size(), 3u);
    // Without a place for them the ungrouped are simply left out.
    EXPECT_EQ(Names(LocationTreeGroups(db, nullptr)[5].items), (Strings{"Bogota", "lima"}));
}

TEST(TreeGroupsTest, EmptyDatabasesListEveryRegion) {
    std::vector<CSatellite*> satellites;
    std::vector<CLocation*> locations;
    const auto s = SatelliteTreeGroups(CSatelliteDatabase(), &satellites);
    const auto l = LocationTreeGroups(CLocationDatabase(), &locations);
    ASSERT_EQ(s.size(), 4u);
    ASSERT_EQ(l.size(), 7u);
    for (const auto& g : s)
        EXPECT_TRUE(g.items.empty());
    for (const auto& g : l)
        EXPECT_TRUE(g.items.empty());
    EXPECT_TRUE(satellites.empty());
    EXPECT_TRUE(locations.empty());
}
