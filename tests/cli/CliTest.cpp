#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

#include "TestSupport.h"
#include "geomag/GeomagModel.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tilvex-cli with `args` (already quoted for the shell).
CliRun RunCli(const std::string& args) {
    TempDir dir;
    const std::string errPath = (dir / "stderr").string();
    const std::string command = std::string("'") + TILVEX_CLI + "' " + args + " 2>'" + errPath + "'";
    CliRun run{-1, "", ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFileBytes(errPath);
    return run;
}

std::string DataDir() { return "'" + SourceDataDir().string() + "'"; }

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

    // Without the coefficient file: the model's message, and a variation of 0.
    TempDir empty;
    const CliRun missing = RunCli("angles 40N 100W 90W --auto-magvar --magnetic --data '" + empty.Path().string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Couldn't find MagData.dat.  Cannot calculate magnetic variation.\n");
    EXPECT_EQ(missing.out, RunCli("angles 40N 100W 90W --magnetic").out);
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
        {"angles 40N 100W", "3 arguments"},
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
