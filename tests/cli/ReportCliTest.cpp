// tilvex-cli report: the grid's rows for one location or all of them, as a
// text table, CSV, JSON or PDF.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "TestSupport.h"
#include "cli/CliRun.h"
#include "core/display/ArcGridModel.h"
#include "core/reports/ReportOutput.h"
#include "core/workspace/DatabaseHost.h"
#include "platform/TestPlatform.h"

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return std::string("'").append(path.string()).append("'");
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// A data folder of two databases and a workspace "roof.wrk" with three
// satellites (one of them C band only) and three locations, the current one
// "Zenith Ridge"; and a settings file of its own.
class ReportCliTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string data = " --data " + Quoted(dir.Path());
    std::string workspace = " --workspace " + Quoted(dir / "roof.wrk");

    void SetUp() override {
        SetEnvironment("TILVEX_INI", (dir / "tilvex.INI").string());
        WriteFileBytes(dir / "locs.csv",
                       "name,latitude,longitude,magvar,region\n"
                       "Zenith Ridge,40N,100W,10E,North America\n"
                       "\"able, TX\",30N,97W,4E,North America\n"
                       "Mid Town,35N,90W,2W,North America\n");
        WriteFileBytes(dir / "sats.csv",
                       "name,slot,side,bands,region,comments\n"
                       "West Bird,123,W,Ku,Americas,\n"
                       "Centre Bird,97,W,Ku,Americas,\n"
                       "Only C,99,W,C,Americas,\n");
        ASSERT_EQ(
            RunCli("import-locations " + Quoted(dir / "locs.csv") + " -o " + Quoted(dir / "locdemo.tdb"))
                .status,
            0);
        ASSERT_EQ(
            RunCli("import-satellites " + Quoted(dir / "sats.csv") + " -o " + Quoted(dir / "satdemo.tdb"))
                .status,
            0);
        const CliRun made = RunCli("new-workspace " + Quoted(dir / "roof.wrk") +
                                   " --sat 'West Bird' --sat 'Centre Bird' --sat 'Only C'"
                                   " --loc 'Zenith Ridge' --loc 'Mid Town' --loc 'able, TX'" +
                                   data);
        ASSERT_EQ(made.status, 0) << made.err;
    }
    void TearDown() override { UnsetEnvironment("TILVEX_INI"); }

    // The workspace again with other grid options.
    void SaveWithOptions(const std::filesystem::path& path, int options) {
        ScopedCwd cwd(dir.Path());
        CDatabasesHost host;
        ASSERT_EQ(host.satellites.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
        ASSERT_EQ(host.locations.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
        CTilvexDoc doc(&host);
        ASSERT_TRUE(doc.OnOpenDocument((dir / "roof.wrk").string()));
        doc.SetGridOptions(options);
        ASSERT_TRUE(doc.OnSaveDocument(path.string()));
    }

    // "elevation\tazimuth" as the angles command gives them.
    static std::string Angles(const std::string& site) {
        const CliRun run = RunCli("angles " + site);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
};

}  // namespace

TEST_F(ReportCliTest, TextTableOfTheCurrentLocationListsTheGridRows) {
    const CliRun run = RunCli("report" + workspace + data);
    ASSERT_EQ(run.status, 0) << run.err;
    // Sorted by slot, the C-band satellite filtered out (a new workspace
    // lists all bands, so it is there).
    const std::string elevationAz97 = Angles("40N 100W 97W --magvar 10E --magnetic");
    const std::string el97 = elevationAz97.substr(0, elevationAz97.find('\t'));
    const std::string az97 = elevationAz97.substr(elevationAz97.find('\t') + 1,
                                                  elevationAz97.size() - elevationAz97.find('\t') - 2);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 10u) << run.out;
    EXPECT_EQ(lines[0], "Zenith Ridge");
    EXPECT_EQ(lines[1], "Site Latitude: 40.0\u00B0N");
    EXPECT_EQ(lines[2], "Site Longitude: 100.0\u00B0W");
    EXPECT_EQ(lines[3], "Magnetic Variation: 10.0\u00B0E");
    EXPECT_EQ(lines[4], "Workspace: roof");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Satellite    Azimuth (Magnetic)  Elevation");
    EXPECT_EQ(lines[7].substr(0, 13), "Centre Bird  ");
    EXPECT_EQ(lines[7], "Centre Bird  " + az97 + std::string(20 - az97.size() + 1, ' ') + el97);
    EXPECT_EQ(lines[8].substr(0, 6), "Only C");
    EXPECT_EQ(lines[9].substr(0, 9), "West Bird");
}

