// Speed of the site finders: reading the gazetteer and the world map, and a
// search of the gazetteer (under 5 ms a query for its 135,000 places).
#include <benchmark/benchmark.h>

#include <string>

#include "core/sites/Gazetteer.h"
#include "core/sites/WorldMap.h"

namespace {

const std::string kData = std::string(TILVEX_SOURCE_DIR) + "/data/";

void BM_GazetteerLoad(benchmark::State& state) {
    for (auto _ : state) {
        CGazetteer gazetteer;
        if (!gazetteer.Load(kData + CGazetteer::kFileName))
            state.SkipWithError("cannot read the gazetteer");
        benchmark::DoNotOptimize(gazetteer.GetSize());
    }
}
BENCHMARK(BM_GazetteerLoad)->Unit(benchmark::kMillisecond);

// A whole name, an accented one, a prefix, a single letter (the most
// matches), a part of names only, a country's places, nothing at all.
const char* const kQueries[][2] = {
    {"paris", ""}, {"Tromsø", ""},        {"san", ""},  {"a", ""},
    {"burg", ""},  {"springfield", "US"}, {"an", "IS"}, {"qxzqxz", ""},
};

void BM_FindPlace(benchmark::State& state) {
    static const CGazetteer gazetteer = [] {
        CGazetteer g;
        g.Load(kData + CGazetteer::kFileName);
        return g;
    }();
    if (gazetteer.GetSize() == 0)
        state.SkipWithError("cannot read the gazetteer");
    const auto& [query, country] = kQueries[state.range(0)];
    state.SetLabel(std::string(query) + (*country ? std::string(" in ") + country : ""));
    for (auto _ : state)
        benchmark::DoNotOptimize(gazetteer.Find(query, 10, country));
}
BENCHMARK(BM_FindPlace)->DenseRange(0, std::size(kQueries) - 1)->Unit(benchmark::kMicrosecond);

void BM_WorldMapLoad(benchmark::State& state) {
    for (auto _ : state) {
        CWorldMap map;
        if (!map.Load(kData + CWorldMap::kFileName))
            state.SkipWithError("cannot read the world map");
        benchmark::DoNotOptimize(map.GetLines().size());
    }
}
BENCHMARK(BM_WorldMapLoad)->Unit(benchmark::kMillisecond);

}  // namespace
