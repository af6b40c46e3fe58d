#include "core/satellites/LookAngles.h"

#include <cmath>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"

namespace {

// The program has always converted angles with this five-decimal value of
// pi, in both directions; the displayed angles depend on it.
constexpr double kPi = 3.14159;

// Radius of the geostationary orbit in Earth radii.
constexpr double kOrbitRadius = 6.6166;

double ToRadians(double degrees) {
    return degrees * kPi / 180.0;
}
double ToDegrees(double radians) {
    return radians * 180.0 / kPi;
}

std::string AngleText(double degrees) {
    return Format("%.1f%c", degrees, kDegreeSign);
}

}  // namespace

double ElevationDegrees(float latitude, float siteLongitude, float satLongitude) {
    const double phi = ToRadians(latitude);
    const double delta = ToRadians(satLongitude) - ToRadians(siteLongitude);
    // Angle at the Earth's centre between the site and the sub-satellite point.
    const double gamma = std::acos(std::cos(phi) * std::cos(delta));
    // Angle at the satellite between the Earth's centre and the site.
    const double nu = std::atan(std::sin(gamma) / (kOrbitRadius - std::cos(gamma)));
    return 90.0 - nu * 180.0 / kPi - gamma * 180.0 / kPi;
}

std::string CLookAngles::Elevation(float latitude, float siteLongitude, float satLongitude) const {
    const double elevation = ElevationDegrees(latitude, siteLongitude, satLongitude);
    if (elevation < 0.0)
        return kBelowHorizon;
    return AngleText(elevation);
}

double AzimuthDegrees(float latitude, float siteLongitude, float magneticVariation, float satLongitude,
                      int magnetic) {
    // Bring both longitudes to the same side of the date line (in single
    // precision, as the inputs are).
    if (satLongitude > 0.0f && siteLongitude < 0.0f)
        siteLongitude += 360.0f;
    else if (satLongitude < 0.0f && siteLongitude > 0.0f)
        satLongitude += 360.0f;

    const double delta = ToRadians(satLongitude) - ToRadians(siteLongitude);
    const double tanDelta = std::tan(delta);
    double azimuth;
    if (latitude == 0.0f) {
        // On the equator the quotient below has no finite value: a satellite
        // West of the site lies due West, one East of it due East, and one on
        // the site's meridian is overhead, where North serves as well as any.
        azimuth = tanDelta > 0.0 ? 270.0 : tanDelta < 0.0 ? 90.0 : 0.0;
    } else {
        const double a0 = ToDegrees(std::atan(tanDelta / std::sin(ToRadians(latitude))));
        // Adding zero for a southern site also turns a negative zero into 0.0.
        azimuth = a0 + (latitude > 0.0f ? 180.0 : 0.0);
    }
    if (magnetic)
        azimuth += magneticVariation;
    if (azimuth < 0.0)
        azimuth += 360.0;
    if (azimuth >= 360.0)
        azimuth -= 360.0;
    return azimuth;
}

std::string CLookAngles::Azimuth(float latitude, float siteLongitude, float magneticVariation,
                                 float satLongitude, int magnetic) const {
    return AngleText(AzimuthDegrees(latitude, siteLongitude, magneticVariation, satLongitude, magnetic));
}

LookAngleTexts ComputeLookAngles(float latitude, float siteLongitude, float magneticVariation,
                                 float satLongitude, int magnetic) {
    CLookAngles angles;
    LookAngleTexts texts;
    texts.elevation = angles.Elevation(latitude, siteLongitude, satLongitude);
    if (texts.elevation == kBelowHorizon)
        texts.azimuth = kBelowHorizon;
    else
        texts.azimuth = angles.Azimuth(latitude, siteLongitude, magneticVariation, satLongitude, magnetic);
    return texts;
}
