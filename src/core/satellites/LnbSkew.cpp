#include "core/satellites/LnbSkew.h"

#include <cmath>
#include <numbers>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/satellites/LookAngles.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

}  // namespace

std::optional<double> LnbSkew(double latitude, double siteLongitude, double satLongitude) {
    // Below the horizon exactly when the grid shows "--" for the elevation.
    if (CLookAngles().Elevation(static_cast<float>(latitude), static_cast<float>(siteLongitude),
                                static_cast<float>(satLongitude)) == kBelowHorizon)
        return std::nullopt;
    // East-positive longitudes: site minus satellite is satellite minus site
    // in the West-positive convention.
    const double delta = std::remainder(satLongitude - siteLongitude, 360.0);
    const double sinDelta = std::sin(delta * kRadians);
    if (latitude == 0.0) {
        // The quotient below is infinite: the feed turns a quarter turn either
        // way, which is the same polarisation.  Overhead there is nothing to
        // turn.
        return std::abs(sinDelta) < 1e-12 ? 0.0 : 90.0;
    }
    const double skew = std::atan(sinDelta / std::tan(latitude * kRadians)) / kRadians;
    return skew == 0.0 ? 0.0 : skew;  // no negative zero
}

std::string LnbSkewText(double latitude, double siteLongitude, double satLongitude) {
    const std::optional<double> skew = LnbSkew(latitude, siteLongitude, satLongitude);
    if (!skew)
        return kBelowHorizon;
    std::string text = Format("%.1f%c", *skew, kDegreeSign);
    if (text == Format("-0.0%c", kDegreeSign))
        text.erase(0, 1);
    return text;
}

std::string LnbSkewDirectionText(double latitude, double siteLongitude, double satLongitude) {
    const std::optional<double> skew = LnbSkew(latitude, siteLongitude, satLongitude);
    if (!skew)
        return kBelowHorizon;
    std::string text = Format("%.1f%c", std::abs(*skew), kDegreeSign);
    if (text == Format("0.0%c", kDegreeSign))
        return text;
    // Which way is clockwise depends on where one stands: the installer
    // turns the feed from behind the dish, facing the satellite.
    text += *skew > 0.0 ? CoreTr(" clockwise") : CoreTr(" counter-clockwise");
    text += CoreTr(kSeenFromBehindTheDish);
    return text;
}
