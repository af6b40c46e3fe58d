// Start-up: the workspace opened, the panes filled from it, the database
// trees, and what comes back on the next start.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <iterator>

#include "UiSupport.h"
#include "ui/display/ArcGrid.h"
#include "ui/framework/QtText.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

const char* const kWorkspace = "United States Ku Band Satellites.wrk";

QStringList ChildTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

QStringList ListTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

const QStringList kSatelliteFolders = {"Asia & South Pacific", "Europe, Africa & Middle East", "IntelSat",
                                       "North & South America"};
const QStringList kLocationFolders = {"Africa",        "Asia",          "Europe",       "Middle East",
                                      "North America", "South America", "South Pacific"};

// The root and its region folders, nothing expanded.
void ExpectTree(const QTreeWidget* tree, const QString& root, const QStringList& folders) {
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    const QTreeWidgetItem* top = tree->topLevelItem(0);
    EXPECT_EQ(top->text(0), root);
    EXPECT_EQ(ChildTexts(top), folders);
    EXPECT_FALSE(top->isExpanded());
    for (int i = 0; i < top->childCount(); ++i)
        EXPECT_FALSE(top->child(i)->isExpanded()) << i;
}

}  // namespace

using StartupTest = ProgramFixture;

TEST_F(StartupTest, FirstRunOpensTheDefaultWorkspace) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(messages->Texts().empty());
    EXPECT_EQ(frame->windowTitle(), "United States Ku Band Satellites - Tilvex");
    EXPECT_TRUE(frame->isVisible());

    auto* grid = frame->findChild<CArcGrid*>("arcGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_GT(grid->count(), 0);

    // The workspace's locations, sorted; the first workspace entry is current.
    auto* list = frame->findChild<QListWidget*>("locationList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ListTexts(list), QStringList({"Chicago, IL", "Denver, CO", "Houston, TX", "Los Angeles, CA",
                                            "Miami, FL", "New York, NY", "Seattle, WA"}));
    EXPECT_EQ(frame->GetDocument()->GetSettings().GetCurLocation(), 0);
    auto* current = frame->findChild<QLineEdit*>("currentLocation");
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->isReadOnly());
    EXPECT_EQ(current->text(), FromCp1252(frame->GetDocument()->GetLocationNames().front()));
    EXPECT_EQ(current->text(), "Denver, CO");
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), "Denver, CO");

    ExpectTree(frame->SatelliteTree(), "Satellites", kSatelliteFolders);
    ExpectTree(frame->LocationTree(), "Locations", kLocationFolders);
}

TEST_F(StartupTest, TabsShowOneTreeAtATime) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    auto* tab = frame->findChild<QTabBar*>("databaseTab");
    ASSERT_NE(tab, nullptr);
    CSatelliteTree* satellites = frame->SatelliteTree();
    CLocationTree* locations = frame->LocationTree();
    EXPECT_TRUE(satellites->isVisible());
    EXPECT_FALSE(locations->isVisible());
    // Picture-only tabs, 22 by 20 pixels.
    EXPECT_EQ(tab->tabRect(0).size(), QSize(22, 20));
    EXPECT_EQ(tab->tabRect(1).size(), QSize(22, 20));

    for (int click = 0; click < 2; ++click) {  // the second click picks the tab already chosen
        SCOPED_TRACE(click);
        QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(1).center());
        EXPECT_EQ(tab->currentIndex(), 1);
        EXPECT_FALSE(satellites->isVisible());
        EXPECT_TRUE(locations->isVisible());
    }
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(0).center());
    EXPECT_TRUE(satellites->isVisible());
    EXPECT_FALSE(locations->isVisible());
}

