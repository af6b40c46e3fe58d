#include <gtest/gtest.h>

#include "cli/CliRun.h"

TEST(AimCliTest, PrintsTheWholeSheetForASite) {
    const CliRun run =
        RunCli("aim 52.52N 13.405E 19.2E --magvar 4E --offset 22.6 --freq 11.7 --date 2026-06-21");
    ASSERT_EQ(run.status, 0) << run.err;
    // The Windows-1252 degree sign comes out as UTF-8.
    EXPECT_EQ(run.out,
              "elevation: 29.7\u00B0\n"
              "azimuth (true): 172.7\u00B0\n"
              "azimuth (magnetic): 168.7\u00B0\n"
              "lnb skew: 4.4\u00B0 counter-clockwise\n"
              "dish face tilt: 7.1\u00B0 back\n"
              "motor angle: 6.4\u00B0 East\n"
              "gotox: E0 31 6E E0 66\n"
              "motor axis elevation: 52.5\u00B0\n"
              "motor declination: 7.5\u00B0\n"
              "slant range: 38627 km\n"
              "delay: 128.8 ms\n"
              "path loss: 205.5 dB\n"
              "shadow time: 10:53 UTC\n");
}

TEST(AimCliTest, BadArgumentsEndWithStatusTwo) {
    for (const char* args :
         {"52.52N 13.405E 19.2E --offset -1", "52.52N 13.405E 19.2E --freq 0",
          "52.52N 13.405E 19.2E --date 2026-02-30", "52.52N 13.405E 19.2E --date 21.6.2026",
          "52.52N 13.405E 19.2E --magvar 4E --auto-magvar", "52.52N 13.405E"}) {
        const CliRun run = RunCli(std::string("aim ") + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("tilvex-cli aim: "), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(run.out, "") << args;
    }
}