TEST_F(ReportCliTest, GridOptionsOfTheWorkspaceDecideRowsTextsAndAzimuth) {
    // Ku only, by name, true azimuth, the slot after the name.
    SaveWithOptions(dir / "named.wrk", GRID_KU | GRID_SHOW_SLOT);
    const CliRun run = RunCli("report --all --format csv --workspace " + Quoted(dir / "named.wrk") + data);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string az = Angles("35N 90W 97W --magvar 2W");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u) << run.out;
    EXPECT_EQ(
        lines[0],
        "Location,Latitude,Longitude,Magnetic Variation,Satellite,Slot,Azimuth (True),Elevation,LNB Skew,"
        "Latitude (degrees north),Longitude (degrees east),Magnetic Variation (degrees east),"
        "Slot (degrees east),Azimuth True (degrees),Elevation (degrees),LNB Skew (degrees clockwise)");
    // Locations as the location list orders them, letter case aside.
    EXPECT_EQ(lines[1].rfind("\"able, TX\",30.0\u00B0N,97.0\u00B0W,4.0\u00B0E,", 0), 0u) << lines[1];
    const std::string skew = Angles("35N 90W 97W --skew");
    const std::string azimuth = az.substr(az.find('\t') + 1, az.size() - az.find('\t') - 2);
    const std::string elevation = az.substr(0, az.find('\t'));
    const std::string skewText = skew.substr(skew.rfind('\t') + 1, skew.size() - skew.rfind('\t') - 2);
    // "192.1°" counts as 192.1 (the degree sign is two bytes in UTF-8).
    auto number = [](const std::string& angle) { return angle.substr(0, angle.size() - 2); };
    EXPECT_EQ(lines[3], "Mid Town,35.0\u00B0N,90.0\u00B0W,2.0\u00B0W,Centre Bird  97\u00B0W,97.0\u00B0W," +
                            azimuth + "," + elevation + "," + skewText + ",35,-90,-2.0,-97," +
                            number(azimuth) + "," + number(elevation) + "," + number(skewText));
    EXPECT_EQ(lines[4].rfind("Mid Town,35.0\u00B0N,90.0", 0), 0u) << lines[4];
    EXPECT_NE(lines[4].find(",West Bird  123\u00B0W,"), std::string::npos);
    EXPECT_EQ(lines[5].substr(0, 12), "Zenith Ridge");
}

TEST_F(ReportCliTest, JsonForOneNamedLocationAndTheSettingsWorkspace) {
    // Without --workspace: the last workspace of the settings file.
    SaveWithOptions(dir / "last.wrk", GRID_KU | GRID_MAGNETIC | GRID_SORT_BY_SLOT);
    WriteFileBytes(dir / "tilvex.INI", "[Recent File List]\nFile1=" + (dir / "last.wrk").string() + "\n");
    const CliRun run = RunCli("report --location 'mid town' --format json" + data);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string az = Angles("35N 90W 97W --magvar 2W --magnetic");
    EXPECT_EQ(run.out,
              "{\"workspace\": \"last\", \"azimuth\": \"magnetic\", \"locations\": [\n"
              "  {\"name\": \"Mid Town\", \"latitude\": \"35.0\u00B0N\", \"longitude\": \"90.0\u00B0W\", "
              "\"magneticVariation\": \"2.0\u00B0W\", \"rows\": [\n"
              "    {\"satellite\": \"Centre Bird\", \"azimuth\": \"" +
                  az.substr(az.find('\t') + 1, az.size() - az.find('\t') - 2) + "\", \"elevation\": \"" +
                  az.substr(0, az.find('\t')) + "\"},\n" + "    " + Lines(run.out)[3].substr(4) + "\n" +
                  "  ]}\n]}\n");
    EXPECT_NE(Lines(run.out)[3].find("\"West Bird\""), std::string::npos);
}

