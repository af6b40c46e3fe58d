// What a drag from a database tree carries, what a drop adds to the
// workspace, and the texts read from the grid and the site.
#include <gtest/gtest.h>

#include <memory>

#include "core/display/ArcGridModel.h"
#include "core/display/DragRecords.h"
#include "core/display/StatusText.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"

namespace {

class CountingView : public CView {
public:
    void OnUpdate(CView* sender) override { senders.push_back(sender); }
    std::vector<CView*> senders;
};

class Host : public IWorkspaceHost {
public:
    CSatelliteDatabase satellites;
    CLocationDatabase locations;
    CountingView tabView, lookAngleView;

    CSatelliteDatabase* GetSatelliteDatabase() override { return &satellites; }
    CLocationDatabase* GetLocationDatabase() override { return &locations; }
    CView* GetTabView() override { return &tabView; }
    CView* GetLookAngleView() override { return &lookAngleView; }
    bool IsSatelliteShown(const CSatellite&) override { return true; }
    void ClearSatelliteGrid() override {}
    void ShowCurrentLocation(CLocation*) override {}
    void RedrawLookAngleView() override {}

    void AddSat(const std::string& name) {
        auto sat = std::make_unique<CSatellite>();
        sat->SetName(name);
        sat->SetFlags(SAT_BAND_KU | SAT_REGION_AMERICAS);
        satellites.Append(std::move(sat));
    }
    void AddLoc(const std::string& name) {
        auto loc = std::make_unique<CLocation>();
        loc->SetName(name);
        locations.Append(std::move(loc));
    }
};

struct DropTest : ::testing::Test {
    Host host;
    CTilvexDoc doc{&host};
    void SetUp() override {
        doc.AddView(&host.tabView);
        doc.AddView(&host.lookAngleView);
        for (const char* name : {"Galaxy 19", "SES-1", "Anik F3"})
            host.AddSat(name);
        for (const char* name : {"Denver, CO", "Miami, FL"})
            host.AddLoc(name);
    }
    std::size_t Broadcasts() const { return host.lookAngleView.senders.size(); }
};

}  // namespace

TEST(DragRecordsTest, EncodingRoundTripsAndRefusesWhatItDidNotWrite) {
    const DraggedRecords folder{true, {"Astra 1KR", "Caf\xE9 Sat", ""}};
    const std::string bytes = EncodeDraggedRecords(folder);
    EXPECT_EQ(bytes, std::string("FAstra 1KR\0Caf\xE9 Sat\0\0", 21));
    EXPECT_EQ(DecodeDraggedRecords(bytes), folder);
    const DraggedRecords record{false, {"SES-1"}};
    EXPECT_EQ(EncodeDraggedRecords(record), std::string("RSES-1\0", 7));
    EXPECT_EQ(DecodeDraggedRecords(EncodeDraggedRecords(record)), record);
    // An empty region.
    EXPECT_EQ(DecodeDraggedRecords("F"), (DraggedRecords{true, {}}));

    for (const std::string& bad :
         {std::string(), std::string("X"), std::string("SES-1\0", 6), std::string("R"), std::string("RSES-1"),
          std::string("RA\0B\0", 5), std::string("FA\0B", 4)})
        EXPECT_FALSE(DecodeDraggedRecords(bad)) << bad;
}

