// Speed of the site survey: the clearance of every satellite of a grid over
// a detailed horizon (the grid does this on each refresh: far below one
// frame, 16 ms, for 1,000 satellites and a 360-point profile), and reading
// horizons.csv.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/horizon/Clearance.h"
#include "core/horizon/HorizonFile.h"

namespace {

// A point a degree, between 0 and 20 degrees, and three obstacles, one of
// them across North.
CHorizonProfile SurveyedRoof() {
    CHorizonProfile profile;
    for (int azimuth = 0; azimuth < 360; ++azimuth)
        profile.AddPoint({static_cast<double>(azimuth), 10.0 + 10.0 * std::sin(azimuth * 0.07)});
    profile.AddObstacle({355.0, 8.0, 12.0, 25.0});
    profile.AddObstacle({170.0, 4.0, 20.0});
    profile.AddObstacle({220.0, 15.0, 30.0, 40.0});
    return profile;
}

void BM_GridClearance(benchmark::State& state) {
    const CHorizonProfile profile = SurveyedRoof();
    const double edge = BeamEdgeDegrees(DishBeam{});
    // The satellites spread over the arc a site at 40N 100W sees.
    const int count = static_cast<int>(state.range(0));
    std::vector<float> slots;
    for (int i = 0; i < count; ++i)
        slots.push_back(20.0f + 160.0f * static_cast<float>(i) / static_cast<float>(count));
    for (auto _ : state) {
        int clear = 0;
        for (const float slot : slots)
            if (const auto margin = SatelliteClearance(profile, edge, 40.0f, 100.0f, slot);
                margin && IsClear(*margin))
                ++clear;
        benchmark::DoNotOptimize(clear);
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_GridClearance)->Arg(1000)->Unit(benchmark::kMicrosecond);

// 100 locations of 360 points and three obstacles each.
void BM_HorizonFileRead(benchmark::State& state) {
    CHorizonStore store;
    for (int i = 0; i < 100; ++i)
        store.SetProfile("Site " + std::to_string(i), SurveyedRoof());
    const std::string text = store.Text();
    for (auto _ : state) {
        CHorizonStore read;
        read.LoadText(text);
        benchmark::DoNotOptimize(read.Find("Site 99"));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
}
BENCHMARK(BM_HorizonFileRead)->Unit(benchmark::kMillisecond);

}  // namespace