TEST_F(StartupTest, NextStartReturnsToTheSameWorkspaceSiteAndSatellite) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    auto* list = frame->findChild<QListWidget*>("locationList");
    auto* grid = frame->findChild<CArcGrid*>("arcGrid");
    const auto seattle = list->findItems("Seattle, WA", Qt::MatchExactly);
    ASSERT_EQ(seattle.size(), 1);
    list->setCurrentRow(list->row(seattle.front()));
    // A grid row other than the current satellite's.
    ASSERT_GT(grid->count(), 2);
    const int row = grid->currentRow() == 2 ? 1 : 2;
    grid->setCurrentRow(row);
    const std::string satellite = grid->SatelliteAt(row)->GetName();

    const CSettings chosen = frame->GetDocument()->GetSettings();
    const auto& names = frame->GetDocument()->GetSatelliteNames();
    ASSERT_LT(chosen.GetCurSatellite(), static_cast<int>(names.size()));
    EXPECT_EQ(names[static_cast<std::size_t>(chosen.GetCurSatellite())], satellite);
    EXPECT_EQ(frame->GetDocument()->GetLocationNames()[static_cast<std::size_t>(chosen.GetCurLocation())],
              "Seattle, WA");
    Stop();

    const CProfile profile(settings.string());
    EXPECT_EQ(profile.GetProfileInt("Startup", "Current Satellite", -1), chosen.GetCurSatellite());
    EXPECT_EQ(profile.GetProfileInt("Startup", "Current Location", -1), chosen.GetCurLocation());
    EXPECT_EQ(profile.GetProfileString(CRecentFileList::kSection, "File1"), (data / kWorkspace).string());

    frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "United States Ku Band Satellites - Tilvex");
    EXPECT_EQ(frame->GetDocument()->GetSettings().GetCurSatellite(), chosen.GetCurSatellite());
    EXPECT_EQ(frame->GetDocument()->GetSettings().GetCurLocation(), chosen.GetCurLocation());
    EXPECT_EQ(frame->findChild<QLabel*>("infoName")->text(), FromCp1252(satellite));
    EXPECT_EQ(frame->findChild<QLineEdit*>("currentLocation")->text(), "Seattle, WA");
    grid = frame->findChild<CArcGrid*>("arcGrid");
    ASSERT_NE(grid->SelectedSatellite(), nullptr);
    EXPECT_EQ(grid->SelectedSatellite()->GetName(), satellite);
}

// Without both databases no workspace can be shown: an empty, untitled one
// stands in, and the trees keep their folders.
TEST_F(StartupTest, MissingSatelliteDatabaseGivesAnEmptyWorkspace) {
    std::filesystem::remove(data / "satdemo.tdb");
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(messages->Texts(), std::vector<std::string>{"Unable to open satdemo.tdb"});
    EXPECT_EQ(frame->windowTitle(), "Untitled - Tilvex");
    EXPECT_TRUE(frame->GetDocument()->GetSatelliteNames().empty());
    EXPECT_TRUE(frame->GetDocument()->GetLocationNames().empty());
    EXPECT_EQ(frame->findChild<CArcGrid*>("arcGrid")->count(), 0);
    EXPECT_EQ(frame->findChild<QListWidget*>("locationList")->count(), 0);
    EXPECT_TRUE(frame->findChild<QLineEdit*>("currentLocation")->text().isEmpty());
    ExpectTree(frame->SatelliteTree(), "Satellites", kSatelliteFolders);
    ExpectTree(frame->LocationTree(), "Locations", kLocationFolders);
    EXPECT_GT(frame->LocationTree()->topLevelItem(0)->child(0)->childCount(), 0);
}

TEST_F(StartupTest, EmptyLocationDatabaseGivesAnEmptyWorkspaceAndLeavesTheRecentList) {
    WriteFileBytes(data / "locdemo.tdb", "");
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(messages->Texts(),
              std::vector<std::string>{"File locdemo.tdb missing or corrupted.\nOpening empty workspace."});
    EXPECT_EQ(frame->windowTitle(), "Untitled - Tilvex");
    EXPECT_TRUE(frame->GetDocument()->GetSatelliteNames().empty());
    EXPECT_EQ(frame->findChild<CArcGrid*>("arcGrid")->count(), 0);
    ExpectTree(frame->LocationTree(), "Locations", kLocationFolders);
    for (int i = 0; i < frame->LocationTree()->topLevelItem(0)->childCount(); ++i)
        EXPECT_EQ(frame->LocationTree()->topLevelItem(0)->child(i)->childCount(), 0);
    Stop();
    EXPECT_EQ(CProfile(settings.string()).GetProfileString(CRecentFileList::kSection, "File1", "absent"),
              "absent");
}

