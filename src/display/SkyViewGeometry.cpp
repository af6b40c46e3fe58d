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

PolarPlot::Point LeaderEnd(const LabelBox& box, const PolarPlot::Point& point) {
    return {std::clamp(point.x, box.x, box.x + box.width), std::clamp(point.y, box.y, box.y + box.height)};
}

namespace {

struct Segment {
    PolarPlot::Point a, b;
};

double Cross(const PolarPlot::Point& o, const PolarPlot::Point& a, const PolarPlot::Point& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double DistanceToBox(const PolarPlot::Point& p, const LabelBox& b) {
    const PolarPlot::Point q = LeaderEnd(b, p);
    return std::hypot(p.x - q.x, p.y - q.y);
}

double DistanceToSegment(const PolarPlot::Point& p, const Segment& s) {
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 <= 0.0 ? 0.0 : std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(p.x - (s.a.x + t * dx), p.y - (s.a.y + t * dy));
}

bool BoxesOverlap(const LabelBox& a, const LabelBox& b, double gap) {
    return a.x < b.x + b.width + gap && b.x < a.x + a.width + gap && a.y < b.y + b.height + gap &&
           b.y < a.y + a.height + gap;
}

// Whether any part of the segment lies inside the box grown by `gap`.
bool SegmentMeetsBox(const Segment& s, const LabelBox& b, double gap) {
    // Liang-Barsky: clip the segment's parameter range to the box's slabs.
    double t0 = 0.0, t1 = 1.0;
    const double d[2] = {s.b.x - s.a.x, s.b.y - s.a.y};
    const double from[2] = {s.a.x, s.a.y};
    const double low[2] = {b.x - gap, b.y - gap}, high[2] = {b.x + b.width + gap, b.y + b.height + gap};
    for (int axis = 0; axis < 2; ++axis) {
        if (std::abs(d[axis]) < 1e-12) {
            if (from[axis] < low[axis] || from[axis] > high[axis]) return false;
            continue;
        }
        double ta = (low[axis] - from[axis]) / d[axis], tb = (high[axis] - from[axis]) / d[axis];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

bool LeadersCross(const PolarPlot::Point& a1, const PolarPlot::Point& a2, const PolarPlot::Point& b1,
                  const PolarPlot::Point& b2) {
    const double d1 = Cross(b1, b2, a1), d2 = Cross(b1, b2, a2);
    const double d3 = Cross(a1, a2, b1), d4 = Cross(a1, a2, b2);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

namespace {

struct Layout {
    std::vector<LabelBox> boxes;
    int missed = 0;
    double farthest = 0.0, total = 0.0;
    bool BetterThan(const Layout& other) const {
        if (missed != other.missed) return missed < other.missed;
        if (std::abs(farthest - other.farthest) > 0.5) return farthest < other.farthest;
        return total < other.total - 1e-9;
    }
};

Layout PlaceAround(double middle, bool eitherWay, const std::vector<PolarPlot::Point>& at,
                   const std::vector<std::pair<double, double>>& sizes, double width, double height,
                   double pointRadius) {
    const std::size_t count = at.size();
    Layout layout;
    std::vector<LabelBox>& boxes = layout.boxes;
    boxes.resize(count);
    std::vector<Segment> leaders(count);
    std::vector<bool> placed(count, false);
    // A label this far from its point sits beside it; further away it needs
    // a line.
    const double beside = pointRadius + 3.0;

    // The labels reach away from `middle`: those of points left of it to
    // the left, the others to the right (or, `eitherWay`, towards it where
    // that is nearer).  They choose from the ends inwards,
    // so that each label's line runs down (or up) beside the labels chosen
    // before it, and each new label goes beyond them: lines stand side by
    // side and never cross.
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::abs(at[a].x - middle) > std::abs(at[b].x - middle);
    });

    // Whether label i may take box b: inside the plot's window, clear of
    // every point, every other label and every other label's line, and its
    // own line clear of the other labels, lines and points.
    auto fits = [&](std::size_t i, const LabelBox& b) {
        if (b.x < 0 || b.y < 0 || b.x + b.width > width || b.y + b.height > height) return false;
        const Segment line{at[i], LeaderEnd(b, at[i])};
        for (std::size_t k = 0; k < count; ++k) {
            if (DistanceToBox(at[k], b) < pointRadius + 1.0) return false;
            // The line passes clear of the other points, except those so
            // close to its own that their dots touch.
            if (k != i && std::hypot(at[k].x - at[i].x, at[k].y - at[i].y) > 2.0 * pointRadius &&
                DistanceToSegment(at[k], line) < pointRadius - 1.0)
                return false;
            if (!placed[k]) continue;
            if (BoxesOverlap(b, boxes[k], 1.0)) return false;
            if (SegmentMeetsBox(leaders[k], b, 1.0) || SegmentMeetsBox(line, boxes[k], 1.0)) return false;
            if (LeadersCross(line.a, line.b, leaders[k].a, leaders[k].b)) return false;
        }
        return true;
    };

    for (std::size_t i : order) {
        const double w = sizes[i].first, h = sizes[i].second;
        const bool right = at[i].x >= middle;
        // Beside the point, outwards; else below or above it, the box's
        // near end over the point, a row further for each label in the way.
        // Shifted outwards, lines slant.
        std::vector<LabelBox> candidates;
        const double outwards = right ? 1.0 : -1.0;
        const double sideX = right ? at[i].x + beside : at[i].x - beside - w;
        candidates.push_back({sideX, at[i].y - h / 2, w, h, false});
        for (int k = 1; k <= 4; ++k)
            for (double up : {-1.0, 1.0}) candidates.push_back({sideX, at[i].y - h / 2 + up * k * h / 2, w, h, false});
        for (int shift = eitherWay ? -1 : 0; shift <= 3; ++shift) {
            // One shift inwards reaches the other way.
            const double x = shift < 0 ? (right ? at[i].x + 2.0 - w : at[i].x - 2.0)
                                       : (right ? at[i].x - 2.0 : at[i].x + 2.0 - w) + outwards * shift * w / 4;
            for (int k = 0; k <= 40; ++k) {
                candidates.push_back({x, at[i].y + beside + k * h / 2, w, h, false});
                candidates.push_back({x, at[i].y - beside - h - k * h / 2, w, h, false});
            }
        }
        const LabelBox* best = nullptr;
        double bestDistance = 0.0;
        for (const LabelBox& b : candidates) {
            const double d = DistanceToBox(at[i], b);
            if (best && d >= bestDistance - 1e-9) continue;
            if (!fits(i, b)) continue;
            best = &b;
            bestDistance = d;
        }
        // Nowhere free (a window too small for the labels): beside the
        // point, over whatever is there.
        LabelBox chosen = best ? *best : candidates.front();
        if (!best) ++layout.missed;
        const double distance = DistanceToBox(at[i], chosen);
        layout.farthest = std::max(layout.farthest, distance);
        layout.total += distance;
        chosen.leader = distance > beside + 1.0;
        boxes[i] = chosen;
        leaders[i] = {at[i], LeaderEnd(chosen, at[i])};
        placed[i] = true;
    }
    return layout;
}

}  // namespace

std::vector<LabelBox> PlaceSkyLabels(const std::vector<PolarPlot::Point>& at,
                                     const std::vector<std::pair<double, double>>& sizes, double width,
                                     double height, double pointRadius) {
    if (at.empty()) return {};
    // Where the labels part: at the median point, at the quartiles, or
    // beyond either end (all reaching one way), each with and without the
    // labels' reaching back; the layout that places every label, with the
    // shortest longest line, wins.
    std::vector<double> xs;
    for (const auto& p : at) xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    const std::size_t n = xs.size();
    Layout best;
    bool first = true;
    for (bool eitherWay : {false, true})
        for (double middle : {xs[n / 2], xs[n / 4], xs[(3 * n) / 4], xs.front() - 1.0, xs.back() + 1.0}) {
            Layout layout = PlaceAround(middle, eitherWay, at, sizes, width, height, pointRadius);
            if (first || layout.BetterThan(best)) best = std::move(layout);
            first = false;
        }
    return best.boxes;
}

std::string SkyAzimuthCaption(int gridOptions) {
    return std::string("Azimuth ") + AzimuthKindText(gridOptions);
}
