#include <gtest/gtest.h>

#include <cmath>

#include "core/satellites/LookAngles.h"

namespace {

// Display texts use the single byte 0xB0 for the degree sign.
std::string Deg(const std::string& number) {
    return number + "\xB0";
}

}  // namespace

TEST(LookAnglesTest, WorkedExamples) {
    struct Case {
        float lat, siteLon, satLon;
        std::string elevation, azimuth;
    };
    const Case cases[] = {
        {40, 100, 90, Deg("42.6"), Deg("164.7")},        {40, 100, 110, Deg("42.6"), Deg("195.3")},
        {40, 100, 100, Deg("43.7"), Deg("180.0")},       {40, 100, -10, "--", "--"},
        {38.5f, 121.5f, 101, Deg("40.5"), Deg("149.0")}, {-30, -150, -160, Deg("53.3"), Deg("19.4")},
        {-30, -150, -140, Deg("53.3"), Deg("340.6")},    {-30, -150, -150, Deg("55.0"), Deg("0.0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat << " " << c.siteLon << " " << c.satLon);
        const LookAngleTexts texts = ComputeLookAngles(c.lat, c.siteLon, 0.0f, c.satLon, 0);
        EXPECT_EQ(texts.elevation, c.elevation);
        EXPECT_EQ(texts.azimuth, c.azimuth);
    }
}

TEST(LookAnglesTest, HorizonAndZenith) {
    CLookAngles angles;
    // The sub-satellite point sees the satellite overhead.
    EXPECT_EQ(angles.Elevation(0, 75, 75), Deg("90.0"));
    // Below the horizon the azimuth is not computed at all.
    const LookAngleTexts below = ComputeLookAngles(60, 0, 15, 120, 1);
    EXPECT_EQ(below.elevation, "--");
    EXPECT_EQ(below.azimuth, "--");
    // Near the limb: find the satellite longitude where the elevation crosses
    // zero and check both sides of it.
    float low = 0, high = 90;
    for (int i = 0; i < 60; ++i) {
        const float mid = (low + high) / 2;
        (angles.Elevation(0, 0, mid) == "--" ? high : low) = mid;
    }
    EXPECT_EQ(angles.Elevation(0, 0, low), Deg("0.0"));
    EXPECT_EQ(angles.Elevation(0, 0, high), "--");
}

TEST(LookAnglesTest, MagneticAzimuthWrapsOnce) {
    CLookAngles angles;
    // A satellite 10 degrees south-west of true north (from the south) plus a
    // West variation, and the reverse with an East variation.
    const std::string trueNorthish = angles.Azimuth(-30, -150, 0, -140, 0);
    EXPECT_EQ(trueNorthish, Deg("340.6"));
    EXPECT_EQ(angles.Azimuth(-30, -150, 25, -140, 1), Deg("5.6"));
    EXPECT_EQ(angles.Azimuth(-30, -150, -25, -160, 1), Deg("354.4"));
    // Without `magnetic` the variation is ignored.
    EXPECT_EQ(angles.Azimuth(-30, -150, 25, -140, 0), Deg("340.6"));
    // West variation increases the azimuth.
    EXPECT_EQ(angles.Azimuth(40, 100, 15, 90, 1), Deg("179.7"));
}

TEST(LookAnglesTest, AcrossTheDateLine) {
    CLookAngles angles;
    // Site at 170 West, satellite at 170 East: 20 degrees further West.
    EXPECT_EQ(angles.Azimuth(20, 170, 0, -170, 0), angles.Azimuth(20, 170, 0, 190, 0));
    EXPECT_EQ(angles.Elevation(20, 170, -170), angles.Elevation(20, 0, 20));
    EXPECT_EQ(angles.Azimuth(20, 170, 0, -170, 0), angles.Azimuth(20, 0, 0, 20, 0));
    // Site at 170 East, satellite at 170 West: 20 degrees further East.
    EXPECT_EQ(angles.Azimuth(20, -170, 0, 170, 0), angles.Azimuth(20, 0, 0, -20, 0));
}

TEST(LookAnglesTest, EquatorialSitesPointDueEastOrWest) {
    CLookAngles angles;
    // A satellite West of the site lies due West, one East of it due East,
    // matching the limit from either hemisphere.
    EXPECT_EQ(angles.Azimuth(0, 100, 0, 110, 0), Deg("270.0"));
    EXPECT_EQ(angles.Azimuth(0, 100, 0, 90, 0), Deg("90.0"));
    EXPECT_EQ(angles.Azimuth(0.001f, 100, 0, 110, 0), Deg("270.0"));
    EXPECT_EQ(angles.Azimuth(-0.001f, 100, 0, 90, 0), Deg("90.0"));
    // Overhead: a number, never "nan".
    EXPECT_EQ(angles.Azimuth(0, 100, 0, 100, 0), Deg("0.0"));
    EXPECT_EQ(angles.Azimuth(0, 100, 10, 100, 1), Deg("10.0"));
}

TEST(LookAnglesTest, AgreesWithIndependentGeometry) {
    // Vector geometry with full-precision pi on a spherical Earth: the texts
    // may differ from it only by the rounding of the five-decimal pi.
    const double pi = std::acos(-1.0);
    const double r = 6.6166;
    CLookAngles angles;
    for (float lat = -70; lat <= 70; lat += 17.5f) {
        for (float dLon = -70; dLon <= 70; dLon += 10) {
            if (lat == 0)
                continue;
            const double phi = lat * pi / 180, d = dLon * pi / 180;
            // Site at (1, 0, 0) rotated to latitude; satellite at longitude d.
            const double site[3] = {std::cos(phi), 0, std::sin(phi)};
            const double sat[3] = {r * std::cos(d), -r * std::sin(d), 0};  // West positive
            const double v[3] = {sat[0] - site[0], sat[1] - site[1], sat[2] - site[2]};
            const double up = v[0] * site[0] + v[2] * site[2];
            const double north = -v[0] * std::sin(phi) + v[2] * std::cos(phi);
            const double east = v[1];
            const double norm = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
            const double elevation = std::asin(up / norm) * 180 / pi;
            double azimuth = std::atan2(east, north) * 180 / pi;
            if (azimuth < 0)
                azimuth += 360;
            SCOPED_TRACE(testing::Message() << "lat " << lat << " dLon " << dLon);
            const LookAngleTexts texts = ComputeLookAngles(lat, 0, 0, dLon, 0);
            if (elevation < -0.1) {
                EXPECT_EQ(texts.elevation, "--");
                continue;
            }
            if (elevation < 0.1)
                continue;
            EXPECT_NEAR(std::stod(texts.elevation), elevation, 0.1);
            EXPECT_NEAR(std::stod(texts.azimuth), azimuth, 0.1);
        }
    }
}
