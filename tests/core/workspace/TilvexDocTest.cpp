#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveSupport.h"
#include "core/framework/Profile.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"

namespace {

class RecordingView : public CView {
public:
    void OnUpdate(CView* sender) override { senders.push_back(sender); }
    std::vector<CView*> senders;
};

// The windows around the workspace, as far as the workspace can tell.
class FakeHost : public IWorkspaceHost {
public:
    CSatelliteDatabase satellites;
    CLocationDatabase locations;
    RecordingView tabView, lookAngleView;
    int bandFilter = SAT_BAND_MASK;
    int gridCleared = 0;
    int redrawn = 0;
    std::vector<CLocation*> shownLocations;

    CSatelliteDatabase* GetSatelliteDatabase() override { return &satellites; }
    CLocationDatabase* GetLocationDatabase() override { return &locations; }
    CView* GetTabView() override { return &tabView; }
    CView* GetLookAngleView() override { return &lookAngleView; }
    bool IsSatelliteShown(const CSatellite& s) override { return (s.GetFlags() & bandFilter) != 0; }
    void ClearSatelliteGrid() override { ++gridCleared; }
    void ShowCurrentLocation(CLocation* location) override { shownLocations.push_back(location); }
    void RedrawLookAngleView() override { ++redrawn; }

    CSatellite* AddSat(const std::string& name, int bands = SAT_BAND_KU) {
        auto sat = std::make_unique<CSatellite>();
        sat->SetName(name);
        sat->SetFlags(bands | SAT_REGION_AMERICAS);
        satellites.Append(std::move(sat));
        return satellites.GetRecords().back().get();
    }
    CLocation* AddLoc(const std::string& name) {
        auto loc = std::make_unique<CLocation>();
        loc->SetName(name);
        locations.Append(std::move(loc));
        return locations.GetRecords().back().get();
    }
};

struct WorkspaceTest : ::testing::Test {
    TempDir dir;
    ScopedCwd cwd{dir.Path()};
    CProfile profile{(dir / "tilvex.INI").string()};
    CRecentFileList recent{&profile};
    FakeHost host;
    std::unique_ptr<CTilvexDoc> doc;
    std::vector<std::string> askedToSave;

    void SetUp() override {
        auto& context = AfxGetAppContext();
        context.profile = &profile;
        context.recentFiles = &recent;
        context.askSavePath = [this](const std::string& suggested) -> std::optional<std::string> {
            askedToSave.push_back(suggested);
            return std::nullopt;
        };
        doc = std::make_unique<CTilvexDoc>(&host);
        doc->AddView(&host.tabView);
        doc->AddView(&host.lookAngleView);
        doc->OnNewDocument();
    }
    void TearDown() override {
        doc.reset();
        AfxGetAppContext() = CAppContext();
    }

    std::string WorkspaceFile(const std::vector<std::string>& sats, const std::vector<std::string>& locs,
                              int options, int curLoc, int curSat) {
        return StoreToBytes([&](CArchive& ar) {
            auto s = sats, l = locs;
            SerializeStringList(ar, s);
            SerializeStringList(ar, l);
            ar << static_cast<LONG>(options) << static_cast<LONG>(curLoc) << static_cast<LONG>(curSat);
        });
    }
};

}  // namespace

TEST_F(WorkspaceTest, NewWorkspaceSavedAtOnceIsSixteenBytes) {
    ASSERT_TRUE(doc->OnSaveDocument("new.wrk"));
    EXPECT_EQ(ReadFileBytes("new.wrk"), Bytes().u16(0).u16(0).u32(0x1F).u32(0).u32(0).s());
    EXPECT_EQ(doc->GetTitle(), "new");
    EXPECT_EQ(host.redrawn, 1);
}

