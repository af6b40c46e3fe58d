// tilvex-cli: look angles, declinations and the program's files from the
// command line.  Output is UTF-8; messages go to stderr.  Each command
// family has a file of its own (Commands.h).
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/PlaceCommand.h"
#include "core/framework/SafeFile.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  tilvex-cli angles SITE SLOT [--magvar VAR | --auto-magvar] [--magnetic] [--skew] [--data DIR]\n"
    "                    [--horizon FILE [--dish METRES] [--freq GHZ]]\n"
    "  tilvex-cli sun-outage SITE SLOT [--year YEAR] [--dish METRES] [--freq GHZ] [--data DIR]\n"
    "  tilvex-cli aim SITE SLOT [--magvar VAR | --auto-magvar] [--offset DEG] [--freq GHZ]\n"
    "                 [--date YYYY-MM-DD] [--data DIR]\n"
    "  tilvex-cli find-place QUERY [--limit N] [--country CC] [--data DIR]\n"
    "  tilvex-cli declination LAT LON [--year YEAR] [--data DIR]\n"
    "  tilvex-cli dump FILE\n"
    "  tilvex-cli import-satellites CSV -o FILE|-\n"
    "  tilvex-cli import-locations CSV -o FILE|-\n"
    "  tilvex-cli export-satellites FILE\n"
    "  tilvex-cli export-locations FILE\n"
    "  tilvex-cli new-workspace FILE [--sat NAME]... [--loc NAME]... [--data DIR]\n"
    "  tilvex-cli report [--workspace FILE] [--location NAME | --all] [--format text|csv|json|pdf]\n"
    "                    [-o FILE|-] [--excel] [--paper a4|letter] [--face NAME] [--size POINTS] [--data "
    "DIR]\n"
    "  tilvex-cli orbits FILE [--date YYYY-MM-DD] [--data DIR] [--update -o FILE]\n"
    "  tilvex-cli --help\n"
    "SITE is LAT LON, a Maidenhead locator like JP99lp, or --place QUERY (the first place found).\n"
    "LAT like 40N or 30S; LON and SLOT like 100W or 19.2E; VAR like 15W or 12E.\n"
    "-o - writes to standard output; a device, a pipe or a folder is never written over.\n"
    "Without --data the data files are looked for in the current folder, then in the\n"
    "program's own data folder, then in the installed data.\n";

}  // namespace

int main(int argc, char** argv) {
    const ProgramArguments arguments(argc, argv);
    IgnoreFileSizeSignal();
    const std::map<std::string, std::function<int(int, char**)>> commands = {
        {"angles", CmdAngles},
        {"declination", CmdDeclination},
        {"sun-outage", CmdSunOutage},
        {"aim", CmdAim},
        {"find-place",
         [](int c, char** v) {
             return RunFindPlace({v + 2, v + c}, stdout, stderr, EnterDataFolder);
         }},
        {"dump", CmdDump},
        {"import-satellites", CmdImportSatellites},
        {"import-locations", CmdImportLocations},
        {"export-satellites", CmdExportSatellites},
        {"export-locations", CmdExportLocations},
        {"new-workspace", CmdNewWorkspace},
        {"report", CmdReport},
        {"orbits", CmdOrbits},
    };
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? kExitUsage : kExitOk;
    }
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::fprintf(stderr, "tilvex-cli: unknown command '%s'\n%s", argv[1], kUsage);
        return kExitUsage;
    }
    try {
        return it->second(argc, argv);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "tilvex-cli %s: %s\n", argv[1], e.message.c_str());
        return kExitUsage;
    }
}
