// Where the geostationary arc and the workspace's satellites lie in a site's
// sky, and where they fall on the sky view's polar plot: North (true or
// magnetic) at the top, azimuth clockwise, elevation 0 at the rim and 90 at
// the centre.  Full-precision pi and a spherical Earth of the equatorial
// radius; the grid's own texts are computed elsewhere and do not change.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CArcGridModel;
class CHorizonProfile;
class CSatellite;

// Radius of the geostationary orbit in Earth radii (42,164 km over the
// equatorial radius 6,378.137 km).
inline constexpr double kGeostationaryRadius = 42164.0 / 6378.137;

struct SkyDirection {
    double azimuth = 0.0;    // degrees clockwise from true North, [0, 360)
    double elevation = 0.0;  // degrees above the horizon; negative below it
};

// The direction of the satellite at signed slot `satLongitude` from the site
// (latitude North positive, longitudes West positive).
SkyDirection GeostationaryLookAngle(double latitude, double siteLongitude, double satLongitude);

// Points of the arc above the horizon, from its eastern end to its western
// end, about `count` of them (at least 2), both ends on the horizon.  Empty
// when no part of the arc rises (beyond about 81.3 degrees of latitude).
std::vector<SkyDirection> VisibleArc(double latitude, double siteLongitude, int count = 181);

// The polar plot: a circle of `radius` around (`centreX`, `centreY`), y
// growing downwards as on the screen.
struct PolarPlot {
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 1.0;
    // Magnetic variation (West positive) added to every azimuth when the plot
    // shows magnetic azimuths; 0 for true.
    double azimuthOffset = 0.0;

    struct Point {
        double x;
        double y;
    };
    Point Place(const SkyDirection& direction) const;
    // The sky direction at a plotted point (the inverse of Place).
    SkyDirection DirectionAt(double x, double y) const;
};

// One workspace satellite as the sky view draws it.
struct SkyPoint {
    CSatellite* satellite = nullptr;
    std::string label;  // the grid's name text (Windows-1252)
    SkyDirection direction;
    bool current = false;
};

// The satellites of the grid's rows (same filter and order) that are above
// the horizon of the grid's site, labelled as the grid labels them.
// `current` marks the workspace's current satellite.
std::vector<SkyPoint> SkyPoints(const CArcGridModel& grid, const CSatellite* current);

// The plotted points in a uniform grid of cells over the picture, so that
// the point under the mouse is found among its neighbours only.
class SkyPointIndex {
public:
    SkyPointIndex() = default;
    SkyPointIndex(std::vector<PolarPlot::Point> at, double width, double height);

    // The point nearest (x, y) within `reach`, the later one of two as near;
    // -1 when there is none.
    int Nearest(double x, double y, double reach) const;

private:
    std::vector<PolarPlot::Point> m_at;
    double m_cell = 1.0;
    int m_columns = 0, m_rows = 0;
    // The points of cell c are m_items[m_starts[c]] to m_items[m_starts[c + 1] - 1].
    std::vector<int> m_starts, m_items;
};

// Where the labels go: for each point (placed at `at[i]`, label of
// `sizes[i]` width and height) the nearest box, within `width` x `height`,
// that covers no point and no other label and whose line to its point
// crosses no other line and passes through no other label: beside the point
// away from the middle of the points, else below or above it reaching away
// from the middle, never further than SkyLabelReach.  `leader[i]` tells
// whether the box stands off far enough to need a line.  The label of point
// `first` (the current satellite) chooses first, then those of the
// outermost points; a label that finds no room stays unplaced (`shown`
// false).  Collisions are looked for among neighbours only, so that tens
// of thousands of points are placed in a moment.
struct LabelBox {
    double x = 0.0, y = 0.0, width = 0.0, height = 0.0;
    bool leader = false;
    bool shown = false;
};
std::vector<LabelBox> PlaceSkyLabels(const std::vector<PolarPlot::Point>& at,
                                     const std::vector<std::pair<double, double>>& sizes, double width,
                                     double height, double pointRadius, int first = -1);
// The farthest a label of `textHeight` stands from its point: its place
// beside the point and ten rows of its text further.
double SkyLabelReach(double textHeight, double pointRadius);
// A label's line runs from its point to the nearest point of its box.
PolarPlot::Point LeaderEnd(const LabelBox& box, const PolarPlot::Point& point);
// Whether two lines cross (touching at an end does not count).
bool LeadersCross(const PolarPlot::Point& a1, const PolarPlot::Point& a2, const PolarPlot::Point& b1,
                  const PolarPlot::Point& b2);

// The horizon's outline for the plot's silhouette: the horizon (points and
// obstacles together) at `samples` azimuths evenly round the circle from
// North, and on both sides of every point's azimuth and every obstacle's
// edges so that its steps stay sharp; in azimuth order, each azimuth in
// [0, 360).  Filled between the outline and the rim, it is what the horizon
// hides.
std::vector<SkyDirection> HorizonOutline(const CHorizonProfile& horizon, int samples = 360);

// "Azimuth (True)" or "Azimuth (Magnetic)" for the plot's caption.
std::string SkyAzimuthCaption(int gridOptions);