TEST_F(StartupTest, RelativeSettingsFileStaysWhereTheProgramWasStarted) {
    CTilvexApp::Options options;
    options.splash = false;
    options.settingsFile = "relative.INI";
    options.dataDir = QString::fromStdString(data.string());
    app = std::make_unique<CTilvexApp>();
    ASSERT_TRUE(app->InitInstance(options));
    Stop();
    EXPECT_TRUE(std::filesystem::exists(dir / "relative.INI"));
    EXPECT_FALSE(std::filesystem::exists(data / "relative.INI"));
}

// A workspace in the recent list that can no longer be opened leaves the
// list, so the next start does not stumble on it again.
TEST_F(StartupTest, WorkspaceThatCannotBeOpenedLeavesTheRecentList) {
    const std::string gone = (dir / "gone.wrk").string();
    {
        CProfile profile(settings.string());
        CRecentFileList recent(&profile);
        recent.Add((data / kWorkspace).string());
        recent.Add(gone);
        recent.WriteList();
    }
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(messages->Texts().size(), 1u);
    EXPECT_EQ(frame->windowTitle(), "Untitled - Tilvex");
    Stop();
    const CProfile profile(settings.string());
    EXPECT_EQ(profile.GetProfileString(CRecentFileList::kSection, "File1"), (data / kWorkspace).string());
    EXPECT_EQ(profile.GetProfileString(CRecentFileList::kSection, "File2", "absent"), "absent");

    // The next start opens the workspace that is still there, silently.
    messages.reset();
    messages = std::make_unique<MessageCapture>();
    frame = Start();
    EXPECT_TRUE(messages->Texts().empty());
    EXPECT_EQ(frame->windowTitle(), "United States Ku Band Satellites - Tilvex");
}

// The user's data folder takes each missing file from the first shipped
// folder that has it, and keeps whatever the user already has there.
TEST(DataSeedingTest, CopiesOnlyMissingFilesFromTheFirstFolderHoldingThem) {
    TempDir tmp;
    const auto write = [](const std::filesystem::path& path, const std::string& bytes) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    };
    const auto read = [](const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    write(tmp / "build/satdemo.tdb", "build sat");
    write(tmp / "share/satdemo.tdb", "share sat");
    write(tmp / "share/locdemo.tdb", "share loc");
    write(tmp / "share/MagData.dat", "share mag");
    write(tmp / "share/United States Ku Band Satellites.wrk", "share wrk");
    write(tmp / "user/locdemo.tdb", "");  // emptied by the user: still theirs
    // A link to nowhere is the user's too; where links cannot be made (most
    // Windows accounts, Wine), a file of the user's stands in for it.
    std::error_code noLink;
    std::filesystem::create_symlink(tmp / "nowhere", tmp / "user/MagData.dat", noLink);
    if (noLink)
        write(tmp / "user/MagData.dat", "user mag");
    const QString user = QString::fromStdString((tmp / "user").string());
    const QStringList shipped{QString::fromStdString((tmp / "missing").string()),
                              QString::fromStdString((tmp / "build").string()),
                              QString::fromStdString((tmp / "share").string())};

    EXPECT_EQ(CTilvexApp::SeedDataDir(user, shipped),
              QStringList({"satdemo.tdb", "United States Ku Band Satellites.wrk"}));
    EXPECT_EQ(read(tmp / "user/satdemo.tdb"), "build sat");
    EXPECT_EQ(read(tmp / "user/locdemo.tdb"), "");
    if (noLink)
        EXPECT_EQ(read(tmp / "user/MagData.dat"), "user mag");
    else
        EXPECT_TRUE(std::filesystem::is_symlink(tmp / "user/MagData.dat"));
    EXPECT_EQ(read(tmp / "user/United States Ku Band Satellites.wrk"), "share wrk");

    // Nothing is copied again once the folder is complete.
    EXPECT_TRUE(CTilvexApp::SeedDataDir(user, shipped).isEmpty());
}
