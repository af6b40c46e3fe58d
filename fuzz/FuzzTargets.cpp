#include "FuzzTargets.h"

#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Profile.h"
#include "core/geomag/GeomagModel.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/LocationDatabase.h"
#include "core/orbits/OrbitalElements.h"
#include "core/orbits/SlotMatch.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/sites/Gazetteer.h"
#include "core/sites/TextFold.h"
#include "core/sites/WorldMap.h"
#include "core/workspace/DatabaseHost.h"
#include "core/workspace/RecordCsv.h"
#include "core/workspace/TilvexDoc.h"

namespace {

// A documented outcome was not met: report and stop, so the fuzzer keeps
// the input.
[[noreturn]] void Broken(const char* target, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", target, what.c_str());
    std::abort();
}

void Put(const char* file, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(file, "wb");
    if (!f)
        Broken(file, "cannot write the input to the scratch folder");
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

std::vector<std::string> messages;

template <class Database>
void LoadDatabase(const char* target, const char* file, const std::uint8_t* data, std::size_t size) {
    Put(file, data, size);
    messages.clear();
    Database db;
    const auto result = db.LoadDatabase();
    using R = typename Database::LoadResult;
    if (result == R::Loaded) {
        if (!messages.empty())
            Broken(target, "loaded with a message");
        for (const auto& record : db.GetRecords())
            if (!record || !record->HasFiniteNumbers())
                Broken(target, "loaded a record without finite numbers");
        // Every record can be found by its name, and stored again.
        for (const auto& record : db.GetRecords())
            if (!db.Find(record->GetName()))
                Broken(target, "a loaded record is not found by its name");
        if (!db.SaveDatabase())
            Broken(target, "a loaded database could not be stored again");
        Database again;
        if (again.LoadDatabase() != R::Loaded || again.GetSize() != db.GetSize())
            Broken(target, "a stored database does not load again");
    } else {
        if (result != R::Corrupted)
            Broken(target, "the file could not be opened");
        if (!db.IsEmpty())
            Broken(target, "a refused file left records behind");
        const std::string expected =
            std::string("File ") + file + " missing or corrupted.\nOpening empty workspace.";
        if (messages != std::vector<std::string>{expected})
            Broken(target, "a refused file without its message");
    }
}

void Satellites(const std::uint8_t* data, std::size_t size) {
    LoadDatabase<CSatelliteDatabase>("satellite-database", kSatelliteDatabaseFile, data, size);
}

void Locations(const std::uint8_t* data, std::size_t size) {
    LoadDatabase<CLocationDatabase>("location-database", kLocationDatabaseFile, data, size);
}

void Workspace(const std::uint8_t* data, std::size_t size) {
    Put("fuzz.wrk", data, size);
    messages.clear();
    CDatabasesHost host;
    CTilvexDoc doc(&host);
    doc.OnNewDocument();
    if (doc.OnOpenDocument("fuzz.wrk")) {
        // Names, indexes and options of a loaded workspace store again.
        if (!doc.OnSaveDocument("fuzz-again.wrk"))
            Broken("workspace", "a loaded workspace could not be stored");
        CTilvexDoc again(&host);
        again.OnNewDocument();
        if (!again.OnOpenDocument("fuzz-again.wrk"))
            Broken("workspace", "a stored workspace does not load");
        if (again.GetSatelliteNames() != doc.GetSatelliteNames() ||
            again.GetLocationNames() != doc.GetLocationNames())
            Broken("workspace", "a stored workspace loads other names");
    } else if (messages.size() != 1) {
        Broken("workspace", "a refused workspace without exactly one message");
    }
}

void MagData(const std::uint8_t* data, std::size_t size) {
    Put("MagData.dat", data, size);
    messages.clear();
    const Outcome<float> declination = CGeomagModel().Declination(45.0f, -75.0f);
    if (declination && (!std::isfinite(*declination) || *declination < -180.0f || *declination > 180.0f))
        Broken("magdata", "a declination outside -180..180");
    if (!declination && declination.Message().empty())
        Broken("magdata", "no declination and no message saying why");
    if (!messages.empty())
        Broken("magdata", "a message shown while computing");
    const auto computed = CGeomagModel::Compute("MagData.dat", 0.0f, -33.9f, 151.2f, 2027.5f);
    if (computed && !std::isfinite(*computed))
        Broken("magdata", "a declination that is not a number");
}

void Settings(const std::uint8_t* data, std::size_t size) {
    Put("fuzz.INI", data, size);
    messages.clear();
    CProfile profile("fuzz.INI");
    profile.GetProfileInt("Startup", "x1", 7);
    profile.GetProfileString("Recent File List", "File1", "");
    // A value written is read back, whatever else the file holds.
    if (!profile.WriteProfileString("Font", "Face Name", "Arial"))
        Broken("settings", "could not write an entry");
    if (profile.GetProfileString("Font", "Face Name", "") != "Arial")
        Broken("settings", "an entry written is not read back");
    if (!profile.WriteProfileInt("Startup", "x1", -5) || profile.GetProfileInt("Startup", "x1", 7) != -5)
        Broken("settings", "a number written is not read back");
}

template <class Parse, class Format>
void Csv(const char* target, const std::uint8_t* data, std::size_t size, Parse parse, Format format) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto records = parse(text);
        // What was taken writes out and reads back the same.
        const std::string written = format(records);
        if (format(parse(written)) != written)
            Broken(target, "export then import changes the records");
    } catch (const CsvError&) {
        // A refusal with the line, as documented.
    }
}

