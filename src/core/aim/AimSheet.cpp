#include "core/aim/AimSheet.h"

#include <chrono>
#include <cmath>
#include <numbers>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/SunPosition.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr double kFlattening = 1.0 / 298.257223563;
constexpr long long kDay = 86400;

struct Vec {
    double x, y, z;
};

double Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The site on the ellipsoid at sea level, Earth-fixed, in km (x to
// longitude 0 on the equator, y to 90 East, z to the North pole).
Vec SitePosition(double latitude, double siteLongitude) {
    const double phi = latitude * kRadians;
    const double lambda = -siteLongitude * kRadians;  // East positive
    const double e2 = kFlattening * (2.0 - kFlattening);
    const double n = kEarthRadiusKm / std::sqrt(1.0 - e2 * std::sin(phi) * std::sin(phi));
    return {n * std::cos(phi) * std::cos(lambda), n * std::cos(phi) * std::sin(lambda),
            n * (1.0 - e2) * std::sin(phi)};
}

// Azimuth (from true North through East, [0, 360)) and elevation of an
// Earth-fixed direction `v` seen from a site.
struct Horizontal {
    double azimuth, elevation;
};
Horizontal ToHorizontal(Vec v, double latitude, double siteLongitude) {
    const double phi = latitude * kRadians;
    const double lambda = -siteLongitude * kRadians;
    const Vec east{-std::sin(lambda), std::cos(lambda), 0.0};
    const Vec north{-std::sin(phi) * std::cos(lambda), -std::sin(phi) * std::sin(lambda), std::cos(phi)};
    const Vec up{std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
    const double e = Dot(v, east), n = Dot(v, north), u = Dot(v, up);
    double azimuth = std::atan2(e, n) / kRadians;
    if (azimuth < 0.0)
        azimuth += 360.0;
    return {azimuth, std::atan2(u, std::hypot(e, n)) / kRadians};
}

Horizontal SunSeenFrom(double latitude, double siteLongitude, Vec site, long long utcSeconds) {
    const EarthFixedSun sun = SunEarthFixed(JulianDateFromUnix(static_cast<double>(utcSeconds)));
    const Vec toSun{sun.x * sun.distanceKm - site.x, sun.y * sun.distanceKm - site.y,
                    sun.z * sun.distanceKm - site.z};
    return ToHorizontal(toSun, latitude, siteLongitude);
}

bool Visible(double latitude, double siteLongitude, double satLongitude) {
    return CLookAngles().Elevation(static_cast<float>(latitude), static_cast<float>(siteLongitude),
                                   static_cast<float>(satLongitude)) != kBelowHorizon;
}

std::string DegreesText(double degrees) {
    return Format("%.1f%c", degrees, kDegreeSign);
}

// "%.1f°" of a magnitude with a word for its side, or the bare "0.0°" when
// the magnitude rounds to nothing.
std::string SidedText(double value, const char* positive, const char* negative) {
    const std::string text = DegreesText(std::abs(value));
    if (text == DegreesText(0.0))
        return text;
    return text + " " + (value > 0.0 ? positive : negative);
}

bool ValidDate(const AimDate& date) {
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{static_cast<unsigned>(date.month)},
                             day{static_cast<unsigned>(date.day)}};
    return date.month >= 1 && date.day >= 1 && ymd.ok() && date.year >= 1900 && date.year <= 2100;
}

long long DayStartUtc(const AimDate& date, double siteLongitude) {
    using namespace std::chrono;
    const sys_days days{year{date.year} / month{static_cast<unsigned>(date.month)} /
                        day{static_cast<unsigned>(date.day)}};
    return days.time_since_epoch().count() * kDay - SiteUtcOffsetMinutes(siteLongitude) * 60LL;
}

}  // namespace

double DishFaceTilt(double elevation, double offset) {
    return elevation - offset;
}

std::string DishFaceTiltText(double tilt) {
    return SidedText(tilt, CoreTr("back").c_str(), CoreTr("forward").c_str());
}

double MotorAngle(double latitude, double siteLongitude, double satLongitude) {
    const double delta = std::remainder(siteLongitude - satLongitude, 360.0) * kRadians;
    const double theta = std::atan2(
        std::sin(delta), std::cos(delta) - kEarthRadiusKm / kOrbitRadiusKm * std::cos(latitude * kRadians));
    return theta / kRadians;
}

