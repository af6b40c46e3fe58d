#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "TestSupport.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/DatabaseEditor.h"
#include "core/workspace/TilvexDoc.h"

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
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to create locdemo.tdb: Is a directory"});
    EXPECT_TRUE(host.locations.IsUnsaved());
    EXPECT_EQ(host.locationTreeFills, 1);
    EXPECT_EQ(host.doc.GetLocationNames(), std::vector<std::string>{"Denver"});
    EXPECT_TRUE(std::filesystem::is_directory("locdemo.tdb"));
}

namespace {

std::unique_ptr<CLocation> Place(const std::string& name, float latitude) {
    auto location = std::make_unique<CLocation>();
    location->SetName(name);
    location->SetLatitude(latitude);
    location->SetRegion(LOC_REGION_EUROPE);
    return location;
}

std::vector<std::string> NamesIn(const CLocationDatabase& database) {
    std::vector<std::string> names;
    for (const auto& record : database.GetRecords())
        names.push_back(record->GetName());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> NamesOnDisk() {
    CLocationDatabase disk;
    EXPECT_EQ(disk.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    return NamesIn(disk);
}

// A second copy of the program on the same data folder.
struct OtherCopy {
    EditorHost host;
    OtherCopy() { EXPECT_EQ(host.locations.LoadDatabase(), CLocationDatabase::LoadResult::Loaded); }
    void Edit(std::function<void(CLocationDatabase&)> change) {
        host.locationEditor = [change](CLocationDatabase& db, CLocation*) {
            change(db);
            return 1;
        };
        CDatabaseEditor(host).EditLocations(nullptr);
    }
};

}  // namespace

// Two copies on one folder: each adds a location and saves; the file holds
// both, and each copy's edits of other records go onto the other's file.
TEST_F(DatabaseEditorTest, TwoCopiesOnOneFolderKeepEachOthersEdits) {
    host.locations.Append(Place("Berlin", 52.5f));
    host.locations.Append(Place("Paris", 48.9f));
    host.locations.Append(Place("Rome", 41.9f));
    ASSERT_TRUE(host.locations.SaveDatabase());
    OtherCopy a, b;

    MessageCapture messages;
    b.Edit([&a](CLocationDatabase& db) {
        // While B's editor is open, A adds a location and saves.
        a.Edit([](CLocationDatabase& other) { other.Append(Place("Alpha, AA", 1.0f)); });
        db.Append(Place("Beta, BB", 2.0f));
        db.Erase(db.FindLocation("Rome"));
        db.FindLocation("Paris")->SetName("Paris, FR");
        db.NoteChanged();
    });
    EXPECT_TRUE(messages.Texts().empty());
    const std::vector<std::string> both{"Alpha, AA", "Berlin", "Beta, BB", "Paris, FR"};
    EXPECT_EQ(NamesOnDisk(), both);
    EXPECT_EQ(NamesIn(b.host.locations), both);
    EXPECT_FALSE(b.host.locations.IsUnsaved());

    // Copy A holds no unsaved change: it reads the file again.
    EXPECT_TRUE(CDatabaseEditor(a.host).ReloadChangedDatabases());
    EXPECT_EQ(NamesIn(a.host.locations), both);
    EXPECT_EQ(a.host.locationTreeFills, 2);
    EXPECT_FALSE(CDatabaseEditor(a.host).ReloadChangedDatabases());
}

// The same record changed in both copies: the user is asked which to keep.
TEST_F(DatabaseEditorTest, ARecordChangedInBothCopiesIsAskedAbout) {
    host.locations.Append(Place("Berlin", 52.5f));
    ASSERT_TRUE(host.locations.SaveDatabase());
    for (const int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer);
        OtherCopy a, b;
        MessageCapture messages(answer);
        const float theirs = 10.0f + answer, mine = 30.0f + answer;
        b.Edit([&](CLocationDatabase& db) {
            a.Edit([&](CLocationDatabase& other) { other.FindLocation("Berlin")->SetLatitude(theirs); });
            db.FindLocation("Berlin")->SetLatitude(mine);
        });
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"Berlin was changed here and by another program since "
                                           "the file was read.\n\nKeep the version made here?"});
        CLocationDatabase disk;
        ASSERT_EQ(disk.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
        ASSERT_EQ(disk.GetSize(), 1u);
        EXPECT_EQ(disk.FindLocation("Berlin")->GetLatitude(), answer == IDYES ? mine : theirs);
    }
}

