#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <set>

#include "core/satellites/SunOutage.h"
#include "core/satellites/SunPosition.h"

namespace {

using namespace std::chrono;

constexpr double kR = std::numbers::pi / 180.0;

long long UtcSeconds(int y, unsigned m, unsigned d, int hour = 0) {
    return sys_days{year{y} / month{m} / day{d}}.time_since_epoch().count() * 86400LL + hour * 3600LL;
}

// A second, independent reckoning of the same geometry.  The Sun comes from
// the US Naval Observatory's "approximate solar coordinates" (a different
// series from the program's), and the separation from the azimuths and
// elevations of the Sun and the satellite in the site's horizon frame by the
// haversine formula, rather than from Earth-fixed vectors.
struct Independent {
    double lat, lonEast, slotEast;
    double siteX, siteY, siteZ;

    Independent(double latitude, double siteWest, double satWest)
        : lat(latitude), lonEast(-siteWest), slotEast(-satWest) {
        const double a = 6378.137, f = 1 / 298.257223563, e2 = f * (2 - f);
        const double n = a / std::sqrt(1 - e2 * std::pow(std::sin(lat * kR), 2));
        siteX = n * std::cos(lat * kR) * std::cos(lonEast * kR);
        siteY = n * std::cos(lat * kR) * std::sin(lonEast * kR);
        siteZ = n * (1 - e2) * std::sin(lat * kR);
    }

    // Azimuth and elevation (degrees) of an Earth-fixed point (km).
    void Horizon(double x, double y, double z, double& az, double& el) const {
        const double dx = x - siteX, dy = y - siteY, dz = z - siteZ;
        const double sl = std::sin(lonEast * kR), cl = std::cos(lonEast * kR);
        const double sp = std::sin(lat * kR), cp = std::cos(lat * kR);
        const double east = -sl * dx + cl * dy;
        const double north = -sp * cl * dx - sp * sl * dy + cp * dz;
        const double up = cp * cl * dx + cp * sl * dy + sp * dz;
        az = std::atan2(east, north) / kR;
        el = std::atan2(up, std::hypot(east, north)) / kR;
    }