TEST_F(WorkspaceTest, OpenResolvesNamesAndStoresThemAgainUnchanged) {
    host.AddSat("Galaxy 19");
    host.AddSat("SES-1");
    host.AddLoc("Denver, CO");
    const std::string bytes = WorkspaceFile({"SES-1", "Galaxy 19"}, {"Denver, CO"}, 0x97, 0, 1);
    WriteFileBytes("mine.wrk", bytes);

    ASSERT_TRUE(doc->OnOpenDocument("mine.wrk"));
    EXPECT_EQ(doc->GetSatelliteNames(), (std::vector<std::string>{"SES-1", "Galaxy 19"}));
    EXPECT_EQ(doc->GetOptions(), 0x97);
    EXPECT_EQ(doc->GetCurrentSatellite(), host.satellites.GetRecords()[0].get());
    EXPECT_EQ(doc->GetCurrentLocation(), host.locations.GetRecords()[0].get());
    EXPECT_EQ(doc->GetTitle(), "mine");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(recent.Entries(), std::vector<std::string>{(dir / "mine.wrk").string()});
    // The look-angle view sent the update; only the tabbed pane hears of it.
    EXPECT_EQ(host.tabView.senders, std::vector<CView*>{&host.lookAngleView});
    EXPECT_TRUE(host.lookAngleView.senders.empty());

    ASSERT_TRUE(doc->OnSaveDocument("again.wrk"));
    EXPECT_EQ(ReadFileBytes("again.wrk"), bytes);
}

TEST_F(WorkspaceTest, NamesTakeTheDatabaseSpellingAndUnknownOnesGo) {
    host.AddSat("Galaxy 19");
    host.AddSat("AMC 21");
    // Case-different names are different workspace entries...
    CSatellite lower;
    lower.SetName("galaxy 19");
    doc->AddSatellite(host.satellites.FindSatellite("Galaxy 19"), false);
    doc->AddSatellite(&lower, false);
    doc->AddSatellite(host.satellites.FindSatellite("Galaxy 19"), false);
    EXPECT_EQ(doc->GetSatelliteNames().size(), 2u);
    EXPECT_TRUE(doc->IsModified());
    // ...and both take the database's form when the workspace is checked.
    CSatellite gone;
    gone.SetName("Gone 1");
    doc->AddSatellite(&gone, false);
    EXPECT_EQ(doc->ValidateSatellites(false), 1);
    EXPECT_EQ(doc->GetSatelliteNames(), (std::vector<std::string>{"Galaxy 19", "Galaxy 19"}));
}

TEST_F(WorkspaceTest, RemovalKeepsTheCurrentIndexInRange) {
    for (const char* name : {"A", "B", "C", "D"})
        doc->AddSatellite(host.AddSat(name), false);
    doc->SetCurrentSatellite(host.satellites.FindSatellite("C"), false);
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 2);
    doc->RemoveSatellite(host.satellites.FindSatellite("D"));  // after the current one
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 2);
    doc->RemoveSatellite(host.satellites.FindSatellite("A"));  // before it
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 1);
    EXPECT_EQ(doc->GetCurrentSatellite()->GetName(), "C");
    doc->SetCurrentSatellite(host.satellites.FindSatellite("B"), false);
    doc->RemoveSatellite(host.satellites.FindSatellite("B"));  // the current one, at 0
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 0);
    EXPECT_EQ(host.lookAngleView.senders.size(), 3u);  // each removal broadcast from the tabbed pane
    EXPECT_EQ(host.lookAngleView.senders.back(), &host.tabView);

    CLocation* denver = host.AddLoc("Denver, CO");
    doc->AddLocation(denver, true);
    doc->RemoveLocation(denver);
    EXPECT_TRUE(doc->GetLocationNames().empty());
    EXPECT_EQ(doc->GetSettings().GetCurLocation(), 0);
}

// The names are found through an index: every change of the list (removal,
// renaming, validation, opening a file, a new workspace) keeps it in step.
TEST_F(WorkspaceTest, NameLookupFollowsEveryChangeOfTheList) {
    CSatellite* a = host.AddSat("A");
    CSatellite* b = host.AddSat("B");
    CSatellite* c = host.AddSat("C");
    auto names = [&] { return doc->GetSatelliteNames(); };
    for (CSatellite* sat : {a, b, c, a})
        doc->AddSatellite(sat, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "C"}));
    doc->RemoveSatellite(b);
    doc->SetCurrentSatellite(c, false);
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 1);
    doc->AddSatellite(b, false);
    doc->AddSatellite(c, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C", "B"}));

    c->SetName("Z");
    host.satellites.NoteChanged();
    doc->RenameSatelliteEntries({"", "Z", ""});
    doc->AddSatellite(c, false);
    doc->SetCurrentSatellite(c, false);
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 1);
    CSatellite oldC;
    oldC.SetName("C");
    doc->AddSatellite(&oldC, false);  // the old name is free again
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "Z", "B", "C"}));

    doc->ValidateSatellites(false);  // "C" is no longer in the database
    doc->SetCurrentSatellite(b, false);
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 2);
    doc->RemoveSatellite(a);
    doc->SetCurrentSatellite(b, false);
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 1);

    WriteFileBytes("two.wrk", WorkspaceFile({"B", "A"}, {}, 31, 0, 0));
    ASSERT_TRUE(doc->OnOpenDocument("two.wrk"));
    doc->AddSatellite(a, false);
    doc->SetCurrentSatellite(a, false);
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 1);
    doc->OnNewDocument();
    doc->AddSatellite(a, false);
    EXPECT_EQ(names(), std::vector<std::string>{"A"});

    CLocation* denver = host.AddLoc("Denver, CO");
    CLocation* miami = host.AddLoc("Miami, FL");
    for (CLocation* loc : {denver, miami, denver})
        doc->AddLocation(loc, false);
    doc->RemoveLocation(denver);
    doc->AddLocation(denver, false);
    doc->SetCurrentLocation(denver, true);
    EXPECT_EQ(doc->GetLocationNames(), (std::vector<std::string>{"Miami, FL", "Denver, CO"}));
    EXPECT_EQ(doc->GetCurrentLocation(), denver);
}

