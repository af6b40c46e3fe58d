#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "TestSupport.h"
#include "cli/CliRun.h"
#include "core/geomag/GeomagModel.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

std::string DataDir() {
    return std::string("'").append(SourceDataDir().string()).append("'");
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The commands of a synopsis, each with the options its lines name.  A line
// "tilvex-cli NAME ..." begins a command; the lines after it that do not
// name the program go on with it.
using Synopsis = std::map<std::string, std::set<std::string>>;
Synopsis SynopsisOf(const std::vector<std::string>& lines) {
    static const std::regex option(R"((^|[\s\[|])(--?[a-z][a-z0-9-]*))");
    Synopsis out;
    std::string command;
    for (std::string line : lines) {
        std::istringstream words(line);
        std::string program, name;
        words >> program >> name;
        if (program == "tilvex-cli") {
            command = name;
            out[command];
            line = line.substr(line.find(name) + name.size());
        }
        if (command.empty())
            continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), option); it != std::sregex_iterator();
             ++it)
            out[command].insert((*it)[2]);
    }
    return out;
}

// The lines of `text` from the first that starts with `first` to the one
// before the next that starts with `end`.
std::vector<std::string> Section(const std::string& text, const std::string& first, const std::string& end) {
    std::vector<std::string> out;
    bool in = false;
    for (const std::string& line : LinesOf(text)) {
        if (in && line.rfind(end, 0) == 0)
            break;
        if (in)
            out.push_back(line);
        if (!in && line.rfind(first, 0) == 0)
            in = true;
    }
    return out;
}

// A man page's line as it reads: no font changes, "\-" a hyphen, no
// request name.
std::string ManText(std::string line) {
    line = std::regex_replace(line, std::regex(R"(\\f[BIRP])"), "");
    line = std::regex_replace(line, std::regex(R"(\\-)"), "-");
    return std::regex_replace(line, std::regex(R"(^\.(B|I|BR|BI|IR|RI)\s)"), "");
}

}  // namespace

TEST(CliTest, AnglesPrintsTheTextsOfEveryPane) {
    const std::pair<const char*, const char*> cases[] = {
        {"40N 100W 90W", "42.6\u00B0\t164.7\u00B0\n"},
        {"40N 100W 110W", "42.6\u00B0\t195.3\u00B0\n"},
        {"40N 100W 100W", "43.7\u00B0\t180.0\u00B0\n"},
        {"40N 100W 10E", "--\t--\n"},
        {"38.5N 121.5W 101W", "40.5\u00B0\t149.0\u00B0\n"},
        {"30S 150E 160E", "53.3\u00B0\t19.4\u00B0\n"},
        {"30S 150E 140E", "53.3\u00B0\t340.6\u00B0\n"},
        {"30S 150E 150E", "55.0\u00B0\t0.0\u00B0\n"},
        {"30s 150e 140e --magvar 25W --magnetic", "53.3\u00B0\t5.6\u00B0\n"},
        {"30S 150E 140E --magvar 25W", "53.3\u00B0\t340.6\u00B0\n"},
    };
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(args);
        const CliRun run = RunCli(std::string("angles ") + args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, expected);
    }
}

