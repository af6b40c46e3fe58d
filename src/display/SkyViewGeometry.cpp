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

std::vector<LabelBox> PlaceSkyLabels(const std::vector<PolarPlot::Point>& at,
                                     const std::vector<std::pair<double, double>>& sizes, const PolarPlot& plot,
                                     double width, double height, double pointRadius,
                                     const std::vector<std::size_t>& order) {
    std::vector<LabelBox> boxes(at.size());
    std::vector<bool> placed(at.size(), false);
    auto overlaps = [&](const LabelBox& b) {
        if (b.x < 0 || b.y < 0 || b.x + b.width > width || b.y + b.height > height) return true;
        for (std::size_t k = 0; k < at.size(); ++k) {
            const double cx = std::clamp(at[k].x, b.x, b.x + b.width);
            const double cy = std::clamp(at[k].y, b.y, b.y + b.height);
            if (std::hypot(at[k].x - cx, at[k].y - cy) < pointRadius + 1.0) return true;
            const LabelBox& o = boxes[k];
            if (placed[k] && b.x < o.x + o.width && o.x < b.x + b.width && b.y < o.y + o.height && o.y < b.y + b.height)
                return true;
        }
        return false;
    };
    for (std::size_t i : order) {
        if (i >= at.size() || placed[i]) continue;
        const double dx = at[i].x - plot.centreX, dy = at[i].y - plot.centreY;
        const double length = std::hypot(dx, dy);
        // Straight overhead any side will do: the right.
        const double ux = length < 1e-9 ? 1.0 : dx / length, uy = length < 1e-9 ? 0.0 : dy / length;
        const double w = sizes[i].first, h = sizes[i].second;
        // A box hanging off the point `distance` away in the direction
        // `turn` degrees clockwise from straight outwards, on the far side of
        // its anchor.
        auto boxAt = [&](double turn, double distance) {
            const double t = turn * kRadians;
            const double sx = ux * std::cos(t) - uy * std::sin(t), sy = ux * std::sin(t) + uy * std::cos(t);
            const double ax = at[i].x + sx * distance, ay = at[i].y + sy * distance;
            LabelBox b{0, 0, w, h, false};
            b.x = sx < -0.3 ? ax - w : sx > 0.3 ? ax : ax - w / 2;
            b.y = sy < -0.3 ? ay - h : sy > 0.3 ? ay : ay - h / 2;
            return b;
        };
        // Outwards first, then the other directions, then further away.
        LabelBox chosen = boxAt(0.0, pointRadius + 4);
        bool found = false;
        for (int step = 0; !found && step <= 6; ++step)
            for (double turn : {0.0, -45.0, 45.0, -90.0, 90.0, -135.0, 135.0, 180.0}) {
                const LabelBox b = boxAt(turn, pointRadius + 4 + step * h * 0.9);
                if (!overlaps(b)) {
                    chosen = b;
                    chosen.leader = step > 0;
                    found = true;
                    break;
                }
            }
        boxes[i] = chosen;
        placed[i] = true;
    }
    return boxes;
}

std::string SkyAzimuthCaption(int gridOptions) {
    return std::string("Azimuth ") + AzimuthKindText(gridOptions);
}
