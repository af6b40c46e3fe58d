#include "core/horizon/HorizonProfile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

// [0, 360) for any finite angle.
double Circle(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a < 0.0)
        a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

bool IsDirection(double degrees) {
    return degrees >= 0.0 && degrees <= 360.0;
}

}  // namespace

std::string DecimalText(double value) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value + 0.0, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

double HorizonObstacle::Elevation() const {
    return std::atan2(height, distance) * kDegrees;
}

bool HorizonObstacle::Covers(double azimuth) const {
    return std::fabs(std::remainder(azimuth - bearing, 360.0)) <= width / 2.0;
}

std::optional<std::string> HorizonPointError(const HorizonPoint& point) {
    if (!IsDirection(point.azimuth))
        return "the azimuth must be from 0 to 360";
    if (!(point.elevation >= kHorizonMinElevation && point.elevation <= kHorizonMaxElevation))
        return "the elevation must be from -5 to 90";
    return std::nullopt;
}

std::optional<std::string> HorizonObstacleError(const HorizonObstacle& obstacle) {
    if (!IsDirection(obstacle.bearing))
        return "the bearing must be from 0 to 360";
    if (!std::isfinite(obstacle.height))
        return "the height must be a number of metres";
    if (!(obstacle.distance > 0.0) || !std::isfinite(obstacle.distance))
        return "the distance must be greater than 0";
    if (!(obstacle.width > 0.0 && obstacle.width <= 360.0))
        return "the width must be greater than 0 and at most 360";
    return std::nullopt;
}

std::optional<std::string> CHorizonProfile::AddPoint(HorizonPoint point) {
    if (auto error = HorizonPointError(point))
        return error;
    point.azimuth = Circle(point.azimuth);
    const auto at = std::upper_bound(m_points.begin(), m_points.end(), point.azimuth,
                                     [](double a, const HorizonPoint& p) { return a < p.azimuth; });
    m_points.insert(at, point);
    return std::nullopt;
}

std::optional<std::string> CHorizonProfile::AddObstacle(HorizonObstacle obstacle) {
    if (auto error = HorizonObstacleError(obstacle))
        return error;
    obstacle.bearing = Circle(obstacle.bearing);
    m_obstacles.push_back(obstacle);
    return std::nullopt;
}

void CHorizonProfile::RemovePoint(std::size_t index) {
    if (index < m_points.size())
        m_points.erase(m_points.begin() + static_cast<std::ptrdiff_t>(index));
}

void CHorizonProfile::RemoveObstacle(std::size_t index) {
    if (index < m_obstacles.size())
        m_obstacles.erase(m_obstacles.begin() + static_cast<std::ptrdiff_t>(index));
}

void CHorizonProfile::Clear() {
    m_points.clear();
    m_obstacles.clear();
}

double CHorizonProfile::ProfileAt(double azimuth) const {
    const std::size_t n = m_points.size();
    if (n == 0)
        return 0.0;
    if (n == 1)
        return m_points.front().elevation;
    azimuth = Circle(azimuth);
    const auto first = m_points.begin();
    const auto lo = std::lower_bound(first, m_points.end(), azimuth,
                                     [](const HorizonPoint& p, double a) { return p.azimuth < a; });
    const auto hi = std::upper_bound(lo, m_points.end(), azimuth,
                                     [](double a, const HorizonPoint& p) { return a < p.azimuth; });
    if (lo != hi)
        return std::max_element(
                   lo, hi,
                   [](const HorizonPoint& a, const HorizonPoint& b) { return a.elevation < b.elevation; })
            ->elevation;
    // Between the last point before and the first one after, around North.
    const HorizonPoint& before = hi == first ? m_points.back() : *(hi - 1);
    const HorizonPoint& after = hi == m_points.end() ? m_points.front() : *hi;
    const double from = hi == first ? before.azimuth - 360.0 : before.azimuth;
    const double to = hi == m_points.end() ? after.azimuth + 360.0 : after.azimuth;
    const double t = (azimuth - from) / (to - from);
    return before.elevation + t * (after.elevation - before.elevation);
}

double CHorizonProfile::HorizonAt(double azimuth) const {
    double horizon = ProfileAt(azimuth);
    for (const HorizonObstacle& obstacle : m_obstacles)
        if (obstacle.Covers(azimuth))
            horizon = std::max(horizon, obstacle.Elevation());
    return horizon;
}