TEST_F(ReportCliTest, FailuresAreNamedAndLeaveNoFileBehind) {
    const std::filesystem::path out = dir / "report.txt";
    WriteFileBytes(out, "old");
    struct Case {
        std::string args;
        int status;
        std::string named;
    };
    const Case cases[] = {
        {"report --location Nowhere -o " + Quoted(out) + workspace + data, 1, "Nowhere"},
        {"report --workspace " + Quoted(dir / "absent.wrk") + " -o " + Quoted(out) + data, 1, "absent.wrk"},
        {"report -o " + Quoted(dir / "no" / "such" / "folder.txt") + workspace + data, 1, "folder.txt"},
        {"report --format html" + workspace + data, 2, "html"},
        {"report --all --location 'Mid Town'" + workspace + data, 2, "--all"},
        {"report --format pdf" + workspace + data, 2, "-o FILE"},
        {"report extra" + workspace + data, 2, "0 arguments"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
    }
    // The old file stays as it was, and nothing else was written.
    EXPECT_EQ(ReadFileBytes(out), "old");
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 6u);  // the two CSV sources, the two databases, the workspace, report.txt
}

TEST_F(ReportCliTest, PdfOfAllLocationsHoldsTheHeadersAndEveryRow) {
    const std::filesystem::path pdf = dir / "all.pdf";
    const CliRun run = RunCli("report --all --format pdf --size 12 -o " + Quoted(pdf) + workspace + data);
    if (run.status == 1 && run.err.find("not available") != std::string::npos)
        GTEST_SKIP() << "this tilvex-cli draws no PDF: " << run.err;
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(ReadFileBytes(pdf).substr(0, 5), "%PDF-");
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    const std::string text = [&] {
        const CliRun csv = RunCli("report --all --format csv" + workspace + data);
        EXPECT_EQ(csv.status, 0);
        return csv.out;
    }();
    TempDir scratch;
    ASSERT_EQ(std::system(("pdftotext -layout " + Quoted(pdf) + " " + Quoted(scratch / "all.txt")).c_str()),
              0);
    const std::string printed = ReadFileBytes(scratch / "all.txt");
    // One page a location, in the list's order, each with its header.
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\f'), 3);
    const std::size_t able = printed.find("able, TX"), mid = printed.find("Mid Town"),
                      zenith = printed.find("Zenith Ridge");
    ASSERT_NE(zenith, std::string::npos);
    EXPECT_LT(able, mid);
    EXPECT_LT(mid, zenith);
    for (const char* header :
         {"Site Latitude: 40.0°N", "Site Longitude: 97.0°W", "Magnetic Variation: 2.0°W", "Workspace: roof",
          "Updated:", "Satellite", "Azimuth", "(Magnetic)", "Elevation"})
        EXPECT_NE(printed.find(header), std::string::npos) << header;
    EXPECT_EQ(printed.find("Page "), std::string::npos);
    // Every row of the CSV report stands on its location's page.
    const std::vector<std::string> rows = Lines(text);
    ASSERT_EQ(rows.size(), 10u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i]);
        std::vector<std::string> fields;
        std::string field;
        bool quoted = false;
        for (char c : rows[i] + ",") {
            if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted)
                fields.push_back(std::exchange(field, std::string()));
            else
                field += c;
        }
        ASSERT_EQ(fields.size(), 16u);
        const std::size_t page = printed.find(fields[0]);
        const std::size_t line = printed.find(fields[4], page);
        ASSERT_NE(line, std::string::npos);
        // Slot, azimuth, elevation and LNB skew, in that order.
        const std::string printedRow = printed.substr(line, printed.find('\n', line) - line);
        std::size_t at = fields[4].size();
        for (std::size_t column = 5; column <= 8; ++column) {
            at = printedRow.find(fields[column], at);
            EXPECT_NE(at, std::string::npos) << printedRow << " has no " << fields[column];
        }
    }
}

