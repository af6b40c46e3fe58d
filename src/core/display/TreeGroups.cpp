#include "core/display/TreeGroups.h"

#include <algorithm>

#include "core/framework/Cp1252.h"
#include "core/framework/StringTable.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"

template <class T>
void SortByName(std::vector<T*>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const T* a, const T* b) { return CompareNoCaseAZ(a->GetName(), b->GetName()) < 0; });
}
template void SortByName(std::vector<CSatellite*>&);
template void SortByName(std::vector<CLocation*>&);

namespace {
template <class T>
void SortGroups(std::vector<TreeGroup<T>>& groups, std::vector<T*>* ungrouped) {
    std::stable_sort(groups.begin(), groups.end(),
                     [](const auto& a, const auto& b) { return CompareNoCaseAZ(a.name, b.name) < 0; });
    for (auto& group : groups)
        SortByName(group.items);
    if (ungrouped)
        SortByName(*ungrouped);
}
}  // namespace

std::vector<TreeGroup<CSatellite>> SatelliteTreeGroups(const CSatelliteDatabase& database,
                                                       std::vector<CSatellite*>* ungrouped) {
    std::vector<TreeGroup<CSatellite>> groups;
    for (const auto& region : kSatelliteRegions)
        groups.push_back({LoadString(region.nameId), region.flag, {}});
    for (const auto& record : database.GetRecords()) {
        const int region = record->Region();
        auto it =
            std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.region == region; });
        if (it != groups.end())
            it->items.push_back(record.get());
        else if (ungrouped)
            ungrouped->push_back(record.get());
    }
    SortGroups(groups, ungrouped);
    return groups;
}

std::vector<TreeGroup<CLocation>> LocationTreeGroups(const CLocationDatabase& database,
                                                     std::vector<CLocation*>* ungrouped) {
    std::vector<TreeGroup<CLocation>> groups;
    for (const auto& region : kLocationRegions)
        groups.push_back({LoadString(region.nameId), region.value, {}});
    for (const auto& record : database.GetRecords()) {
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&](const auto& g) { return g.region == record->GetRegion(); });
        if (it != groups.end())
            it->items.push_back(record.get());
        else if (ungrouped)
            ungrouped->push_back(record.get());
    }
    SortGroups(groups, ungrouped);
    return groups;
}
