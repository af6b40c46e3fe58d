// A site's horizon: what the land, the trees and the buildings around a dish
// hide of the sky.  Angles are degrees: azimuths and bearings true, clockwise
// from North; elevations above the level horizon.
//
// The horizon is made of two kinds of entry:
//   - points (azimuth, elevation) joined by straight lines in azimuth order
//     around the whole circle, the last point joined to the first across
//     North.  One point is a level horizon at its elevation; no point at all
//     a flat horizon at 0 degrees.
//   - obstacles as one measures them on the roof: the bearing of the
//     obstacle's middle, its height above the dish and its distance from it
//     in metres, and the width it spans in degrees.  An obstacle raises the
//     horizon to atan(height / distance) from bearing - width / 2 to
//     bearing + width / 2, both ends included (it may reach across North).
// The horizon at an azimuth is the highest of the points' line there and
// every obstacle that covers it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The limits of the values an entry may take (the editors and the readers
// refuse others with the messages of HorizonPointError and
// HorizonObstacleError).  An azimuth or bearing of 360 is North and is kept
// as 0; negative ones and those above 360 are refused rather than guessed at.
inline constexpr double kHorizonMinElevation = -5.0;
inline constexpr double kHorizonMaxElevation = 90.0;
inline constexpr double kDefaultObstacleWidth = 10.0;

struct HorizonPoint {
    double azimuth = 0.0;
    double elevation = 0.0;
    bool operator==(const HorizonPoint&) const = default;
};

struct HorizonObstacle {
    double bearing = 0.0;
    double height = 0.0;                   // metres above the dish (negative: below it)
    double distance = 1.0;                 // metres, greater than 0
    double width = kDefaultObstacleWidth;  // degrees, greater than 0 and at most 360
    bool operator==(const HorizonObstacle&) const = default;

    // The elevation of its top seen from the dish: atan(height / distance).
    double Elevation() const;
    // Whether it covers `azimuth` (any value; taken modulo 360).
    bool Covers(double azimuth) const;
};

// Why a value cannot be used ("the elevation must be from -5 to 90"), or
// nothing when it can.  Values that are not finite numbers are refused.
std::optional<std::string> HorizonPointError(const HorizonPoint& point);
std::optional<std::string> HorizonObstacleError(const HorizonObstacle& obstacle);

// The shortest plain decimal (no exponent) that reads back as `value`, as
// the files keep the numbers: "4.2", "-0.5", "12"; never "-0".
std::string DecimalText(double value);

class CHorizonProfile {
public:
    // Adds an entry; refuses (and returns the reason for) one that the
    // Error functions above refuse.  Points are kept in azimuth order (360
    // becomes 0); points of equal azimuth stay in the order they were
    // added, so that two of them make a step: the horizon comes in at the
    // first one's elevation and goes on from the last one's.  Obstacles stay
    // in the order they were added.
    std::optional<std::string> AddPoint(HorizonPoint point);
    std::optional<std::string> AddObstacle(HorizonObstacle obstacle);
    // Remove entry `index` of Points() or Obstacles() (nothing for an index
    // past the end).
    void RemovePoint(std::size_t index);
    void RemoveObstacle(std::size_t index);
    void Clear();

    const std::vector<HorizonPoint>& Points() const { return m_points; }
    const std::vector<HorizonObstacle>& Obstacles() const { return m_obstacles; }
    // No points and no obstacles: the flat horizon, which a location without
    // a profile has too.
    bool IsEmpty() const { return m_points.empty() && m_obstacles.empty(); }

    // The elevation of the points' line at `azimuth` (any value; taken
    // modulo 360); at the azimuth of points themselves the highest of them.
    double ProfileAt(double azimuth) const;
    // The horizon at `azimuth`: the points' line or the highest obstacle
    // there, whichever is higher.  Logarithmic in the number of points,
    // linear in the number of obstacles.
    double HorizonAt(double azimuth) const;

    bool operator==(const CHorizonProfile&) const = default;

private:
    std::vector<HorizonPoint> m_points;  // in azimuth order
    std::vector<HorizonObstacle> m_obstacles;
};