// A location with a horizon in horizons.csv gets a Clearance column, as
// angles --horizon gives it, for the settings file's dish; the others'
// reports stay as they were.
TEST_F(ReportCliTest, LocationsWithAHorizonGetAClearanceColumn) {
    const std::string midTown = "report --location 'Mid Town'" + workspace + data;
    std::vector<std::string> before;
    for (const char* format : {"text", "csv", "json"})
        before.push_back(RunCli(midTown + " --format " + format).out);

    WriteFileBytes(dir / "horizons.csv", "zenith ridge,0,30\nZenith Ridge,obstacle,200,1,1,0\n");
    WriteFileBytes(dir / "site.csv", "0,30\n");
    WriteFileBytes(dir / "tilvex.INI", "[Dish]\nDiameter=0.6\n");
    std::string clearance =
        RunCli("angles 40N 100W 97W --dish 0.6 --horizon " + Quoted(dir / "site.csv")).out;
    clearance = clearance.substr(clearance.rfind('\t') + 1);
    clearance.pop_back();
    EXPECT_EQ(clearance.rfind("clear +", 0), 0u) << clearance;

    const CliRun text = RunCli("report" + workspace + data);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "horizons.csv line 2: the width must be greater than 0 and at most 360\n");
    const std::vector<std::string> lines = Lines(text.out);
    ASSERT_EQ(lines.size(), 10u) << text.out;
    EXPECT_EQ(lines[6], "Satellite    Azimuth (Magnetic)  Elevation  Clearance");
    EXPECT_EQ(lines[7].substr(lines[7].size() - clearance.size() - 2), "  " + clearance);

    const CliRun csv = RunCli("report --all --format csv" + workspace + data);
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> rows = Lines(csv.out);
    ASSERT_EQ(rows.size(), 10u) << csv.out;
    EXPECT_EQ(rows[0].substr(rows[0].size() - 30), ",Clearance,Clearance (degrees)");
    EXPECT_EQ(rows[4].substr(rows[4].size() - 2), ",,");  // Mid Town
    const std::string number = clearance.substr(7, clearance.size() - 9);
    EXPECT_EQ(rows[7].substr(rows[7].size() - clearance.size() - number.size() - 2),
              "," + clearance + "," + number);

    const CliRun json = RunCli("report --format json" + workspace + data);
    EXPECT_NE(json.out.find("\"clearance\": \"" + clearance + "\"}"), std::string::npos) << json.out;

    // The printed form has the column too, on the page of the location with
    // a horizon only.
    const std::string pdf = (dir / "horizon.pdf").string();
    const CliRun printed = RunCli("report --all --format pdf -o " + Quoted(pdf) + workspace + data);
    EXPECT_TRUE(printed.status == 0 || printed.err.find("not available") != std::string::npos) << printed.err;
    if (printed.status == 0 && std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        ASSERT_EQ(
            std::system(("pdftotext -layout " + Quoted(pdf) + " " + Quoted(dir / "horizon.txt")).c_str()), 0);
        const std::string pages = ReadFileBytes(dir / "horizon.txt");
        const std::size_t zenith = pages.find("Zenith Ridge");
        ASSERT_NE(zenith, std::string::npos);
        EXPECT_EQ(pages.find("Clearance"), pages.find("Clearance", zenith)) << pages;
        EXPECT_NE(pages.find(clearance, zenith), std::string::npos) << pages;
    }

    std::size_t i = 0;
    for (const char* format : {"text", "csv", "json"})
        EXPECT_EQ(RunCli(midTown + " --format " + format).out, before[i++]) << format;
}

