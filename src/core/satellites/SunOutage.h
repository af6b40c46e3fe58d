// Sun outages: the days of a year on which the Sun passes behind a
// geostationary satellite as seen from a site, so that the dish sees the Sun
// in its beam.  An outage lasts while the angle between the Sun's centre and
// the satellite, seen from the site, is at most half the dish's half-power
// beamwidth plus the Sun's radius: 35 * wavelength / diameter + 0.25 degrees.
//
// The site is on the WGS84 ellipsoid at sea level (geodetic latitude); the
// satellite 42,164 km from the Earth's centre above the equator at its slot.
// Times are UTC seconds since 1970-01-01 (leap seconds not counted).
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr double kDefaultDishMetres = 0.9;
inline constexpr double kDefaultFrequencyGHz = 12.0;

// Half the beamwidth plus the Sun's radius, in degrees.
double SunOutageThreshold(double dishMetres, double frequencyGHz);

// Why a dish, frequency or year cannot be used ("the dish diameter must be
// greater than 0", ...), or nothing when they can.  Years run from 1900 to
// 2100; the beam may be at most 45 degrees wide on each side.
std::optional<std::string> SunOutageInputError(double dishMetres, double frequencyGHz, int year);

// The angle in degrees between the Sun's centre and the satellite, seen from
// the site (latitude North positive, longitudes West positive).
double SunSatelliteSeparation(double latitude, double siteLongitude, double satLongitude, double utcSeconds);

struct SunOutageDay {
    int year = 0, month = 0, day = 0;  // UTC date of the peak
    // To the nearest second.
    long long start = 0;
    long long peak = 0;
    long long end = 0;
    double leastSeparation = 0.0;  // degrees, at the peak
};

// Every outage whose peak falls in `year` (UTC), in time order.  None when
// the satellite is below the site's horizon.  The inputs must pass
// SunOutageInputError.
std::vector<SunOutageDay> ComputeSunOutages(double latitude, double siteLongitude, double satLongitude,
                                            int year, double dishMetres = kDefaultDishMetres,
                                            double frequencyGHz = kDefaultFrequencyGHz);

// A site's clock time as its longitude gives it, in minutes ahead of UTC:
// whole hours of 15 degrees, West behind, from -12 to +12 hours (a
// West-positive longitude of 105 gives -420).
int SiteUtcOffsetMinutes(double siteLongitude);
// Whether a zone `zoneOffsetMinutes` ahead of UTC (a computer's standard
// time) can stand for a site's clock: its offset lies within two hours of
// the site's longitude time, as Central European Time does for all of Spain.
bool SiteNearZone(double siteLongitude, int zoneOffsetMinutes);

// "HH:MM:SS" of a UTC time.
std::string UtcTimeText(long long utcSeconds);
// "YYYY-MM-DD<TAB>start<TAB>peak<TAB>end<TAB>0.12°" (Windows-1252 degree sign).
std::string SunOutageLine(const SunOutageDay& day);
