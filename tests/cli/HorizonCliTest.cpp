// tilvex-cli angles --horizon: the clearance over a site's horizon as a
// last column.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "cli/CliRun.h"

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return std::string("'").append(path.string()).append("'");
}

}  // namespace

// 40N 100W sees 100W at 43.73 degrees due South and 90W at azimuth 164.7.
// Level horizon 42.5; the beam's edge is 0.97 degrees for 0.9 m at 12 GHz
// and 1.46 for 0.6 m: margins +0.26 and -0.23.  A tall obstacle (100 m up
// at 10 m: 84.3 degrees) hides 90W.
TEST(HorizonCliTest, AnglesWithAHorizonAddsTheClearanceLast) {
    TempDir dir;
    WriteFileBytes(dir / "roof.csv", "azimuth,elevation\n# level\n\n0,42.5\nobstacle,164.7,100,10,2\n");
    const std::string horizon = " --horizon " + Quoted(dir / "roof.csv");
    const std::pair<std::string, std::string> cases[] = {
        {"40N 100W 100W", "43.7\u00B0\t180.0\u00B0\tclear +0.3\u00B0\n"},
        {"40N 100W 100W --dish 0.6 --freq 12", "43.7\u00B0\t180.0\u00B0\tblocked -0.2\u00B0\n"},
        {"40N 100W 90W --skew", "42.6\u00B0\t164.7\u00B0\t-11.7\u00B0\tblocked -42.7\u00B0\n"},
        {"40N 100W 10E", "--\t--\t--\n"},
    };
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(args);
        const CliRun run = RunCli("angles " + args + horizon);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, expected);
    }
}

TEST(HorizonCliTest, BadHorizonFilesAndOptionsAreNamed) {
    TempDir dir;
    WriteFileBytes(dir / "bad.csv", "0,5\nobstacle,10,5,-2\n");
    const CliRun bad = RunCli("angles 40N 100W 100W --horizon " + Quoted(dir / "bad.csv"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, (dir / "bad.csv").string() + " line 2: the distance must be greater than 0\n");

    const CliRun missing = RunCli("angles 40N 100W 100W --horizon " + Quoted(dir / "none.csv"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.csv"), std::string::npos) << missing.err;

    for (const std::string& args :
         {std::string("--dish 1.2"), "--horizon " + Quoted(dir / "bad.csv") + " --dish 0",
          "--horizon " + Quoted(dir / "bad.csv") + " --freq fast"}) {
        const CliRun run = RunCli("angles 40N 100W 100W " + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}
