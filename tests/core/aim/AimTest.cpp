#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>

#include "core/aim/AimSheet.h"
#include "core/framework/Cp1252.h"
#include "core/satellites/LookAngles.h"

namespace {

constexpr double kR = std::numbers::pi / 180.0;

std::string Utf8(const std::string& cp1252) {
    return Cp1252ToUtf8(cp1252);
}

long long UtcSeconds(int y, unsigned m, unsigned d) {
    using namespace std::chrono;
    return sys_days{year{y} / month{m} / day{d}}.time_since_epoch().count() * 86400LL;
}

// The Sun's azimuth and elevation by the NOAA solar calculator's
// equation-of-time and hour-angle route (geocentric, no refraction), written
// apart from the program's Earth-fixed vectors.  Longitude East positive.
void NoaaSun(double utcSeconds, double lat, double lonEast, double& azimuth, double& elevation) {
    const double jd = utcSeconds / 86400.0 + 2440587.5;
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double m = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double c = std::sin(m * kR) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                     std::sin(2 * m * kR) * (0.019993 - 0.000101 * t) + std::sin(3 * m * kR) * 0.000289;
    const double omega = 125.04 - 1934.136 * t;
    const double lambda = l0 + c - 0.00569 - 0.00478 * std::sin(omega * kR);
    const double eps = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0 +
                       0.00256 * std::cos(omega * kR);
    const double decl = std::asin(std::sin(eps * kR) * std::sin(lambda * kR));
    const double y = std::pow(std::tan(eps * kR / 2), 2);
    const double eqTimeMinutes = 4.0 / kR *
                                 (y * std::sin(2 * l0 * kR) - 2 * e * std::sin(m * kR) +
                                  4 * e * y * std::sin(m * kR) * std::cos(2 * l0 * kR) -
                                  0.5 * y * y * std::sin(4 * l0 * kR) - 1.25 * e * e * std::sin(2 * m * kR));
    const double minutesOfDay = std::fmod(utcSeconds / 60.0, 1440.0);
    const double hourAngle = ((minutesOfDay + eqTimeMinutes + 4.0 * lonEast) / 4.0 - 180.0) * kR;
    const double phi = lat * kR;
    elevation =
        std::asin(std::sin(phi) * std::sin(decl) + std::cos(phi) * std::cos(decl) * std::cos(hourAngle)) / kR;
    azimuth = std::atan2(std::sin(hourAngle),
                         std::cos(hourAngle) * std::sin(phi) - std::tan(decl) * std::cos(phi)) /
                  kR +
              180.0;
}

// The first time from `from` in a minute's steps at which the NOAA Sun's
// azimuth passes `target` while it is up, to the second; -1 when none.
long long NoaaShadowTime(long long from, double lat, double lonEast, double target) {
    auto offset = [&](double t) {
        double az, el;
        NoaaSun(t, lat, lonEast, az, el);
        return std::remainder(az - target, 360.0);
    };
    for (long long t = from; t < from + 86400; t += 60) {
        const double a = offset(t), b = offset(t + 60);
        if (std::abs(a) > 90 || std::abs(b) > 90 || (a < 0) == (b < 0))
            continue;
        double lo = t, hi = t + 60;
        for (int i = 0; i < 30; ++i) {
            const double mid = (lo + hi) / 2;
            ((offset(mid) < 0) == (a < 0) ? lo : hi) = mid;
        }
        double az, el;
        NoaaSun(lo, lat, lonEast, az, el);
        if (el > 0)
            return std::llround(lo);
    }
    return -1;
}

}  // namespace