// A run whose save failed keeps its changes in memory, marked unsaved; the
// file changed meanwhile by another copy is not read over them, and the next
// run's save carries both runs' changes onto it.
TEST_F(DatabaseEditorTest, AFailedSaveIsCarriedByTheNextOne) {
    host.locations.Append(Place("Berlin", 52.5f));
    ASSERT_TRUE(host.locations.SaveDatabase());
    OtherCopy a, b;
    std::filesystem::permissions("locdemo.tdb", std::filesystem::perms::owner_read);
    MessageCapture messages;
    a.Edit([](CLocationDatabase& db) { db.Append(Place("Alpha, AA", 1.0f)); });
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to create locdemo.tdb: Permission denied"});
    EXPECT_TRUE(a.host.locations.IsUnsaved());
    std::filesystem::permissions("locdemo.tdb",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    b.Edit([](CLocationDatabase& db) { db.Append(Place("Beta, BB", 2.0f)); });
    // A holds an unsaved change: it does not read the file over it.
    EXPECT_FALSE(CDatabaseEditor(a.host).ReloadChangedDatabases());
    EXPECT_EQ(NamesIn(a.host.locations), (std::vector<std::string>{"Alpha, AA", "Berlin"}));

    a.Edit([](CLocationDatabase& db) { db.Append(Place("Gamma, GG", 3.0f)); });
    EXPECT_FALSE(a.host.locations.IsUnsaved());
    EXPECT_EQ(NamesOnDisk(), (std::vector<std::string>{"Alpha, AA", "Berlin", "Beta, BB", "Gamma, GG"}));
}

// Another program that rewrites the file with the same bytes changes
// nothing; other bytes of the same length do.
TEST_F(DatabaseEditorTest, OnlyOtherContentsCountAsAChangeOnDisk) {
    host.locations.Append(Place("Berlin", 52.5f));
    ASSERT_TRUE(host.locations.SaveDatabase());
    const std::string bytes = ReadFileBytes("locdemo.tdb");
    std::filesystem::remove("locdemo.tdb");
    WriteFileBytes("locdemo.tdb", bytes);
    EXPECT_FALSE(host.locations.ChangedOnDisk());
    std::string other = bytes;
    other[other.find("Berlin")] = 'b';
    WriteFileBytes("locdemo.tdb", other);
    EXPECT_TRUE(host.locations.ChangedOnDisk());
}

// At exit a database whose save failed is offered again: Save Again tries
// once more and asks again when that fails too; Discard leaves it; Cancel
// stops the exit.
TEST_F(DatabaseEditorTest, ExitOffersToSaveAFailedDatabaseAgain) {
    host.locations.Append(Place("Berlin", 52.5f));
    ASSERT_TRUE(host.locations.SaveDatabase());
    OtherCopy a;
    std::filesystem::permissions("locdemo.tdb", std::filesystem::perms::owner_read);
    MessageCapture messages;
    a.Edit([](CLocationDatabase& db) { db.Append(Place("Alpha, AA", 1.0f)); });
    CDatabaseEditor editor(a.host);
    EXPECT_EQ(editor.UnsavedText(), "location database not saved: Permission denied");

    const std::string question =
        "The location database could not be saved: Permission denied\n\nSave again, or discard?";
    messages.Clear();
    messages.Script({IDCANCEL});
    EXPECT_FALSE(editor.SaveUnsavedDatabases());
    messages.Script({IDYES, IDNO});
    EXPECT_TRUE(editor.SaveUnsavedDatabases());
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{question, question, "Unable to create locdemo.tdb: Permission denied",
                                        question}));

    std::filesystem::permissions("locdemo.tdb",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    messages.Script({IDYES});
    EXPECT_TRUE(editor.SaveUnsavedDatabases());
    EXPECT_EQ(editor.UnsavedText(), "");
    EXPECT_EQ(NamesOnDisk(), (std::vector<std::string>{"Alpha, AA", "Berlin"}));
}
