#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <numbers>

#include "TestSupport.h"
#include "core/display/ArcGridModel.h"
#include "core/display/SkyViewGeometry.h"
#include "core/horizon/HorizonProfile.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

constexpr double kR = std::numbers::pi / 180.0;

// Azimuth and elevation from Earth-centred vectors and the site's horizon
// frame (spherical Earth of radius 1, orbit of kGeostationaryRadius).
SkyDirection FromVectors(double lat, double siteWest, double satWest) {
    const double lon = -siteWest * kR, slot = -satWest * kR, phi = lat * kR;
    const double dx = kGeostationaryRadius * std::cos(slot) - std::cos(phi) * std::cos(lon);
    const double dy = kGeostationaryRadius * std::sin(slot) - std::cos(phi) * std::sin(lon);
    const double dz = -std::sin(phi);
    const double east = -std::sin(lon) * dx + std::cos(lon) * dy;
    const double north =
        -std::sin(phi) * std::cos(lon) * dx - std::sin(phi) * std::sin(lon) * dy + std::cos(phi) * dz;
    const double up =
        std::cos(phi) * std::cos(lon) * dx + std::cos(phi) * std::sin(lon) * dy + std::sin(phi) * dz;
    SkyDirection out;
    out.azimuth = std::fmod(std::atan2(east, north) / kR + 360.0, 360.0);
    out.elevation = std::atan2(up, std::hypot(east, north)) / kR;
    return out;
}

double Number(const std::string& text) {
    return std::atof(text.c_str());
}

void Add(CSatelliteDatabase& db, const std::string& name, float slot, bool west, int flags) {
    auto s = std::make_unique<CSatellite>();
    s->SetName(name);
    s->SetSlot(slot);
    s->SetWest(west ? 1 : 0);
    s->SetFlags(flags);
    db.Append(std::move(s));
}

}  // namespace

TEST(SkyViewGeometryTest, DirectionsAgreeWithVectorsAndWithTheGridsTexts) {
    const double cases[][3] = {{40, 100, 90},     {40, 100, 110},    {40, 100, 100}, {38.5, 121.5, 101},
                               {-30, -150, -160}, {-30, -150, -140}, {0, 10, 40},    {0, 10, -20},
                               {60, 0, 50},       {-70, 20, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << " " << c[1] << " " << c[2]);
        const SkyDirection ours = GeostationaryLookAngle(c[0], c[1], c[2]);
        const SkyDirection theirs = FromVectors(c[0], c[1], c[2]);
        EXPECT_NEAR(ours.elevation, theirs.elevation, 1e-9);
        EXPECT_NEAR(std::remainder(ours.azimuth - theirs.azimuth, 360.0), 0.0, 1e-9);
        // The grid's texts round older constants; the drawn points stay
        // within a tenth of a degree of them.
        const LookAngleTexts texts = ComputeLookAngles(float(c[0]), float(c[1]), 0.0f, float(c[2]), 0);
        if (texts.elevation == "--")
            continue;
        EXPECT_NEAR(ours.elevation, Number(texts.elevation), 0.1);
        EXPECT_NEAR(std::remainder(ours.azimuth - Number(texts.azimuth), 360.0), 0.0, 0.1);
    }
    EXPECT_LT(GeostationaryLookAngle(40, 100, -10).elevation, 0.0);
    EXPECT_NEAR(GeostationaryLookAngle(0, 75, 75).elevation, 90.0, 1e-9);
}

