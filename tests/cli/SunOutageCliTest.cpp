#include <gtest/gtest.h>

#include "TestSupport.h"
#include "cli/CliRun.h"
#include "core/framework/Cp1252.h"
#include "core/satellites/SunOutage.h"

TEST(SunOutageCliTest, AnglesWithSkewAddsAThirdColumn) {
    EXPECT_EQ(RunCli("angles 52.52N 13.405E 37.5W --skew").out, "14.1\u00B0\t237.2\u00B0\t30.8\u00B0\n");
    EXPECT_EQ(RunCli("angles 40N 100W 90W --skew").out, "42.6\u00B0\t164.7\u00B0\t-11.7\u00B0\n");
    EXPECT_EQ(RunCli("angles 40N 100W 10E --skew").out, "--\t--\t--\n");
    // Without the option, two columns as before.
    EXPECT_EQ(RunCli("angles 40N 100W 90W").out, "42.6\u00B0\t164.7\u00B0\n");
}

TEST(SunOutageCliTest, SunOutagePrintsTheCoresDaysOneLineEach) {
    const CliRun run = RunCli("sun-outage 39.74N 104.99W 101W --year 2026 --dish 0.6 --freq 11.7");
    ASSERT_EQ(run.status, 0) << run.err;
    std::string expected;
    for (const SunOutageDay& day : ComputeSunOutages(39.74, 104.99, 101, 2026, 0.6, 11.7))
        expected += Cp1252ToUtf8(SunOutageLine(day)) + "\n";
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(run.out, expected);
    // Below the horizon: no lines, and that is no error.
    const CliRun none = RunCli("sun-outage 40N 100W 10E --year 2026");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
}

TEST(SunOutageCliTest, BadArgumentsEndWithStatusTwo) {
    for (const char* args :
         {"40N 100W 90W --dish 0", "40N 100W 90W --freq -12", "40N 100W 90W --year 1899",
          "40N 100W 90W --year 2101", "40N 100W 90W --year 2026.5", "40N 100W 90W --dish big", "40N 100W",
          "95N 100W 90W", "40N 100W 90W --dish 0.01 --freq 1"}) {
        const CliRun run = RunCli(std::string("sun-outage ") + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("tilvex-cli sun-outage: "), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(run.out, "") << args;
    }
}