TEST_F(WorkspaceTest, CurrentIndexesAreClampedAndFollowTheBandFilter) {
    host.AddSat("Ku One", SAT_BAND_KU);
    host.AddSat("C One", SAT_BAND_C);
    host.AddSat("C Two", SAT_BAND_C);
    host.AddLoc("Denver, CO");
    WriteFileBytes("seven.wrk", WorkspaceFile({"C One", "Ku One", "C Two", "Nowhere"},
                                              {"Denver, CO", "Atlantis"}, 31, 5, 7));
    ASSERT_TRUE(doc->OnOpenDocument("seven.wrk"));
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 2);
    EXPECT_EQ(doc->GetSettings().GetCurLocation(), 0);

    // The clamped entry is filtered out: the first entry shown is taken...
    host.bandFilter = SAT_BAND_KU;
    ASSERT_TRUE(doc->OnOpenDocument("seven.wrk"));
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 1);
    // ...or, when none of the others is shown, the last one.
    host.bandFilter = SAT_BAND_DBS;
    ASSERT_TRUE(doc->OnOpenDocument("seven.wrk"));
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 2);

    // A negative index from a damaged file names the first entry.
    host.bandFilter = SAT_BAND_MASK;
    WriteFileBytes("negative.wrk", WorkspaceFile({"C One", "Ku One"}, {"Denver, CO"}, 31, -4, -3));
    ASSERT_TRUE(doc->OnOpenDocument("negative.wrk"));
    EXPECT_EQ(doc->GetSettings().GetCurSatellite(), 0);
    EXPECT_EQ(doc->GetSettings().GetCurLocation(), 0);
}

TEST_F(WorkspaceTest, NothingResolvingEmptiesTheGrid) {
    host.AddSat("Galaxy 19");
    WriteFileBytes("stale.wrk", WorkspaceFile({"Old 1", "Old 2"}, {}, 31, 0, 1));
    ASSERT_TRUE(doc->OnOpenDocument("stale.wrk"));
    EXPECT_TRUE(doc->GetSatelliteNames().empty());
    EXPECT_EQ(host.gridCleared, 1);
    // Broadcast from the tabbed pane during the load, then the open's own.
    EXPECT_EQ(host.lookAngleView.senders, std::vector<CView*>{&host.tabView});

    // With an empty database nothing is checked and the names stay; the
    // locations' check still tells the views when asked to.
    host.satellites.Clear();
    const auto heard = host.lookAngleView.senders.size();
    EXPECT_EQ(doc->ValidateLocations(true), 0);
    EXPECT_EQ(host.lookAngleView.senders.size(), heard + 1);
    WriteFileBytes("kept.wrk", WorkspaceFile({"Old 1"}, {"Nowhere"}, 31, 0, 0));
    ASSERT_TRUE(doc->OnOpenDocument("kept.wrk"));
    EXPECT_EQ(doc->GetSatelliteNames(), std::vector<std::string>{"Old 1"});
    EXPECT_EQ(doc->GetLocationNames(), std::vector<std::string>{"Nowhere"});
}

TEST_F(WorkspaceTest, TitlesFromPaths) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/user/United States Ku Band Satellites.wrk", "United States Ku Band Satellites"},
        {"C:\\sites\\west.wrk", "west"},
        {"Untitled", "Untitled"},
        {"/data/no extension", "no extension"},
        {"/data/two.dots.wrk", "two.dots"},
    };
    for (const auto& [path, title] : cases) {
        doc->SetTitle(path);
        EXPECT_EQ(doc->GetTitle(), title);
    }
}