TEST(SkyViewGeometryTest, VisibleArcRunsEastToWestAcrossTheRightPartOfTheSky) {
    // North: the arc lies to the South; South: to the North; on the equator
    // it passes overhead from due East to due West.  The ends are where the
    // sub-satellite point is acos(1 / orbit radius) away: cos(delta) =
    // cos(81.30) / cos(latitude), bearing atan2(sin delta, -sin lat cos delta).
    struct Case {
        double lat;
        double firstAzimuth, lastAzimuth;
        double highest;
    };
    const Case cases[] = {{40, 97.4, 262.6, 43.9}, {-30, 84.9, 275.1, 55.0}, {0, 90, 270, 90.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lat);
        const auto arc = VisibleArc(c.lat, 100, 91);
        ASSERT_EQ(arc.size(), 91u);
        EXPECT_EQ(arc.front().elevation, 0.0);
        EXPECT_EQ(arc.back().elevation, 0.0);
        EXPECT_NEAR(arc.front().azimuth, c.firstAzimuth, 0.1);
        EXPECT_NEAR(arc.back().azimuth, c.lastAzimuth, 0.1);
        double highest = 0;
        for (const SkyDirection& p : arc) {
            EXPECT_GE(p.elevation, 0.0);
            highest = std::max(highest, p.elevation);
            if (c.lat > 0) {
                EXPECT_TRUE(p.azimuth >= 90 && p.azimuth <= 270) << p.azimuth;
            } else if (c.lat < 0) {
                EXPECT_TRUE(p.azimuth <= 90 || p.azimuth >= 270) << p.azimuth;
            }
        }
        EXPECT_NEAR(highest, c.highest, 0.2);
    }
    // Beyond about 81.3 degrees no part of the arc rises.
    EXPECT_TRUE(VisibleArc(81.4, 0).empty());
    EXPECT_TRUE(VisibleArc(-89, 0).empty());
    EXPECT_FALSE(VisibleArc(81.2, 0).empty());
}

TEST(SkyViewGeometryTest, PolarPlotPutsNorthUpEastRightAndTheZenithInTheCentre) {
    PolarPlot plot{200, 150, 100, 0};
    auto at = [&](double az, double el) { return plot.Place({az, el}); };
    EXPECT_NEAR(at(0, 0).x, 200, 1e-9);
    EXPECT_NEAR(at(0, 0).y, 50, 1e-9);
    EXPECT_NEAR(at(90, 0).x, 300, 1e-9);
    EXPECT_NEAR(at(180, 45).y, 200, 1e-9);
    EXPECT_NEAR(at(270, 0).x, 100, 1e-9);
    EXPECT_NEAR(at(123, 90).x, 200, 1e-9);
    EXPECT_NEAR(at(123, 90).y, 150, 1e-9);
    // Magnetic: a West variation of 10 turns every point 10 degrees
    // clockwise on the plot.
    plot.azimuthOffset = 10;
    EXPECT_NEAR(at(80, 0).x, 300, 1e-9);
    const SkyDirection back = plot.DirectionAt(at(200, 30).x, at(200, 30).y);
    EXPECT_NEAR(back.azimuth, 200, 1e-9);
    EXPECT_NEAR(back.elevation, 30, 1e-9);
}

TEST(SkyViewGeometryTest, PointsAreTheGridsVisibleRowsWithTheGridsLabels) {
    CSatelliteDatabase db;
    Add(db, "Galaxy", 97, true, SAT_BAND_KU);
    Add(db, "COnly", 99, true, SAT_BAND_C);
    Add(db, "Astra", 19.2f, false, SAT_BAND_KU);  // below the horizon of 40N 100W
    Add(db, "Echo", 110, true, SAT_BAND_KU | SAT_BAND_DBS);
    CArcGridModel grid;
    grid.SetOptions(GRID_KU | GRID_SORT_BY_SLOT);
    grid.SetSite(40, 100, 0);
    grid.Fill({"Galaxy", "COnly", "Astra", "Echo"}, db);
    const auto points = SkyPoints(grid, db.FindSatellite("Echo"));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].label, "Galaxy");
    EXPECT_FALSE(points[0].current);
    EXPECT_EQ(points[1].label, "Echo");
    EXPECT_TRUE(points[1].current);
    EXPECT_NEAR(points[1].direction.azimuth, GeostationaryLookAngle(40, 100, 110).azimuth, 1e-9);
    grid.SetOptions(GRID_KU | GRID_SORT_BY_SLOT | GRID_SHOW_SLOT);
    EXPECT_EQ(SkyPoints(grid, nullptr)[0].label, "Galaxy  97\xB0W");

    EXPECT_EQ(SkyAzimuthCaption(GRID_MAGNETIC), "Azimuth (Magnetic)");
    EXPECT_EQ(SkyAzimuthCaption(0), "Azimuth (True)");
}

