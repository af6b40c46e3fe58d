// What the commands of tilvex-cli share: the data folder, the model's
// span, and output to a file or standard output.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "core/horizon/Clearance.h"

// The name of the geomagnetic model's coefficient file.
std::string MagDataFile();

// The folders that may hold the program's files, for a command given no
// --data, in the order they are tried: the current folder, the desktop
// program's data folder, the data installed beside this program and where
// it was built to be installed.
std::vector<std::filesystem::path> DataFolders();

// With --data, changes into that folder.  Without it, into the first folder
// of DataFolders() that holds every file of `needs`, saying so on stderr
// when that is not the current one; when none does, stays and says where it
// looked (the command then tells which file is missing).
void EnterDataFolder(const CommandLine& line, const std::vector<std::string>& needs);

// The number given with `option`, or `fallback` without it; a UsageError
// for text that is not a plain decimal number.
double RequireNumberOption(const CommandLine& line, const char* option, double fallback);
// The dish of --dish METRES and --freq GHZ (each defaulting as the sun
// outages do); a UsageError for values DishBeamError refuses.
DishBeam RequireDishBeam(const CommandLine& line);

// Prints a message of the core (Windows-1252) on stderr, a line of its own.
void PrintMessage(const std::string& message);

// The model's coefficients hold for five years; outside them the variation
// is an extrapolation, which the model's documentation advises against.
// Says so on stderr for `year`.
void WarnOutsideModel(float year, const char* what);

// "-" as an output file: standard output.
bool IsStandardOutput(const std::string& path);
// Writes `bytes` to standard output; false, saying why on stderr, when it
// cannot.
bool WriteStandardOutput(const std::string& bytes);
// An output file named on the command line is a regular file or none yet:
// a device, a pipe or a folder is refused before any work is done (the safe
// save refuses it too).  `option` is the option that named it, if any.
bool CheckOutputFile(const std::string& path, const char* option);
// Writes `bytes` to `path` through a temporary file ("-": to standard
// output); on failure nothing is left behind and the old file stays.
bool WriteOutput(const std::string& path, const std::string& bytes);

// The desktop program's settings file: TILVEX_INI, else tilvex.INI in the
// user's configuration folder.
std::string SettingsFilePath();
