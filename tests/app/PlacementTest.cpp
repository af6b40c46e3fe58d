#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Placement.h"
#include "framework/Profile.h"

TEST(PlacementTest, DefaultIsCentredAndMaximisedOnlyAt640) {
    // 7 * 310 / 4 = 542 and 15 * 205 / 8 = 384, each product divided.
    const WindowPlacement p = DefaultPlacement(7, 15, 1024, 768);
    EXPECT_EQ(p, (WindowPlacement{136, -1, SW_SHOWNORMAL, 241, 192, 783, 576}));
    const WindowPlacement vga = DefaultPlacement(7, 15, 640, 480);
    EXPECT_EQ(vga.showCmd, SW_SHOWMAXIMIZED);
    EXPECT_EQ(vga.x1, 49);
    EXPECT_EQ(vga.y2, 48 + 384);
    EXPECT_EQ(DefaultPlacement(7, 15, 800, 600).showCmd, SW_SHOWNORMAL);
}

TEST(PlacementTest, WriteThenReadRoundTrips) {
    TempDir dir;
    CProfile profile((dir / "tilvex.ini").string());
    const WindowPlacement defaults = DefaultPlacement(8, 16, 1024, 768);
    // Nothing stored yet.
    EXPECT_EQ(ReadPlacement(profile, defaults, 1024, 768, 32, 32), defaults);

    const WindowPlacement stored{250, 2, SW_SHOWMAXIMIZED, -40, 10, 600, 500};
    WritePlacement(profile, stored);
    EXPECT_EQ(CProfile(profile.GetPath()).GetProfileInt("Startup", "showCmd", 0), SW_SHOWMAXIMIZED);
    EXPECT_EQ(ReadPlacement(CProfile(profile.GetPath()), defaults, 1024, 768, 32, 32), stored);
}

TEST(PlacementTest, ReadFallsBackPerValueAndPullsBackOffScreenEdges) {
    TempDir dir;
    CProfile profile((dir / "tilvex.ini").string());
    const WindowPlacement defaults{100, -1, SW_SHOWNORMAL, 10, 20, 30, 40};
    profile.WriteProfileInt("Startup", "x1", 1500);
    profile.WriteProfileInt("Startup", "x2", 2100);
    profile.WriteProfileInt("Startup", "y2", 1000);
    profile.WriteProfileInt("Other", "split", 7);

    // y1 falls back to 20: on screen.  x1 is pulled back to 1024 - 32 and the
    // window stays 600 wide.
    WindowPlacement p = ReadPlacement(profile, defaults, 1024, 768, 32, 32);
    EXPECT_EQ(p, (WindowPlacement{100, -1, SW_SHOWNORMAL, 992, 20, 1592, 1000}));

    profile.WriteProfileInt("Startup", "y1", 900);
    p = ReadPlacement(profile, defaults, 1024, 768, 32, 32);
    EXPECT_EQ(p.y1, 736);
    EXPECT_EQ(p.y2, 836);
    p = ReadPlacement(profile, defaults, 1024, 768, 32, 160);
    EXPECT_EQ(p.y1, 608);
    EXPECT_EQ(p.y2, 708);

    // A window hanging off the left or top stays where it is.
    profile.WriteProfileInt("Startup", "x1", -300);
    profile.WriteProfileInt("Startup", "y1", -50);
    p = ReadPlacement(profile, defaults, 1024, 768, 32, 32);
    EXPECT_EQ(p.x1, -300);
    EXPECT_EQ(p.x2, 2100);
    EXPECT_EQ(p.y1, -50);
}
