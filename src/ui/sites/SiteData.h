// The gazetteer and the world map as the windows use them: each file read
// once per run and shared by every dialog that shows it, and the map's
// lines made into the shapes that the map view paints.
#pragma once

#include <QPainterPath>
#include <QString>
#include <memory>

class CGazetteer;
class CWorldMap;

// The world map's shapes in degrees: x is the longitude (East positive), y
// the latitude (North positive).
struct WorldMapShapes {
    QPainterPath land;        // the land, to be filled with the odd-even rule
    QPainterPath coastlines;  // open polylines
    QPainterPath borders;     // open polylines
};

// The shapes of a map.  The coastlines are joined end to end into the
// outlines of the land; an outline that the antimeridian cuts is closed
// along it, and one that runs round the world (Antarctica) along the pole.
WorldMapShapes MakeWorldMapShapes(const CWorldMap& map);

// The gazetteer read from `path`, read again only when `path` differs from
// the last one read; nothing, with the reason in `error`, when it cannot be
// read (a failure is not kept: the next call tries again).
std::shared_ptr<const CGazetteer> SharedGazetteer(const QString& path, QString* error);
// The same for the world map's shapes.
std::shared_ptr<const WorldMapShapes> SharedWorldMap(const QString& path, QString* error);

// A latitude or longitude as shown to the user: "69.6489° N", "18.9551° W".
QString LatitudeText(double latitude);
QString LongitudeText(double longitude);