TEST_F(ReportCliTest, CsvForExcelStartsWithAByteOrderMark) {
    const CliRun plain = RunCli("report --format csv" + workspace + data);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out.rfind("Location,", 0), 0u);
    const CliRun excel = RunCli("report --format csv --excel" + workspace + data);
    ASSERT_EQ(excel.status, 0) << excel.err;
    EXPECT_EQ(excel.out, "\xEF\xBB\xBF" + plain.out);
    // The mark is for CSV only; the paper for PDF only.
    for (const char* args : {"report --excel", "report --format json --excel", "report --paper a4",
                             "report --format pdf -o x.pdf --paper a3"}) {
        SCOPED_TRACE(args);
        const CliRun run = RunCli(args + workspace + data);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(std::string(args).find("--excel") != std::string::npos ? "--excel" : "paper"),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(ReportCliTest, PdfPaperIsTheOneChosen) {
    const std::pair<const char*, const char*> cases[] = {
        {" --paper a4", "/MediaBox [0 0 595"},
        {" --paper Letter", "/MediaBox [0 0 612"},
    };
    for (const auto& [option, box] : cases) {
        SCOPED_TRACE(option);
        const CliRun run =
            RunCli("report --format pdf -o " + Quoted(dir / "p.pdf") + option + workspace + data);
        if (run.status == 1 && run.err.find("not available") != std::string::npos)
            GTEST_SKIP() << run.err;
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(ReadFileBytes(dir / "p.pdf").find(box), std::string::npos);
    }
}

// "-o -" is standard output; a pipe or a device named by -o is refused
// before any work (it used to be replaced by a plain file), as is a settings
// file that is one.
TEST_F(ReportCliTest, OutputGoesToARegularFileOrStandardOutput) {
    const CliRun plain = RunCli("report" + workspace + data);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(RunCli("report -o -" + workspace + data).out, plain.out);
    const CliRun imported = RunCli("import-locations " + Quoted(dir / "locs.csv") + " -o -");
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, ReadFileBytes(dir / "locdemo.tdb"));
#ifndef _WIN32
    const std::filesystem::path pipe = dir / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& command :
         {"report" + workspace + data, "import-locations " + Quoted(dir / "locs.csv")}) {
        SCOPED_TRACE(command);
        const CliRun refused = RunCli(command + " -o " + Quoted(pipe));
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, "cannot write '" + pipe.string() +
                                   "': not a regular file; -o - writes to standard output\n");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    SetEnvironment("TILVEX_INI", pipe.string());
    const CliRun settings = RunCli("report" + workspace + data);
    EXPECT_EQ(settings.out, plain.out);
    EXPECT_EQ(settings.err,
              "tilvex-cli: the settings file '" + pipe.string() + "' is not used: not a regular file\n");
#endif
}

// Names are the user's text: in CSV a formula-like one gets an apostrophe
// (numbers and the program's own texts stay as they are); in the text table
// a control character shows escaped instead of acting on the terminal.
TEST(ReportOutputTest, NamesCannotActAsFormulasOrOnTheTerminal) {
    LocationReport report;
    report.name = "=cmd\x1B[2J";
    report.latitude = "Site Latitude: 39.7\xB0N";
    report.longitude = "Site Longitude: 105.0\xB0W";
    report.magVar =
        "Magnetic Variation: 7.6\xB0"
        "E";
    report.signedLatitude = 39.7f;
    report.signedLongitude = 105.0f;
    report.signedMagVar = -7.6f;
    report.rows.push_back({"@Bird\x07", "185.3\xB0", "-2.0\xB0"});
    report.slotTexts.push_back("97.0\xB0W");
    report.slotLongitudes.push_back(97.0f);
    report.skews.push_back("-12.5\xB0");
    const std::string csv = ReportAsCsv({report}, 0);
    EXPECT_NE(csv.find("\n'=cmd\x1B[2J,39.7\xC2\xB0N,105.0\xC2\xB0W,7.6\xC2\xB0"
                       "E,'@Bird\x07,97.0\xC2\xB0W,185.3\xC2\xB0,"
                       "-2.0\xC2\xB0,-12.5\xC2\xB0,39.7,-105,7.6,-97,185.3,-2.0,-12.5\n"),
              std::string::npos)
        << csv;
    const std::string text = ReportAsText({report}, "Roof\x7F", 0);
    EXPECT_EQ(text.find('\x1B'), std::string::npos);
    EXPECT_EQ(text.rfind("=cmd\\x1b[2J\n", 0), 0u) << text;
    EXPECT_NE(text.find("Workspace: Roof\\x7f\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n@Bird\\x07  185.3\xC2\xB0 "), std::string::npos) << text;
}
