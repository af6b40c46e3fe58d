#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "core/orbits/OrbitRecords.h"

namespace {

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(OrbitRecordsTest, RecordsRoundTripThroughTheFile) {
    TempDir dir;
    const std::string path = (dir / kOrbitRecordsFile).string();
    COrbitRecords records;
    EXPECT_FALSE(records.Load(path));  // a missing file holds nothing
    EXPECT_TRUE(records.Records().empty());
    // A comma and an e acute (0xE9) in the name; "-Sat" looks like a formula.
    EXPECT_TRUE(records.Set({"Caf\xE9, Sat", 12345678, 3.4567, 2461378.25}));
    EXPECT_TRUE(records.Set({"-Sat", 7, 0.05, 2461000.5}));
    EXPECT_TRUE(records.Set({"CAF\xE9, SAT", 12345678, 4.0, 2461379.0}));  // the same satellite
    EXPECT_FALSE(records.Set({"Bad\nName", 1, 1.0, 2461000.0}));
    ASSERT_TRUE(records.Save(path));
    EXPECT_EQ(ReadText(dir / kOrbitRecordsFile),
              "name,catalogue,inclination,epoch\n"
              "\"CAF\xC3\xA9, SAT\",12345678,4.0000,2461379.00000\n"
              "'-Sat,7,0.0500,2461000.50000\n");

    COrbitRecords again;
    EXPECT_FALSE(again.Load(path));
    EXPECT_TRUE(again.Problems().empty());
    ASSERT_EQ(again.Records().size(), 2u);
    const OrbitRecord* cafe = again.Find("caf\xE9, sat");
    ASSERT_TRUE(cafe);
    EXPECT_EQ(cafe->catalogNumber, 12345678);
    EXPECT_DOUBLE_EQ(cafe->inclination, 4.0);
    EXPECT_DOUBLE_EQ(cafe->epoch, 2461379.0);
    ASSERT_TRUE(again.Find("-Sat"));
    EXPECT_FALSE(again.Find("Sat"));
}

TEST(OrbitRecordsTest, DamagedLinesAreNamedAndKept) {
    COrbitRecords records;
    records.LoadText(
        "name,catalogue,inclination,epoch\r\n"
        "Astra 1KR,29055,0.05,2461378.5\r\n"
        "Intelsat 901,26824,181,2461378.5\n"
        "Eutelsat 5 West B,44624\n"
        "\n"
        "ASTRA 1KR,29055,0.1,2461378.5\n"
        "\"Open,1,1,2461378.5\n"
        "Hot Bird 13G,54048,x,2461378.5\n"
        "Amazonas 3,37605,2.5,2461300\n");
    ASSERT_EQ(records.Records().size(), 2u);
    EXPECT_EQ(records.Records()[1].name, "Amazonas 3");
    std::vector<std::string> messages;
    for (const OrbitLineProblem& problem : records.Problems())
        messages.push_back(problem.message);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "orbits.csv line 3: the inclination must be from 0 to 180",
                            "orbits.csv line 4: expected name,catalogue,inclination,epoch",
                            "orbits.csv line 6: the satellite is named on an earlier line",
                            "orbits.csv line 7: a quote is not closed where the field ends",
                            "orbits.csv line 8: the inclination is not a number",
                        }));
    // Saving loses nothing: the refused lines follow the records.
    EXPECT_EQ(records.Text(),
              "name,catalogue,inclination,epoch\n"
              "Astra 1KR,29055,0.0500,2461378.50000\n"
              "Amazonas 3,37605,2.5000,2461300.00000\n"
              "Intelsat 901,26824,181,2461378.5\n"
              "Eutelsat 5 West B,44624\n"
              "ASTRA 1KR,29055,0.1,2461378.5\n"
              "\"Open,1,1,2461378.5\n"
              "Hot Bird 13G,54048,x,2461378.5\n");
}
