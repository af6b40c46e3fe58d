#include "core/satellites/SunPosition.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr double kAstronomicalUnitKm = 149597870.7;

double Wrap360(double degrees) {
    double a = std::fmod(degrees, 360.0);
    return a < 0.0 ? a + 360.0 : a;
}

double SinD(double degrees) {
    return std::sin(degrees * kRadians);
}
double CosD(double degrees) {
    return std::cos(degrees * kRadians);
}

}  // namespace

double JulianDateFromUnix(double unixSeconds) {
    return unixSeconds / 86400.0 + 2440587.5;
}

SunPosition ComputeSunPosition(double julianDate) {
    const double t = (julianDate - 2451545.0) / 36525.0;  // Julian centuries from J2000.0
    const double meanLongitude = Wrap360(280.46646 + t * (36000.76983 + t * 0.0003032));
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = SinD(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          SinD(2.0 * meanAnomaly) * (0.019993 - 0.000101 * t) +
                          SinD(3.0 * meanAnomaly) * 0.000289;
    const double trueLongitude = meanLongitude + centre;
    const double trueAnomaly = meanAnomaly + centre;
    const double distance =
        1.000001018 * (1.0 - eccentricity * eccentricity) / (1.0 + eccentricity * CosD(trueAnomaly));
    // Longitude of the Moon's ascending node: nutation and aberration.
    const double omega = 125.04 - 1934.136 * t;
    const double apparentLongitude = trueLongitude - 0.00569 - 0.00478 * SinD(omega);
    const double meanObliquity =
        23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = meanObliquity + 0.00256 * CosD(omega);

    SunPosition out;
    out.rightAscension =
        Wrap360(std::atan2(CosD(obliquity) * SinD(apparentLongitude), CosD(apparentLongitude)) / kRadians);
    out.declination = std::asin(SinD(obliquity) * SinD(apparentLongitude)) / kRadians;
    out.distance = distance;
    // Mean sidereal time at Greenwich, then the equation of the equinoxes
    // (nutation in longitude times the cosine of the obliquity).
    const double days = julianDate - 2451545.0;
    const double mean = 280.46061837 + 360.98564736629 * days + t * t * (0.000387933 - t / 38710000.0);
    const double nutationLongitude = -0.00478 * SinD(omega);
    out.siderealTime = Wrap360(mean + nutationLongitude * CosD(obliquity));
    return out;
}

EarthFixedSun SunEarthFixed(double julianDate) {
    const SunPosition sun = ComputeSunPosition(julianDate);
    // Longitude of the sub-solar point: right ascension minus sidereal time.
    const double lon = sun.rightAscension - sun.siderealTime;
    const double cosDec = CosD(sun.declination);
    return {cosDec * CosD(lon), cosDec * SinD(lon), SinD(sun.declination),
            sun.distance * kAstronomicalUnitKm};
}
