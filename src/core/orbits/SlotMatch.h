// Which satellite of the database each geostationary object of an elements
// file is, and the database's slots brought to where the satellites really
// are.
//
// Matching, done by MatchSatellites:
//   1. By name: an object and a satellite whose names fold to the same text
//      (FoldSatelliteName: letter case, spaces and hyphens ignored, so that
//      "AMC 21" is "AMC-21" and "ASTRA 1KR" is "Astra 1KR").  Objects are
//      taken in file order and each satellite goes to the first object that
//      names it.
//   2. By slot, for the objects and satellites the names left over: the
//      pairs whose slot lies within kSlotMatchTolerance of the object's
//      longitude, nearest first; each object and each satellite is taken at
//      most once (equal distances: the earlier object, then the earlier
//      satellite in database order).
// The result holds one SlotMatch per object, in the objects' order.  A
// window may then change any of them by hand (MatchByHand).
//
// Slots: CSatellite keeps a magnitude and a West flag (SignedLongitude is
// West positive); the objects' longitudes are East positive.  SatelliteEast
// converts, and every difference here is the object's longitude less the
// satellite's slot, East positive, in (-180, 180].
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/orbits/OrbitalElements.h"
#include "core/satellites/SatelliteDatabase.h"

inline constexpr double kSlotMatchTolerance = 0.5;  // degrees

// A name compared for matching: A to Z in lower case, spaces and hyphens
// dropped, every other byte kept ("Astra 1KR" and "ASTRA-1KR" -> "astra1kr").
std::string FoldSatelliteName(std::string_view name);

// The slot of a satellite, East positive (in (-180, 180]).
double SatelliteEast(const CSatellite& satellite);
// The object's longitude less the satellite's slot, East positive.
double SlotDifference(const GeoObject& object, const CSatellite& satellite);

enum class MatchKind {
    None,  // no satellite
    Name,  // the folded names are equal
    Slot,  // the nearest slot within kSlotMatchTolerance
    Hand,  // chosen by the user
};

struct SlotMatch {
    const CSatellite* satellite = nullptr;  // a record of the database; null for none
    MatchKind kind = MatchKind::None;
};

// One match per object (in its order) against the records of `database`.
// The pointers stay valid while the database keeps its records.
std::vector<SlotMatch> MatchSatellites(const std::vector<GeoObject>& objects,
                                       const CSatelliteDatabase& database);

// Matches object `object` to `satellite` by hand (null: to none).  A
// satellite is matched to one object at most: another object that had it is
// left with none.  Does nothing for an object index out of range.
void MatchByHand(std::vector<SlotMatch>& matches, std::size_t object, const CSatellite* satellite);

// A difference above this many degrees is worth an update: the rows the
// import offers checked.
inline constexpr double kSlotUpdateThreshold = 0.05;
// One entry per object: true where the object has a satellite whose slot
// differs from the object's longitude by more than kSlotUpdateThreshold
// (the difference taken as DifferenceText shows it, to 0.01 degree).
// The window's first choice of updates; ApplySlotUpdates takes it.
std::vector<bool> DefaultSlotUpdates(const std::vector<GeoObject>& objects,
                                     const std::vector<SlotMatch>& matches);

// Above this inclination (degrees) a satellite's orbit is called inclined:
// seen from the ground it swings north and south each day by as much.
inline constexpr double kInclinedOrbitLimit = 1.0;
// "inclined orbit: moves ±3.5° north and south each day; a fixed dish may
// lose it" (Windows-1252) for an inclination above kInclinedOrbitLimit, else
// empty: the note of the satellite's details and the info pane.
std::string InclinedOrbitNote(double inclination);

// The object's slot as the database would keep it: its longitude rounded to
// 0.01 degree, West when it lies West of Greenwich.
struct SlotValue {
    float slot = 0.0f;
    int west = 0;
};
SlotValue SlotOfLongitude(double eastLongitude);

// Replaces the slot of every matched satellite of `database` with where its
// object stands (SlotOfLongitude), for the objects whose entry of `chosen`
// is true (every matched one when `chosen` is empty or shorter).  Satellites
// whose slot already is that value are left alone.  Returns how many slots
// changed; tells the database of the change when any did.  `matches` must
// hold records of this database (as MatchSatellites makes them).
std::size_t ApplySlotUpdates(CSatelliteDatabase& database, const std::vector<GeoObject>& objects,
                             const std::vector<SlotMatch>& matches, const std::vector<bool>& chosen = {});
