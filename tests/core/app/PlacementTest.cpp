#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/app/Placement.h"
#include "core/framework/Profile.h"

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
    EXPECT_EQ(ReadPlacement(profile, defaults, 1024, 768), defaults);

    const WindowPlacement stored{250, 2, SW_SHOWMAXIMIZED, 40, 10, 600, 500};
    WritePlacement(profile, stored);
    EXPECT_EQ(CProfile(profile.GetPath()).GetProfileInt("Startup", "showCmd", 0), SW_SHOWMAXIMIZED);
    EXPECT_EQ(ReadPlacement(CProfile(profile.GetPath()), defaults, 1024, 768), stored);
}

TEST(PlacementTest, ReadFallsBackPerValueAndKeepsTheWholeWindowOnTheScreen) {
    TempDir dir;
    CProfile profile((dir / "tilvex.ini").string());
    const WindowPlacement defaults{100, -1, SW_SHOWNORMAL, 10, 20, 30, 40};
    profile.WriteProfileInt("Startup", "x1", 1500);
    profile.WriteProfileInt("Startup", "x2", 2100);
    profile.WriteProfileInt("Startup", "y2", 700);
    profile.WriteProfileInt("Other", "split", 7);

    // y1 falls back to 20.  The window, 600 wide, moves back until its right
    // edge is the screen's.
    WindowPlacement p = ReadPlacement(profile, defaults, 1024, 768);
    EXPECT_EQ(p, (WindowPlacement{100, -1, SW_SHOWNORMAL, 424, 20, 1024, 700}));

    // Taller than the screen: as tall as the screen.
    profile.WriteProfileInt("Startup", "y1", 900);
    profile.WriteProfileInt("Startup", "y2", 1800);
    p = ReadPlacement(profile, defaults, 1024, 768);
    EXPECT_EQ(p.y1, 0);
    EXPECT_EQ(p.y2, 768);

    // Hanging off the left or the top: moved on.
    profile.WriteProfileInt("Startup", "x1", -300);
    profile.WriteProfileInt("Startup", "y1", -50);
    profile.WriteProfileInt("Startup", "y2", 350);
    p = ReadPlacement(profile, defaults, 1024, 768);
    EXPECT_EQ(p.x1, 0);
    EXPECT_EQ(p.x2, 1024);
    EXPECT_EQ(p.y1, 0);
    EXPECT_EQ(p.y2, 400);
}

// Numbers beyond an int, or edges the wrong way round, must not leave the
// window off the screen (nor overflow on the way).
TEST(PlacementTest, AbsurdNumbersGiveAWindowOnTheScreen) {
    TempDir dir;
    const WindowPlacement defaults = DefaultPlacement(8, 16, 1280, 1024);
    const int width = defaults.x2 - defaults.x1, height = defaults.y2 - defaults.y1;
    struct Case {
        const char* x1;
        const char* y1;
        const char* x2;
        const char* y2;
        WindowPlacement expected;
    };
    const Case cases[] = {
        // Left edge far beyond the screen, the rest as by default: the
        // default size at the right edge.
        {"99999999999999999999",
         nullptr,
         nullptr,
         nullptr,
         {defaults.split, -1, SW_SHOWNORMAL, 1280 - width, defaults.y1, 1280, defaults.y2}},
        // Every edge absurd: the whole screen.
        {"-99999999999999999999",
         "-99999999999999999999",
         "99999999999999999999",
         "99999999999999999999",
         {defaults.split, -1, SW_SHOWNORMAL, 0, 0, 1280, 1024}},
        // Right edge left of the left one: the default size, moved on.
        {"700",
         "100",
         "-5",
         "-99999999999999999999",
         {defaults.split, -1, SW_SHOWNORMAL, 1280 - width, 100, 1280, 100 + height}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x1);
        CProfile fresh((dir / std::string("p").append(std::to_string(&c - cases)).append(".ini")).string());
        const char* const names[] = {"x1", "y1", "x2", "y2"};
        const char* const values[] = {c.x1, c.y1, c.x2, c.y2};
        for (int i = 0; i < 4; ++i)
            if (values[i])
                fresh.WriteProfileString("Startup", names[i], values[i]);
        EXPECT_EQ(ReadPlacement(fresh, defaults, 1280, 1024), c.expected);
    }
}

TEST(PlacementTest, AWindowIsKeptWhollyOnTheScreensAvailableArea) {
    // The area left by a panel: 1280 by 994 from (0, 30).
    const ScreenRect screen{0, 30, 1280, 994};
    // On the screen already: unchanged.
    EXPECT_EQ(KeepOnScreen({100, 100, 560, 600}, screen), (ScreenRect{100, 100, 560, 600}));
    // Hanging below the bottom edge: moved up.
    EXPECT_EQ(KeepOnScreen({0, 439, 560, 600}, screen), (ScreenRect{0, 424, 560, 600}));
    // Larger than the screen: cut to it and moved to its corner.
    EXPECT_EQ(KeepOnScreen({-200, 10, 1628, 1200}, screen), (ScreenRect{0, 30, 1280, 994}));
    // A second screen to the left of the first.
    EXPECT_EQ(KeepOnScreen({-300, 900, 400, 300}, {-1024, 0, 1024, 768}), (ScreenRect{-400, 468, 400, 300}));
}
