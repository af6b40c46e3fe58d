// tilvex-cli orbits FILE [--date YYYY-MM-DD] [--data DIR] [--update -o FILE]:
// the geostationary objects of a file of orbital elements (TLE or OMM CSV),
// one tab-separated line each, with the satellite of the database each one
// is; --update writes the database with the matched slots replaced.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/orbits/OrbitalElements.h"
#include "core/orbits/SlotMatch.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

double TodayJulianDate() {
    using namespace std::chrono;
    const year_month_day today{floor<days>(system_clock::now())};
    return JulianDateOfCivil(static_cast<int>(today.year()),
                             static_cast<int>(static_cast<unsigned>(today.month())),
                             static_cast<int>(static_cast<unsigned>(today.day())));
}

// "Astra 1KR 19.2°E (+0.01°)", or "-" without a satellite.
std::string MatchText(const GeoObject& object, const SlotMatch& match) {
    if (!match.satellite)
        return "-";
    return match.satellite->GetName() + " " + match.satellite->SlotText() + " (" +
           DifferenceText(SlotDifference(object, *match.satellite)) + ")";
}

}  // namespace

int CmdOrbits(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--date", "--data", "-o"}, {"--update"});
    RequireCount(line, 1, "orbits");
    const std::string& path = line.Positional()[0];
    double date = TodayJulianDate();
    if (const std::string* text = line.Value("--date")) {
        const std::optional<double> parsed = ParseCivilDate(*text);
        if (!parsed)
            throw UsageError{"bad --date '" + *text + "': expected YYYY-MM-DD"};
        date = *parsed;
    }
    const bool update = line.Flag("--update");
    const std::string* out = line.Value("-o");
    if (update && !out)
        throw UsageError{"--update needs the output file: -o FILE"};
    if (out && !update)
        throw UsageError{"-o FILE goes with --update"};
    std::string outPath;
    if (out) {
        if (IsStandardOutput(*out))
            throw UsageError{"--update writes a database file, not standard output"};
        // The data folder becomes the working directory below.
        outPath = PathText(std::filesystem::absolute(FileSystemPath(*out)));
        if (!CheckOutputFile(outPath, "-o"))
            return kExitFailed;
    }

    std::string text;
    int osError = 0;
    if (!ReadWholeFile(path, text, kDataFileLimit, &osError)) {
        std::fprintf(stderr, "cannot read '%s': %s\n", path.c_str(), ErrorText(osError).c_str());
        return kExitFailed;
    }
    const OrbitFile file = ReadOrbitalElements(text);
    if (file.error) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), Cp1252ToUtf8(OrbitProblemText(*file.error)).c_str());
        return kExitFailed;
    }
    for (const OrbitLineProblem& problem : file.problems)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), Cp1252ToUtf8(OrbitProblemText(problem)).c_str());

    EnterDataFolder(line, {kSatelliteDatabaseFile});
    CSatelliteDatabase database;
    if (database.LoadDatabase() != CSatelliteDatabase::LoadResult::Loaded)
        return kExitFailed;

    std::size_t others = 0;
    const std::vector<GeoObject> objects = GeostationaryObjects(file.objects, date, &others);
    const std::vector<SlotMatch> matches = MatchSatellites(objects, database);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const GeoObject& object = objects[i];
        const std::string row =
            Format("%s\t%lld\t", object.elements.name.empty() ? "-" : object.elements.name.c_str(),
                   static_cast<long long>(object.elements.catalogNumber)) +
            LongitudeText(object.longitude) + "\t" + DriftText(object.drift) + "\t" +
            InclinationText(object.inclination) + "\t" + AgeText(object.ageDays) + "\t" +
            MatchText(object, matches[i]);
        std::printf("%s\n", Cp1252ToUtf8(row).c_str());
    }
    if (others)
        std::fprintf(stderr, "%zu object%s not geostationary\n", others, others == 1 ? "" : "s");

    if (!update)
        return kExitOk;
    const std::size_t changed = ApplySlotUpdates(database, objects, matches);
    CSatelliteDatabase::Records records = database.TakeRecords();
    CRecordDatabase<CSatellite> target(outPath);
    target.SetRecords(std::move(records));
    if (!target.SaveDatabase())
        return kExitFailed;
    std::fprintf(stderr, "%zu slot%s updated\n", changed, changed == 1 ? "" : "s");
    return kExitOk;
}
