#include "core/display/SkyViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <unordered_map>

#include "core/display/ArcGridModel.h"
#include "core/framework/Translate.h"
#include "core/horizon/HorizonProfile.h"
#include "core/satellites/Satellite.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

double Wrap360(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0)
        a += 360.0;
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
    if (!(c <= 1.0) || c <= 0.0)
        return {};
    const double reach = std::acos(c) / kRadians;
    count = std::max(count, 2);
    std::vector<SkyDirection> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double delta = reach - 2.0 * reach * i / (count - 1);
        SkyDirection p = LookAngleEast(latitude, delta);
        if (i == 0 || i == count - 1)
            p.elevation = 0.0;
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
        if (p.direction.elevation < 0.0)
            continue;
        p.label = grid.TextsFor(*satellite).name;
        p.current = satellite == current;
        points.push_back(std::move(p));
    }
    return points;
}

namespace {

// The cells of a uniform grid over the picture: the column or row of a
// coordinate, clamped to the grid.
struct Cells {
    double size = 1.0;
    int columns = 1, rows = 1;
    Cells() = default;
    Cells(double width, double height, double cell)
        : size(cell),
          columns(std::max(1, static_cast<int>(std::ceil(width / cell)))),
          rows(std::max(1, static_cast<int>(std::ceil(height / cell)))) {}
    int Column(double x) const {
        return static_cast<int>(std::clamp(std::floor(x / size), 0.0, columns - 1.0));
    }
    int Row(double y) const { return static_cast<int>(std::clamp(std::floor(y / size), 0.0, rows - 1.0)); }
    int Count() const { return columns * rows; }
};

// Cells of about two rows of text: a label meets a few of them.
constexpr double kCellSize = 24.0;

}  // namespace

SkyPointIndex::SkyPointIndex(std::vector<PolarPlot::Point> at, double width, double height)
    : m_at(std::move(at)) {
    const Cells cells(width, height, kCellSize);
    m_cell = cells.size;
    m_columns = cells.columns;
    m_rows = cells.rows;
    std::vector<int> cellOf(m_at.size());
    m_starts.assign(static_cast<std::size_t>(cells.Count()) + 1, 0);
    for (std::size_t i = 0; i < m_at.size(); ++i) {
        cellOf[i] = cells.Row(m_at[i].y) * m_columns + cells.Column(m_at[i].x);
        ++m_starts[static_cast<std::size_t>(cellOf[i]) + 1];
    }
    for (std::size_t c = 1; c < m_starts.size(); ++c)
        m_starts[c] += m_starts[c - 1];
    m_items.resize(m_at.size());
    std::vector<int> next(m_starts.begin(), m_starts.end() - 1);
    for (std::size_t i = 0; i < m_at.size(); ++i)
        m_items[static_cast<std::size_t>(next[static_cast<std::size_t>(cellOf[i])]++)] = static_cast<int>(i);
}

int SkyPointIndex::Nearest(double x, double y, double reach) const {
    if (m_at.empty())
        return -1;
    Cells cells;
    cells.size = m_cell;
    cells.columns = m_columns;
    cells.rows = m_rows;
    int best = -1;
    double bestDistance = reach;
    // Points outside the picture sit in its edge cells.
    for (int row = cells.Row(y - reach); row <= cells.Row(y + reach); ++row)
        for (int column = cells.Column(x - reach); column <= cells.Column(x + reach); ++column) {
            const std::size_t c = static_cast<std::size_t>(row * m_columns + column);
            for (int k = m_starts[c]; k < m_starts[c + 1]; ++k) {
                const int i = m_items[static_cast<std::size_t>(k)];
                const PolarPlot::Point& p = m_at[static_cast<std::size_t>(i)];
                const double d = std::hypot(p.x - x, p.y - y);
                if (d < bestDistance || (d == bestDistance && i > best)) {
                    best = i;
                    bestDistance = d;
                }
            }
        }
    return best;
}

PolarPlot::Point LeaderEnd(const LabelBox& box, const PolarPlot::Point& point) {
    return {std::clamp(point.x, box.x, box.x + box.width), std::clamp(point.y, box.y, box.y + box.height)};
}

namespace {
// How many rows of its text a label may stand further from its point than
// beside it: ten rows, as far as the lines of a few tens of satellites
// crowded on a short stretch of the arc must reach.
constexpr int kReachRows = 10;
}  // namespace

double SkyLabelReach(double textHeight, double pointRadius) {
    return pointRadius + 3.0 + kReachRows * textHeight;
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
    const double t =
        length2 <= 0.0 ? 0.0 : std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2, 0.0, 1.0);
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
            if (from[axis] < low[axis] || from[axis] > high[axis])
                return false;
            continue;
        }
        double ta = (low[axis] - from[axis]) / d[axis], tb = (high[axis] - from[axis]) / d[axis];
        if (ta > tb)
            std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
        if (t0 > t1)
            return false;
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

