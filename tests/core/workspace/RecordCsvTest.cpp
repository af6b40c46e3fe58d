#include <gtest/gtest.h>

#include "core/workspace/RecordCsv.h"

TEST(RecordCsvTest, ParsesQuotedFieldsAndLineEnds) {
    const auto rows = ParseCsv("a,\"b, c\",\"say \"\"hi\"\"\"\r\n\n\"two\nlines\",,x\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"a", "b, c", "say \"hi\""}));
    EXPECT_EQ(rows[1].line, 3u);
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"two\nlines", "", "x"}));
    EXPECT_THROW(ParseCsv("a,\"open\n"), CsvError);
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a, \"b\""), "\"a, \"\"b\"\"\"");
}

TEST(RecordCsvTest, SatellitesRoundTripEveryField) {
    const std::string text =
        "name,slot,side,bands,region,comments\n"
        "Astra 1KR,19.2,E,Ku DBS,Europe,\"SES, Germany\"\n"
        "Odd One,0,W,C 8,IntelSat 512 2147483648,\n"
        "S\xC3\xA3o Sat,180,E,Ku,Asia,\xE2\x82\xAC and \xC3\xA9\n";
    const auto sats = SatellitesFromCsv(text);
    ASSERT_EQ(sats.size(), 3u);
    EXPECT_EQ(sats[0]->SignedLongitude(), -19.2f);
    EXPECT_EQ(sats[0]->GetFlags(), SAT_BAND_KU | SAT_BAND_DBS | SAT_REGION_EUROPE);
    EXPECT_EQ(sats[0]->GetComments(), "SES, Germany");
    EXPECT_EQ(static_cast<unsigned>(sats[1]->GetFlags()),
              SAT_BAND_C | 8u | SAT_REGION_INTELSAT | 512u | 0x80000000u);
    EXPECT_EQ(sats[2]->GetName(), "S\xE3o Sat");
    EXPECT_EQ(sats[2]->GetComments(), "\x80 and \xE9");

    const std::string again = SatellitesToCsv(sats);
    const auto back = SatellitesFromCsv(again);
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i]->GetName(), sats[i]->GetName());
        EXPECT_EQ(back[i]->GetSlot(), sats[i]->GetSlot());
        EXPECT_EQ(back[i]->IsWest(), sats[i]->IsWest());
        EXPECT_EQ(back[i]->GetFlags(), sats[i]->GetFlags());
        EXPECT_EQ(back[i]->GetComments(), sats[i]->GetComments());
    }
}

TEST(RecordCsvTest, LocationsRoundTripEveryField) {
    const std::string text =
        "name,latitude,longitude,magvar,region\n"
        "\"Denver, CO\",39.74N,104.99W,auto,North America\n"
        "Sydney,33.87S,151.21E,12.8E,South Pacific\n"
        "Nowhere,0N,0W,3W,Africa\n"
        "Tiny,0.0001N,1E,0.0001E,Europe\n"
        "Eastish,2N,2E,auto E,Asia\n";
    const auto locs = LocationsFromCsv(text);
    ASSERT_EQ(locs.size(), 5u);
    EXPECT_TRUE(locs[4]->IsMagVarAuto());
    EXPECT_EQ(locs[4]->IsMagVarWest(), 0);
    EXPECT_TRUE(locs[0]->IsMagVarAuto());
    EXPECT_EQ(locs[1]->SignedLatitude(), -33.87f);
    EXPECT_EQ(*locs[1]->SignedMagVar(), -12.8f);
    EXPECT_EQ(locs[1]->GetRegion(), LOC_REGION_SOUTH_PACIFIC);
    EXPECT_EQ(locs[2]->GetRegion(), LOC_REGION_AFRICA);
    // Small magnitudes are written as plain decimals, which read back.
    EXPECT_NE(LocationsToCsv(locs).find("Tiny,0.0001N,1E,0.0001E,Europe\n"), std::string::npos);
    EXPECT_EQ(LocationsToCsv(LocationsFromCsv(LocationsToCsv(locs))), LocationsToCsv(locs));
}

