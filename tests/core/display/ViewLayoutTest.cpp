#include <gtest/gtest.h>

#include "core/display/ViewLayout.h"

namespace {

// The panes as they stand; only their sizes matter.
const LayoutRect kLocation{10, 40, 210, 190};    // 200 wide
const LayoutRect kSatellite{400, 30, 700, 280};  // 300 x 250
const LayoutRect kInfo{10, 200, 190, 260};       // 180 x 60
constexpr int kUnit = 20;

void ExpectInfoKeepsSize(const LookAngleLayout& l, const LayoutRect& info = kInfo) {
    EXPECT_EQ(l.infoPane.bottom, l.satellitePane.bottom);
    EXPECT_EQ(l.infoPane.Width(), info.Width());
    EXPECT_EQ(l.infoPane.Height(), info.Height());
}

}  // namespace

TEST(ViewLayoutTest, WideViewSplitsTheFreeWidthOneTwoOne) {
    const LookAngleLayout l = ComputeLookAngleLayout(900, 800, kLocation, kSatellite, kInfo, 250, kUnit);
    // Gap 100; top (800 - 250) / 4 = 137; bottom 800 - 10.
    EXPECT_EQ(l.satellitePane, (LayoutRect{500, 137, 800, 790}));
    EXPECT_EQ(l.infoPane, (LayoutRect{100, 730, 280, 790}));
    // Two thirds of 653 below the top.
    EXPECT_EQ(l.locationPane, (LayoutRect{100, 137, 300, 572}));
    EXPECT_EQ(l.title, (LayoutRect{100, 5, 800, kUnit}));
    EXPECT_EQ(l.satellitePane.left - l.locationPane.right, 200);
    EXPECT_EQ(900 - l.satellitePane.right, 100);
    EXPECT_EQ(l.scrollWidth, 805);
    EXPECT_EQ(l.scrollHeight, 795);
    ExpectInfoKeepsSize(l);

    // A tall info pane cuts the location pane short half a unit above it.
    const LayoutRect tallInfo{0, 0, 180, 300};
    const LookAngleLayout t = ComputeLookAngleLayout(900, 800, kLocation, kSatellite, tallInfo, 250, kUnit);
    EXPECT_EQ(t.infoPane.top, 490);
    EXPECT_EQ(t.locationPane.bottom, 480);
    ExpectInfoKeepsSize(t, tallInfo);
}

TEST(ViewLayoutTest, NarrowViewKeepsMinimumGapAndTop) {
    const LookAngleLayout l = ComputeLookAngleLayout(400, 300, kLocation, kSatellite, kInfo, 250, kUnit);
    EXPECT_EQ(l.satellitePane, (LayoutRect{215, kUnit, 515, 290}));
    EXPECT_GT(l.satellitePane.right, 400);
    EXPECT_EQ(l.locationPane.left, 5);
    EXPECT_EQ(l.title, (LayoutRect{5, 5, 515, kUnit}));
    EXPECT_EQ(l.scrollWidth, 520);
    EXPECT_EQ(l.scrollHeight, 295);
    ExpectInfoKeepsSize(l);

    // The gap is a truncated quarter and only 5 or less is raised.
    EXPECT_EQ(ComputeLookAngleLayout(523, 800, kLocation, kSatellite, kInfo, 250, kUnit).locationPane.left,
              5);
    EXPECT_EQ(ComputeLookAngleLayout(527, 800, kLocation, kSatellite, kInfo, 250, kUnit).locationPane.left,
              6);
}

TEST(ViewLayoutTest, ShortViewKeepsSatellitePaneHeight) {
    const LookAngleLayout l = ComputeLookAngleLayout(900, 200, kLocation, kSatellite, kInfo, 230, kUnit);
    EXPECT_EQ(l.satellitePane, (LayoutRect{500, kUnit, 800, kUnit + 230}));
    EXPECT_EQ(l.infoPane, (LayoutRect{100, 190, 280, 250}));
    // Two thirds of 230 below the top, higher than half a unit above the info pane.
    EXPECT_EQ(l.locationPane.bottom, 173);
    EXPECT_EQ(l.scrollHeight, 255);
    ExpectInfoKeepsSize(l);
}