TEST_F(DropTest, RecordIsAddedOnceWithItsOwnBroadcast) {
    EXPECT_EQ(DropSatellites(doc, host.satellites, {false, {"ses-1"}}, &host.tabView), 1);
    EXPECT_EQ(doc.GetSatelliteNames(), std::vector<std::string>{"SES-1"});  // the database's spelling
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Broadcasts(), 1u);

    // Already there: nothing added, nothing broadcast.
    doc.SetModifiedFlag(false);
    EXPECT_EQ(DropSatellites(doc, host.satellites, {false, {"SES-1"}}, &host.tabView), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Broadcasts(), 1u);

    // A name the database no longer holds (renamed or deleted since the
    // drag began) adds nothing.
    EXPECT_EQ(DropSatellites(doc, host.satellites, {false, {"Telstar 5"}}, &host.tabView), 0);
    EXPECT_EQ(doc.GetSatelliteNames().size(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DropTest, FolderAddsEachNewRecordInOrderAndBroadcastsOnce) {
    doc.AddSatellite(host.satellites.FindSatellite("SES-1"), false);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(DropSatellites(doc, host.satellites, {true, {"Anik F3", "Galaxy 19", "Gone", "SES-1"}},
                             &host.tabView),
              2);
    EXPECT_EQ(doc.GetSatelliteNames(), (std::vector<std::string>{"SES-1", "Anik F3", "Galaxy 19"}));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(Broadcasts(), 1u);
    EXPECT_EQ(host.lookAngleView.senders[0], &host.tabView);
    EXPECT_TRUE(host.tabView.senders.empty());

    // Everything already there, or an empty region: still one update, and
    // the workspace is not marked changed.
    doc.SetModifiedFlag(false);
    EXPECT_EQ(DropSatellites(doc, host.satellites, {true, {"Anik F3", "SES-1"}}, &host.tabView), 0);
    EXPECT_EQ(DropSatellites(doc, host.satellites, {true, {}}, &host.tabView), 0);
    EXPECT_EQ(Broadcasts(), 3u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DropTest, LocationsDropTheSameWay) {
    EXPECT_EQ(
        DropLocations(doc, host.locations, {true, {"Miami, FL", "Denver, CO", "miami, fl"}}, &host.tabView),
        2);
    EXPECT_EQ(doc.GetLocationNames(), (std::vector<std::string>{"Miami, FL", "Denver, CO"}));
    EXPECT_EQ(Broadcasts(), 1u);
    EXPECT_EQ(DropLocations(doc, host.locations, {false, {"Denver, CO"}}, &host.tabView), 0);
    EXPECT_EQ(Broadcasts(), 1u);
    // Satellite names mean nothing to the location database.
    EXPECT_EQ(DropLocations(doc, host.locations, {false, {"SES-1"}}, &host.tabView), 0);
    EXPECT_TRUE(doc.GetSatelliteNames().empty());
}

TEST(StatusTextTest, SiteShowsItsCoordinatesAndTheVariationInUse) {
    CLocation denver;
    denver.SetName("Denver, CO");
    denver.SetLatitude(39.74f);
    denver.SetLongitude(104.99f);
    denver.SetMagVar(7.6f);
    denver.SetMagVarWest(0);
    EXPECT_EQ(SiteStatusText(denver, *denver.SignedMagVar()),
              "Denver, CO: 39.74\xB0N 104.99\xB0W, variation 7.6\xB0"
              "E");

    CLocation sydney;
    sydney.SetName("Sydney");
    sydney.SetLatitude(33.87f);
    sydney.SetNorth(0);
    sydney.SetLongitude(151.21f);
    sydney.SetWest(0);
    sydney.SetMagVar(MAGVAR_AUTO);
    EXPECT_EQ(SiteStatusText(sydney, -12.84f),
              "Sydney: 33.87\xB0S 151.21\xB0"
              "E, variation 12.8\xB0"
              "E (automatic)");
    EXPECT_EQ(SiteStatusText(sydney, 3.05f),
              "Sydney: 33.87\xB0S 151.21\xB0"
              "E, variation 3.0\xB0W (automatic)");
}

TEST(ArcGridModelTest, RowSummaryReadsTheShownTexts) {
    EXPECT_EQ(CArcGridModel::RowSummary({"Galaxy 18", "199.4\xB0", "40.4\xB0"}),
              "Galaxy 18, 199.4\xB0, 40.4\xB0");
    EXPECT_EQ(CArcGridModel::RowSummary({"Astra 1KR", "--", "--"}), "Astra 1KR, --, --");
    // A site at (0, 0, 0) shows no angles.
    EXPECT_EQ(CArcGridModel::RowSummary({"SES-1", "", ""}), "SES-1");
}