    double Separation(double utc) const {
        const double d = utc / 86400.0 + 2440587.5 - 2451545.0;
        const double g = (357.529 + 0.98560028 * d) * kR;
        const double q = 280.459 + 0.98564736 * d;
        const double l = (q + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * kR;
        const double r = (1.00014 - 0.01671 * std::cos(g) - 0.00014 * std::cos(2 * g)) * 149597870.7;
        const double e = (23.439 - 0.00000036 * d) * kR;
        const double ra = std::atan2(std::cos(e) * std::sin(l), std::cos(l));
        const double dec = std::asin(std::sin(e) * std::sin(l));
        const double gmst = (18.697374558 + 24.06570982441908 * d) * 15.0 * kR;
        const double lon = ra - gmst;
        double sunAz, sunEl, satAz, satEl;
        Horizon(r * std::cos(dec) * std::cos(lon), r * std::cos(dec) * std::sin(lon), r * std::sin(dec),
                sunAz, sunEl);
        Horizon(42164 * std::cos(slotEast * kR), 42164 * std::sin(slotEast * kR), 0, satAz, satEl);
        const double h =
            std::pow(std::sin((sunEl - satEl) * kR / 2), 2) +
            std::cos(sunEl * kR) * std::cos(satEl * kR) * std::pow(std::sin((sunAz - satAz) * kR / 2), 2);
        return 2 * std::asin(std::sqrt(h)) / kR;
    }

    // Start, peak and end of the window within an hour of `around`, second by
    // second; the least separation in `least`.  Start is -1 when there is none.
    void Scan(long long around, double threshold, long long& start, long long& peak, long long& end,
              double& least) const {
        start = peak = end = -1;
        least = 1e9;
        for (long long t = around - 3600; t <= around + 3600; ++t) {
            const double s = Separation(static_cast<double>(t));
            if (s < least) {
                least = s;
                peak = t;
            }
            if (s <= threshold) {
                if (start < 0)
                    start = t;
                end = t;
            }
        }
    }
};

// The outages of a site and a satellite against the independent reckoning:
// every day found agrees to a few seconds, and the days just before and after
// each run of days have no outage.
void CheckAgainstIndependent(double lat, double siteWest, double satWest, double dish, double ghz) {
    const int year = 2026;
    const auto days = ComputeSunOutages(lat, siteWest, satWest, year, dish, ghz);
    ASSERT_FALSE(days.empty());
    const double threshold = SunOutageThreshold(dish, ghz);
    const Independent other(lat, siteWest, satWest);
    for (std::size_t i = 0; i < days.size(); ++i) {
        const SunOutageDay& d = days[i];
        SCOPED_TRACE(SunOutageLine(d));
        EXPECT_LE(d.start, d.peak);
        EXPECT_LE(d.peak, d.end);
        long long start, peak, end;
        double least;
        other.Scan(d.peak, threshold, start, peak, end, least);
        EXPECT_NEAR(d.leastSeparation, least, 0.01);
        // A day on the edge of the season may be in or out by the last
        // hundredth of a degree; the rest must agree.
        if (std::abs(least - threshold) < 0.01)
            continue;
        ASSERT_GE(start, 0);
        // The independent series is good to about a hundredth of a degree,
        // which the Sun crosses in a few seconds (agreement seen: within 4 s
        // at the ends, 1 s at the peak).
        EXPECT_NEAR(static_cast<double>(d.start), static_cast<double>(start), 6.0);
        EXPECT_NEAR(static_cast<double>(d.end), static_cast<double>(end), 6.0);
        EXPECT_NEAR(static_cast<double>(d.peak), static_cast<double>(peak), 10.0);
        // Where a run of days ends, the next day has no outage.
        const bool runEnds = i + 1 == days.size() || days[i + 1].peak - d.peak > 2 * 86400;
        if (runEnds) {
            other.Scan(d.peak + 86400 - 240, threshold, start, peak, end, least);
            EXPECT_GT(least, threshold - 0.01) << "the day after";
        }
        const bool runStarts = i == 0 || d.peak - days[i - 1].peak > 2 * 86400;
        if (runStarts) {
            other.Scan(d.peak - 86400 + 240, threshold, start, peak, end, least);
            EXPECT_GT(least, threshold - 0.01) << "the day before";
        }
    }
}

// Whether every day lies within one of the two windows [from, to] of the
// year (month and day), and both windows have days.
void CheckSeasons(const std::vector<SunOutageDay>& days, std::pair<int, int> spring0,
                  std::pair<int, int> spring1, std::pair<int, int> autumn0, std::pair<int, int> autumn1) {
    auto key = [](int m, int d) { return m * 100 + d; };
    int springDays = 0, autumnDays = 0;
    for (const SunOutageDay& d : days) {
        const int k = key(d.month, d.day);
        if (k >= key(spring0.first, spring0.second) && k <= key(spring1.first, spring1.second))
            ++springDays;
        else if (k >= key(autumn0.first, autumn0.second) && k <= key(autumn1.first, autumn1.second))
            ++autumnDays;
        else
            ADD_FAILURE() << "outside the seasons: " << SunOutageLine(d);
    }
    EXPECT_GE(springDays, 3);
    EXPECT_GE(autumnDays, 3);
}

}  // namespace

TEST(SunOutageTest, SunPositionAgreesWithTheIndependentSeries) {
    // Over two centuries the two series and sidereal times agree on the
    // Sun-satellite angle to well within the hundredth of a degree that an
    // outage time depends on.
    double worst = 0;
    for (int y = 1900; y <= 2100; y += 10)
        for (int h = 0; h < 24 * 365; h += 997) {
            const double t = static_cast<double>(UtcSeconds(y, 1, 1) + h * 3600LL);
            const double ours = SunSatelliteSeparation(39.74, 104.99, 101, t);
            const double theirs = Independent(39.74, 104.99, 101).Separation(t);
            worst = std::max(worst, std::abs(ours - theirs));
        }
    EXPECT_LT(worst, 0.02);
    // The equinox of March 2026 (20 March, 14:46 UTC): declination zero.
    EXPECT_NEAR(
        ComputeSunPosition(JulianDateFromUnix(static_cast<double>(UtcSeconds(2026, 3, 20, 14)) + 46 * 60))
            .declination,
        0.0, 0.01);
}

TEST(SunOutageTest, NorthernSiteMatchesABruteForceScanInLateWinterAndOctober) {
    // Denver and a satellite at 101W.
    CheckAgainstIndependent(39.74, 104.99, 101, 0.9, 12.0);
    CheckSeasons(ComputeSunOutages(39.74, 104.99, 101, 2026), {2, 15}, {3, 15}, {9, 25}, {10, 25});
}

TEST(SunOutageTest, SouthernSiteMatchesABruteForceScanInAutumnAndSpring) {
    // Sydney and a satellite at 156E: the Sun is behind it when north of the
    // equator, in early April and early September.
    CheckAgainstIndependent(-33.87, -151.21, -156, 0.9, 12.0);
    CheckSeasons(ComputeSunOutages(-33.87, -151.21, -156, 2026), {3, 20}, {4, 25}, {8, 20}, {9, 25});
}

TEST(SunOutageTest, ASmallerDishHasMoreAndLongerOutages) {
    const auto big = ComputeSunOutages(39.74, 104.99, 101, 2026, 1.2, 12.0);
    const auto small = ComputeSunOutages(39.74, 104.99, 101, 2026, 0.45, 12.0);
    EXPECT_GT(small.size(), big.size());
    // The same day's window holds the larger dish's window, around the same
    // peak.
    int compared = 0;
    for (const SunOutageDay& b : big)
        for (const SunOutageDay& s : small)
            if (s.month == b.month && s.day == b.day) {
                EXPECT_LT(s.start, b.start);
                EXPECT_GT(s.end, b.end);
                EXPECT_NEAR(static_cast<double>(s.peak), static_cast<double>(b.peak), 1.0);
                ++compared;
            }
    EXPECT_EQ(compared, static_cast<int>(big.size()));
    CheckAgainstIndependent(39.74, 104.99, 101, 0.45, 12.0);
}

TEST(SunOutageTest, NoDaysBelowTheHorizonAndBadInputsAreNamed) {
    EXPECT_TRUE(ComputeSunOutages(40, 100, -10, 2026).empty());
    EXPECT_TRUE(ComputeSunOutages(85, 0, 0, 2026).empty());
    EXPECT_FALSE(SunOutageInputError(0.9, 12.0, 2026));
    EXPECT_FALSE(SunOutageInputError(0.9, 12.0, 1900));
    EXPECT_FALSE(SunOutageInputError(0.9, 12.0, 2100));
    EXPECT_TRUE(SunOutageInputError(0.0, 12.0, 2026));
    EXPECT_TRUE(SunOutageInputError(0.9, -12.0, 2026));
    EXPECT_TRUE(SunOutageInputError(0.9, 0.0, 2026));
    EXPECT_TRUE(SunOutageInputError(0.9, 12.0, 1899));
    EXPECT_TRUE(SunOutageInputError(0.9, 12.0, 2101));
    EXPECT_TRUE(SunOutageInputError(0.9, std::nan(""), 2026));
    // A beam wider than the sky is refused rather than computed.
    EXPECT_TRUE(SunOutageInputError(0.01, 1.0, 2026));
    // 0.9 m at 12 GHz: 35 * 0.02498 / 0.9 + 0.25.
    EXPECT_NEAR(SunOutageThreshold(0.9, 12.0), 35 * 0.299792458 / 12.0 / 0.9 + 0.25, 1e-12);
}

TEST(SunOutageTest, LinesShowTheUtcDateAndTimesToTheSecond) {
    SunOutageDay day;
    day.year = 2026;
    day.month = 3;
    day.day = 4;
    day.start = UtcSeconds(2026, 3, 4) + 19 * 3600 + 2 * 60 + 3;
    day.peak = day.start + 245;
    day.end = day.peak + 250;
    day.leastSeparation = 0.123;
    EXPECT_EQ(SunOutageLine(day), "2026-03-04\t19:02:03\t19:06:08\t19:10:18\t0.12\xB0");
    // A window that starts before midnight keeps the peak's date.
    day.start = UtcSeconds(2026, 3, 4) - 60;
    EXPECT_EQ(UtcTimeText(day.start), "23:59:00");
}

TEST(SunOutageTest, LocalTimesFollowTheSitesLongitudeUnlessTheComputersZoneFits) {
    // Whole hours of longitude, West behind UTC.
    EXPECT_EQ(SiteUtcOffsetMinutes(104.99), -7 * 60);  // Denver
    EXPECT_EQ(SiteUtcOffsetMinutes(-13.405), 60);      // Berlin
    EXPECT_EQ(SiteUtcOffsetMinutes(0.0), 0);
    EXPECT_EQ(SiteUtcOffsetMinutes(-151.2), 10 * 60);  // Sydney
    EXPECT_EQ(SiteUtcOffsetMinutes(-172.6), 12 * 60);  // Wellington's side of the date line
    EXPECT_EQ(SiteUtcOffsetMinutes(172.6), -12 * 60);
    EXPECT_EQ(SiteUtcOffsetMinutes(360 + 104.99), -7 * 60);

    // A computer in Denver's zone (-7) shows Denver's and Chicago's times in
    // its own clock, Berlin's not; Central European Time covers Spain's
    // western tip (Finisterre, 9.3 West).
    EXPECT_TRUE(SiteNearZone(104.99, -7 * 60));
    EXPECT_TRUE(SiteNearZone(87.6, -7 * 60));
    EXPECT_FALSE(SiteNearZone(-13.405, -7 * 60));
    EXPECT_TRUE(SiteNearZone(9.3, 60));
    EXPECT_FALSE(SiteNearZone(104.99, 60));
    // Across the date line: Tonga's +13 at 175 West.
    EXPECT_TRUE(SiteNearZone(175.2, 13 * 60));
    EXPECT_FALSE(SiteNearZone(175.2, 8 * 60));
}
