// How the two database trees group and order their records.
#pragma once

#include <string>
#include <vector>

class CSatellite;
class CLocation;
class CSatelliteDatabase;
class CLocationDatabase;

template <class T>
struct TreeGroup {
    std::string name;       // the region's name
    int region = 0;         // its flag or value
    std::vector<T*> items;  // alphabetical, letter case aside
};

// The four coverage regions in alphabetical order, each with its satellites
// (a record goes under the first region bit it holds).  Records without a
// region bit are returned in `ungrouped`.
std::vector<TreeGroup<CSatellite>> SatelliteTreeGroups(const CSatelliteDatabase& database,
                                                       std::vector<CSatellite*>* ungrouped);
// The seven location regions in alphabetical order, each with its locations.
// Locations whose region is not in the table are returned in `ungrouped`.
std::vector<TreeGroup<CLocation>> LocationTreeGroups(const CLocationDatabase& database,
                                                     std::vector<CLocation*>* ungrouped);

// Alphabetical order of names with the case of A to Z ignored; equal names
// keep their order.
template <class T>
void SortByName(std::vector<T*>& items);