TEST(CliTest, AutomaticVariationReadsTheDataFolder) {
    const float declination = *CGeomagModel::Compute((SourceDataDir() / "MagData.dat").string(), 0.0f, 40.0f,
                                                     -100.0f, CGeomagModel::CurrentYear());
    const CliRun autoRun = RunCli("angles 40N 100W 90W --auto-magvar --magnetic --data " + DataDir());
    EXPECT_EQ(autoRun.status, 0) << autoRun.err;
    // The same site with the model's variation typed in by hand.
    const float west = -declination;
    const std::string typed = std::to_string(std::abs(west)) + (west >= 0 ? "W" : "E");
    const CliRun typedRun = RunCli("angles 40N 100W 90W --magnetic --magvar " + typed);
    EXPECT_EQ(autoRun.out, typedRun.out);

    // Without the coefficient file: the model's message and no angles.
    TempDir empty;
    const CliRun missing =
        RunCli("angles 40N 100W 90W --auto-magvar --magnetic --data '" + empty.Path().string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Couldn't find MagData.dat.  Cannot calculate magnetic variation.\n");
    EXPECT_EQ(missing.out, "");
    // A true azimuth needs no variation: the angles, and the warning.
    const CliRun trueRun = RunCli("angles 40N 100W 90W --auto-magvar --data '" + empty.Path().string() + "'");
    EXPECT_EQ(trueRun.status, 0);
    EXPECT_EQ(trueRun.out, RunCli("angles 40N 100W 90W").out);
    EXPECT_EQ(trueRun.err, "Couldn't find MagData.dat.  Cannot calculate magnetic variation.\n");
}

TEST(CliTest, DeclinationWithFourDecimals) {
    const float expected =
        *CGeomagModel::Compute((SourceDataDir() / "MagData.dat").string(), 0.0f, -33.87f, 151.21f, 2027.0f);
    const CliRun run = RunCli("declination 33.87S 151.21E --year 2027 --data " + DataDir());
    EXPECT_EQ(run.status, 0) << run.err;
    char text[32];
    std::snprintf(text, sizeof text, "%.4f\n", static_cast<double>(expected));
    EXPECT_EQ(run.out, text);
    EXPECT_EQ(run.out.substr(0, 3), "12.");  // Sydney: some 12.x degrees East
    EXPECT_EQ(run.err, "");
    // Outside the model's years: the number, and a warning.
    const CliRun early = RunCli("declination 33.87S 151.21E --year 1900 --data " + DataDir());
    EXPECT_EQ(early.status, 0);
    EXPECT_FALSE(early.out.empty());
    EXPECT_EQ(early.err,
              "tilvex-cli: warning: the magnetic model is valid from 2025.0 to 2030.0; the declination for "
              "1900.0 is an extrapolation and may be far off\n");

    TempDir empty;
    const CliRun missing = RunCli("declination 40N 100W --data '" + empty.Path().string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Couldn't find MagData.dat.  Cannot calculate magnetic variation.\n");
}

TEST(CliTest, MalformedArgumentsAreNamed) {
    const std::pair<const char*, const char*> cases[] = {
        {"angles 40X 100W 90W", "40X"},
        {"angles 91N 100W 90W", "91N"},
        {"angles 40N -100W 90W", "-100W"},
        {"angles 40N 100W 181E", "181E"},
        {"angles 40N 100W 1.2.3W", "1.2.3W"},
        {"angles 40N 100W", "bad site '40N'"},
        {"angles 40N 100W 90W --magvar 15Q", "15Q"},
        {"angles 40N 100W 90W --magvar 15W --auto-magvar", "--auto-magvar"},
        {"angles 40N 100W 90W --bogus", "--bogus"},
        {"declination 40N 100W --year soon", "soon"},
        {"declination 40N 100W --data /nonexistent/folder", "/nonexistent/folder"},
        {"frobnicate", "frobnicate"},
    };
    for (const auto& [args, named] : cases) {
        SCOPED_TRACE(args);
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    }
}

TEST(CliTest, DatabaseFilesThroughTextAndBack) {
    TempDir dir;
    const std::string sats = (dir / "sats.tdb").string(), locs = (dir / "locs.tdb").string();
    const std::string source = "'" + (SourceDataDir() / "satellites.csv").string() + "'";
    ASSERT_EQ(RunCli("import-satellites " + source + " -o '" + sats + "'").status, 0);
    const CliRun exported = RunCli("export-satellites '" + sats + "'");
    ASSERT_EQ(exported.status, 0);
    WriteFileBytes(dir / "again.csv", exported.out);
    ASSERT_EQ(RunCli("import-satellites '" + (dir / "again.csv").string() + "' -o '" +
                     (dir / "again.tdb").string() + "'")
                  .status,
              0);
    EXPECT_EQ(ReadFileBytes(dir / "again.tdb"), ReadFileBytes(sats));

    WriteFileBytes(dir / "bad.csv",
                   "name,latitude,longitude,magvar,region\nA,1N,2W,auto,Europe\nB,95N,2W,auto,Europe\n");
    const CliRun bad = RunCli("import-locations '" + (dir / "bad.csv").string() + "' -o '" + locs + "'");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("line 3"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(locs));

    const CliRun missing =
        RunCli("import-locations '" + (dir / "nowhere.csv").string() + "' -o '" + locs + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("nowhere.csv"), std::string::npos);
}

TEST(CliTest, DumpAndNewWorkspace) {
    TempDir dir;
    WriteFileBytes(
        dir / "locs.csv",
        "name,latitude,longitude,magvar,region\n\"Denver, CO\",39.74N,104.99W,auto,North America\n");
    WriteFileBytes(dir / "sats.csv",
                   "name,slot,side,bands,region,comments\nGalaxy 19,97,W,Ku C,Americas,\"Say \"\"hi\"\"\"\n");
    ASSERT_EQ(RunCli("import-locations '" + (dir / "locs.csv").string() + "' -o '" +
                     (dir / "locdemo.tdb").string() + "'")
                  .status,
              0);
    ASSERT_EQ(RunCli("import-satellites '" + (dir / "sats.csv").string() + "' -o '" +
                     (dir / "satdemo.tdb").string() + "'")
                  .status,
              0);

    const std::string data = " --data '" + dir.Path().string() + "'";
    const CliRun made = RunCli("new-workspace '" + (dir / "w.wrk").string() +
                               "' --sat 'GALAXY 19' --loc 'denver, co'" + data);
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(RunCli("dump '" + (dir / "w.wrk").string() + "'").out,
              "{\"type\": \"workspace\", \"satellites\": [\"Galaxy 19\"], \"locations\": [\"Denver, CO\"], "
              "\"options\": 31, \"currentLocation\": 0, \"currentSatellite\": 0}\n");
    const CliRun sats = RunCli("dump '" + (dir / "satdemo.tdb").string() + "'");
    EXPECT_NE(sats.out.find("\"slotText\": \"97.0\u00B0W\", \"bands\": \"Ku, C\""), std::string::npos)
        << sats.out;
    EXPECT_NE(sats.out.find("\"comments\": \"Say \\\"hi\\\"\"}"), std::string::npos) << sats.out;
    EXPECT_NE(RunCli("dump '" + (dir / "locdemo.tdb").string() + "'").out.find("\"magVarAuto\": true"),
              std::string::npos);

    const CliRun unknown = RunCli("new-workspace '" + (dir / "x.wrk").string() + "' --sat Nope" + data);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Nope"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.wrk"));

    WriteFileBytes(dir / "cut.tdb", ReadFileBytes(dir / "satdemo.tdb").substr(0, 20));
    const CliRun cut = RunCli("dump '" + (dir / "cut.tdb").string() + "'");
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err,
              "File " + (dir / "cut.tdb").string() + " missing or corrupted.\nOpening empty workspace.\n");
    WriteFileBytes(dir / "cut.wrk", "\x01\x00\x05");
    const CliRun cutWorkspace = RunCli("dump '" + (dir / "cut.wrk").string() + "'");
    EXPECT_EQ(cutWorkspace.status, 1);
    EXPECT_EQ(cutWorkspace.err, "Unexpected file format.\nOpening empty workspace.\n");

    // The kind of file is told by what it holds, not by its name.
    std::filesystem::copy_file(dir / "w.wrk", dir / "US.WRK");
    EXPECT_EQ(RunCli("dump '" + (dir / "US.WRK").string() + "'").out,
              RunCli("dump '" + (dir / "w.wrk").string() + "'").out);
    std::filesystem::copy_file(dir / "satdemo.tdb", dir / "sats.wrk");
    EXPECT_EQ(RunCli("dump '" + (dir / "sats.wrk").string() + "'").out, sats.out);

    // Numbers JSON cannot write are null (the program refuses such a file,
    // dump shows it).
    CRecordDatabase<CSatellite> damaged((dir / "nan.tdb").string());
    auto bird = std::make_unique<CSatellite>();
    bird->SetName("Bird");
    bird->SetSlot(std::numeric_limits<float>::quiet_NaN());
    damaged.Append(std::move(bird));
    ASSERT_TRUE(damaged.SaveDatabase());
    const CliRun nan = RunCli("dump '" + (dir / "nan.tdb").string() + "'");
    EXPECT_EQ(nan.status, 0);
    EXPECT_NE(nan.out.find("\"slot\": null,"), std::string::npos) << nan.out;

    // An empty or missing file named like a database is a damaged database,
    // not an empty workspace.
    WriteFileBytes(dir / "empty.tdb", "");
    const CliRun empty = RunCli("dump '" + (dir / "empty.tdb").string() + "'");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err,
              "File " + (dir / "empty.tdb").string() + " missing or corrupted.\nOpening empty workspace.\n");
    const CliRun absent = RunCli("dump '" + (dir / "absent.TDB").string() + "'");
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.err, "Unable to open " + (dir / "absent.TDB").string() + "\n");
    // A workspace is one by its content, whatever its name.
    std::filesystem::copy_file(dir / "w.wrk", dir / "w.tdb");
    EXPECT_EQ(RunCli("dump '" + (dir / "w.tdb").string() + "'").out,
              RunCli("dump '" + (dir / "w.wrk").string() + "'").out);
}

