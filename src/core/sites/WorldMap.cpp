#include "core/sites/WorldMap.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/sites/DataFile.h"

namespace {

constexpr std::string_view kFirstLine = "tilvex-world-map 1";

// The words of a line separated by single spaces, read one by one.
class Words {
public:
    explicit Words(std::string_view line) : m_rest(line) {}
    bool Next(std::string_view& word) {
        if (m_done)
            return false;
        const std::size_t space = m_rest.find(' ');
        word = m_rest.substr(0, space);
        if (space == std::string_view::npos)
            m_done = true;
        else
            m_rest.remove_prefix(space + 1);
        return !word.empty();
    }
    template <class Number>
    bool Next(Number& value) {
        std::string_view word;
        if (!Next(word))
            return false;
        const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        return ec == std::errc() && ptr == word.data() + word.size();
    }
    bool AtEnd() const { return m_done; }

private:
    std::string_view m_rest;
    bool m_done = false;
};

}  // namespace

bool CWorldMap::Load(const std::string& path, std::string* error) {
    std::string bytes;
    int osError = 0;
    if (!ReadDataFile(path, bytes, osError)) {
        m_lines.clear();
        if (error)
            *error = Format("%s: %s", path.c_str(), ErrorText(osError).c_str());
        return false;
    }
    return LoadText(bytes, path, error);
}

bool CWorldMap::LoadText(std::string_view text, const std::string& name, std::string* error) {
    m_lines.clear();
    std::size_t pos = 0, number = 0;
    std::string_view line;
    const auto next = [&] {
        if (pos >= text.size())
            return false;
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos = end + 1;
        ++number;
        return true;
    };
    const auto fail = [&](const char* what) {
        if (error)
            *error = Format("%s line %zu: %s", name.c_str(), number, what);
        m_lines.clear();
        return false;
    };
    if (!next() || line != kFirstLine)
        return fail("not a world map file (tilvex-world-map 1)");
    while (next() && !line.empty() && line[0] == '#') {
    }

    // A grid point (x, y) lies at (tx + x * sx, ty + y * sy).
    double sx = 0, sy = 0, tx = 0, ty = 0;
    std::string_view word;
    Words grid(line);
    if (!grid.Next(word) || word != "grid" || !grid.Next(sx) || !grid.Next(sy) || !grid.Next(tx) ||
        !grid.Next(ty) || !grid.AtEnd() || !std::isfinite(sx) || !std::isfinite(sy) || !std::isfinite(tx) ||
        !std::isfinite(ty) || sx <= 0 || sy <= 0)
        return fail("expected the grid: grid SX SY TX TY");
    std::size_t count = 0;
    Words header(next() ? line : std::string_view());
    if (!header.Next(word) || word != "lines" || !header.Next(count) || !header.AtEnd())
        return fail("expected the count of lines");
    if (count > text.size() / 8)
        return fail("more lines than the file can hold");

    m_lines.reserve(count);
    constexpr double kSlack = 1e-6;  // rounding at the edges of the world
    for (std::size_t i = 0; i < count; ++i) {
        if (!next())
            return fail("the file ends within the lines");
        Words words(line);
        MapLine out;
        std::size_t points = 0;
        if (!words.Next(word) || (word != "C" && word != "B"))
            return fail("expected C or B");
        out.kind = word == "C" ? MapLineKind::Coastline : MapLineKind::Border;
        if (!words.Next(points) || points < 2 || points > line.size() / 4)
            return fail("bad count of points");
        out.points.reserve(points);
        std::int64_t x = 0, y = 0;
        for (std::size_t k = 0; k < points; ++k) {
            std::int32_t dx = 0, dy = 0;
            if (!words.Next(dx) || !words.Next(dy))
                return fail("expected two whole numbers for each point");
            x += dx;
            y += dy;
            const double lon = tx + static_cast<double>(x) * sx, lat = ty + static_cast<double>(y) * sy;
            if (!(std::abs(lon) <= 180.0 + kSlack) || !(std::abs(lat) <= 90.0 + kSlack))
                return fail("a point outside the world");
            const MapPoint point{static_cast<float>(std::fmax(-180.0, std::fmin(180.0, lon))),
                                 static_cast<float>(std::fmax(-90.0, std::fmin(90.0, lat)))};
            if (k > 0 && std::abs(point.longitude - out.points.back().longitude) > 180.0f)
                return fail("a step across the antimeridian");
            out.points.push_back(point);
        }
        if (!words.AtEnd())
            return fail("more numbers than the points counted");
        m_lines.push_back(std::move(out));
    }
    if (next())
        return fail("more lines than counted");
    return true;
}