// A grid of cells over the picture, each listing the items (labels, or
// groups of points) whose extent meets it.
class CellLists {
public:
    CellLists(double width, double height) : m_cells(width, height, kCellSize), m_lists(m_cells.Count()) {}

    void Insert(int item, double x0, double y0, double x1, double y1) {
        for (int row = m_cells.Row(y0); row <= m_cells.Row(y1); ++row)
            for (int column = m_cells.Column(x0); column <= m_cells.Column(x1); ++column)
                m_lists[static_cast<std::size_t>(row * m_cells.columns + column)].push_back(item);
        if (static_cast<std::size_t>(item) >= m_seen.size())
            m_seen.resize(static_cast<std::size_t>(item) + 1, 0);
    }
    // Whether `hits` holds for an item listed in a cell that the rectangle
    // meets; each item is asked once.
    template <class Hits>
    bool Any(double x0, double y0, double x1, double y1, Hits hits) {
        ++m_stamp;
        for (int row = m_cells.Row(y0); row <= m_cells.Row(y1); ++row)
            for (int column = m_cells.Column(x0); column <= m_cells.Column(x1); ++column)
                for (int item : m_lists[static_cast<std::size_t>(row * m_cells.columns + column)]) {
                    unsigned& seen = m_seen[static_cast<std::size_t>(item)];
                    if (seen == m_stamp)
                        continue;
                    seen = m_stamp;
                    if (hits(item))
                        return true;
                }
        return false;
    }

private:
    Cells m_cells;
    std::vector<std::vector<int>> m_lists;
    std::vector<unsigned> m_seen;
    unsigned m_stamp = 0;
};

// Points that lie within half a pixel of each other (tens of satellites in
// one pixel of a crowded arc) are tested as one: the rectangle they span.
// A lone point's rectangle is the point itself, so the tests stay exact.
struct PointGroup {
    double x0, y0, x1, y1;
    PolarPlot::Point centre;
    double halfDiagonal;
    // The smallest label of a point of the group that found no room.
    double failedWidth = 1e300, failedHeight = 1e300;
};

struct PointGroups {
    std::vector<PointGroup> groups;
    std::vector<int> groupOf;  // for each point
    CellLists cells;

    PointGroups(const std::vector<PolarPlot::Point>& at, double width, double height) : cells(width, height) {
        std::unordered_map<std::uint64_t, int> byPixel;
        groupOf.resize(at.size());
        for (std::size_t i = 0; i < at.size(); ++i) {
            const auto qx = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(at[i].x * 2.0)));
            const auto qy = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(at[i].y * 2.0)));
            const auto [it, added] =
                byPixel.try_emplace((std::uint64_t{qy} << 32) | qx, static_cast<int>(groups.size()));
            if (added)
                groups.push_back({at[i].x, at[i].y, at[i].x, at[i].y, at[i], 0.0});
            PointGroup& g = groups[static_cast<std::size_t>(it->second)];
            g.x0 = std::min(g.x0, at[i].x);
            g.y0 = std::min(g.y0, at[i].y);
            g.x1 = std::max(g.x1, at[i].x);
            g.y1 = std::max(g.y1, at[i].y);
            groupOf[i] = it->second;
        }
        for (std::size_t k = 0; k < groups.size(); ++k) {
            PointGroup& g = groups[k];
            g.centre = {(g.x0 + g.x1) / 2, (g.y0 + g.y1) / 2};
            g.halfDiagonal = std::hypot(g.x1 - g.x0, g.y1 - g.y0) / 2;
            cells.Insert(static_cast<int>(k), g.x0, g.y0, g.x1, g.y1);
        }
    }
};

double GroupToBox(const PointGroup& g, const LabelBox& b) {
    const double dx = std::max({0.0, b.x - g.x1, g.x0 - (b.x + b.width)});
    const double dy = std::max({0.0, b.y - g.y1, g.y0 - (b.y + b.height)});
    return std::hypot(dx, dy);
}

struct Layout {
    std::vector<LabelBox> boxes;
    int missed = 0;
    double farthest = 0.0, total = 0.0;
    bool BetterThan(const Layout& other) const {
        if (missed != other.missed)
            return missed < other.missed;
        if (std::abs(farthest - other.farthest) > 0.5)
            return farthest < other.farthest;
        return total < other.total - 1e-9;
    }
};

