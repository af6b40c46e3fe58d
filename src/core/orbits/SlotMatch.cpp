#include "core/orbits/SlotMatch.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/framework/Format.h"

std::string FoldSatelliteName(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (char c : name) {
        if (c == ' ' || c == '-')
            continue;
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

double SatelliteEast(const CSatellite& satellite) {
    return WrapDegrees180(-static_cast<double>(satellite.SignedLongitude()));
}

double SlotDifference(const GeoObject& object, const CSatellite& satellite) {
    return WrapDegrees180(object.longitude - SatelliteEast(satellite));
}

std::vector<SlotMatch> MatchSatellites(const std::vector<GeoObject>& objects,
                                       const CSatelliteDatabase& database) {
    std::vector<SlotMatch> matches(objects.size());
    const auto& records = database.GetRecords();
    std::vector<bool> taken(records.size(), false);

    // Names: the satellites by folded name, earliest first.
    std::unordered_map<std::string, std::vector<std::size_t>> byName;
    for (std::size_t s = 0; s < records.size(); ++s)
        byName[FoldSatelliteName(records[s]->GetName())].push_back(s);
    for (std::size_t o = 0; o < objects.size(); ++o) {
        const std::string folded = FoldSatelliteName(objects[o].elements.name);
        const auto it = byName.find(folded);
        if (it == byName.end() || folded.empty())
            continue;
        for (std::size_t s : it->second)
            if (!taken[s]) {
                taken[s] = true;
                matches[o] = {records[s].get(), MatchKind::Name};
                break;
            }
    }

    // Slots: every pair within the tolerance, nearest first.  The satellites
    // sorted by slot bound the search of each object to its neighbours.
    std::vector<std::pair<double, std::size_t>> bySlot;
    for (std::size_t s = 0; s < records.size(); ++s)
        if (!taken[s] && std::isfinite(records[s]->SignedLongitude()))
            bySlot.emplace_back(SatelliteEast(*records[s]), s);
    std::sort(bySlot.begin(), bySlot.end());
    struct Pair {
        double distance;
        std::size_t object;
        std::size_t satellite;
    };
    std::vector<Pair> pairs;
    for (std::size_t o = 0; o < objects.size() && !bySlot.empty(); ++o) {
        if (matches[o].satellite || !std::isfinite(objects[o].longitude))
            continue;
        // The window [longitude - tolerance, longitude + tolerance], wrapped.
        for (const double shift : {-360.0, 0.0, 360.0}) {
            const double low = objects[o].longitude + shift - kSlotMatchTolerance;
            auto it = std::lower_bound(bySlot.begin(), bySlot.end(), std::make_pair(low, std::size_t{0}));
            for (; it != bySlot.end() && it->first <= low + 2.0 * kSlotMatchTolerance; ++it) {
                const double distance = std::fabs(SlotDifference(objects[o], *records[it->second]));
                if (distance <= kSlotMatchTolerance)
                    pairs.push_back({distance, o, it->second});
            }
        }
    }
    std::sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
        if (a.distance != b.distance)
            return a.distance < b.distance;
        if (a.object != b.object)
            return a.object < b.object;
        return a.satellite < b.satellite;
    });
    for (const Pair& pair : pairs) {
        if (matches[pair.object].satellite || taken[pair.satellite])
            continue;
        taken[pair.satellite] = true;
        matches[pair.object] = {records[pair.satellite].get(), MatchKind::Slot};
    }
    return matches;
}

void MatchByHand(std::vector<SlotMatch>& matches, std::size_t object, const CSatellite* satellite) {
    if (object >= matches.size())
        return;
    if (satellite)
        for (SlotMatch& match : matches)
            if (match.satellite == satellite)
                match = {};
    matches[object] = satellite ? SlotMatch{satellite, MatchKind::Hand} : SlotMatch{};
}

std::vector<bool> DefaultSlotUpdates(const std::vector<GeoObject>& objects,
                                     const std::vector<SlotMatch>& matches) {
    std::vector<bool> chosen(objects.size(), false);
    for (std::size_t o = 0; o < objects.size() && o < matches.size(); ++o) {
        if (!matches[o].satellite)
            continue;
        // The difference as shown, to 0.01 degree: a slot kept as a float
        // (13.3 is 13.3000002) is not off by more than it shows.
        const double shown =
            std::round(std::fabs(SlotDifference(objects[o], *matches[o].satellite)) * 100.0) / 100.0;
        chosen[o] = shown > kSlotUpdateThreshold;
    }
    return chosen;
}

std::string InclinedOrbitNote(double inclination) {
    if (!(inclination > kInclinedOrbitLimit))
        return {};
    return Format("inclined orbit: moves \xB1%.1f\xB0 north and south each day; a fixed dish may lose it",
                  inclination);
}

SlotValue SlotOfLongitude(double eastLongitude) {
    const double rounded = std::round(WrapDegrees180(eastLongitude) * 100.0) / 100.0;
    SlotValue value;
    value.west = rounded < 0.0 ? 1 : 0;
    value.slot = static_cast<float>(std::fabs(rounded));
    return value;
}

std::size_t ApplySlotUpdates(CSatelliteDatabase& database, const std::vector<GeoObject>& objects,
                             const std::vector<SlotMatch>& matches, const std::vector<bool>& chosen) {
    std::size_t changed = 0;
    for (std::size_t o = 0; o < objects.size() && o < matches.size(); ++o) {
        if (!matches[o].satellite || (o < chosen.size() && !chosen[o]))
            continue;
        // The record is the database's own; find it to change it.
        for (const auto& record : database.GetRecords()) {
            if (record.get() != matches[o].satellite)
                continue;
            const SlotValue value = SlotOfLongitude(objects[o].longitude);
            if (record->GetSlot() != value.slot || record->IsWest() != value.west) {
                record->SetSlot(value.slot);
                record->SetWest(value.west);
                ++changed;
            }
            break;
        }
    }
    if (changed)
        database.NoteChanged();
    return changed;
}
