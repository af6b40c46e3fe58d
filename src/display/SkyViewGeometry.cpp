#include "display/SkyViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "display/ArcGridModel.h"
#include "satellites/Satellite.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

double Wrap360(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0) a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

// The direction seen from a site at `latitude` of a point of the arc that
// lies `delta` degrees East of the site's meridian.
SkyDirection LookAngleEast(double latitude, double delta) {
    const double phi = latitude * kRadians;
    const double d = delta * kRadians;
    // Angle at the Earth's centre between the site and the sub-satellite
    // point, then the elevation from the triangle centre-site-satellite.
    const double cosGamma = std::cos(phi) * std::cos(d);
    const double sinGamma = std::sqrt(std::max(0.0, 1.0 - cosGamma * cosGamma));
    SkyDirection out;
    out.elevation = std::atan2(cosGamma - 1.0 / kGeostationaryRadius, sinGamma) / kRadians;
    // Initial bearing of the great circle from the site to the sub-satellite
    // point; straight overhead it has none, and North serves.
    if (sinGamma < 1e-12)
        out.azimuth = 0.0;
    else
        out.azimuth = Wrap360(std::atan2(std::sin(d), -std::sin(phi) * std::cos(d)) / kRadians);
    return out;
}

}  // namespace

SkyDirection GeostationaryLookAngle(double latitude, double siteLongitude, double satLongitude) {
    // West-positive longitudes: the satellite lies site minus satellite
    // degrees East of the site.
    return LookAngleEast(latitude, std::remainder(siteLongitude - satLongitude, 360.0));
}

std::vector<SkyDirection> VisibleArc(double latitude, double /*siteLongitude*/, int count) {
    // The arc rises where cos(latitude) cos(delta) >= 1 / orbit radius.
    const double c = 1.0 / (kGeostationaryRadius * std::cos(latitude * kRadians));
    if (!(c <= 1.0) || c <= 0.0) return {};
    const double reach = std::acos(c) / kRadians;
    count = std::max(count, 2);
    std::vector<SkyDirection> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double delta = reach - 2.0 * reach * i / (count - 1);
        SkyDirection p = LookAngleEast(latitude, delta);
        if (i == 0 || i == count - 1) p.elevation = 0.0;
        points.push_back(p);
    }
    return points;
}

PolarPlot::Point PolarPlot::Place(const SkyDirection& direction) const {
    const double r = radius * (90.0 - std::clamp(direction.elevation, 0.0, 90.0)) / 90.0;
    const double a = (direction.azimuth + azimuthOffset) * kRadians;
    return {centreX + r * std::sin(a), centreY - r * std::cos(a)};
}

SkyDirection PolarPlot::DirectionAt(double x, double y) const {
    const double dx = x - centreX;
    const double dy = centreY - y;
    SkyDirection out;
    out.elevation = 90.0 - 90.0 * std::hypot(dx, dy) / radius;
    out.azimuth = Wrap360(std::atan2(dx, dy) / kRadians - azimuthOffset);
    return out;
}

std::vector<SkyPoint> SkyPoints(const CArcGridModel& grid, const CSatellite* current) {
    std::vector<SkyPoint> points;
    for (CSatellite* satellite : grid.Rows()) {
        SkyPoint p;
        p.satellite = satellite;
        p.direction = GeostationaryLookAngle(grid.Latitude(), grid.Longitude(), satellite->SignedLongitude());
        if (p.direction.elevation < 0.0) continue;
        p.label = grid.TextsFor(*satellite).name;
        p.current = satellite == current;
        points.push_back(std::move(p));
    }
    return points;
}

int HitSkyPoint(const std::vector<SkyPoint>& points, const PolarPlot& plot, double x, double y, double reach) {
    int best = -1;
    double bestDistance = reach;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PolarPlot::Point at = plot.Place(points[i].direction);
        const double d = std::hypot(at.x - x, at.y - y);
        if (d <= bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return best;
}

std::string SkyAzimuthCaption(int gridOptions) {
    return std::string("Azimuth ") + AzimuthKindText(gridOptions);
}
