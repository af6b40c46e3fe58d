// Speed of importing orbital elements: a file of 600 geostationary objects
// (TLE, and the same as OMM CSV) read, their longitudes worked out and
// matched with the shipped satellite database, in well under 50 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/framework/Format.h"
#include "core/orbits/OrbitalElements.h"
#include "core/orbits/SlotMatch.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/RecordCsv.h"

namespace {

constexpr int kObjects = 600;

void LoadShippedDatabase(CSatelliteDatabase& database) {
    std::ifstream in(std::string(TILVEX_SOURCE_DIR) + "/data/satellites.csv", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    database.SetRecords(SatellitesFromCsv(text.str()));
}

std::string WithChecksum(std::string line) {
    int sum = 0;
    for (char c : line)
        sum += (c >= '0' && c <= '9') ? c - '0' : c == '-' ? 1 : 0;
    return line + static_cast<char>('0' + sum % 10);
}

// Every sixth object named as a satellite of the database, the others
// unknown and spread round the arc (so that the slots settle them).
void MakeFiles(const CSatelliteDatabase& database, std::string& tle, std::string& csv) {
    csv =
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,NORAD_CAT_ID\n";
    const auto& records = database.GetRecords();
    for (int i = 0; i < kObjects; ++i) {
        const std::string name = i % 6 == 0
                                     ? records[static_cast<std::size_t>(i / 6) % records.size()]->GetName()
                                     : Format("OBJECT %d", i);
        const double inclination = 0.01 * (i % 500);
        const double raan = std::fmod(7.3 * i, 360.0);
        const double anomaly = std::fmod(0.6 * i, 360.0);
        const double motion = 1.0027 + 0.00001 * (i % 7);
        tle += name + "\n";
        tle += WithChecksum(
            Format("1 %05dU 10001A   26335.%08d  .00000000  00000-0  00000+0 0  999", 30000 + i, i * 1000));
        tle += "\n";
        tle += WithChecksum(Format("2 %05d %8.4f %8.4f 0002000 %8.4f %8.4f %11.8f%5d", 30000 + i, inclination,
                                   raan, 10.0, anomaly, motion, 1));
        tle += "\n";
        csv += Format("%s,2010-001A,2026-12-01T%02d:00:00,%.8f,0.0002,%.4f,%.4f,10,%.4f,%d\n", name.c_str(),
                      i % 24, motion, inclination, raan, anomaly, 130000 + i);
    }
}

void ReadAndMatch(benchmark::State& state, bool asCsv) {
    CSatelliteDatabase database;
    LoadShippedDatabase(database);
    std::string tle;
    std::string csv;
    MakeFiles(database, tle, csv);
    const std::string& text = asCsv ? csv : tle;
    const double date = JulianDateOfCivil(2026, 12, 4);
    std::size_t matched = 0;
    for (auto _ : state) {
        const OrbitFile file = ReadOrbitalElements(text);
        const std::vector<GeoObject> objects = GeostationaryObjects(file.objects, date);
        const std::vector<SlotMatch> matches = MatchSatellites(objects, database);
        matched = 0;
        for (const SlotMatch& match : matches)
            matched += match.satellite != nullptr;
        if (objects.size() != kObjects)
            state.SkipWithError("not every object was read");
        benchmark::DoNotOptimize(matched);
    }
    state.counters["matched"] = static_cast<double>(matched);
    state.SetItemsProcessed(state.iterations() * kObjects);
}

void BM_OrbitsTle600(benchmark::State& state) {
    ReadAndMatch(state, false);
}
void BM_OrbitsCsv600(benchmark::State& state) {
    ReadAndMatch(state, true);
}
BENCHMARK(BM_OrbitsTle600)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrbitsCsv600)->Unit(benchmark::kMillisecond);

}  // namespace