void CsvSatellites(const std::uint8_t* data, std::size_t size) {
    Csv("csv-satellites", data, size, SatellitesFromCsv, SatellitesToCsv);
}

void CsvLocations(const std::uint8_t* data, std::size_t size) {
    Csv("csv-locations", data, size, LocationsFromCsv, LocationsToCsv);
}

// The gazetteer refuses a file with the line that is wrong, or holds places
// that each lie on the globe and are found by their name in ASCII letters
// (the search key; the name itself may be in another script).
void Places(const std::uint8_t* data, std::size_t size) {
    CGazetteer gazetteer;
    std::string error;
    if (!gazetteer.LoadText(std::string(reinterpret_cast<const char*>(data), size), "places.tsv", &error)) {
        if (error.empty() || gazetteer.GetSize() != 0)
            Broken("places", "a refused file without a reason, or with places kept");
        return;
    }
    for (std::size_t i = 0; i < gazetteer.GetSize(); ++i) {
        const Place& place = gazetteer.GetPlace(i);
        if (!(std::fabs(place.latitude) <= 90.0) || !(std::fabs(place.longitude) <= 180.0))
            Broken("places", "a place off the globe");
        if (i < 8 && !FoldForSearch(place.asciiName).empty()) {
            bool found = false;
            for (const PlaceHit& hit : gazetteer.Find(place.asciiName, 0))
                found = found || hit.place == &place;
            if (!found)
                Broken("places", "a place not found by its name in ASCII letters");
        }
    }
}

// The map refuses a file with the line that is wrong, or holds lines of two
// or more points on the globe, no step of which crosses the antimeridian.
void WorldMapLines(const std::uint8_t* data, std::size_t size) {
    CWorldMap map;
    std::string error;
    if (!map.LoadText(std::string_view(reinterpret_cast<const char*>(data), size), "world-map.txt", &error)) {
        if (error.empty() || !map.GetLines().empty())
            Broken("world-map", "a refused file without a reason, or with lines kept");
        return;
    }
    for (const MapLine& line : map.GetLines()) {
        if (line.points.size() < 2)
            Broken("world-map", "a line of fewer than two points");
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            const MapPoint& p = line.points[i];
            if (!(std::fabs(p.latitude) <= 90.0f) || !(std::fabs(p.longitude) <= 180.0f))
                Broken("world-map", "a point off the globe");
            if (i > 0 && std::fabs(p.longitude - line.points[i - 1].longitude) > 180.0f)
                Broken("world-map", "a step across the antimeridian");
        }
    }
}

// horizons.csv: each line is taken or refused with its number; what is taken
// holds values in range and a horizon from -5 to 90 degrees; the text
// written, refused lines and all, reads back to the same text.  The horizon
// file of the command line takes the same input without harm.
void Horizons(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CHorizonStore store;
    store.LoadText(text);
    std::size_t last = 0;
    for (const HorizonLineProblem& problem : store.Problems()) {
        if (problem.line <= last || problem.message.empty())
            Broken("horizons", "refused lines out of order or without a message");
        last = problem.line;
    }
    for (const std::string& name : store.Locations()) {
        const CHorizonProfile* profile = store.Find(name);
        if (!profile || profile->IsEmpty())
            Broken("horizons", "a location without its horizon");
        for (const HorizonPoint& point : profile->Points())
            if (HorizonPointError(point) || point.azimuth >= 360.0)
                Broken("horizons", "a point out of range");
        for (const HorizonObstacle& obstacle : profile->Obstacles())
            if (HorizonObstacleError(obstacle))
                Broken("horizons", "an obstacle out of range");
        for (double azimuth = 0.0; azimuth < 360.0; azimuth += 7.5) {
            const double horizon = profile->HorizonAt(azimuth);
            if (!(horizon >= kHorizonMinElevation && horizon <= kHorizonMaxElevation))
                Broken("horizons", "a horizon outside -5 to 90 degrees");
        }
    }
    const std::string written = store.Text();
    CHorizonStore again;
    again.LoadText(written);
    if (again.Text() != written || again.Problems().size() != store.Problems().size())
        Broken("horizons", "the text written does not read back the same");
    const Outcome<CHorizonProfile> site = HorizonFromText(text, "site.csv");
    if (!site && site.Message().empty())
        Broken("horizons", "a refused horizon file without a message");
}

