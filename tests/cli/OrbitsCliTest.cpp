// tilvex-cli orbits: one line per geostationary object of an elements file,
// matched with the satellite database of --data; --update writes the
// database with the matched slots replaced.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "cli/CliRun.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return std::string("'").append(path.string()).append("'");
}

void WriteDatabase(const std::filesystem::path& path) {
    CRecordDatabase<CSatellite> database(path.string());
    for (const auto& [name, slot, west] : {std::tuple{"Astra 1KR", 19.2f, 0}, std::tuple{"SES-1", 101.0f, 1},
                                           std::tuple{"Hot Bird 13G", 13.0f, 0}}) {
        auto satellite = std::make_unique<CSatellite>();
        satellite->SetName(name);
        satellite->SetSlot(slot);
        satellite->SetWest(west);
        database.Append(std::move(satellite));
    }
    ASSERT_TRUE(database.SaveDatabase());
}

}  // namespace

TEST(OrbitsCliTest, PrintsEachGeostationaryObjectAndUpdatesTheMatchedSlots) {
    TempDir dir;
    WriteDatabase(dir / "satdemo.tdb");
    // Astra by name, the unnamed inclined object by SES-1's slot; the ISS is
    // no geostationary object, and line 9 has a wrong checksum.
    WriteFileBytes(dir / "geo.tle",
                   "ASTRA 1KR\n"
                   "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9990\n"
                   "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345\n"
                   "1 A1234U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9999\n"
                   "2 A1234   3.5000  73.2500 0004000 270.5000 165.3099  1.00270000 12348\n"
                   "ISS (ZARYA)\n"
                   "1 25544U 98067A   08264.51782528 -.00002182  00000-0 -11606-4 0  2927\n"
                   "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537\n"
                   "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9991\n"
                   "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345\n");
    const std::string args =
        "orbits " + Quoted(dir / "geo.tle") + " --date 2026-12-04 --data " + Quoted(dir.Path());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "ASTRA 1KR\t29055\t19.21\u00B0E\t-0.009\u00B0/day\t0.05\u00B0\t3 d\tAstra 1KR 19.2\u00B0E "
        "(+0.01\u00B0)\n"
        "-\t101234\t101.30\u00B0W\t-0.014\u00B0/day\t3.50\u00B0\t3 d\tSES-1 101.0\u00B0W (-0.30\u00B0)\n");
    EXPECT_NE(run.err.find("geo.tle: line 9: wrong checksum"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("1 object not geostationary"), std::string::npos) << run.err;

    const CliRun update = RunCli(args + " --update -o " + Quoted(dir / "new.tdb"));
    EXPECT_EQ(update.status, 0) << update.err;
    EXPECT_EQ(update.out, run.out);
    std::vector<std::unique_ptr<CSatellite>> records;
    ASSERT_EQ(CRecordDatabase<CSatellite>::ReadRecords((dir / "new.tdb").string(), records),
              CRecordDatabase<CSatellite>::LoadResult::Loaded);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]->SlotText(),
              "19.2\xB0"
              "E");
    EXPECT_FLOAT_EQ(records[0]->GetSlot(), 19.21f);
    EXPECT_FLOAT_EQ(records[1]->GetSlot(), 101.3f);
    EXPECT_EQ(records[1]->IsWest(), 1);
    EXPECT_FLOAT_EQ(records[2]->GetSlot(), 13.0f);

    for (const char* bad : {" --update", " -o x.tdb", " --date 2026-02-30"}) {
        const CliRun refused = RunCli(args + bad);
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_EQ(refused.out, "") << bad;
    }
}