TEST(RecordCsvTest, RejectsWhatTheEditorsWouldRefuse) {
    const std::string header = "name,slot,side,bands,region,comments\n";
    const std::pair<std::string, const char*> bad[] = {
        {"Galaxy 19,97,W,Ku,Americas,\ngalaxy 19,97,W,Ku,Americas,\n", "line 3"},
        {std::string(31, 'N') + ",97,W,Ku,Americas,\n", "30 characters"},
        {"A,97,W,Ku,Americas," + std::string(256, 'c') + "\n", "255 characters"},
        {"A,97,W,X-band,Americas,\n", "X-band"},
        {"A,197,W,Ku,Americas,\n", "slot"},
        {"A,97,N,Ku,Americas,\n", "slot"},
        {"A,97,W,Ku\n", "expected 6 fields"},
        {",97,W,Ku,Americas,\n", "empty name"},
        {"A,97,W,,Americas,\n", "no band"},
        {"A,97,W,Ku,,\n", "no region"},
        {"A,97,W,Ku,Americas Europe,\n", "more than one region"},
        {"A,97,W,Ku,Americas,\xE4\xB8\xAD\n", "comments holds characters outside Windows-1252"},
        {"Ok,97,W,Ku,Americas,\nB\xE9,97,W,Ku,Americas,\n", "line 3: the text is not UTF-8"},
        {"Ok,97,W,Ku,Americas,\n\xC0\x80,97,W,Ku,Americas,\n", "line 3: the text is not UTF-8"},
        {"Ok,97,W,Ku,Americas,\nA\x1B[2J,97,W,Ku,Americas,\n",
         "line 3: the name holds a control character (U+001B)"},
        {"A,97,W,Ku,Americas,bell\x07\n", "line 2: the comments holds a control character (U+0007)"},
        {"\"A\xC2\x9B\",97,W,Ku,Americas,\n", "the name holds a control character (U+009B)"},
    };
    for (const auto& [rows, fragment] : bad) {
        SCOPED_TRACE(rows);
        try {
            SatellitesFromCsv(header + rows);
            ADD_FAILURE() << "accepted";
        } catch (const CsvError& e) {
            EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(SatellitesFromCsv("name,slot\n"), CsvError);
    EXPECT_THROW(LocationsFromCsv("name,latitude,longitude,magvar,region\nA,91N,0W,auto,\n"), CsvError);
    EXPECT_THROW(LocationsFromCsv("name,latitude,longitude,magvar,region\nA,1N,0W,auto,Atlantis\n"),
                 CsvError);
    EXPECT_THROW(LocationsFromCsv("name,latitude,longitude,magvar,region\nA,1N,0W,auto,\n"), CsvError);
    EXPECT_THROW(LocationsFromCsv("name,latitude,longitude,magvar,region\nA,1N,0W,auto,4096\n"), CsvError);
}

TEST(RecordCsvTest, ByteOrderMarkIsSkippedAndNulBytesAreNotWritten) {
    const auto sats = SatellitesFromCsv("\xEF\xBB\xBFname,slot,side,bands,region,comments\nA,1,W,Ku,Asia,\n");
    ASSERT_EQ(sats.size(), 1u);
    std::vector<std::unique_ptr<CSatellite>> records;
    records.push_back(std::make_unique<CSatellite>());
    records.back()->SetName("Ok");
    records.push_back(std::make_unique<CSatellite>());
    records.back()->SetName("Before");
    records.back()->SetComments(std::string("cut\0here", 8));
    try {
        SatellitesToCsv(records);
        ADD_FAILURE() << "written";
    } catch (const CsvError& e) {
        EXPECT_EQ(e.m_line, 2u);
        EXPECT_NE(e.m_message.find("NUL"), std::string::npos);
    }
}

// A name that a spreadsheet would run as a formula is written with an
// apostrophe in front, which the import takes away again; numbers and the
// program's own words are written as they are; line breaks and tabs stay
// allowed in comments.
TEST(RecordCsvTest, FormulaLikeTextIsNeutralisedAndReadBack) {
    const std::string text =
        "name,slot,side,bands,region,comments\n"
        "=HYPERLINK(\"x\"),97,W,Ku,Americas,@SUM(A1)\n"
        "-Minus,1,E,Ku,Europe,\"two\r\nlines\tand a tab\"\n"
        "'+Quoted,2,E,Ku,Europe,'plain\n";
    const auto sats = SatellitesFromCsv(text);
    ASSERT_EQ(sats.size(), 3u);
    const std::string written = SatellitesToCsv(sats);
    EXPECT_EQ(written,
              "name,slot,side,bands,region,comments\n"
              "\"'=HYPERLINK(\"\"x\"\")\",97,W,Ku,Americas,'@SUM(A1)\n"
              "'-Minus,1,E,Ku,Europe,\"two\r\nlines\tand a tab\"\n"
              "'+Quoted,2,E,Ku,Europe,'plain\n");
    const auto back = SatellitesFromCsv(written);
    EXPECT_EQ(back[0]->GetName(), "=HYPERLINK(\"x\")");
    EXPECT_EQ(back[0]->GetComments(), "@SUM(A1)");
    EXPECT_EQ(back[1]->GetName(), "-Minus");
    EXPECT_EQ(back[2]->GetName(), "+Quoted");
    EXPECT_EQ(back[2]->GetComments(), "'plain");
    EXPECT_EQ(SatellitesToCsv(back), written);
    // A name that starts with an apostrophe of its own keeps it.
    EXPECT_EQ(CsvTextField("'=x"), "''=x");
    EXPECT_EQ(CsvTextField("-12.5"), "'-12.5");
    EXPECT_EQ(CsvField("-12.5"), "-12.5");
}
