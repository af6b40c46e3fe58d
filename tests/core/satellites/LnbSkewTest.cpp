#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "core/satellites/LnbSkew.h"

namespace {

std::string Deg(const std::string& number) {
    return number + "\xB0";
}

// The skew from the geometry itself: the angle, seen from behind the dish
// looking at the satellite, from the site's vertical to the Earth's axis,
// both projected across the line of sight; for a satellite far away.
// Polarisation repeats every 180 degrees, so the result is folded into
// (-90, 90].  Longitudes East positive here.
double SkewFromVectors(double latitude, double siteEast, double satEast) {
    using V = std::array<double, 3>;
    const double r = std::numbers::pi / 180.0;
    auto dot = [](V a, V b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    auto cross = [](V a, V b) {
        return V{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    };
    const V up{std::cos(latitude * r) * std::cos(siteEast * r),
               std::cos(latitude * r) * std::sin(siteEast * r), std::sin(latitude * r)};
    const V look{std::cos(satEast * r), std::sin(satEast * r), 0.0};
    auto across = [&](V v) {
        const double d = dot(v, look);
        return V{v[0] - d * look[0], v[1] - d * look[1], v[2] - d * look[2]};
    };
    const V vertical = across(up), axis = across(V{0, 0, 1});
    double angle = std::atan2(dot(cross(vertical, axis), look), dot(vertical, axis)) / r;
    if (angle > 90.0)
        angle -= 180.0;
    if (angle <= -90.0)
        angle += 180.0;
    return angle;
}

}  // namespace

TEST(LnbSkewTest, WorkedExampleTurnsClockwise) {
    // 52.52N 13.405E, satellite 37.5W (West-positive longitudes).
    EXPECT_EQ(LnbSkewText(52.52, -13.405, 37.5), Deg("30.8"));
    EXPECT_EQ(LnbSkewDirectionText(52.52, -13.405, 37.5),
              Deg("30.8") + " clockwise (seen from behind the dish)");
}

TEST(LnbSkewTest, BothHemispheresAndBothSidesAgreeWithTheGeometry) {
    struct Case {
        double lat, siteWest, satWest;
        int sign;  // expected sign of the skew
    };
    const Case cases[] = {
        {40, 100, 110, 1},      // North, satellite West of the site: clockwise
        {40, 100, 90, -1},      // North, satellite East
        {-30, -150, -140, -1},  // South, satellite West (140E is West of 150E)
        {-30, -150, -160, 1},   // South, satellite East
        {52.52, -13.405, 37.5, 1}, {-33.87, -151.21, -156, 1}, {60, 0, 20, 1}, {-10, 60, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat << " " << c.siteWest << " " << c.satWest);
        const std::optional<double> skew = LnbSkew(c.lat, c.siteWest, c.satWest);
        ASSERT_TRUE(skew);
        EXPECT_EQ(*skew > 0 ? 1 : -1, c.sign);
        EXPECT_NEAR(*skew, SkewFromVectors(c.lat, -c.siteWest, -c.satWest), 1e-9);
    }
    EXPECT_EQ(LnbSkewDirectionText(40, 100, 90),
              Deg("11.7") + " counter-clockwise (seen from behind the dish)");
    EXPECT_EQ(LnbSkewText(40, 100, 90), Deg("-11.7"));
}

TEST(LnbSkewTest, EquatorMeridianAndHorizon) {
    // On the equator a quarter turn, whichever side the satellite is on.
    EXPECT_EQ(LnbSkewText(0, 10, 40), Deg("90.0"));
    EXPECT_EQ(LnbSkewText(0, 10, -20), Deg("90.0"));
    // Straight overhead, and on the site's meridian: nothing to turn.
    EXPECT_EQ(LnbSkewText(0, 75, 75), Deg("0.0"));
    EXPECT_EQ(LnbSkewDirectionText(0, 75, 75), Deg("0.0"));
    EXPECT_EQ(LnbSkewText(40, 100, 100), Deg("0.0"));
    EXPECT_EQ(LnbSkewText(-30, -150, -150), Deg("0.0"));
    // Below the horizon exactly where the grid shows "--".
    EXPECT_FALSE(LnbSkew(40, 100, -10));
    EXPECT_EQ(LnbSkewText(40, 100, -10), "--");
    EXPECT_EQ(LnbSkewDirectionText(40, 100, -10), "--");
    EXPECT_FALSE(LnbSkew(85, 0, 0));
    // Across the date line: 170E site, 170W satellite is 20 degrees East.
    ASSERT_TRUE(LnbSkew(40, -170, 170));
    EXPECT_NEAR(*LnbSkew(40, -170, 170), SkewFromVectors(40, 170, -170), 1e-9);
}
