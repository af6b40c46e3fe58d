// Speed of the core: look angles, the geomagnetic model, the archive and sun
// outages.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/display/DragRecords.h"
#include "core/framework/File.h"
#include "core/geomag/GeomagModel.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/Satellite.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/satellites/SunOutage.h"
#include "core/workspace/Archive.h"
#include "core/workspace/DatabaseHost.h"

namespace {

void BM_LookAnglePair(benchmark::State& state) {
    float satLon = 60.0f;
    for (auto _ : state) {
        satLon = satLon > 140.0f ? 60.0f : satLon + 0.37f;
        LookAngleTexts texts = ComputeLookAngles(38.5f, 121.5f, 14.0f, satLon, 1);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_LookAnglePair);

void BM_DeclinationWithFileRead(benchmark::State& state) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(TILVEX_SOURCE_DIR) / "data");
    CGeomagModel model;
    for (auto _ : state)
        benchmark::DoNotOptimize(model.Declination(39.74f, -104.99f));
    std::filesystem::current_path(previous);
}
BENCHMARK(BM_DeclinationWithFileRead)->Unit(benchmark::kMicrosecond);

// Two coefficient files taken in turn: every call reads and parses its file,
// as every call did before the parsed file was kept.
void BM_DeclinationFileReadAndParsed(benchmark::State& state) {
    const std::filesystem::path shipped = std::filesystem::path(TILVEX_SOURCE_DIR) / "data" / "MagData.dat";
    const std::filesystem::path copy = std::filesystem::temp_directory_path() / "tilvex-bench-MagData.dat";
    std::filesystem::copy_file(shipped, copy, std::filesystem::copy_options::overwrite_existing);
    const std::string paths[] = {shipped.string(), copy.string()};
    int turn = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CGeomagModel::Compute(paths[turn ^= 1], 0.0f, 39.74f, -104.99f, 2026.0f));
    std::filesystem::remove(copy);
}
BENCHMARK(BM_DeclinationFileReadAndParsed)->Unit(benchmark::kMicrosecond);

std::vector<std::unique_ptr<CSatellite>> MakeSatellites(int count) {
    std::vector<std::unique_ptr<CSatellite>> list;
    for (int i = 0; i < count; ++i) {
        auto sat = std::make_unique<CSatellite>();
        sat->SetName("Satellite " + std::to_string(i));
        sat->SetSlot(static_cast<float>(i % 1800) / 10.0f);
        sat->SetWest(i % 2);
        sat->SetFlags(SAT_BAND_KU | SAT_REGION_AMERICAS);
        sat->SetComments("Operator and services of satellite " + std::to_string(i));
        list.push_back(std::move(sat));
    }
    return list;
}

const std::string& BenchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("tilvex-bench-" + std::to_string(::getpid()) + ".tdb"))
            .string();
    return path;
}

void BM_Store100kSatellites(benchmark::State& state) {
    auto list = MakeSatellites(100000);
    for (auto _ : state) {
        CFile file;
        file.Open(BenchFile(), CFile::modeWrite | CFile::modeCreate);
        CArchive ar(&file, CArchive::store);
        SerializeObjectList(ar, list);
        ar.Close();
        file.Close();
    }
}
BENCHMARK(BM_Store100kSatellites)->Unit(benchmark::kMillisecond);

void BM_Load100kSatellites(benchmark::State& state) {
    {
        auto list = MakeSatellites(100000);
        CFile file;
        file.Open(BenchFile(), CFile::modeWrite | CFile::modeCreate);
        CArchive ar(&file, CArchive::store);
        SerializeObjectList(ar, list);
        ar.Close();
    }
    for (auto _ : state) {
        std::vector<std::unique_ptr<CSatellite>> list;
        CFile file;
        file.Open(BenchFile(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        SerializeObjectList(ar, list);
        benchmark::DoNotOptimize(list.data());
    }
    std::filesystem::remove(BenchFile());
}
BENCHMARK(BM_Load100kSatellites)->Unit(benchmark::kMillisecond);

// A workspace of 10,000 names checked against 100,000 records.
void ValidateWorkspace(benchmark::State& state, bool rebuildIndex) {
    CDatabasesHost host;
    host.satellites.SetRecords(MakeSatellites(100000));
    CTilvexDoc doc(&host);
    doc.OnNewDocument();
    for (int i = 0; i < 10000; ++i) {
        CSatellite named;
        named.SetName("SATELLITE " + std::to_string(i * 10));
        doc.AddSatellite(&named, false);
    }
    for (auto _ : state) {
        if (rebuildIndex)
            host.satellites.NoteChanged();
        benchmark::DoNotOptimize(doc.ValidateSatellites(false));
    }
}
void BM_Validate10kNamesAgainst100k(benchmark::State& state) {
    ValidateWorkspace(state, false);
}
void BM_Validate10kNamesAgainst100kWithIndexBuild(benchmark::State& state) {
    ValidateWorkspace(state, true);
}
BENCHMARK(BM_Validate10kNamesAgainst100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Validate10kNamesAgainst100kWithIndexBuild)->Unit(benchmark::kMillisecond);

// A region folder of `count` satellites dropped on an empty workspace, each
// name checked against those already there (target: 250,000 in under 1 s).
void BM_AddRegionToWorkspace(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    CDatabasesHost host;
    host.satellites.SetRecords(MakeSatellites(count));
    DraggedRecords region;
    region.folder = true;
    for (const auto& sat : host.satellites.GetRecords())
        region.names.push_back(sat->GetName());
    for (auto _ : state) {
        state.PauseTiming();
        CTilvexDoc doc(&host);
        doc.OnNewDocument();
        state.ResumeTiming();
        benchmark::DoNotOptimize(DropSatellites(doc, host.satellites, region, nullptr));
    }
}
BENCHMARK(BM_AddRegionToWorkspace)->Arg(40000)->Arg(250000)->Unit(benchmark::kMillisecond);

// A whole year of sun outages for one site and satellite (target: under
// 50 ms), for a large and a small dish.
void BM_SunOutagesForAYear(benchmark::State& state) {
    const double dish = static_cast<double>(state.range(0)) / 100.0;
    std::size_t days = 0;
    for (auto _ : state) {
        const auto outages = ComputeSunOutages(39.74, 104.99, 101.0, 2026, dish, 12.0);
        days = outages.size();
        benchmark::DoNotOptimize(outages.data());
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_SunOutagesForAYear)->Arg(90)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