TEST(SkyViewGeometryTest, LabelsStayClearOfEachOtherAndOfThePoints) {
    // Points in a tight row across the centre, as from a site on the
    // equator: the outward places collide, so labels move aside.
    std::vector<PolarPlot::Point> at;
    std::vector<std::pair<double, double>> sizes;
    for (int i = 0; i < 8; ++i) {
        at.push_back({120.0 + i * 9.0, 200.0 + i * 0.5});
        sizes.emplace_back(60.0, 14.0);
    }
    const auto boxes = PlaceSkyLabels(at, sizes, 400, 400, 5);
    ASSERT_EQ(boxes.size(), at.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const LabelBox& a = boxes[i];
        EXPECT_GE(a.x, 0);
        EXPECT_LE(a.x + a.width, 400);
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            // No point inside any label.
            EXPECT_FALSE(at[k].x > a.x && at[k].x < a.x + a.width && at[k].y > a.y &&
                         at[k].y < a.y + a.height)
                << i << " covers point " << k;
            if (k <= i)
                continue;
            const LabelBox& b = boxes[k];
            EXPECT_FALSE(a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
                         b.y < a.y + a.height)
                << i << " and " << k << " overlap";
        }
    }
    // A lone point keeps its label right beside it, level with it, without
    // a leader line; at the window's right edge, on its left.
    const auto lone = PlaceSkyLabels({{100, 200}}, {{50, 14}}, 400, 400, 5);
    EXPECT_FALSE(lone[0].leader);
    EXPECT_NEAR(lone[0].x, 108, 1e-9);
    EXPECT_NEAR(lone[0].y + lone[0].height / 2, 200, 1e-9);
    const auto atEdge = PlaceSkyLabels({{380, 200}}, {{50, 14}}, 400, 400, 5);
    EXPECT_FALSE(atEdge[0].leader);
    EXPECT_LE(atEdge[0].x + atEdge[0].width, 380 - 5);
}