// Motor angles worked by hand with Re/Rs = 6378.137 / 42164.17 = 0.151269
// and theta = atan2(sin D, cos D - 0.151269 cos lat), D East positive:
//  equator 0E, satellite 10E: D = 10, atan2(0.173648, 0.984808 - 0.151269)
//    = atan(0.208326) = 11.768 East; n = round(188.29) = 188 = 0x0BC.
//  52.52N 13.405E, satellite 19.2E: D = 5.795, 0.151269 cos 52.52 = 0.092045,
//    atan(0.100969 / (0.994890 - 0.092045)) = 6.381 East; n = 102 = 0x066.
//  33.87S 151.21E, satellite 122E: D = -29.21, 0.151269 cos 33.87 = 0.125599,
//    atan2(-0.488012, 0.872837 - 0.125599) = -33.148 (West); n = 530 = 0x212.
//  40N 100W, satellite 101W: D = -1, atan2(-0.017452, 0.999848 - 0.115879)
//    = -1.131 (West); n = round(18.10) = 18 = 0x012.
// Declination atan(Re sin|lat| / (Rs - Re cos lat)): 52.52N: 5061.47 /
// (42164.17 - 3881.00) = 0.132212, 7.531; 33.87S: 3554.60 / 36868.38, 5.507.
TEST(AimTest, MotorAnglesGotoXAndDeclinationBothHemispheresEastAndWest) {
    struct Case {
        double lat, siteWest, satWest, angle;
        const char* gotox;
        double declination;
    } const cases[] = {
        {0.0, 0.0, -10.0, 11.768, "E0 31 6E E0 BC", 0.0},
        {52.52, -13.405, -19.2, 6.381, "E0 31 6E E0 66", 7.531},
        {-33.87, -151.21, -122.0, -33.148, "E0 31 6E D2 12", 5.507},
        {40.0, 100.0, 101.0, -1.131, "E0 31 6E D0 12", 6.276},
    };
    for (const Case& c : cases) {
        const double angle = MotorAngle(c.lat, c.siteWest, c.satWest);
        EXPECT_NEAR(angle, c.angle, 0.001) << c.lat;
        EXPECT_EQ(GotoXText(angle), c.gotox) << c.lat;
        EXPECT_NEAR(MotorDeclination(c.lat), c.declination, 0.001) << c.lat;
        EXPECT_DOUBLE_EQ(MotorAxisElevation(c.lat), std::abs(c.lat));
    }
    // Across the date line: 170E to 170W is 20 degrees East.
    EXPECT_GT(MotorAngle(0.0, -170.0, 170.0), 20.0);
    EXPECT_EQ(Utf8(MotorAngleText(6.381)), "6.4\u00B0 East");
    EXPECT_EQ(Utf8(MotorAngleText(-33.148)), "33.1\u00B0 West");
}

// GotoX by hand: 23.4 -> 374.4 -> 374 = 0x176 -> E0|1, 76; 45.03 -> 720.48 ->
// 720 = 0x2D0 -> E2 D0; -80 -> 1280 = 0x500 -> D0|5, 00; 0.04 -> 0.64 -> 1 ->
// E0 01; -0.03 -> 0.48 -> 0 -> D0 00; exactly 0 is not East -> D0 00.
TEST(AimTest, GotoXBytesSixteenthsOfADegree) {
    EXPECT_EQ(GotoXText(23.4), "E0 31 6E E1 76");
    EXPECT_EQ(GotoXText(45.03), "E0 31 6E E2 D0");
    EXPECT_EQ(GotoXText(-80.0), "E0 31 6E D5 00");
    EXPECT_EQ(GotoXText(0.04), "E0 31 6E E0 01");
    EXPECT_EQ(GotoXText(-0.03), "E0 31 6E D0 00");
    EXPECT_EQ(GotoXText(0.0), "E0 31 6E D0 00");
    const auto bytes = GotoXBytes(23.4);
    EXPECT_EQ(bytes[3], 0xE1);
    EXPECT_EQ(bytes[4], 0x76);
}

TEST(AimTest, FaceTiltBackAndForward) {
    EXPECT_NEAR(DishFaceTilt(29.7, kDefaultDishOffset), 7.1, 1e-9);
    EXPECT_EQ(Utf8(DishFaceTiltText(DishFaceTilt(29.7, kDefaultDishOffset))), "7.1\u00B0 back");
    EXPECT_EQ(Utf8(DishFaceTiltText(DishFaceTilt(14.1, kDefaultDishOffset))), "8.5\u00B0 forward");
    EXPECT_EQ(Utf8(DishFaceTiltText(DishFaceTilt(22.62, kDefaultDishOffset))), "0.0\u00B0");
    EXPECT_EQ(Utf8(DishFaceTiltText(DishFaceTilt(42.6, kPrimeFocusOffset))), "42.6\u00B0 back");
}

// By hand: a site on the equator under its satellite is Rs - Re = 42164.17 -
// 6378.137 = 35786.033 km away; 35786.033 / 299792.458 = 119.3694 ms; at
// 12 GHz the loss is 20 (log10 4pi + log10 35786.033 + log10(12e9 /
// 299792.458)) = 20 (1.099210 + 4.553714 + 4.602361) = 205.1057 dB.  At
// the pole the site is the polar radius b = 6378.137 (1 - 1/298.257223563) =
// 6356.752 km above the orbit's plane: sqrt(42164.17^2 + 6356.752^2) =
// 42640.656 km.
TEST(AimTest, RangeDelayAndPathLoss) {
    const double under = SlantRangeKm(0.0, 30.0, 30.0);
    EXPECT_NEAR(under, 35786.033, 0.001);
    EXPECT_NEAR(DelayMs(under), 119.3694, 0.0001);
    EXPECT_NEAR(FreeSpacePathLoss(under, 12.0), 205.1057, 0.0001);
    EXPECT_NEAR(SlantRangeKm(90.0, 0.0, 75.0), 42640.656, 0.001);
    EXPECT_NEAR(SlantRangeKm(-90.0, 0.0, -120.0), 42640.656, 0.001);
    // Doubling the frequency adds 20 log10 2 = 6.0206 dB.
    EXPECT_NEAR(FreeSpacePathLoss(under, 24.0) - FreeSpacePathLoss(under, 12.0), 6.0206, 0.0001);
}