std::string MotorAngleText(double motorAngle) {
    return DegreesText(std::abs(motorAngle)) + (motorAngle > 0.0 ? CoreTr(" East") : CoreTr(" West"));
}

std::array<std::uint8_t, 5> GotoXBytes(double motorAngle) {
    const auto n = static_cast<unsigned>(std::lround(16.0 * std::abs(motorAngle)));
    const unsigned side = motorAngle > 0.0 ? 0xE0u : 0xD0u;
    return {0xE0, 0x31, 0x6E, static_cast<std::uint8_t>(side | ((n >> 8) & 0x0Fu)),
            static_cast<std::uint8_t>(n & 0xFFu)};
}

std::string GotoXText(double motorAngle) {
    std::string text;
    for (const std::uint8_t byte : GotoXBytes(motorAngle))
        text += Format(text.empty() ? "%02X" : " %02X", static_cast<unsigned>(byte));
    return text;
}

double MotorAxisElevation(double latitude) {
    return std::abs(latitude);
}

double MotorDeclination(double latitude) {
    const double phi = latitude * kRadians;
    return std::atan(kEarthRadiusKm * std::sin(std::abs(phi)) /
                     (kOrbitRadiusKm - kEarthRadiusKm * std::cos(phi))) /
           kRadians;
}

double SlantRangeKm(double latitude, double siteLongitude, double satLongitude) {
    const Vec site = SitePosition(latitude, siteLongitude);
    const double slot = -satLongitude * kRadians;
    const Vec satellite{kOrbitRadiusKm * std::cos(slot), kOrbitRadiusKm * std::sin(slot), 0.0};
    return std::sqrt((satellite.x - site.x) * (satellite.x - site.x) +
                     (satellite.y - site.y) * (satellite.y - site.y) + site.z * site.z);
}

double DelayMs(double rangeKm) {
    return rangeKm / kSpeedOfLightKmS * 1000.0;
}

double FreeSpacePathLoss(double rangeKm, double frequencyGHz) {
    // With the range in km and the frequency in GHz, c is 2.99792458e-4 km GHz.
    return 20.0 * std::log10(4.0 * std::numbers::pi * rangeKm * frequencyGHz / (kSpeedOfLightKmS * 1e-9));
}