TEST_F(WorkspaceTest, FailedLoadLeavesAnUntitledEmptyWorkspace) {
    host.AddSat("Galaxy 19");
    const std::string damaged = WorkspaceFile({"Galaxy 19"}, {}, 31, 0, 0).substr(0, 9);
    WriteFileBytes("damaged.wrk", damaged);
    doc->AddSatellite(host.satellites.FindSatellite("Galaxy 19"), false);
    doc->SetModifiedFlag(false);

    MessageCapture messages;
    EXPECT_TRUE(doc->OpenDocumentFile("damaged.wrk"));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Unexpected file format.\nOpening empty workspace."});
    EXPECT_TRUE(doc->GetSatelliteNames().empty());
    EXPECT_EQ(doc->GetOptions(), 31);
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    EXPECT_EQ(doc->GetPathName(), "");
    EXPECT_TRUE(recent.Entries().empty());

    // Save asks for a name instead of overwriting the damaged file.
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(askedToSave.size(), 1u);
    EXPECT_EQ(ReadFileBytes("damaged.wrk"), damaged);
}

TEST_F(WorkspaceTest, ZeroByteWorkspaceAndMissingFile) {
    host.AddSat("Galaxy 19");
    doc->AddSatellite(host.satellites.FindSatellite("Galaxy 19"), false);
    doc->SetGridOptions(0x81);
    WriteFileBytes("empty.wrk", "");
    ASSERT_TRUE(doc->OnOpenDocument("empty.wrk"));
    EXPECT_TRUE(doc->GetSatelliteNames().empty());
    EXPECT_EQ(doc->GetOptions(), 0x81);  // nothing was read

    MessageCapture messages;
    const std::string missing = (dir / "missing.wrk").string();
    EXPECT_FALSE(doc->OpenDocumentFile(missing));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  missing +
                  "\nCannot find this file.\nPlease verify that the correct path and file name are given."});
    EXPECT_EQ(doc->GetTitle(), "empty");
}

TEST_F(WorkspaceTest, SaveFailureKeepsTheOldFile) {
    doc->AddSatellite(host.AddSat("Galaxy 19"), false);
    ASSERT_TRUE(doc->OnSaveDocument("kept.wrk"));
    const std::string before = ReadFileBytes("kept.wrk");
    doc->AddSatellite(host.AddSat("SES-1"), false);
    MessageCapture messages;
    EXPECT_FALSE(doc->OnSaveDocument((dir / "no such folder" / "kept.wrk").string()));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to save document."});
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ReadFileBytes("kept.wrk"), before);
}

TEST_F(WorkspaceTest, SaveChangesPrompt) {
    doc->AddSatellite(host.AddSat("Galaxy 19"), false);
    {
        MessageCapture cancel(IDCANCEL);
        EXPECT_FALSE(doc->NewDocumentFile());
        EXPECT_EQ(cancel.Texts(), std::vector<std::string>{"Save changes to Untitled?"});
        EXPECT_EQ(doc->GetSatelliteNames().size(), 1u);
    }
    {
        MessageCapture no(IDNO);
        EXPECT_TRUE(doc->NewDocumentFile());
        EXPECT_TRUE(doc->GetSatelliteNames().empty());
    }
    // New gives every view its initial update.
    EXPECT_EQ(host.tabView.senders.back(), nullptr);
    EXPECT_EQ(host.lookAngleView.senders.back(), nullptr);
}