TEST(AimTest, ShadowTimeAgreesWithASeparateSunWithinAMinute) {
    struct Case {
        double lat, siteWest, satWest;
        AimDate date;
    } const cases[] = {
        {52.52, -13.405, -19.2, {2026, 6, 21}},    // Berlin, satellite to the East of South
        {40.0, 100.0, 101.0, {2026, 12, 9}},       // satellite a little West of South
        {-33.87, -151.21, -156.0, {2026, 12, 9}},  // Sydney, satellite in the North
        {-33.87, -151.21, -122.0, {2026, 3, 20}},  // and one far to the West
    };
    for (const Case& c : cases) {
        const std::vector<long long> times = SunShadowTimes(c.lat, c.siteWest, c.satWest, c.date);
        ASSERT_EQ(times.size(), 1u) << c.lat << " " << c.satWest;
        const double satAzimuth = AzimuthDegrees(static_cast<float>(c.lat), static_cast<float>(c.siteWest),
                                                 0.0f, static_cast<float>(c.satWest), 0);
        const long long dayStart =
            UtcSeconds(c.date.year, c.date.month, c.date.day) - SiteUtcOffsetMinutes(c.siteWest) * 60LL;
        const long long expected = NoaaShadowTime(dayStart, c.lat, -c.siteWest, satAzimuth);
        ASSERT_GE(expected, 0);
        EXPECT_NEAR(static_cast<double>(times[0]), static_cast<double>(expected), 60.0)
            << c.lat << " " << c.satWest;
        // On the site's own date.
        EXPECT_GE(times[0], dayStart);
        EXPECT_LT(times[0], dayStart + 86400);
    }
}

TEST(AimTest, NoShadowTimeWhenTheSunIsNeverThereWhileUp) {
    // 10N in June: the Sun stays in the northern half of the sky while the
    // satellite is due South.
    EXPECT_TRUE(SunShadowTimes(10.0, 0.0, 0.0, {2026, 6, 21}).empty());
    // 70N in December: the Sun does not rise.
    EXPECT_TRUE(SunShadowTimes(70.0, -20.0, -20.0, {2026, 12, 21}).empty());
    // The satellite below the horizon.
    EXPECT_TRUE(SunShadowTimes(40.0, 100.0, -10.0, {2026, 6, 21}).empty());
}

TEST(AimTest, DatesClocksAndInputs) {
    // 105W keeps a clock 7 hours behind: 03:00 UTC is still the day before.
    EXPECT_EQ(SiteDate(105.0, UtcSeconds(2026, 1, 1) + 3 * 3600).day, 31);
    EXPECT_EQ(SiteDate(-150.0, UtcSeconds(2026, 1, 1) - 3600).year, 2026);
    EXPECT_EQ(ClockText(UtcSeconds(2026, 1, 1) + 14 * 3600 + 23 * 60 + 29, 0), "14:23");
    EXPECT_EQ(ClockText(UtcSeconds(2026, 1, 1) + 14 * 3600 + 23 * 60 + 30, 0), "14:24");
    EXPECT_EQ(ClockText(UtcSeconds(2026, 1, 1) + 3600, -420), "18:00");
    EXPECT_EQ(ClockText(UtcSeconds(1950, 1, 1) - 60, 0), "23:59");

    AimRequest request;
    request.date = {2026, 2, 28};
    EXPECT_FALSE(AimInputError(request));
    request.offset = kPrimeFocusOffset;
    EXPECT_FALSE(AimInputError(request));
    for (const double offset : {-1.0, 90.0, std::nan("")}) {
        request.offset = offset;
        EXPECT_TRUE(AimInputError(request)) << offset;
    }
    request.offset.reset();
    request.frequencyGHz = 0.0;
    EXPECT_TRUE(AimInputError(request));
    request.frequencyGHz = 12.0;
    for (const AimDate date :
         {AimDate{2026, 2, 29}, AimDate{2026, 13, 1}, AimDate{1899, 12, 31}, AimDate{}}) {
        request.date = date;
        EXPECT_TRUE(AimInputError(request)) << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(AimTest, BelowTheHorizonTheSheetAimsAtNothing) {
    AimRequest request;
    request.latitude = 40.0;
    request.siteLongitude = 100.0;
    request.satLongitude = -10.0;
    request.offset = kDefaultDishOffset;
    request.date = {2026, 6, 21};
    std::string text;
    for (const AimLine& line : AimSheetLines(request))
        text += line.key + ": " + Utf8(line.value) + "\n";
    EXPECT_EQ(text,
              "elevation: --\nazimuth (true): --\nlnb skew: --\ndish face tilt: --\nmotor angle: --\n"
              "gotox: --\nmotor axis elevation: 40.0\u00B0\nmotor declination: 6.3\u00B0\n"
              "slant range: --\ndelay: --\npath loss: --\nshadow time: none\n");
}
