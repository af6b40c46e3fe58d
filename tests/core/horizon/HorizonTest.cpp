#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "core/framework/Format.h"
#include "core/framework/Profile.h"
#include "core/horizon/Clearance.h"
#include "core/horizon/HorizonFile.h"
#include "core/satellites/LookAngles.h"

namespace {

CHorizonProfile Points(std::initializer_list<HorizonPoint> points) {
    CHorizonProfile profile;
    for (const HorizonPoint& p : points)
        EXPECT_FALSE(profile.AddPoint(p));
    return profile;
}

}  // namespace

TEST(HorizonProfileTest, PointsAreJoinedAroundTheCircle) {
    // None: flat at 0.  One: level at its height.
    EXPECT_EQ(CHorizonProfile().HorizonAt(137.0), 0.0);
    const CHorizonProfile one = Points({{123.0, 7.5}});
    for (double azimuth : {0.0, 123.0, 300.0, 359.9})
        EXPECT_EQ(one.HorizonAt(azimuth), 7.5) << azimuth;

    // Given out of order; 350 -> 10 crosses North.
    const CHorizonProfile p = Points({{180.0, 0.0}, {10.0, 20.0}, {350.0, 10.0}});
    ASSERT_EQ(p.Points().size(), 3u);
    EXPECT_EQ(p.Points()[0].azimuth, 10.0);
    const std::pair<double, double> cases[] = {
        {0.0, 15.0},  {360.0, 15.0}, {355.0, 12.5}, {5.0, 17.5},   {10.0, 20.0},
        {95.0, 10.0}, {180.0, 0.0},  {265.0, 5.0},  {350.0, 10.0}, {-5.0, 12.5},
    };
    for (const auto& [azimuth, elevation] : cases)
        EXPECT_NEAR(p.HorizonAt(azimuth), elevation, 1e-12) << azimuth;

    // 360 is North, kept as 0; two points of one azimuth make a step, the
    // higher one at the azimuth itself.
    const CHorizonProfile step = Points({{90.0, 2.0}, {360.0, 4.0}, {90.0, 12.0}, {180.0, 12.0}});
    EXPECT_EQ(step.Points()[0].azimuth, 0.0);
    EXPECT_NEAR(step.HorizonAt(45.0), 3.0, 1e-12);
    EXPECT_EQ(step.HorizonAt(90.0), 12.0);
    EXPECT_NEAR(step.HorizonAt(135.0), 12.0, 1e-12);
}

TEST(HorizonProfileTest, ObstaclesRaiseTheHorizonOverTheirWidthAcrossNorth) {
    CHorizonProfile p = Points({{0.0, 3.0}});
    // 10 m up at 10 m: 45 degrees, from 345 to 5 across North.
    EXPECT_FALSE(p.AddObstacle({355.0, 10.0, 10.0, 20.0}));
    // atan(1 / 10) = 5.71 degrees over the default 10 degrees, 85 to 95.
    EXPECT_FALSE(p.AddObstacle({90.0, 1.0, 10.0}));
    const std::pair<double, double> cases[] = {
        {0.0, 45.0},
        {345.0, 45.0},
        {5.0, 45.0},
        {5.01, 3.0},
        {344.99, 3.0},
        {180.0, 3.0},
        {85.0, 5.7105931374996},
        {95.0, 5.7105931374996},
        {95.01, 3.0},
    };
    for (const auto& [azimuth, elevation] : cases)
        EXPECT_NEAR(p.HorizonAt(azimuth), elevation, 1e-9) << azimuth;
    // An obstacle lower than the profile hides nothing more.
    EXPECT_FALSE(p.AddObstacle({180.0, 0.1, 100.0, 360.0}));
    EXPECT_EQ(p.HorizonAt(180.0), 3.0);
}

