#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "TestSupport.h"
#include "locations/LocationDatabase.h"
#include "satellites/SatelliteDatabase.h"
#include "workspace/DatabaseEditor.h"
#include "workspace/TilvexDoc.h"

namespace {

// Stands in for the windows; the editor dialogs are scripted.
class EditorHost : public IDatabaseEditorHost, public IWorkspaceHost, public CView {
public:
    CSatelliteDatabase satellites;
    CLocationDatabase locations;
    CTilvexDoc doc{this};
    std::function<int(CSatelliteDatabase&, CSatellite*)> satelliteEditor;
    std::function<int(CLocationDatabase&, CLocation*)> locationEditor;
    CSatellite* initialSatellite = nullptr;
    CLocation* initialLocation = nullptr;
    int satelliteTreeFills = 0, locationTreeFills = 0, updates = 0;

    EditorHost() {
        doc.AddView(this);
        doc.OnNewDocument();
    }

    CSatelliteDatabase* GetSatelliteDatabase() override { return &satellites; }
    CLocationDatabase* GetLocationDatabase() override { return &locations; }
    CTilvexDoc* GetDocument() override { return &doc; }
    int RunSatelliteEditor(CSatelliteDatabase& db, CSatellite* initial) override {
        initialSatellite = initial;
        return satelliteEditor(db, initial);
    }
    int RunLocationEditor(CLocationDatabase& db, CLocation* initial) override {
        initialLocation = initial;
        return locationEditor(db, initial);
    }
    void FillSatelliteTree() override { ++satelliteTreeFills; }
    void FillLocationTree() override { ++locationTreeFills; }
    CView* GetTabView() override { return nullptr; }
    CView* GetLookAngleView() override { return nullptr; }
    bool IsSatelliteShown(const CSatellite&) override { return true; }
    void ClearSatelliteGrid() override {}
    void ShowCurrentLocation(CLocation*) override {}
    void RedrawLookAngleView() override {}
    void OnUpdate(CView*) override { ++updates; }

    CSatellite* AddSat(const std::string& name) {
        auto sat = std::make_unique<CSatellite>();
        sat->SetName(name);
        sat->SetFlags(SAT_BAND_KU | SAT_REGION_AMERICAS);
        satellites.Append(std::move(sat));
        return satellites.GetRecords().back().get();
    }
};

struct DatabaseEditorTest : ::testing::Test {
    TempDir dir;
    ScopedCwd cwd{dir.Path()};
    EditorHost host;
};

}  // namespace

TEST_F(DatabaseEditorTest, NothingChangedWritesNothing) {
    CSatellite* galaxy = host.AddSat("Galaxy 19");
    host.satelliteEditor = [](CSatelliteDatabase&, CSatellite*) { return 0; };
    CSatellite copy;
    copy.SetName("Galaxy 19");
    EXPECT_EQ(CDatabaseEditor(host).EditSatellites(&copy), nullptr);
    EXPECT_EQ(host.initialSatellite, galaxy);  // found by exact name
    EXPECT_FALSE(std::filesystem::exists("satdemo.tdb"));
    EXPECT_EQ(host.satelliteTreeFills, 0);

    copy.SetName("GALAXY 19");  // no exact match: nothing preselected
    CDatabaseEditor(host).EditSatellites(&copy);
    EXPECT_EQ(host.initialSatellite, nullptr);
}

TEST_F(DatabaseEditorTest, ChangesAreSavedAndTheWorkspaceFollows) {
    CSatellite* galaxy = host.AddSat("Galaxy 19");
    CSatellite* amc = host.AddSat("AMC 21");
    host.doc.AddSatellite(galaxy, false);
    host.doc.AddSatellite(amc, false);
    host.doc.SetModifiedFlag(false);

    // The editor renames one record and deletes the other.
    host.satelliteEditor = [&](CSatelliteDatabase& db, CSatellite*) {
        db.GetRecords()[0]->SetName("Galaxy 19R");
        db.Erase(db.GetRecords().back().get());
        return 1;
    };
    EXPECT_EQ(CDatabaseEditor(host).EditSatellites(galaxy), galaxy);
    EXPECT_EQ(host.satelliteTreeFills, 1);
    // The renamed satellite stays under its new name, the deleted one goes.
    EXPECT_EQ(host.doc.GetSatelliteNames(), std::vector<std::string>{"Galaxy 19R"});
    EXPECT_TRUE(host.doc.IsModified());
    EXPECT_GT(host.updates, 0);

    CSatelliteDatabase reloaded;
    ASSERT_EQ(reloaded.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    ASSERT_EQ(reloaded.GetSize(), 1u);
    EXPECT_EQ(reloaded.GetRecords()[0]->GetName(), "Galaxy 19R");

    // Deleting the record the editor started from returns null, even when a
    // new record is made where it was; the views hear of the emptied database.
    host.satelliteEditor = [](CSatelliteDatabase& db, CSatellite*) {
        db.Clear();
        db.Append(std::make_unique<CSatellite>());
        db.GetRecords().back()->SetName("Galaxy 19R");
        return 1;
    };
    EXPECT_EQ(CDatabaseEditor(host).EditSatellites(galaxy), nullptr);
    host.satelliteEditor = [](CSatelliteDatabase& db, CSatellite*) {
        db.Clear();
        return 1;
    };
    const int updatesBefore = host.updates;
    CSatellite named;
    named.SetName("Galaxy 19R");
    EXPECT_EQ(CDatabaseEditor(host).EditSatellites(&named), nullptr);
    EXPECT_GT(host.updates, updatesBefore);
}

TEST_F(DatabaseEditorTest, UnwritableFileStillRefreshesTreeAndWorkspace) {
    auto denver = std::make_unique<CLocation>();
    denver->SetName("Denver, CO");
    host.locations.Append(std::move(denver));
    host.doc.AddLocation(host.locations.GetRecords()[0].get(), false);
    std::filesystem::create_directory("locdemo.tdb");  // a folder where the file should be

    host.locationEditor = [](CLocationDatabase& db, CLocation*) {
        db.GetRecords()[0]->SetName("Denver");
        return 1;
    };
    MessageCapture messages;
    CDatabaseEditor(host).EditLocations(host.locations.GetRecords()[0].get());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to create locdemo.tdb"});
    EXPECT_EQ(host.locationTreeFills, 1);
    EXPECT_EQ(host.doc.GetLocationNames(), std::vector<std::string>{"Denver"});
    EXPECT_TRUE(std::filesystem::is_directory("locdemo.tdb"));
}
