// The data delivered beside the program, as the build makes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "TestSupport.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/DatabaseHost.h"

namespace {

struct ShippedDataTest : ::testing::Test {
    ScopedCwd cwd{TILVEX_BUILD_DATA_DIR};
    MessageCapture messages;
};

}  // namespace

TEST_F(ShippedDataTest, SatelliteDatabase) {
    CSatelliteDatabase db;
    ASSERT_EQ(db.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    EXPECT_GE(db.GetSize(), 120u);
    std::map<int, int> perRegion;
    for (const auto& sat : db.GetRecords()) {
        SCOPED_TRACE(sat->GetName());
        EXPECT_LE(sat->GetName().size(), 30u);
        EXPECT_LE(sat->GetComments().size(), 255u);
        EXPECT_FALSE(sat->GetComments().empty());
        EXPECT_NE(sat->GetFlags() & SAT_BAND_MASK, 0);
        const int regionBits = sat->GetFlags() & ~SAT_BAND_MASK;
        EXPECT_TRUE(regionBits == SAT_REGION_AMERICAS || regionBits == SAT_REGION_EUROPE ||
                    regionBits == SAT_REGION_ASIA || regionBits == SAT_REGION_INTELSAT);
        EXPECT_GE(sat->GetSlot(), 0.0f);
        EXPECT_LE(sat->GetSlot(), 180.0f);
        EXPECT_EQ(db.FindSatellite(sat->GetName()), sat.get()) << "names must be unique";
        ++perRegion[regionBits];
    }
    EXPECT_EQ(perRegion.size(), 4u);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(ShippedDataTest, LocationDatabase) {
    CLocationDatabase db;
    ASSERT_EQ(db.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    EXPECT_GE(db.GetSize(), 80u);
    std::map<int, int> perRegion;
    int automatic = 0;
    for (const auto& loc : db.GetRecords()) {
        SCOPED_TRACE(loc->GetName());
        EXPECT_LE(loc->GetLatitude(), 90.0f);
        EXPECT_LE(loc->GetLongitude(), 180.0f);
        EXPECT_TRUE(loc->IsMagVarAuto() || loc->GetMagVar() <= 30.0f);
        EXPECT_EQ(db.FindLocation(loc->GetName()), loc.get()) << "names must be unique";
        automatic += loc->IsMagVarAuto();
        ++perRegion[loc->GetRegion()];
    }
    EXPECT_EQ(perRegion.size(), 7u);
    for (const auto& region : kLocationRegions)
        EXPECT_GT(perRegion[region.value], 0) << region.value;
    EXPECT_GT(automatic * 2, static_cast<int>(db.GetSize()));
    EXPECT_LT(automatic, static_cast<int>(db.GetSize()));

    // A few places checked against their known coordinates.
    const CLocation* sydney = db.FindLocation("Sydney");
    ASSERT_NE(sydney, nullptr);
    EXPECT_NEAR(sydney->SignedLatitude(), -33.87f, 0.05f);
    EXPECT_NEAR(sydney->SignedLongitude(), -151.21f, 0.05f);
    const CLocation* denver = db.FindLocation("Denver, CO");
    ASSERT_NE(denver, nullptr);
    EXPECT_NEAR(denver->SignedLatitude(), 39.74f, 0.05f);
    EXPECT_NEAR(denver->SignedLongitude(), 104.99f, 0.05f);
}

TEST_F(ShippedDataTest, DefaultWorkspaceNamesResolve) {
    CDatabasesHost host;
    ASSERT_EQ(host.satellites.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    ASSERT_EQ(host.locations.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    CTilvexDoc raw;
    ASSERT_TRUE(raw.OnOpenDocument("United States Ku Band Satellites.wrk"));
    CTilvexDoc doc(&host);
    ASSERT_TRUE(doc.OnOpenDocument("United States Ku Band Satellites.wrk"));
    EXPECT_EQ(doc.GetSatelliteNames(), raw.GetSatelliteNames());
    EXPECT_EQ(doc.GetLocationNames(), raw.GetLocationNames());
    EXPECT_GE(doc.GetSatelliteNames().size(), 8u);
    EXPECT_GE(doc.GetLocationNames().size(), 4u);
    for (const auto& name : doc.GetSatelliteNames()) {
        const CSatellite* sat = host.satellites.FindSatellite(name);
        ASSERT_NE(sat, nullptr);
        EXPECT_TRUE(sat->GetFlags() & SAT_BAND_KU) << name;
        EXPECT_EQ(sat->Region(), SAT_REGION_AMERICAS) << name;
    }
    EXPECT_EQ(doc.GetSettings().GetCurSatellite(), 0);
    EXPECT_EQ(doc.GetSettings().GetCurLocation(), 0);
    EXPECT_EQ(doc.GetOptions(), 31);
}