TEST(HorizonProfileTest, ValuesOutsideTheirRangesAreRefused) {
    const std::pair<HorizonPoint, const char*> points[] = {
        {{10.0, 90.5}, "the elevation must be from -5 to 90"},
        {{10.0, -5.1}, "the elevation must be from -5 to 90"},
        {{-0.1, 5.0}, "the azimuth must be from 0 to 360"},
        {{360.1, 5.0}, "the azimuth must be from 0 to 360"},
    };
    for (const auto& [point, message] : points)
        EXPECT_EQ(HorizonPointError(point), message);
    EXPECT_FALSE(HorizonPointError({360.0, -5.0}));
    EXPECT_FALSE(HorizonPointError({0.0, 90.0}));

    const std::pair<HorizonObstacle, const char*> obstacles[] = {
        {{10.0, 5.0, -3.0}, "the distance must be greater than 0"},
        {{10.0, 5.0, 0.0}, "the distance must be greater than 0"},
        {{10.0, 5.0, 3.0, 0.0}, "the width must be greater than 0 and at most 360"},
        {{10.0, 5.0, 3.0, 360.5}, "the width must be greater than 0 and at most 360"},
        {{400.0, 5.0, 3.0}, "the bearing must be from 0 to 360"},
    };
    for (const auto& [obstacle, message] : obstacles)
        EXPECT_EQ(HorizonObstacleError(obstacle), message);
    CHorizonProfile p;
    EXPECT_TRUE(p.AddObstacle({10.0, 5.0, 0.0}));
    EXPECT_TRUE(p.IsEmpty());
}

TEST(ClearanceTest, MarginIsElevationLessHorizonLessTheBeamEdge) {
    // 35 * (0.299792458 / 12) / 0.9
    EXPECT_NEAR(BeamEdgeDegrees(DishBeam{}), 0.97154963, 1e-8);
    EXPECT_NEAR(BeamEdgeDegrees({1.2, 11.7}), 0.74734587, 1e-8);

    const CHorizonProfile level = Points({{0.0, 10.0}});
    const double edge = BeamEdgeDegrees(DishBeam{});
    // Exactly on the edge: clear.
    const double onEdge = ClearanceMargin(level, 200.0, 10.0 + edge, edge);
    EXPECT_EQ(onEdge, 0.0);
    EXPECT_TRUE(IsClear(onEdge));
    EXPECT_EQ(ClearanceText(onEdge), "clear +0.0\xB0");
    EXPECT_FALSE(IsClear(ClearanceMargin(level, 200.0, 10.0 + edge - 1e-6, edge)));
    EXPECT_EQ(ClearanceText(4.2), "clear +4.2\xB0");
    EXPECT_EQ(ClearanceText(-2.1), "blocked -2.1\xB0");
    EXPECT_EQ(ClearanceText(std::nullopt), "--");

    // A site's satellite: the grid's own angles, true azimuth.
    const float lat = 40.0f, lon = 100.0f, slot = 97.0f;
    const double elevation = ElevationDegrees(lat, lon, slot);
    EXPECT_EQ(Format("%.1f\xB0", elevation), CLookAngles().Elevation(lat, lon, slot));
    CHorizonProfile wall = Points({{0.0, 1.0}});
    EXPECT_FALSE(wall.AddObstacle({AzimuthDegrees(lat, lon, 0.0f, slot, 0), 100.0, 100.0, 2.0}));
    EXPECT_NEAR(*SatelliteClearance(wall, edge, lat, lon, slot), elevation - 45.0 - edge, 1e-12);
    EXPECT_NEAR(*SatelliteClearance(wall, edge, lat, lon, 60.0f),
                ElevationDegrees(lat, lon, 60.0f) - 1.0 - edge, 1e-12);
    EXPECT_FALSE(SatelliteClearance(wall, edge, lat, lon, -10.0f));  // below the level horizon
}

TEST(ClearanceTest, DishAndFrequencyLiveInTheSettingsFile) {
    TempDir dir;
    CProfile settings((dir / "tilvex.INI").string());
    EXPECT_EQ(ReadDishBeam(settings), DishBeam{});
    EXPECT_TRUE(WriteDishBeam(settings, {1.2, 11.7}));
    EXPECT_EQ(ReadDishBeam(settings), (DishBeam{1.2, 11.7}));
    EXPECT_EQ(settings.GetProfileString("Dish", "Diameter"), "1.2");
    // Values the sun outages would refuse are neither written nor read.
    EXPECT_FALSE(WriteDishBeam(settings, {0.0, 12.0}));
    settings.WriteProfileString("Dish", "Frequency", "fast");
    EXPECT_EQ(ReadDishBeam(settings), DishBeam{});
    settings.WriteProfileString("Dish", "Frequency", "0.1");  // a beam far too wide
    EXPECT_EQ(ReadDishBeam(settings), DishBeam{});
}