AimDate SiteDate(double siteLongitude, long long utcSeconds) {
    using namespace std::chrono;
    const long long local = utcSeconds + SiteUtcOffsetMinutes(siteLongitude) * 60LL;
    const long long days = local >= 0 ? local / kDay : (local - kDay + 1) / kDay;
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::vector<long long> SunShadowTimes(double latitude, double siteLongitude, double satLongitude,
                                      AimDate date) {
    std::vector<long long> times;
    if (!ValidDate(date) || !Visible(latitude, siteLongitude, satLongitude))
        return times;
    const double satAzimuth = AzimuthDegrees(static_cast<float>(latitude), static_cast<float>(siteLongitude),
                                             0.0f, static_cast<float>(satLongitude), 0);
    const Vec site = SitePosition(latitude, siteLongitude);
    // The Sun's azimuth less the satellite's, in (-180, 180].
    auto offset = [&](long long t) {
        return std::remainder(SunSeenFrom(latitude, siteLongitude, site, t).azimuth - satAzimuth, 360.0);
    };
    // A minute's steps: the Sun's azimuth turns by less than half a circle
    // in a minute unless it passes within a few hundredths of a degree of
    // the zenith.  Within a step the offset is followed continuously from
    // its value at the step's start, so that passing the opposite azimuth
    // (a jump from 180 to -180) is no crossing.
    constexpr long long kStep = 60;
    const long long start = DayStartUtc(date, siteLongitude);
    double before = offset(start);
    for (long long t = start; t < start + kDay; t += kStep) {
        const double after = before + std::remainder(offset(t + kStep) - before, 360.0);
        if ((before < 0.0) != (after < 0.0)) {
            const double base = before;
            long long lo = t, hi = t + kStep;
            while (hi - lo > 1) {
                const long long mid = lo + (hi - lo) / 2;
                const double value = base + std::remainder(offset(mid) - base, 360.0);
                ((value < 0.0) == (base < 0.0) ? lo : hi) = mid;
            }
            const long long when = std::abs(base + std::remainder(offset(lo) - base, 360.0)) <
                                           std::abs(base + std::remainder(offset(hi) - base, 360.0))
                                       ? lo
                                       : hi;
            if (when < start + kDay && SunSeenFrom(latitude, siteLongitude, site, when).elevation > 0.0)
                times.push_back(when);
        }
        before = std::remainder(after, 360.0);
    }
    return times;
}

std::string ClockText(long long utcSeconds, int offsetMinutes) {
    const long long seconds = utcSeconds + offsetMinutes * 60LL + 30;
    const long long minutes = seconds >= 0 ? seconds / 60 : (seconds - 59) / 60;
    const long long ofDay = ((minutes % 1440) + 1440) % 1440;
    return Format("%02lld:%02lld", ofDay / 60, ofDay % 60);
}

std::optional<std::string> AimInputError(const AimRequest& request) {
    if (request.offset && !(*request.offset >= 0.0 && *request.offset < 90.0))
        return std::string("the dish offset must be at least 0 and less than 90 degrees");
    if (!(request.frequencyGHz > 0.0) || !std::isfinite(request.frequencyGHz))
        return std::string("the frequency must be greater than 0");
    if (!ValidDate(request.date))
        return std::string("the date must be a day of the years 1900 to 2100");
    return std::nullopt;
}

std::vector<AimLine> AimSheetLines(const AimRequest& request) {
    const float lat = static_cast<float>(request.latitude);
    const float siteLon = static_cast<float>(request.siteLongitude);
    const float satLon = static_cast<float>(request.satLongitude);
    const bool visible = Visible(request.latitude, request.siteLongitude, request.satLongitude);
    const std::string below = kBelowHorizon;
    std::vector<AimLine> lines;

    const LookAngleTexts trueAngles = ComputeLookAngles(lat, siteLon, 0.0f, satLon, 0);
    lines.push_back({"elevation", trueAngles.elevation});
    lines.push_back({"azimuth (true)", trueAngles.azimuth});
    if (request.magneticVariation)
        lines.push_back(
            {"azimuth (magnetic)",
             ComputeLookAngles(lat, siteLon, static_cast<float>(*request.magneticVariation), satLon, 1)
                 .azimuth});
    std::string skew = LnbSkewDirectionText(request.latitude, request.siteLongitude, request.satLongitude);
    if (const auto cut = skew.find(CoreTr(kSeenFromBehindTheDish)); cut != std::string::npos)
        skew.erase(cut);
    lines.push_back({"lnb skew", skew});
    if (request.offset)
        lines.push_back(
            {"dish face tilt",
             visible ? DishFaceTiltText(DishFaceTilt(ElevationDegrees(lat, siteLon, satLon), *request.offset))
                     : below});

    const double motor = MotorAngle(request.latitude, request.siteLongitude, request.satLongitude);
    lines.push_back({"motor angle", visible ? MotorAngleText(motor) : below});
    lines.push_back({"gotox", visible ? GotoXText(motor) : below});
    lines.push_back({"motor axis elevation", DegreesText(MotorAxisElevation(request.latitude))});
    lines.push_back({"motor declination", DegreesText(MotorDeclination(request.latitude))});

    const double range = SlantRangeKm(request.latitude, request.siteLongitude, request.satLongitude);
    lines.push_back({"slant range", visible ? Format("%.0f km", range) : below});
    lines.push_back({"delay", visible ? Format("%.1f ms", DelayMs(range)) : below});
    lines.push_back(
        {"path loss", visible ? Format("%.1f dB", FreeSpacePathLoss(range, request.frequencyGHz)) : below});

    std::string shadow;
    for (const long long t :
         SunShadowTimes(request.latitude, request.siteLongitude, request.satLongitude, request.date))
        shadow += (shadow.empty() ? "" : ", ") + ClockText(t, 0) + " UTC";
    lines.push_back({"shadow time", shadow.empty() ? CoreTr("none") : shadow});
    return lines;
}