TEST_F(WorkspaceTest, CurrentLocationWithoutBroadcastGoesToThePanes) {
    CLocation* denver = host.AddLoc("Denver, CO");
    CLocation* boise = host.AddLoc("Boise, ID");
    doc->AddLocation(denver, false);
    doc->AddLocation(boise, false);
    doc->SetModifiedFlag(false);
    const auto updatesBefore = host.lookAngleView.senders.size();
    doc->SetCurrentLocation(boise, false);
    EXPECT_EQ(doc->GetCurrentLocation(), boise);
    EXPECT_EQ(host.shownLocations, std::vector<CLocation*>{boise});
    EXPECT_EQ(host.lookAngleView.senders.size(), updatesBefore);
    EXPECT_FALSE(doc->IsModified());
    doc->SetCurrentLocation(denver, true);
    EXPECT_EQ(host.lookAngleView.senders.back(), &host.tabView);
    doc->SetGridOptions(7);
    EXPECT_EQ(host.tabView.senders.back(), nullptr);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(WorkspaceTest, DestroyingTheWorkspaceRemembersTheCurrentEntries) {
    for (const char* name : {"A", "B", "C"})
        doc->AddSatellite(host.AddSat(name), false);
    for (const char* name : {"X", "Y"})
        doc->AddLocation(host.AddLoc(name), false);
    doc->SetCurrentSatellite(host.satellites.FindSatellite("C"), false);
    doc->SetCurrentLocation(host.locations.FindLocation("Y"), true);
    doc.reset();
    EXPECT_EQ(profile.GetProfileInt("Startup", "Current Satellite", -1), 2);
    EXPECT_EQ(profile.GetProfileInt("Startup", "Current Location", -1), 1);
}

// Empty names and repeats name nothing new: they are not kept, and the
// current entries keep pointing at the same names.
TEST_F(WorkspaceTest, EmptyAndRepeatedNamesAreNotKept) {
    for (const char* name : {"A", "B", "C"})
        host.AddSat(name);
    host.AddLoc("Denver, CO");
    host.AddLoc("Boise, ID");
    WriteFileBytes("odd.wrk", WorkspaceFile({"A", "", "B", "A", "", "C", "B"},
                                            {"", "Boise, ID", "Boise, ID", "Denver, CO"}, 0x1F, 3, 5));
    ASSERT_TRUE(doc->OnOpenDocument("odd.wrk"));
    EXPECT_EQ(doc->GetSatelliteNames(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(doc->GetLocationNames(), (std::vector<std::string>{"Boise, ID", "Denver, CO"}));
    EXPECT_EQ(doc->GetCurrentSatellite()->GetName(), "C");
    EXPECT_EQ(doc->GetCurrentLocation()->GetName(), "Denver, CO");

    // A repeat as the current entry points at its first occurrence.
    WriteFileBytes("repeat.wrk", WorkspaceFile({"A", "B", "C", "B"}, {"Denver, CO"}, 0x1F, 0, 3));
    ASSERT_TRUE(doc->OnOpenDocument("repeat.wrk"));
    EXPECT_EQ(doc->GetCurrentSatellite()->GetName(), "B");
}

TEST_F(WorkspaceTest, BytesAfterTheSettingsMarkTheFileForeign) {
    host.AddSat("A");
    WriteFileBytes("long.wrk", WorkspaceFile({"A"}, {}, 0x1F, 0, 0) + std::string(1000, 'r'));
    MessageCapture messages;
    doc->OnOpenDocument("long.wrk");
    EXPECT_TRUE(doc->LoadFailed());
    EXPECT_TRUE(doc->GetSatelliteNames().empty());
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Unexpected file format.\nOpening empty workspace."});
}

// A workspace file rewritten by another program behind an open workspace is
// not overwritten without a question.
TEST_F(WorkspaceTest, SavingOverAWorkspaceChangedByAnotherProgramAsksFirst) {
    host.AddSat("Galaxy 19");
    doc->AddSatellite(host.satellites.FindSatellite("Galaxy 19"), false);
    ASSERT_TRUE(doc->DoSave("shared.wrk"));
    doc->SetGridOptions(0x81);
    const std::string theirs = WorkspaceFile({"AMC 21"}, {}, 31, 0, 0);
    WriteFileBytes("shared.wrk", theirs);

    MessageCapture messages(IDCANCEL);
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"shared.wrk was changed by another program. Overwrite it, "
                                       "or keep it and save yours under another name?"});
    EXPECT_EQ(ReadFileBytes("shared.wrk"), theirs);

    // Keep it: the name asked for takes ours, the file stays theirs.
    AfxGetAppContext().askSavePath = [](const std::string&) {
        return std::optional<std::string>("mine.wrk");
    };
    messages.Script({IDNO});
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_EQ(ReadFileBytes("shared.wrk"), theirs);
    EXPECT_EQ(doc->GetTitle(), "mine");

    // A file saved by this workspace and not touched since saves without a question.
    messages.Clear();
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_TRUE(messages.Texts().empty());

    // Overwrite.
    ASSERT_TRUE(doc->OpenDocumentFile("shared.wrk"));
    const std::string ses = WorkspaceFile({"SES-1"}, {}, 31, 0, 0);
    WriteFileBytes("shared.wrk", ses);
    doc->SetGridOptions(0x81);
    messages.Script({IDYES});
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(ReadFileBytes("shared.wrk"), ses);
}