TEST(HorizonStoreTest, RowsRoundTripWithNamesInWindows1252) {
    CHorizonStore store;
    // "Café, Roof" holds a comma and an e acute (0xE9); "-Camp" looks like a
    // formula to a spreadsheet.
    EXPECT_TRUE(store.SetProfile("Caf\xE9, Roof", Points({{180.0, 2.5}, {0.0, -1.25}})));
    CHorizonProfile camp;
    EXPECT_FALSE(camp.AddObstacle({355.0, 3.0, 12.0}));
    EXPECT_TRUE(store.SetProfile("-Camp", camp));
    const std::string text = store.Text();
    EXPECT_EQ(text,
              "\"Caf\xC3\xA9, Roof\",0,-1.25\n"
              "\"Caf\xC3\xA9, Roof\",180,2.5\n"
              "'-Camp,obstacle,355,3,12,10\n");
    CHorizonStore again;
    again.LoadText(text);
    EXPECT_TRUE(again.Problems().empty());
    EXPECT_EQ(again.Locations(), (std::vector<std::string>{"Caf\xE9, Roof", "-Camp"}));
    EXPECT_EQ(*again.Find("Caf\xE9, Roof"), *store.Find("Caf\xE9, Roof"));
    EXPECT_EQ(*again.Find("-Camp"), camp);
    EXPECT_EQ(again.Text(), text);

    // Names match as the location database matches them: A to Z in any case.
    EXPECT_TRUE(again.HasProfile("CAF\xE9, roof"));
    EXPECT_FALSE(again.HasProfile("Caf\xC9, Roof"));
    EXPECT_FALSE(again.SetProfile("two\nlines", camp));
    EXPECT_FALSE(again.SetProfile("", camp));
    // An empty profile removes the location.
    EXPECT_TRUE(again.SetProfile("-camp", CHorizonProfile()));
    EXPECT_FALSE(again.HasProfile("-Camp"));
}

TEST(HorizonStoreTest, EachDamagedLineIsRefusedWithItsNumberAndNothingElseIsLost) {
    const std::string text =
        "\xEF\xBB\xBFHome,0,5\r\n"
        "Home,90,91\n"                  // 2: elevation above 90
        "Home,91,-5.5\n"                // 3: elevation below -5
        "\n"                            //    blank: skipped
        "Home,obstacle,120,4,-10,20\n"  // 5: negative distance
        "Home,obstacle,120,4,10,0\n"    // 6: width 0
        "Home,obstacle,120,4,10,361\n"  // 7: width above 360
        "Home,100,high\n"               // 8: text for a number
        "Home,-10,5\n"                  // 9: azimuth below 0
        "Shed,obstacle,200,2.5,8\n"     // good, default width
        "Home,1,2,3\n"                  // 11: too many fields
        "\"Home,1,2\n"                  // 12: quote not closed
        "\xFF\xFE,1,2\n"                // 13: not UTF-8
        "home,180,-5\n"                 // good, same location
        "Home,obstacle,120,4,0\n";      // 15: zero distance
    CHorizonStore store;
    store.LoadText(text);
    const std::pair<std::size_t, const char*> expected[] = {
        {2, "the elevation must be from -5 to 90"},
        {3, "the elevation must be from -5 to 90"},
        {5, "the distance must be greater than 0"},
        {6, "the width must be greater than 0 and at most 360"},
        {7, "the width must be greater than 0 and at most 360"},
        {8, "the elevation is not a number"},
        {9, "the azimuth must be from 0 to 360"},
        {11, "expected location,azimuth,elevation or location,obstacle,bearing,height,distance,width"},
        {12, "a quote is not closed where the field ends"},
        {13, "the location's name is not text of Windows-1252 characters in UTF-8"},
        {15, "the distance must be greater than 0"},
    };
    ASSERT_EQ(store.Problems().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(store.Problems()[i].line, expected[i].first);
        EXPECT_EQ(store.Problems()[i].message,
                  "horizons.csv line " + std::to_string(expected[i].first) + ": " + expected[i].second);
    }
    EXPECT_EQ(*store.Find("Home"), Points({{0.0, 5.0}, {180.0, -5.0}}));
    ASSERT_TRUE(store.Find("Shed"));
    EXPECT_EQ(store.Find("Shed")->Obstacles(), (std::vector<HorizonObstacle>{{200.0, 2.5, 8.0, 10.0}}));

    // Saved, the refused lines come back as they were, after the others.
    EXPECT_EQ(store.Text(),
              "Home,0,5\nHome,180,-5\nShed,obstacle,200,2.5,8,10\n"
              "Home,90,91\nHome,91,-5.5\nHome,obstacle,120,4,-10,20\nHome,obstacle,120,4,10,0\n"
              "Home,obstacle,120,4,10,361\nHome,100,high\nHome,-10,5\nHome,1,2,3\n\"Home,1,2\n"
              "\xFF\xFE,1,2\nHome,obstacle,120,4,0\n");

    // A refused line that starts with a byte-order mark keeps it, behind the
    // file's own; carriage returns end lines.
    store.LoadText("\xEF\xBB\xBF\xEF\xBB\xBFodd\r\r\n");
    const std::string odd = store.Text();
    EXPECT_EQ(odd, "\xEF\xBB\xBF\xEF\xBB\xBFodd\n");
    store.LoadText(odd);
    EXPECT_EQ(store.Text(), odd);
}