Layout PlaceAround(double middle, bool eitherWay, int first, const std::vector<PolarPlot::Point>& at,
                   const std::vector<std::pair<double, double>>& sizes, double width, double height,
                   double pointRadius, PointGroups& points) {
    const std::size_t count = at.size();
    Layout layout;
    std::vector<LabelBox>& boxes = layout.boxes;
    boxes.resize(count);
    std::vector<Segment> leaders(count);
    CellLists placed(width, height);
    for (PointGroup& g : points.groups)
        g.failedWidth = g.failedHeight = 1e300;
    // A label this far from its point sits beside it; further away it needs
    // a line.
    const double beside = pointRadius + 3.0;

    // The labels reach away from `middle`: those of points left of it to
    // the left, the others to the right (or, `eitherWay`, towards it where
    // that is nearer).  They choose from the ends inwards,
    // so that each label's line runs down (or up) beside the labels chosen
    // before it, and each new label goes beyond them: lines stand side by
    // side and never cross.  The `first` label chooses before them all.
    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (static_cast<int>(b) == first)
            return false;
        if (static_cast<int>(a) == first)
            return true;
        return std::abs(at[a].x - middle) > std::abs(at[b].x - middle);
    });

    // Whether label i may take box b: inside the plot's window, clear of
    // every point, every other label and every other label's line, and its
    // own line clear of the other labels, lines and points.  Only the
    // neighbours in the cells around are asked.
    auto fits = [&](std::size_t i, const LabelBox& b) {
        if (b.x < 0 || b.y < 0 || b.x + b.width > width || b.y + b.height > height)
            return false;
        const Segment line{at[i], LeaderEnd(b, at[i])};
        const double x0 = std::min(b.x, at[i].x), y0 = std::min(b.y, at[i].y);
        const double x1 = std::max(b.x + b.width, at[i].x), y1 = std::max(b.y + b.height, at[i].y);
        if (placed.Any(x0 - 1, y0 - 1, x1 + 1, y1 + 1, [&](int item) {
                const auto k = static_cast<std::size_t>(item);
                return BoxesOverlap(b, boxes[k], 1.0) || SegmentMeetsBox(leaders[k], b, 1.0) ||
                       SegmentMeetsBox(line, boxes[k], 1.0) ||
                       LeadersCross(line.a, line.b, leaders[k].a, leaders[k].b);
            }))
            return false;
        const double clear = pointRadius + 1.0;
        if (points.cells.Any(
                b.x - clear, b.y - clear, b.x + b.width + clear, b.y + b.height + clear,
                [&](int g) { return GroupToBox(points.groups[static_cast<std::size_t>(g)], b) < clear; }))
            return false;
        // The line passes clear of the other points, except those so
        // close to its own that their dots touch.
        const double near = pointRadius - 1.0;
        if (near <= 0.0)
            return true;
        return !points.cells.Any(
            std::min(line.a.x, line.b.x) - near, std::min(line.a.y, line.b.y) - near,
            std::max(line.a.x, line.b.x) + near, std::max(line.a.y, line.b.y) + near, [&](int item) {
                const PointGroup& g = points.groups[static_cast<std::size_t>(item)];
                const double farthest = std::hypot(std::max(at[i].x - g.x0, g.x1 - at[i].x),
                                                   std::max(at[i].y - g.y0, g.y1 - at[i].y));
                if (farthest <= 2.0 * pointRadius)
                    return false;
                return DistanceToSegment(g.centre, line) - g.halfDiagonal < near;
            });
    };

    struct Candidate {
        LabelBox box;
        double distance, rank;
    };
    std::vector<Candidate> candidates;
    for (std::size_t i : order) {
        const double w = sizes[i].first, h = sizes[i].second;
        // A point among others whose label found no room finds none either.
        PointGroup& group = points.groups[static_cast<std::size_t>(points.groupOf[i])];
        if (w >= group.failedWidth && h >= group.failedHeight) {
            ++layout.missed;
            continue;
        }
        const bool right = at[i].x >= middle;
        // Beside the point, outwards; else below or above it, the box's
        // near end over the point, a row further for each label in the way.
        // Shifted outwards, lines slant.
        candidates.clear();
        const double reach = SkyLabelReach(h, pointRadius);
        auto offer = [&](const LabelBox& b) {
            const double d = DistanceToBox(at[i], b);
            if (d <= reach)
                candidates.push_back({b, d, 0.0});
        };
        const double outwards = right ? 1.0 : -1.0;
        const double sideX = right ? at[i].x + beside : at[i].x - beside - w;
        offer({sideX, at[i].y - h / 2, w, h});
        for (int k = 1; k <= 4; ++k)
            for (double up : {-1.0, 1.0})
                offer({sideX, at[i].y - h / 2 + up * k * h / 2, w, h});
        for (int shift = eitherWay ? -1 : 0; shift <= 3; ++shift) {
            // One shift inwards reaches the other way.
            const double x = shift < 0
                                 ? (right ? at[i].x + 2.0 - w : at[i].x - 2.0)
                                 : (right ? at[i].x - 2.0 : at[i].x + 2.0 - w) + outwards * shift * w / 4;
            for (int k = 0; k <= 2 * kReachRows; ++k) {
                offer({x, at[i].y + beside + k * h / 2, w, h});
                offer({x, at[i].y - beside - h - k * h / 2, w, h});
            }
        }
        // The nearest free box; of two as near (to a millionth of a
        // pixel), the one offered first.
        for (Candidate& c : candidates)
            c.rank = std::round(c.distance * 1e6);
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
        const Candidate* chosen = nullptr;
        for (const Candidate& c : candidates)
            if (fits(i, c.box)) {
                chosen = &c;
                break;
            }
        if (!chosen) {
            // No room near the point: it stays unlabelled.
            ++layout.missed;
            group.failedWidth = std::min(group.failedWidth, w);
            group.failedHeight = std::min(group.failedHeight, h);
            continue;
        }
        LabelBox& box = boxes[i];
        box = chosen->box;
        box.shown = true;
        box.leader = chosen->distance > beside + 1.0;
        layout.farthest = std::max(layout.farthest, chosen->distance);
        layout.total += chosen->distance;
        leaders[i] = {at[i], LeaderEnd(box, at[i])};
        placed.Insert(static_cast<int>(i), std::min(box.x, at[i].x), std::min(box.y, at[i].y),
                      std::max(box.x + box.width, at[i].x), std::max(box.y + box.height, at[i].y));
    }
    return layout;
}

