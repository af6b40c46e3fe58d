#include "core/satellites/SunOutage.h"

#include <chrono>
#include <cmath>
#include <numbers>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/satellites/SunPosition.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr double kDay = 86400.0;
constexpr double kSpeedOfLight = 0.299792458;  // wavelength in metres times frequency in GHz
constexpr double kSunRadius = 0.25;            // degrees
constexpr double kMaxThreshold = 45.0;
constexpr double kOrbitKm = 42164.0;
constexpr double kEquatorKm = 6378.137;
constexpr double kFlattening = 1.0 / 298.257223563;

struct Vec {
    double x, y, z;
};
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
double Norm(Vec a) {
    return std::sqrt(Dot(a, a));
}
double AngleBetween(Vec a, Vec b) {
    const Vec c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(Norm(c), Dot(a, b)) / kRadians;
}

// The fixed geometry of one site and one satellite, Earth-fixed, in km.
struct Geometry {
    Vec site;
    Vec up;                       // the ellipsoid's normal at the site
    Vec satellite;                // seen from the site
    double satelliteLongitude;    // of the direction to the satellite, degrees East
    double satelliteDeclination;  // of the direction to the satellite, degrees

    Geometry(double latitude, double siteLongitude, double satLongitude) {
        const double phi = latitude * kRadians;
        const double lambda = -siteLongitude * kRadians;  // East positive
        const double e2 = kFlattening * (2.0 - kFlattening);
        const double n = kEquatorKm / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
        site = {n * std::cos(phi) * std::cos(lambda), n * std::cos(phi) * std::sin(lambda),
                n * (1.0 - e2) * std::sin(phi)};
        up = {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
        const double slot = -satLongitude * kRadians;
        satellite = Vec{kOrbitKm * std::cos(slot), kOrbitKm * std::sin(slot), 0.0} - site;
        satelliteLongitude = std::atan2(satellite.y, satellite.x) / kRadians;
        satelliteDeclination = std::asin(satellite.z / Norm(satellite)) / kRadians;
    }

    double Elevation() const { return 90.0 - AngleBetween(satellite, up); }

    double Separation(double utcSeconds) const {
        const EarthFixedSun sun = SunEarthFixed(JulianDateFromUnix(utcSeconds));
        const Vec toSun = Vec{sun.x * sun.distanceKm, sun.y * sun.distanceKm, sun.z * sun.distanceKm} - site;
        return AngleBetween(toSun, satellite);
    }
};

// The Sun's Earth-fixed longitude minus the satellite direction's, in
// (-180, 180]: zero when both are on the same hour circle.
double HourOffset(const Geometry& g, double utcSeconds) {
    const SunPosition sun = ComputeSunPosition(JulianDateFromUnix(utcSeconds));
    return std::remainder(sun.rightAscension - sun.siderealTime - g.satelliteLongitude, 360.0);
}

// The first time at or after `from` at which the Sun crosses the satellite's
// hour circle.  The Sun's Earth-fixed longitude falls by about 360 degrees a
// day.
double NextCrossing(const Geometry& g, double from) {
    double offset = HourOffset(g, from);
    if (offset < 0.0)
        offset += 360.0;
    double t = from + offset / 360.0 * kDay;
    for (int i = 0; i < 4; ++i)
        t += HourOffset(g, t) / 360.0 * kDay;
    return t;
}

// Golden-section search for the least separation within [a, b].
double MinimumTime(const Geometry& g, double a, double b) {
    const double r = (std::sqrt(5.0) - 1.0) / 2.0;
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = g.Separation(c), fd = g.Separation(d);
    while (b - a > 0.01) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - r * (b - a);
            fc = g.Separation(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + r * (b - a);
            fd = g.Separation(d);
        }
    }
    return (a + b) / 2.0;
}

// The time between `inside` (separation within the threshold) and a point
// outside, found by first bracketing outwards in steps of `step` seconds
// (negative: backwards) and then by bisection on separation minus threshold.
double Boundary(const Geometry& g, double threshold, double inside, double step) {
    double outside = inside;
    for (int i = 0; i < 72 && g.Separation(outside) <= threshold; ++i) {
        inside = outside;
        outside += step;
    }
    while (std::abs(outside - inside) > 1e-3) {
        const double mid = (inside + outside) / 2.0;
        (g.Separation(mid) <= threshold ? inside : outside) = mid;
    }
    return (inside + outside) / 2.0;
}