TEST(HorizonStoreTest, RenameCarriesTheHorizonAndDeleteDropsIt) {
    CHorizonStore store;
    store.LoadText("Home,0,5\nShed,0,1\nHome,10,bad\nOld Barn,0,7\n");
    ASSERT_EQ(store.Problems().size(), 1u);

    EXPECT_TRUE(store.RenameLocation("HOME", "Cabin"));
    EXPECT_FALSE(store.HasProfile("Home"));
    EXPECT_EQ(*store.Find("Cabin"), Points({{0.0, 5.0}}));
    // Onto a name that had rows: those go.  Letter case only: respelt.
    EXPECT_TRUE(store.RenameLocation("Shed", "old barn"));
    EXPECT_EQ(*store.Find("Old Barn"), Points({{0.0, 1.0}}));
    EXPECT_TRUE(store.RenameLocation("old barn", "OLD BARN"));
    EXPECT_FALSE(store.RenameLocation("Cabin", "bad\tname"));
    EXPECT_EQ(store.Text(), "Cabin,0,5\nOLD BARN,0,1\nCabin,10,bad\n");

    store.DeleteLocation("cabin");
    EXPECT_EQ(store.Text(), "OLD BARN,0,1\n");
    EXPECT_EQ(store.Locations(), std::vector<std::string>{"OLD BARN"});
}

TEST(HorizonStoreTest, FileIsReadAndWrittenSafely) {
    TempDir dir;
    const std::string path = (dir / "horizons.csv").string();
    CHorizonStore store;
    EXPECT_FALSE(store.Load(path));  // none yet: no horizons
    EXPECT_TRUE(store.Locations().empty());
    store.SetProfile("Home", Points({{0.0, 5.0}}));
    std::string error;
    ASSERT_TRUE(store.Save(path, &error)) << error;
    CHorizonStore loaded;
    EXPECT_FALSE(loaded.Load(path));
    EXPECT_EQ(*loaded.Find("Home"), Points({{0.0, 5.0}}));

    // A folder where the file should be: not read, and not written over.
    const std::string folder = (dir / "folder.csv").string();
    std::filesystem::create_directory(folder);
    CHorizonStore unread;
    const auto reason = unread.Load(folder);
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find("folder.csv"), std::string::npos) << *reason;
    EXPECT_FALSE(unread.Save(folder, &error));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(HorizonFromTextTest, CommentsBlankLinesAndAHeaderAreSkipped) {
    const auto profile = HorizonFromText(
        "azimuth,elevation\n# the neighbour's roof\n\n0,5\n 180 , +2 \nobstacle,90,3,10\n"
        "obstacle,270,3,10,30\n",
        "site.csv");
    ASSERT_TRUE(profile) << profile.Message();
    EXPECT_EQ((*profile).Points(), (std::vector<HorizonPoint>{{0.0, 5.0}, {180.0, 2.0}}));
    EXPECT_EQ((*profile).Obstacles(),
              (std::vector<HorizonObstacle>{{90.0, 3.0, 10.0, 10.0}, {270.0, 3.0, 10.0, 30.0}}));

    // The first bad line fails the file; a header only counts first.
    EXPECT_EQ(HorizonFromText("# x\n0,5\nazimuth,elevation\n", "site.csv").Message(),
              "site.csv line 3: the azimuth is not a number");
    EXPECT_EQ(HorizonFromText("0,5\nobstacle,90,3\n", "site.csv").Message(),
              "site.csv line 2: expected azimuth,elevation or obstacle,bearing,height,distance[,width]");
}