// Orbital elements: refusals in line order, each with a message; every
// object taken holds elements in range, and a geostationary one a longitude
// in (-180, 180] that matches with the database without harm.
void CheckOrbitFile(const char* target, const OrbitFile& file) {
    std::size_t last = 0;
    for (const OrbitLineProblem& problem : file.problems) {
        if (problem.line < last || problem.line == 0 || problem.message.empty())
            Broken(target, "refused lines out of order or without a message");
        last = problem.line;
    }
    if (file.error && (file.error->message.empty() || !file.objects.empty()))
        Broken(target, "a refused file without a reason, or with objects kept");
    for (const OrbitalElements& e : file.objects) {
        if (!(e.meanMotion > 0.0) || !std::isfinite(e.meanMotion) || !(e.eccentricity >= 0.0) ||
            !(e.eccentricity < 1.0) || !(e.inclination >= 0.0 && e.inclination <= 180.0) ||
            !(e.raan >= 0.0 && e.raan <= 360.0) || !(e.argPerigee >= 0.0 && e.argPerigee <= 360.0) ||
            !(e.meanAnomaly >= 0.0 && e.meanAnomaly <= 360.0) || !std::isfinite(e.epoch) || e.line == 0 ||
            e.catalogNumber < 0)
            Broken(target, "an object with elements out of range");
        for (char c : e.name)
            if (static_cast<unsigned char>(c) < 0x20)
                Broken(target, "a name holding a control character");
    }
    const std::vector<GeoObject> objects = GeostationaryObjects(file.objects, 2461376.0);
    for (const GeoObject& object : objects) {
        if (!(object.longitude > -180.0 && object.longitude <= 180.0) || !std::isfinite(object.drift))
            Broken(target, "a longitude outside (-180, 180] or a drift that is no number");
        (void)LongitudeText(object.longitude);
        (void)DriftText(object.drift);
        (void)AgeText(object.ageDays);
    }
    CSatelliteDatabase database;
    for (const auto& [name, slot, west] :
         {std::tuple{"Astra 1KR", 19.2f, 0}, std::tuple{"SES-1", 101.0f, 1}}) {
        auto satellite = std::make_unique<CSatellite>();
        satellite->SetName(name);
        satellite->SetSlot(slot);
        satellite->SetWest(west);
        database.Append(std::move(satellite));
    }
    const std::vector<SlotMatch> matches = MatchSatellites(objects, database);
    if (matches.size() != objects.size())
        Broken(target, "not one match for each object");
    ApplySlotUpdates(database, objects, matches);
    for (const auto& satellite : database.GetRecords())
        if (!satellite->HasFiniteNumbers() || satellite->GetSlot() > 180.0f || satellite->GetSlot() < 0.0f)
            Broken(target, "a slot updated out of range");
}

void Tle(const std::uint8_t* data, std::size_t size) {
    CheckOrbitFile("tle", ReadTle(std::string_view(reinterpret_cast<const char*>(data), size)));
}

void OmmCsv(const std::uint8_t* data, std::size_t size) {
    CheckOrbitFile("omm-csv", ReadOmmCsv(std::string_view(reinterpret_cast<const char*>(data), size)));
}

}  // namespace

const std::vector<FuzzTarget>& FuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"satellite-database", Satellites},
        {"location-database", Locations},
        {"workspace", Workspace},
        {"magdata", MagData},
        {"settings", Settings},
        {"csv-satellites", CsvSatellites},
        {"csv-locations", CsvLocations},
        {"places", Places},
        {"world-map", WorldMapLines},
        {"horizons", Horizons},
        {"tle", Tle},
        {"omm-csv", OmmCsv},
    };
    return targets;
}

void FuzzSetUp() {
    static bool done = false;
    if (done)
        return;
    done = true;
    // Scratch files live in memory where the system offers it.
    std::error_code ec;
    std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto scratch = base / ("tilvex-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch, ec);
    std::filesystem::current_path(scratch, ec);
    FuzzRecordMessages();
}

void FuzzRecordMessages() {
    SetMessageBoxHandler([](const std::string& text, unsigned, unsigned) {
        messages.push_back(text);
        return IDOK;
    });
}
