// The commands of tilvex-cli, one function each: `argv[1]` is the
// command's name; the result is the program's exit status.
#pragma once

// angles, declination (AngleCommands.cpp)
int CmdAngles(int argc, char** argv);
int CmdDeclination(int argc, char** argv);
// sun-outage (SunOutageCommand.cpp)
int CmdSunOutage(int argc, char** argv);
// aim (AimCommand.cpp)
int CmdAim(int argc, char** argv);
// dump, import-*, export-*, new-workspace (FileCommands.cpp)
int CmdDump(int argc, char** argv);
int CmdImportSatellites(int argc, char** argv);
int CmdImportLocations(int argc, char** argv);
int CmdExportSatellites(int argc, char** argv);
int CmdExportLocations(int argc, char** argv);
int CmdNewWorkspace(int argc, char** argv);
// report (ReportCommand.cpp)
int CmdReport(int argc, char** argv);
// orbits (OrbitsCommand.cpp)
int CmdOrbits(int argc, char** argv);
