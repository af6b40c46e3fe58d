// The Sun's apparent geocentric position from the solar-calculator
// formulation of Meeus's low-order theory (good to about 0.01 degree between
// 1900 and 2100), and the Earth's apparent sidereal time.  No refraction.
#pragma once

// Julian date of a UTC instant given as seconds since 1970-01-01 00:00 UTC
// (leap seconds not counted, as POSIX time).
double JulianDateFromUnix(double unixSeconds);

struct SunPosition {
    double rightAscension = 0.0;  // degrees, [0, 360)
    double declination = 0.0;     // degrees
    double distance = 0.0;        // astronomical units
    double siderealTime = 0.0;    // Greenwich apparent sidereal time, degrees [0, 360)
};

// The apparent position for a Julian date (UT; the difference from
// terrestrial time moves the Sun by less than a thousandth of a degree).
SunPosition ComputeSunPosition(double julianDate);

// The Sun's direction in the Earth-fixed frame (x to longitude 0 on the
// equator, y to 90 East, z to the North pole), as a unit vector, with its
// distance in kilometres.
struct EarthFixedSun {
    double x, y, z;
    double distanceKm;
};
EarthFixedSun SunEarthFixed(double julianDate);
