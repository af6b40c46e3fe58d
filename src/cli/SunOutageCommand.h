// tilvex-cli sun-outage LAT LON SLOT [--year YEAR] [--dish METRES] [--freq GHZ]:
// one line per outage day of the year (the current one unless given).
#pragma once

int CmdSunOutage(int argc, char** argv);
