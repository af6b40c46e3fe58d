// The installer's numbers for one site and one geostationary satellite:
// everything set on the mount, in one place.  The details dialog, the
// printed aiming sheet and `tilvex-cli aim` all take their numbers and texts
// from here.
//
// Conventions, as in the look-angle code (core/satellites/LookAngles.h):
// angles in degrees, latitude North positive, longitudes and magnetic
// variation West positive.  Results that turn one way or the other say which
// in their text ("East"/"West", "back"/"forward"); their numbers are signed
// as each function says.
//
// The geometry: the site on the WGS84 ellipsoid at sea level (geodetic
// latitude), the satellite kOrbitRadiusKm from the Earth's centre in the
// plane of the equator at its slot.  Times are UTC seconds since
// 1970-01-01 00:00 (leap seconds not counted, as POSIX time).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/satellites/SunOutage.h"  // kDefaultFrequencyGHz

inline constexpr double kEarthRadiusKm = 6378.137;  // WGS84 equatorial radius
inline constexpr double kOrbitRadiusKm = 42164.17;  // geostationary orbit, from the Earth's centre
inline constexpr double kSpeedOfLightKmS = 299792.458;

// The usual offset-fed dish's offset angle, and a prime-focus dish's.
inline constexpr double kDefaultDishOffset = 22.6;
inline constexpr double kPrimeFocusOffset = 0.0;

// ---------------------------------------------------------------------------
// Offset dish

// How far the dish's face leans from vertical when it is aimed: elevation
// minus the dish's offset angle.  Positive: leaned back (the face looks
// up); negative: leaned forward.
double DishFaceTilt(double elevation, double offset);
// "2.7° back", "3.1° forward", or "0.0°" when the tilt rounds to nothing
// (Windows-1252 degree sign).
std::string DishFaceTiltText(double tilt);

// ---------------------------------------------------------------------------
// Motorised dish (USALS / DiSEqC 1.2)

// The motor's angle, East positive: atan2(sin D, cos D - (Re/Rs) cos lat),
// D being the satellite's longitude minus the site's counted East positive
// (so, with the West-positive inputs, site minus satellite), in (-180, 180].
double MotorAngle(double latitude, double siteLongitude, double satLongitude);
// "23.4° East" when the angle is positive, "23.4° West" otherwise.
std::string MotorAngleText(double motorAngle);

// The DiSEqC 1.2 GotoX command for a motor angle (East positive):
// E0 31 6E, then (0xE0 East, 0xD0 West) | (n >> 8) and n & 0xFF, with
// n = round(16 |angle|), sixteenths of a degree.  West when the angle is not
// positive.  |angle| must be below 256 degrees (n fits in twelve bits).
std::array<std::uint8_t, 5> GotoXBytes(double motorAngle);
// The bytes in upper-case hexadecimal separated by spaces: "E0 31 6E E1 76".
std::string GotoXText(double motorAngle);

// The motor's own setting: its axis's elevation above the horizon, which
// is |latitude|.
double MotorAxisElevation(double latitude);
// The dish's declination on the motor (tilted down from the axis towards
// the equator): atan(Re sin|lat| / (Rs - Re cos lat)); zero on the equator.
double MotorDeclination(double latitude);

// ---------------------------------------------------------------------------
// Range and signal

// Straight-line distance in km from the site to the satellite.
double SlantRangeKm(double latitude, double siteLongitude, double satLongitude);
// One-way delay in milliseconds over `rangeKm`.
double DelayMs(double rangeKm);
// Free-space path loss in dB: 20 log10(4 pi d f / c).  `frequencyGHz` > 0.
double FreeSpacePathLoss(double rangeKm, double frequencyGHz);

// ---------------------------------------------------------------------------
// Aiming by the Sun's shadow

struct AimDate {
    int year = 0, month = 0, day = 0;
};

// The date at the site when it is `utcSeconds`, by the site's longitude
// clock (SiteUtcOffsetMinutes).
AimDate SiteDate(double siteLongitude, long long utcSeconds);

// The times on `date` at which the Sun's true azimuth equals the
// satellite's true azimuth (the number behind the grid's text) while the
// Sun's centre is above the horizon (no refraction): then a pole's shadow
// points straight away from the satellite.  The date is the site's, from
// 00:00 to 24:00 of its longitude clock (SiteUtcOffsetMinutes).  To the
// second, in time order; at most one in practice (the Sun's azimuth sweeps
// a day's circle once), none when the Sun is never there while up or the
// satellite is below the horizon.  Years 1900 to 2100.
std::vector<long long> SunShadowTimes(double latitude, double siteLongitude, double satLongitude,
                                      AimDate date);
// "HH:MM" of a time on a clock `offsetMinutes` ahead of UTC (0 for UTC,
// SiteUtcOffsetMinutes for the site's longitude clock), to the nearest
// minute.
std::string ClockText(long long utcSeconds, int offsetMinutes);

// ---------------------------------------------------------------------------
// The whole sheet

struct AimRequest {
    double latitude = 0.0;                    // North positive
    double siteLongitude = 0.0;               // West positive
    double satLongitude = 0.0;                // West positive
    std::optional<double> magneticVariation;  // West positive; none: no magnetic azimuth
    std::optional<double> offset;             // the dish's offset angle; none: no face tilt
    double frequencyGHz = kDefaultFrequencyGHz;
    AimDate date;  // for the shadow time
};

// Why a request's offset, frequency or date cannot be used ("the dish
// offset must be from 0 to 89.9 degrees", ...), or nothing when they can.
std::optional<std::string> AimInputError(const AimRequest& request);

struct AimLine {
    std::string key;    // "elevation", "azimuth (true)", ...
    std::string value;  // Windows-1252 text
};

// The sheet's lines, in this order (those in brackets only when asked for):
//   elevation             the grid's text, "25.3°"
//   azimuth (true)        the grid's text, "213.7°"
//   [azimuth (magnetic)]  the grid's magnetic azimuth, with a variation
//   lnb skew              "18.2° clockwise" / "counter-clockwise" (seen from
//                         behind the dish), "0.0°"
//   [dish face tilt]      DishFaceTiltText, with an offset
//   motor angle           MotorAngleText
//   gotox                 GotoXText
//   motor axis elevation  "40.0°"
//   motor declination     "6.3°"
//   slant range           "38123 km"
//   delay                 "127.2 ms"
//   path loss             "205.6 dB" at the request's frequency
//   shadow time           "14:23 UTC" (several joined by ", "), or "none"
// Below the horizon every line that aims at the satellite is "--" (the
// motor's axis elevation and declination belong to the site and stay) and
// the shadow time is "none".  The request must pass AimInputError.
std::vector<AimLine> AimSheetLines(const AimRequest& request);