// The usage that --help prints, the man page's synopsis and the README's
// command list name the same commands with the same options.
TEST(CliTest, HelpManPageAndReadmeAgree) {
    const CliRun help = RunCli("--help");
    ASSERT_EQ(help.status, 0);
    std::vector<std::string> usage;
    for (const std::string& line : Section(help.out, "usage:", "LAT"))
        if (line.rfind("  ", 0) == 0)
            usage.push_back(line);
    const Synopsis fromHelp = SynopsisOf(usage);
    ASSERT_GE(fromHelp.size(), 11u) << help.out;
    EXPECT_TRUE(fromHelp.count("sun-outage"));
    EXPECT_TRUE(fromHelp.at("angles").count("--skew"));
    EXPECT_TRUE(fromHelp.at("report").count("--paper"));

    const std::filesystem::path source(TILVEX_SOURCE_DIR);
    std::vector<std::string> man;
    for (const std::string& line :
         Section(ReadFileBytes(source / "dist" / "tilvex-cli.1"), ".SH SYNOPSIS", ".SH"))
        if (line != ".nf" && line != ".fi")
            man.push_back(ManText(line));
    EXPECT_EQ(SynopsisOf(man), fromHelp);

    const std::vector<std::string> commandLine =
        Section(ReadFileBytes(source / "README.md"), "## Command line", "## ");
    std::vector<std::string> readme;
    for (const std::string& line : Section(
             [&] {
                 std::string text;
                 for (const std::string& l : commandLine)
                     text += l + "\n";
                 return text;
             }(),
             "```", "```"))
        readme.push_back(line);
    EXPECT_EQ(SynopsisOf(readme), fromHelp);

    // The man page describes every command under a tag of its own.
    std::set<std::string> described;
    const std::vector<std::string> page = LinesOf(ReadFileBytes(source / "dist" / "tilvex-cli.1"));
    for (std::size_t i = 1; i < page.size(); ++i) {
        if (page[i - 1] != ".TP")
            continue;
        std::istringstream tag(std::regex_replace(ManText(page[i]), std::regex(R"([",])"), " "));
        for (std::string word; tag >> word;)
            described.insert(word);
    }
    for (const auto& [command, options] : fromHelp)
        EXPECT_TRUE(described.count(command)) << command;
}

#ifndef _WIN32
// Without --data a command reads its files from the current folder, else
// the desktop program's data folder, else the installed data, and says on
// stderr which folder it read when that is not the current one.
TEST(CliTest, WithoutDataTheFilesAreLookedForWhereTheProgramKeepsThem) {
    TempDir root;
    const std::filesystem::path here = root / "here";
    const std::filesystem::path user = root / "xdg" / "Tilvex" / "Tilvex";
    std::filesystem::create_directories(here);
    std::filesystem::create_directories(user);
    const ScopedEnvironment dataHome("XDG_DATA_HOME", (root / "xdg").string());
    const ScopedEnvironment settings("TILVEX_INI", (root / "tilvex.INI").string());
    const ScopedCwd cwd(here);
    const std::string expected = RunCli("declination 40N 100W --year 2027 --data " + DataDir()).out;
    ASSERT_FALSE(expected.empty());

    // Nowhere: the folders looked in, then the model's own message.
    const CliRun nowhere = RunCli("declination 40N 100W --year 2027");
    if (nowhere.status == 0)
        GTEST_SKIP() << "installed data answered: " << nowhere.err;
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_EQ(nowhere.err.rfind("tilvex-cli: no data folder holds MagData.dat; looked in " + here.string() +
                                    ", " + user.string() + ", ",
                                0),
              0u)
        << nowhere.err;
    EXPECT_NE(nowhere.err.find("Couldn't find MagData.dat."), std::string::npos);

    // The desktop program's folder, which the window fills on first start.
    for (const char* name :
         {"MagData.dat", "satdemo.tdb", "locdemo.tdb", "United States Ku Band Satellites.wrk"})
        std::filesystem::copy_file(std::filesystem::path(TILVEX_BUILD_DATA_DIR) / name, user / name);
    const CliRun fromUser = RunCli("declination 40N 100W --year 2027");
    EXPECT_EQ(fromUser.status, 0);
    EXPECT_EQ(fromUser.out, expected);
    EXPECT_EQ(fromUser.err, "tilvex-cli: reading the data in " + user.string() + "\n");
    const CliRun report = RunCli("report --format csv");
    EXPECT_EQ(report.status, 0) << report.err;
    EXPECT_EQ(report.out, RunCli("report --format csv --data '" + user.string() + "'").out);
    EXPECT_EQ(report.err, fromUser.err);
    // Under HOME when XDG_DATA_HOME is not set.
    {
        const ScopedEnvironment noDataHome("XDG_DATA_HOME", std::nullopt);
        const ScopedEnvironment home("HOME", (root / "home").string());
        std::filesystem::create_directories(root / "home" / ".local" / "share");
        std::filesystem::rename(root / "xdg", root / "home" / ".local" / "share");
        const CliRun fromHome = RunCli("declination 40N 100W --year 2027");
        EXPECT_EQ(fromHome.out, expected);
        EXPECT_EQ(fromHome.err, "tilvex-cli: reading the data in " +
                                    (root / "home" / ".local" / "share" / "Tilvex" / "Tilvex").string() +
                                    "\n");
    }

    // The current folder comes first, and goes without saying.
    std::filesystem::copy_file(SourceDataDir() / "MagData.dat", here / "MagData.dat");
    const CliRun fromHere = RunCli("declination 40N 100W --year 2027");
    EXPECT_EQ(fromHere.out, expected);
    EXPECT_EQ(fromHere.err, "");
    // A command that needs no file looks for none.
    std::filesystem::remove(here / "MagData.dat");
    const CliRun angles = RunCli("angles 40N 100W 90W");
    EXPECT_EQ(angles.status, 0);
    EXPECT_EQ(angles.err, "");
}

// Installed as bin/tilvex-cli with share/tilvex beside bin/, wherever the
// prefix was moved, it reads the installed data.
TEST(CliTest, InstalledProgramReadsTheDataBesideIt) {
    TempDir root;
    std::filesystem::create_directories(root / "prefix" / "bin");
    std::filesystem::create_directories(root / "prefix" / "share" / "tilvex");
    std::filesystem::create_directories(root / "empty");
    std::filesystem::copy_file(TILVEX_CLI, root / "prefix" / "bin" / "tilvex-cli");
    std::filesystem::copy_file(SourceDataDir() / "MagData.dat",
                               root / "prefix" / "share" / "tilvex" / "MagData.dat");
    const ScopedEnvironment dataHome("XDG_DATA_HOME", (root / "empty").string());
    const ScopedCwd cwd(root / "empty");
    const std::string command = "'" + (root / "prefix" / "bin" / "tilvex-cli").string() +
                                "' declination 40N 100W --year 2027 2>'" + (root / "err").string() + "'";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            out.append(buffer.data(), n);
        EXPECT_EQ(::pclose(pipe), 0);
    }
    EXPECT_EQ(out, RunCli("declination 40N 100W --year 2027 --data " + DataDir()).out);
    EXPECT_EQ(ReadFileBytes(root / "err"),
              "tilvex-cli: reading the data in " + (root / "prefix" / "share" / "tilvex").string() + "\n");
}
#endif