// Every label of the shipped workspace's satellites, from each of its
// locations, in the window's first size: each beside or near its point, no
// two lines crossing, no line through another label, no label over another
// or over a point.
TEST(SkyViewGeometryTest, ShippedWorkspaceLabelsStayNearTheirPointsAndTheirLinesNeverCross) {
    std::vector<std::string> satellites, locations;
    std::ifstream source(std::string(TILVEX_SOURCE_DIR) + "/data/default-workspace.txt");
    for (std::string line; std::getline(source, line);) {
        if (line.rfind("sat: ", 0) == 0)
            satellites.push_back(line.substr(5));
        if (line.rfind("loc: ", 0) == 0)
            locations.push_back(line.substr(5));
    }
    ASSERT_GE(satellites.size(), 10u);
    ASSERT_GE(locations.size(), 5u);
    ScopedCwd cwd{TILVEX_BUILD_DATA_DIR};
    MessageCapture messages;
    CSatelliteDatabase satelliteDb;
    CLocationDatabase locationDb;
    ASSERT_EQ(satelliteDb.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    ASSERT_EQ(locationDb.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);

    // The plot of a window of 560 by 600 under its menu bar, as the sky view
    // lays it out; text about 7 pixels a letter and 15 high.
    const double width = 560, height = 578, radius = std::min(width, height - 16) / 2 - 44;
    // Lines no longer than five rows of text.
    const double pointRadius = 6.0, bound = 80.0;
    for (const std::string& name : locations) {
        SCOPED_TRACE(name);
        const CLocation* site = locationDb.FindLocation(name);
        ASSERT_NE(site, nullptr);
        CArcGridModel grid;
        grid.SetOptions(GRID_BANDS | GRID_MAGNETIC | GRID_SORT_BY_SLOT);
        grid.SetSite(site->SignedLatitude(), site->SignedLongitude(), *site->SignedMagVar());
        grid.Fill(satellites, satelliteDb);
        const auto points = SkyPoints(grid, grid.Rows().front());
        ASSERT_GE(points.size(), 10u);
        const PolarPlot plot{width / 2, height / 2 + 8, radius, *site->SignedMagVar()};
        std::vector<PolarPlot::Point> at;
        std::vector<std::pair<double, double>> sizes;
        for (std::size_t i = 0; i < points.size(); ++i) {
            at.push_back(plot.Place(points[i].direction));
            sizes.emplace_back(7.0 * points[i].label.size() + 2, 15.0);
        }
        const auto boxes = PlaceSkyLabels(at, sizes, width, height, pointRadius);
        ASSERT_EQ(boxes.size(), points.size());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            SCOPED_TRACE(points[i].label);
            const LabelBox& a = boxes[i];
            EXPECT_TRUE(a.shown);
            const PolarPlot::Point end = LeaderEnd(a, at[i]);
            EXPECT_LE(std::hypot(end.x - at[i].x, end.y - at[i].y), bound);
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width <= width && a.y + a.height <= height);
            for (std::size_t k = 0; k < boxes.size(); ++k) {
                if (k == i)
                    continue;
                const LabelBox& b = boxes[k];
                const PolarPlot::Point p = at[k];
                EXPECT_FALSE(p.x > a.x - pointRadius && p.x < a.x + a.width + pointRadius &&
                             p.y > a.y - pointRadius && p.y < a.y + a.height + pointRadius)
                    << "covers the point of " << points[k].label;
                EXPECT_FALSE(a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
                             b.y < a.y + a.height)
                    << "overlaps the label of " << points[k].label;
                const PolarPlot::Point other = LeaderEnd(b, p);
                EXPECT_FALSE(LeadersCross(at[i], end, p, other)) << "crosses the line of " << points[k].label;
                // A line through a box meets one of its diagonals.
                if (!b.leader)
                    continue;
                const PolarPlot::Point corners[4] = {
                    {a.x, a.y}, {a.x + a.width, a.y + a.height}, {a.x + a.width, a.y}, {a.x, a.y + a.height}};
                EXPECT_FALSE(LeadersCross(p, other, corners[0], corners[1]) ||
                             LeadersCross(p, other, corners[2], corners[3]))
                    << "the line of " << points[k].label << " runs through it";
            }
        }
    }
}

// A crowded arc (thousands of satellites, some sharing a slot) in the
// window's first size: the labels that find room stand clear of each other,
// of every point and of each other's lines, each within reach of its point;
// the current satellite's is among them.  The rest are left unlabelled.
TEST(SkyViewGeometryTest, CrowdedArcLabelsWhatFitsAndTheCurrentFirst) {
    const double width = 560, height = 578, pointRadius = 6.0;
    const PolarPlot plot{width / 2, height / 2 + 8, std::min(width, height - 16) / 2 - 44, 0.0};
    std::vector<PolarPlot::Point> at;
    std::vector<std::pair<double, double>> sizes;
    for (int i = 0; i < 3000; ++i) {
        const double slot = 30.0 + 150.0 * (i - i % 3 * (i % 7 == 0)) / 3000.0;
        at.push_back(plot.Place(GeostationaryLookAngle(39.7, 105.0, slot)));
        sizes.emplace_back(65.0, 15.0);
    }
    const int current = 1700;
    const auto boxes = PlaceSkyLabels(at, sizes, width, height, pointRadius, current);
    ASSERT_EQ(boxes.size(), at.size());
    EXPECT_TRUE(boxes[current].shown);
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].shown)
            shown.push_back(i);
    EXPECT_GE(shown.size(), 15u);
    EXPECT_LT(shown.size(), 200u);
    const double reach = SkyLabelReach(15.0, pointRadius);
    for (std::size_t i : shown) {
        SCOPED_TRACE(i);
        const LabelBox& a = boxes[i];
        const PolarPlot::Point end = LeaderEnd(a, at[i]);
        EXPECT_LE(std::hypot(end.x - at[i].x, end.y - at[i].y), reach + 1e-9);
        EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.width <= width && a.y + a.height <= height);
        for (const PolarPlot::Point& p : at) {
            const PolarPlot::Point nearest = LeaderEnd(a, p);
            EXPECT_GE(std::hypot(p.x - nearest.x, p.y - nearest.y), pointRadius)
                << "covers the point at " << p.x << "," << p.y;
        }
        for (std::size_t k : shown) {
            if (k == i)
                continue;
            const LabelBox& b = boxes[k];
            EXPECT_FALSE(a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
                         b.y < a.y + a.height)
                << "overlaps the label of " << k;
            EXPECT_FALSE(LeadersCross(at[i], end, at[k], LeaderEnd(b, at[k]))) << "crosses the line of " << k;
        }
    }
}