// Up to this many points every way of parting the labels is tried; beyond
// it only the middle one, each way costing as much as the first.
constexpr std::size_t kTryEveryPartingUpTo = 500;

}  // namespace

std::vector<LabelBox> PlaceSkyLabels(const std::vector<PolarPlot::Point>& at,
                                     const std::vector<std::pair<double, double>>& sizes, double width,
                                     double height, double pointRadius, int first) {
    if (at.empty())
        return {};
    PointGroups points(at, width, height);
    // Where the labels part: at the median point, at the quartiles, or
    // beyond either end (all reaching one way), each with and without the
    // labels' reaching back; the layout that places most labels, with the
    // shortest longest line, wins.
    std::vector<double> xs;
    xs.reserve(at.size());
    for (const auto& p : at)
        xs.push_back(p.x);
    std::sort(xs.begin(), xs.end());
    const std::size_t n = xs.size();
    std::vector<std::pair<bool, double>> partings;
    if (n > kTryEveryPartingUpTo) {
        partings.emplace_back(true, xs[n / 2]);
    } else {
        for (bool eitherWay : {false, true})
            for (double middle : {xs[n / 2], xs[n / 4], xs[(3 * n) / 4], xs.front() - 1.0, xs.back() + 1.0})
                partings.emplace_back(eitherWay, middle);
    }
    Layout best;
    bool chosen = false;
    for (const auto& [eitherWay, middle] : partings) {
        Layout layout = PlaceAround(middle, eitherWay, first, at, sizes, width, height, pointRadius, points);
        if (!chosen || layout.BetterThan(best))
            best = std::move(layout);
        chosen = true;
    }
    return best.boxes;
}

std::vector<SkyDirection> HorizonOutline(const CHorizonProfile& horizon, int samples) {
    samples = std::max(samples, 4);
    std::vector<double> azimuths;
    azimuths.reserve(static_cast<std::size_t>(samples) + 3 * horizon.Points().size() +
                     6 * horizon.Obstacles().size());
    for (int i = 0; i < samples; ++i)
        azimuths.push_back(360.0 * i / samples);
    // A step (an obstacle's edge, two points of one azimuth) is drawn as a
    // nearly radial line between its two sides.
    constexpr double kSide = 1e-6;
    auto addStep = [&](double azimuth) {
        for (double a : {azimuth - kSide, azimuth, azimuth + kSide})
            azimuths.push_back(Wrap360(a));
    };
    for (const HorizonPoint& point : horizon.Points())
        addStep(point.azimuth);
    for (const HorizonObstacle& obstacle : horizon.Obstacles()) {
        if (obstacle.width >= 360.0)
            continue;
        addStep(obstacle.bearing - obstacle.width / 2.0);
        addStep(obstacle.bearing + obstacle.width / 2.0);
    }
    std::sort(azimuths.begin(), azimuths.end());
    azimuths.erase(std::unique(azimuths.begin(), azimuths.end()), azimuths.end());
    std::vector<SkyDirection> outline;
    outline.reserve(azimuths.size());
    for (double azimuth : azimuths)
        outline.push_back({azimuth, horizon.HorizonAt(azimuth)});
    return outline;
}

std::string SkyAzimuthCaption(int gridOptions) {
    return CoreTr("Azimuth ") + AzimuthKindText(gridOptions);
}
