#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "ArchiveSupport.h"
#include "TestSupport.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

const std::string kSatCorrupted = "File satdemo.tdb missing or corrupted.\nOpening empty workspace.";
const std::string kLocCorrupted = "File locdemo.tdb missing or corrupted.\nOpening empty workspace.";

// A database folder as the working directory.
struct DatabaseFolder : ::testing::Test {
    TempDir dir;
    ScopedCwd cwd{dir.Path()};
};

}  // namespace

using SatelliteDatabaseTest = DatabaseFolder;
using LocationDatabaseTest = DatabaseFolder;

TEST_F(SatelliteDatabaseTest, FileLayoutAndRoundTrip) {
    CSatelliteDatabase db;
    ASSERT_TRUE(db.SaveDatabase());
    EXPECT_EQ(ReadFileBytes("satdemo.tdb"), std::string("\0\0", 2));

    db.Append(MakeSatellite("Galaxy 19"));
    db.Append(MakeSatellite("AMC 21", 125.0f));
    db.GetRecords().back()->SetComments(std::string(255, 'c'));
    ASSERT_TRUE(db.SaveDatabase());
    const std::string bytes = ReadFileBytes("satdemo.tdb");
    const std::string first = Bytes().u16(2).u16(0xFFFF).u16(1).u16(10).raw("CSatellite");
    EXPECT_EQ(bytes.substr(0, first.size()), first);
    const std::string second = Bytes().u16(0x8001).str("AMC 21");
    EXPECT_NE(bytes.find(second), std::string::npos);
    EXPECT_NE(bytes.find(Bytes().u8(0xFF).u16(255).raw(std::string(255, 'c')).s()), std::string::npos);

    MessageCapture messages;
    CSatelliteDatabase loaded;
    EXPECT_EQ(loaded.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    ASSERT_EQ(loaded.GetSize(), 2u);
    EXPECT_EQ(loaded.GetRecords()[1]->GetName(), "AMC 21");
    ASSERT_TRUE(loaded.SaveDatabase());
    EXPECT_EQ(ReadFileBytes("satdemo.tdb"), bytes);
    EXPECT_TRUE(messages.Texts().empty());

    // An empty database file loads without a message.
    WriteFileBytes("satdemo.tdb", std::string("\0\0", 2));
    EXPECT_EQ(loaded.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    EXPECT_TRUE(loaded.IsEmpty());
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(SatelliteDatabaseTest, LoadFailures) {
    CSatelliteDatabase db;
    db.Append(MakeSatellite("Kept"));
    {
        MessageCapture messages;
        EXPECT_EQ(db.LoadDatabase(), CSatelliteDatabase::LoadResult::CannotOpen);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to open satdemo.tdb"});
        EXPECT_EQ(db.GetSize(), 1u);  // a missing file leaves the list as it was
    }
    const std::string oneRecord =
        Bytes().u16(1).u16(0xFFFF).u16(1).u16(10).raw("CSatellite").str("A").f32(1).i32(1).i32(33).str("");
    const std::pair<const char*, std::string> corrupt[] = {
        {"zero bytes", ""},
        {"truncated", oneRecord.substr(0, oneRecord.size() - 3)},
        {"schema 2", Bytes().u16(1).u16(0xFFFF).u16(2).u16(10).raw("CSatellite").s()},
        {"class name in another case", Bytes().u16(1).u16(0xFFFF).u16(1).u16(10).raw("CSATELLITE").s()},
        {"locations instead", Bytes().u16(1).u16(0xFFFF).u16(1).u16(9).raw("CLocation").s()},
        {"null entry", Bytes().u16(1).u16(0).s()},
    };
    for (const auto& [what, bytes] : corrupt) {
        SCOPED_TRACE(what);
        WriteFileBytes("satdemo.tdb", bytes);
        db.Append(MakeSatellite("Stale"));
        MessageCapture messages;
        EXPECT_EQ(db.LoadDatabase(), CSatelliteDatabase::LoadResult::Corrupted);
        EXPECT_TRUE(db.IsEmpty());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{kSatCorrupted});
    }
}

TEST_F(LocationDatabaseTest, CutInsideTheSecondRecordGivesAnEmptyDatabase) {
    CLocationDatabase db;
    db.Append(MakeLocation("Denver, CO"));
    db.Append(MakeLocation("Boise, ID"));
    ASSERT_TRUE(db.SaveDatabase());
    const std::string bytes = ReadFileBytes("locdemo.tdb");
    EXPECT_EQ(bytes.substr(0, 2 + 6 + 9), Bytes().u16(2).u16(0xFFFF).u16(1).u16(9).raw("CLocation").s());
    const auto second = bytes.find(Bytes().u16(0x8001).s());
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(bytes.size() - second, 2 + 1 + 9 + 28u);

    WriteFileBytes("locdemo.tdb", bytes.substr(0, second + 8));
    MessageCapture messages;
    CLocationDatabase loaded;
    EXPECT_EQ(loaded.LoadDatabase(), CLocationDatabase::LoadResult::Corrupted);
    EXPECT_TRUE(loaded.IsEmpty());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kLocCorrupted});

    // Satellites in the location file are not locations.
    CSatelliteDatabase satellites;
    satellites.Append(MakeSatellite("Galaxy 19"));
    ASSERT_TRUE(satellites.SaveDatabase());
    std::filesystem::rename("satdemo.tdb", "locdemo.tdb");
    EXPECT_EQ(loaded.LoadDatabase(), CLocationDatabase::LoadResult::Corrupted);
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST_F(SatelliteDatabaseTest, FindIgnoresTheCaseOfAToZAndTakesTheFirst) {
    CSatelliteDatabase db;
    EXPECT_EQ(db.FindSatellite("Galaxy 19"), nullptr);
    db.Append(MakeSatellite("Galaxy 19"));
    db.Append(MakeSatellite("GALAXY 19"));
    db.Append(
        MakeSatellite("\xC9"
                      "cole"));
    EXPECT_EQ(db.FindSatellite("galaxy 19"), db.GetRecords()[0].get());
    EXPECT_EQ(db.FindSatellite("\xC9"
                               "COLE"),
              db.GetRecords()[2].get());
    EXPECT_EQ(db.FindSatellite("\xE9"
                               "cole"),
              nullptr);  // only A to Z fold

    // The index follows changes of the array and of names.
    db.Erase(db.GetRecords()[0].get());
    EXPECT_EQ(db.FindSatellite("galaxy 19"), db.GetRecords()[0].get());
    db.GetRecords()[0]->SetName("Galaxy 37");
    EXPECT_EQ(db.FindSatellite("galaxy 19"), nullptr);
    db.NoteChanged();
    EXPECT_EQ(db.FindSatellite("GALAXY 37"), db.GetRecords()[0].get());
    // Deleting one record and adding another keeps the count and the first
    // record: the index must not keep the deleted one (that would read freed
    // memory).
    EXPECT_EQ(db.FindSatellite("\xC9"
                               "cole"),
              db.GetRecords()[1].get());
    db.Erase(db.GetRecords()[1].get());
    db.Append(MakeSatellite("Replaced"));
    EXPECT_EQ(db.FindSatellite("\xC9"
                               "cole"),
              nullptr);
    EXPECT_EQ(db.FindSatellite("replaced"), db.GetRecords()[1].get());
}

// NaN or infinity in a record marks the file as damaged: nothing could sort,
// compare or show such a record soundly.
TEST_F(LocationDatabaseTest, RecordsHoldingNaNOrInfinityAreRefused) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (int field = 0; field < 3; ++field) {
        CLocationDatabase db;
        for (int i = 0; i < 3000; ++i) {
            auto loc = MakeLocation("Site " + std::to_string(i));
            const float value = bad[i % 3];
            if (field == 0)
                loc->SetLatitude(value);
            if (field == 1)
                loc->SetLongitude(value);
            if (field == 2)
                loc->SetMagVar(value);
            db.Append(std::move(loc));
        }
        ASSERT_TRUE(db.SaveDatabase());
        MessageCapture messages;
        CLocationDatabase loaded;
        EXPECT_EQ(loaded.LoadDatabase(), CLocationDatabase::LoadResult::Corrupted) << field;
        EXPECT_TRUE(loaded.IsEmpty());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{kLocCorrupted});
    }
    CSatelliteDatabase satellites;
    for (int i = 0; i < 3000; ++i) {
        auto sat = MakeSatellite("Bird " + std::to_string(i));
        sat->SetSlot(bad[i % 3]);
        satellites.Append(std::move(sat));
    }
    ASSERT_TRUE(satellites.SaveDatabase());
    MessageCapture messages;
    CSatelliteDatabase loaded;
    EXPECT_EQ(loaded.LoadDatabase(), CSatelliteDatabase::LoadResult::Corrupted);
    EXPECT_TRUE(loaded.IsEmpty());
}

// A file of the program ends with its last record: anything after it is not
// what the program wrote.
TEST_F(SatelliteDatabaseTest, BytesAfterTheLastRecordMarkTheFileDamaged) {
    CSatelliteDatabase db;
    db.Append(MakeSatellite("Galaxy 19"));
    ASSERT_TRUE(db.SaveDatabase());
    WriteFileBytes("satdemo.tdb", ReadFileBytes("satdemo.tdb") + "x");
    MessageCapture messages;
    CSatelliteDatabase loaded;
    EXPECT_EQ(loaded.LoadDatabase(), CSatelliteDatabase::LoadResult::Corrupted);
    EXPECT_TRUE(loaded.IsEmpty());
}