// The point under the mouse is the nearest within reach, as a look at every
// point finds it; of two in one place, the later.
TEST(SkyViewGeometryTest, PointIndexFindsTheNearestPoint) {
    std::vector<PolarPlot::Point> at;
    for (int i = 0; i < 500; ++i)
        at.push_back({std::fmod(i * 37.3, 400.0) - 5.0, std::fmod(i * 91.7, 300.0)});
    at.push_back(at[10]);
    const SkyPointIndex index(at, 390, 300);
    for (double x = -10; x <= 400; x += 3.7)
        for (double y = -10; y <= 310; y += 4.1) {
            int nearest = -1;
            double best = 8.0;
            for (std::size_t i = 0; i < at.size(); ++i) {
                const double d = std::hypot(at[i].x - x, at[i].y - y);
                if (d <= best) {
                    nearest = static_cast<int>(i);
                    best = d;
                }
            }
            ASSERT_EQ(index.Nearest(x, y, 8.0), nearest) << x << "," << y;
        }
    EXPECT_EQ(index.Nearest(at[10].x, at[10].y, 1.0), 500);
    EXPECT_EQ(SkyPointIndex().Nearest(0, 0, 8.0), -1);
}

TEST(SkyViewGeometryTest, HorizonOutlineFollowsPointsAndKeepsObstacleStepsSharp) {
    // No horizon: the level rim all round.
    const std::vector<SkyDirection> flat = HorizonOutline(CHorizonProfile(), 360);
    ASSERT_EQ(flat.size(), 360u);
    EXPECT_TRUE(
        std::all_of(flat.begin(), flat.end(), [](const SkyDirection& d) { return d.elevation == 0; }));

    // Points at North (10) and South (20); a 45-degree obstacle 20 wide
    // straddling North.
    CHorizonProfile horizon;
    ASSERT_FALSE(horizon.AddPoint({0.0, 10.0}));
    ASSERT_FALSE(horizon.AddPoint({180.0, 20.0}));
    ASSERT_FALSE(horizon.AddObstacle({0.0, 1.0, 1.0, 20.0}));
    const std::vector<SkyDirection> outline = HorizonOutline(horizon, 360);
    EXPECT_TRUE(
        std::is_sorted(outline.begin(), outline.end(),
                       [](const SkyDirection& a, const SkyDirection& b) { return a.azimuth < b.azimuth; }));
    EXPECT_GE(outline.front().azimuth, 0.0);
    EXPECT_LT(outline.back().azimuth, 360.0);
    auto at = [&](double azimuth) {
        const auto found = std::find_if(outline.begin(), outline.end(), [&](const SkyDirection& d) {
            return std::fabs(d.azimuth - azimuth) < 1e-9;
        });
        EXPECT_NE(found, outline.end()) << azimuth;
        return found == outline.end() ? -99.0 : found->elevation;
    };
    EXPECT_NEAR(at(90.0), 15.0, 1e-9);
    EXPECT_NEAR(at(270.0), 15.0, 1e-9);
    EXPECT_NEAR(at(0.0), 45.0, 1e-9);
    // Both edges of the obstacle have a side at 45 and a side on the line.
    EXPECT_NEAR(at(10.0 - 1e-6), 45.0, 1e-9);
    EXPECT_NEAR(at(10.0 + 1e-6), 10.0 + 10.0 * (10.0 + 1e-6) / 180.0, 1e-9);
    EXPECT_NEAR(at(350.0 + 1e-6), 45.0, 1e-9);
    EXPECT_NEAR(at(350.0 - 1e-6), 10.0 + 10.0 * (10.0 + 1e-6) / 180.0, 1e-9);
}