using namespace std::chrono;

double YearStart(int year) {
    return static_cast<double>(sys_days{std::chrono::year{year} / January / 1}.time_since_epoch().count()) *
           kDay;
}

}  // namespace

double SunOutageThreshold(double dishMetres, double frequencyGHz) {
    const double wavelength = kSpeedOfLight / frequencyGHz;
    return 35.0 * wavelength / dishMetres + kSunRadius;
}

std::optional<std::string> SunOutageInputError(double dishMetres, double frequencyGHz, int year) {
    if (!(dishMetres > 0.0) || !std::isfinite(dishMetres))
        return CoreTr("the dish diameter must be greater than 0 metres");
    if (!(frequencyGHz > 0.0) || !std::isfinite(frequencyGHz))
        return CoreTr("the frequency must be greater than 0 GHz");
    if (year < 1900 || year > 2100)
        return CoreTr("the year must be from 1900 to 2100");
    if (SunOutageThreshold(dishMetres, frequencyGHz) > kMaxThreshold)
        return CoreTr(
            "the dish is too small for this frequency: its beam would reach more than 45 degrees from the "
            "satellite");
    return std::nullopt;
}

double SunSatelliteSeparation(double latitude, double siteLongitude, double satLongitude, double utcSeconds) {
    return Geometry(latitude, siteLongitude, satLongitude).Separation(utcSeconds);
}

std::vector<SunOutageDay> ComputeSunOutages(double latitude, double siteLongitude, double satLongitude,
                                            int year, double dishMetres, double frequencyGHz) {
    std::vector<SunOutageDay> days;
    const Geometry g(latitude, siteLongitude, satLongitude);
    if (g.Elevation() < 0.0)
        return days;
    const double threshold = SunOutageThreshold(dishMetres, frequencyGHz);
    const double first = YearStart(year), last = YearStart(year + 1);
    // One crossing of the satellite's hour circle a day; the least separation
    // of that day lies next to it and is about the difference of the two
    // declinations, which changes by at most 0.4 degree a day.
    for (double t = NextCrossing(g, first - kDay); t < last + kDay; t = NextCrossing(g, t + kDay / 2.0)) {
        const double declination = ComputeSunPosition(JulianDateFromUnix(t)).declination;
        if (std::abs(declination - g.satelliteDeclination) > threshold + 0.1)
            continue;
        const double peak = MinimumTime(g, t - 900.0, t + 900.0);
        const double least = g.Separation(peak);
        if (least > threshold || peak < first || peak >= last)
            continue;
        SunOutageDay day;
        day.peak = std::llround(peak);
        day.start = std::llround(Boundary(g, threshold, peak, -600.0));
        day.end = std::llround(Boundary(g, threshold, peak, 600.0));
        day.leastSeparation = least;
        const year_month_day date{floor<std::chrono::days>(sys_seconds{seconds{day.peak}})};
        day.year = static_cast<int>(date.year());
        day.month = static_cast<int>(static_cast<unsigned>(date.month()));
        day.day = static_cast<int>(static_cast<unsigned>(date.day()));
        days.push_back(day);
    }
    return days;
}

int SiteUtcOffsetMinutes(double siteLongitude) {
    // West positive: behind UTC.
    const double east = -std::remainder(siteLongitude, 360.0);
    return static_cast<int>(std::lround(east / 15.0)) * 60;
}

bool SiteNearZone(double siteLongitude, int zoneOffsetMinutes) {
    const double siteHours = -std::remainder(siteLongitude, 360.0) / 15.0;
    // Zones wrap round the date line: Tonga keeps +13 hours at 175 degrees
    // West, whose longitude time is -11:40.
    return std::abs(std::remainder(zoneOffsetMinutes / 60.0 - siteHours, 24.0)) <= 2.0;
}

std::string UtcTimeText(long long utcSeconds) {
    const long long s = ((utcSeconds % 86400) + 86400) % 86400;
    return Format("%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
}

std::string SunOutageLine(const SunOutageDay& day) {
    return Format("%04d-%02d-%02d\t%s\t%s\t%s\t%.2f%c", day.year, day.month, day.day,
                  UtcTimeText(day.start).c_str(), UtcTimeText(day.peak).c_str(), UtcTimeText(day.end).c_str(),
                  day.leastSeparation, kDegreeSign);
}
