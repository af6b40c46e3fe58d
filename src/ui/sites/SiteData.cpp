#include "ui/sites/SiteData.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "core/sites/Gazetteer.h"
#include "core/sites/WorldMap.h"
#include "ui/framework/QtText.h"

namespace {

using Key = std::pair<float, float>;

Key KeyOf(const MapPoint& point) {
    return {point.longitude, point.latitude};
}

// Joins the open coastlines into outlines: each step takes the unused line
// that begins or ends where the outline ends so far.
std::vector<std::vector<MapPoint>> JoinCoastlines(const std::vector<const MapLine*>& open) {
    std::multimap<Key, std::size_t> ends;  // end point -> line * 2 + (0 first point, 1 last point)
    for (std::size_t i = 0; i < open.size(); ++i) {
        ends.emplace(KeyOf(open[i]->points.front()), i * 2);
        ends.emplace(KeyOf(open[i]->points.back()), i * 2 + 1);
    }
    std::vector<bool> used(open.size(), false);
    const auto extend = [&](std::vector<MapPoint>& outline) {
        for (;;) {
            if (outline.size() > 2 && KeyOf(outline.front()) == KeyOf(outline.back()))
                return;
            bool found = false;
            const auto [first, last] = ends.equal_range(KeyOf(outline.back()));
            for (auto it = first; it != last && !found; ++it) {
                const std::size_t line = it->second / 2;
                if (used[line])
                    continue;
                used[line] = true;
                found = true;
                const std::vector<MapPoint>& points = open[line]->points;
                if (it->second % 2 == 0)
                    outline.insert(outline.end(), points.begin() + 1, points.end());
                else
                    outline.insert(outline.end(), points.rbegin() + 1, points.rend());
            }
            if (!found)
                return;
        }
    };
    std::vector<std::vector<MapPoint>> outlines;
    for (std::size_t i = 0; i < open.size(); ++i) {
        if (used[i])
            continue;
        used[i] = true;
        std::vector<MapPoint> outline = open[i]->points;
        extend(outline);
        if (KeyOf(outline.front()) != KeyOf(outline.back())) {
            // Started in the middle of an outline that does not close: the
            // other way too.
            std::reverse(outline.begin(), outline.end());
            extend(outline);
        }
        outlines.push_back(std::move(outline));
    }
    return outlines;
}

void AddPolyline(QPainterPath& path, const std::vector<MapPoint>& points) {
    path.moveTo(points.front().longitude, points.front().latitude);
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i].longitude, points[i].latitude);
}

template <typename T>
struct CachedFile {
    QString path;
    std::shared_ptr<const T> value;
};

}  // namespace

WorldMapShapes MakeWorldMapShapes(const CWorldMap& map) {
    WorldMapShapes shapes;
    std::vector<const MapLine*> open;
    for (const MapLine& line : map.GetLines()) {
        if (line.points.size() < 2)
            continue;
        if (line.kind == MapLineKind::Border) {
            AddPolyline(shapes.borders, line.points);
            continue;
        }
        AddPolyline(shapes.coastlines, line.points);
        if (KeyOf(line.points.front()) == KeyOf(line.points.back())) {
            AddPolyline(shapes.land, line.points);
            shapes.land.closeSubpath();
        } else {
            open.push_back(&line);
        }
    }
    for (std::vector<MapPoint>& outline : JoinCoastlines(open)) {
        const MapPoint head = outline.front();
        const MapPoint tail = outline.back();
        if (std::fabs(head.longitude - tail.longitude) > 180.0f) {
            // Round the world: closed along the pole on its side.
            const float pole = head.latitude + tail.latitude < 0.0f ? -90.0f : 90.0f;
            outline.push_back({tail.longitude, pole});
            outline.push_back({head.longitude, pole});
        }
        // Otherwise both ends lie on the antimeridian (or the outline is
        // closed already): the closing step runs along it.
        AddPolyline(shapes.land, outline);
        shapes.land.closeSubpath();
    }
    shapes.land.setFillRule(Qt::OddEvenFill);
    return shapes;
}

std::shared_ptr<const CGazetteer> SharedGazetteer(const QString& path, QString* error) {
    static CachedFile<CGazetteer> cache;
    if (!cache.value || cache.path != path) {
        auto gazetteer = std::make_shared<CGazetteer>();
        std::string reason;
        if (!gazetteer->Load(path.toStdString(), &reason)) {
            if (error)
                *error = QString::fromStdString(reason);
            return nullptr;
        }
        cache = {path, std::move(gazetteer)};
    }
    return cache.value;
}

std::shared_ptr<const WorldMapShapes> SharedWorldMap(const QString& path, QString* error) {
    static CachedFile<WorldMapShapes> cache;
    if (!cache.value || cache.path != path) {
        CWorldMap map;
        std::string reason;
        if (!map.Load(path.toStdString(), &reason)) {
            if (error)
                *error = QString::fromStdString(reason);
            return nullptr;
        }
        cache = {path, std::make_shared<const WorldMapShapes>(MakeWorldMapShapes(map))};
    }
    return cache.value;
}

namespace {
// Rounded first, so that the hemisphere is the one of the digits shown.
double Rounded(double degrees) {
    const double rounded = std::round(degrees * 1e4) / 1e4;
    return rounded == 0.0 ? 0.0 : rounded;
}
QString Digits(double rounded) {
    return QString::number(std::fabs(rounded), 'f', 4);
}
}  // namespace

QString LatitudeText(double latitude) {
    const double rounded = Rounded(latitude);
    return (rounded < 0.0 ? Tr("%1° S") : Tr("%1° N")).arg(Digits(rounded));
}

QString LongitudeText(double longitude) {
    const double rounded = Rounded(longitude);
    return (rounded < 0.0 ? Tr("%1° W") : Tr("%1° E")).arg(Digits(rounded));
}
