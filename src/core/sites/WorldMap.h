// The lines of the world map on which a site is picked: coastlines and the
// borders between countries (Natural Earth, 1:50m), in degrees.  Nothing
// here draws; the map's window projects and paints these lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class MapLineKind { Coastline, Border };

struct MapPoint {
    float longitude = 0.0f;  // degrees, East positive, -180 to 180
    float latitude = 0.0f;   // degrees, North positive, -90 to 90
};

// A polyline: its points joined in order.  No step between two points
// crosses the antimeridian.
struct MapLine {
    MapLineKind kind = MapLineKind::Coastline;
    std::vector<MapPoint> points;  // two or more
};

class CWorldMap {
public:
    // The map's file, in the data folder (data/world-map.txt, made by
    // data/sources/convert-world-map.js, which describes its form).
    static constexpr const char* kFileName = "world-map.txt";

    // Reads the file at `path` (a regular file of at most 16 MB), replacing
    // what was held.  On failure holds no line, returns false and, when
    // `error` is given, says why ("world-map.txt line 9: a point outside the world").
    bool Load(const std::string& path, std::string* error = nullptr);
    // The same from the file's text; `name` names it in messages.
    bool LoadText(std::string_view text, const std::string& name, std::string* error = nullptr);

    const std::vector<MapLine>& GetLines() const { return m_lines; }

private:
    std::vector<MapLine> m_lines;
};
