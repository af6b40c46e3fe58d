// tilvex-cli: look angles, declinations and the program's files from the
// command line.  Output is UTF-8; messages go to stderr.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/Arguments.h"
#include "cli/RecordCsv.h"
#include "framework/StringTable.h"
#include "locations/LocationDatabase.h"
#include "satellites/SatelliteDatabase.h"
#include "workspace/DatabaseHost.h"
#include "workspace/TilvexDoc.h"
#include "framework/AppMessageBox.h"
#include "framework/Cp1252.h"
#include "framework/Format.h"
#include "geomag/GeomagModel.h"
#include "locations/Location.h"
#include "satellites/LookAngles.h"
#include "satellites/Satellite.h"
#include "cli/CommandLine.h"
#include "cli/SunOutageCommand.h"
#include "satellites/LnbSkew.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  tilvex-cli angles LAT LON SLOT [--magvar VAR | --auto-magvar] [--magnetic] [--skew] [--data DIR]\n"
    "  tilvex-cli sun-outage LAT LON SLOT [--year YEAR] [--dish METRES] [--freq GHZ]\n"
    "  tilvex-cli declination LAT LON [--year YEAR] [--data DIR]\n"
    "  tilvex-cli dump FILE\n"
    "  tilvex-cli import-satellites CSV -o FILE\n"
    "  tilvex-cli import-locations CSV -o FILE\n"
    "  tilvex-cli export-satellites FILE\n"
    "  tilvex-cli export-locations FILE\n"
    "  tilvex-cli new-workspace FILE [--sat NAME]... [--loc NAME]... [--data DIR]\n"
    "LAT like 40N or 30S; LON and SLOT like 100W or 19.2E; VAR like 15W or 12E.\n";

int CmdAngles(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--magvar", "--data"}, {"--auto-magvar", "--magnetic", "--skew"});
    RequireCount(line, 3, "angles");
    const TypedAngle lat = RequireAngle(line.Positional()[0], AngleKind::Latitude, "latitude");
    const TypedAngle lon = RequireAngle(line.Positional()[1], AngleKind::Longitude, "longitude");
    const TypedAngle slot = RequireAngle(line.Positional()[2], AngleKind::Longitude, "slot");
    const std::string* magVarText = line.Value("--magvar");
    if (magVarText && line.Flag("--auto-magvar"))
        throw UsageError{"--magvar and --auto-magvar cannot be given together"};

    CLocation site;
    site.SetLatitude(lat.magnitude);
    site.SetNorth(lat.positive);
    site.SetLongitude(lon.magnitude);
    site.SetWest(lon.positive);
    if (magVarText) {
        const TypedAngle var = RequireAngle(*magVarText, AngleKind::MagVar, "magnetic variation");
        site.SetMagVar(var.magnitude);
        site.SetMagVarWest(var.positive);
    } else if (line.Flag("--auto-magvar")) {
        site.SetMagVar(MAGVAR_AUTO);
    }
    CSatellite satellite;
    satellite.SetSlot(slot.magnitude);
    satellite.SetWest(slot.positive);
    EnterDataDir(line);

    MessagesToStderr messages;
    const float magVar = site.SignedMagVar();
    // Without the model's file the variation is unknown: print nothing.
    if (messages.Shown()) return kExitFailed;
    const LookAngleTexts texts = ComputeLookAngles(site.SignedLatitude(), site.SignedLongitude(), magVar,
                                                   satellite.SignedLongitude(), line.Flag("--magnetic") ? 1 : 0);
    std::printf("%s\t%s", Cp1252ToUtf8(texts.elevation).c_str(), Cp1252ToUtf8(texts.azimuth).c_str());
    if (line.Flag("--skew"))
        std::printf("\t%s", Cp1252ToUtf8(LnbSkewText(site.SignedLatitude(), site.SignedLongitude(),
                                                     satellite.SignedLongitude())).c_str());
    std::printf("\n");
    return kExitOk;
}

int CmdDeclination(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--year", "--data"}, {});
    RequireCount(line, 2, "declination");
    const TypedAngle lat = RequireAngle(line.Positional()[0], AngleKind::Latitude, "latitude");
    const TypedAngle lon = RequireAngle(line.Positional()[1], AngleKind::Longitude, "longitude");
    float year = CGeomagModel::CurrentYear();
    if (const std::string* yearText = line.Value("--year")) {
        auto parsed = ParseYear(*yearText);
        if (!parsed) throw UsageError{"bad year '" + *yearText + "': expected a year like 2027 or 2027.5"};
        year = *parsed;
    }
    EnterDataDir(line);

    MessagesToStderr messages;
    const float latitude = lat.positive ? lat.magnitude : -lat.magnitude;
    const float eastLongitude = lon.positive ? -lon.magnitude : lon.magnitude;
    const float declination = CGeomagModel().Declination(latitude, eastLongitude, year);
    if (messages.Shown()) return kExitFailed;
    std::printf("%.4f\n", static_cast<double>(declination));
    return kExitOk;
}


// ---------------------------------------------------------------------------
// The program's files.

std::string JsonString(const std::string& cp1252) {
    std::string out = "\"";
    for (char c : Cp1252ToUtf8(cp1252)) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    out += Format("\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                else
                    out += c;
        }
    }
    return out + '"';
}

std::string JsonStringList(const std::vector<std::string>& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) out += (i ? ", " : "") + JsonString(list[i]);
    return out + "]";
}

std::string SatelliteJson(const CSatellite& s) {
    std::string region;
    for (const auto& entry : kSatelliteRegions)
        if (s.Region() == entry.flag) region = LoadString(entry.nameId);
    return Format("{\"name\": %s, \"slot\": %s, \"west\": %d, \"flags\": %d, \"slotText\": %s, \"bands\": %s, "
                  "\"region\": %s, \"comments\": %s}",
                  JsonString(s.GetName()).c_str(), FloatText(s.GetSlot()).c_str(), s.IsWest(), s.GetFlags(),
                  JsonString(s.SlotText()).c_str(), JsonString(s.BandText()).c_str(), JsonString(region).c_str(),
                  JsonString(s.GetComments()).c_str());
}

std::string LocationJson(const CLocation& l) {
    std::string region;
    for (const auto& entry : kLocationRegions)
        if (l.GetRegion() == entry.value) region = LoadString(entry.nameId);
    return Format("{\"name\": %s, \"latitude\": %s, \"north\": %d, \"longitude\": %s, \"west\": %d, "
                  "\"magVar\": %s, \"magVarWest\": %d, \"magVarAuto\": %s, \"region\": %d, \"regionName\": %s}",
                  JsonString(l.GetName()).c_str(), FloatText(l.GetLatitude()).c_str(), l.IsNorth(),
                  FloatText(l.GetLongitude()).c_str(), l.IsWest(), FloatText(l.GetMagVar()).c_str(),
                  l.IsMagVarWest(), l.IsMagVarAuto() ? "true" : "false", l.GetRegion(), JsonString(region).c_str());
}

template <class T>
void PrintRecords(const char* type, const std::vector<std::unique_ptr<T>>& records, std::string (*json)(const T&)) {
    std::printf("{\"type\": \"%s\", \"records\": [", type);
    for (std::size_t i = 0; i < records.size(); ++i)
        std::printf("%s\n  %s", i ? "," : "", json(*records[i]).c_str());
    std::printf("%s]}\n", records.empty() ? "" : "\n");
}

// The class of the first record of a database file: "CSatellite",
// "CLocation", or empty when the file holds none or cannot tell.
std::string FirstRecordClass(const std::string& path) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) return {};
    try {
        CArchive ar(&file, CArchive::load);
        if (ar.ReadCount() == 0) return {};
        WORD tag, schema, length;
        ar >> tag;
        if (tag != 0xFFFF) return {};
        ar >> schema >> length;
        if (length >= 64) return {};
        std::string name(length, '\0');
        for (char& c : name) {
            BYTE b;
            ar >> b;
            c = static_cast<char>(b);
        }
        return name;
    } catch (const std::exception&) {
        return {};
    }
}

// A database read from any path, with the loader's own messages.
template <class T>
bool LoadRecords(const std::string& path, std::vector<std::unique_ptr<T>>& records) {
    CRecordDatabase<T> database(path);
    if (database.LoadDatabase() != CRecordDatabase<T>::LoadResult::Loaded) return false;
    records = std::move(database.GetRecords());
    return true;
}

template <class T>
bool SaveRecords(const std::string& path, std::vector<std::unique_ptr<T>>& records) {
    CRecordDatabase<T> database(path);
    database.GetRecords() = std::move(records);
    return database.SaveDatabase();
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

int CmdDump(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {}, {});
    RequireCount(line, 1, "dump");
    const std::string& path = line.Positional()[0];
    MessagesToStderr messages;
    if (EndsWith(path, ".wrk")) {
        CTilvexDoc doc;
        if (!doc.OnOpenDocument(path) || doc.LoadFailed()) return kExitFailed;
        const CSettings& s = doc.GetSettings();
        std::printf("{\"type\": \"workspace\", \"satellites\": %s, \"locations\": %s, \"options\": %d, "
                    "\"currentLocation\": %d, \"currentSatellite\": %d}\n",
                    JsonStringList(doc.GetSatelliteNames()).c_str(), JsonStringList(doc.GetLocationNames()).c_str(),
                    s.GetOptions(), s.GetCurLocation(), s.GetCurSatellite());
        return kExitOk;
    }
    if (FirstRecordClass(path) == "CLocation") {
        std::vector<std::unique_ptr<CLocation>> records;
        if (!LoadRecords(path, records)) return kExitFailed;
        PrintRecords("locations", records, LocationJson);
    } else {
        std::vector<std::unique_ptr<CSatellite>> records;
        if (!LoadRecords(path, records)) return kExitFailed;
        PrintRecords(records.empty() ? "database" : "satellites", records, SatelliteJson);
    }
    return kExitOk;
}

template <class T>
int ImportCsv(int argc, char** argv, const char* command,
              std::vector<std::unique_ptr<T>> (*parse)(std::string_view)) {
    CommandLine line(argc, argv, 2, {"-o"}, {});
    RequireCount(line, 1, command);
    const std::string* out = line.Value("-o");
    if (!out) throw UsageError{"the output file is missing: -o FILE"};
    std::vector<std::unique_ptr<T>> records;
    std::ifstream in(line.Positional()[0], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read '%s'\n", line.Positional()[0].c_str());
        return kExitFailed;
    }
    try {
        records = parse(std::string(std::istreambuf_iterator<char>(in), {}));
    } catch (const CsvError& e) {
        std::fprintf(stderr, "%s: %s\n", line.Positional()[0].c_str(), e.what());
        return kExitFailed;
    }
    MessagesToStderr messages;
    return SaveRecords(*out, records) ? kExitOk : kExitFailed;
}

template <class T>
int ExportCsv(int argc, char** argv, const char* command,
              std::string (*format)(const std::vector<std::unique_ptr<T>>&)) {
    CommandLine line(argc, argv, 2, {}, {});
    RequireCount(line, 1, command);
    MessagesToStderr messages;
    std::vector<std::unique_ptr<T>> records;
    if (!LoadRecords(line.Positional()[0], records)) return kExitFailed;
    std::fputs(format(records).c_str(), stdout);
    return kExitOk;
}

int CmdNewWorkspace(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--sat", "--loc", "--data"}, {});
    RequireCount(line, 1, "new-workspace");
    const std::string out = std::filesystem::absolute(line.Positional()[0]).string();
    EnterDataDir(line);
    MessagesToStderr messages;
    CDatabasesHost host;
    const auto sats = line.Values("--sat");
    const auto locs = line.Values("--loc");
    if (!sats.empty() && host.satellites.LoadDatabase() != CSatelliteDatabase::LoadResult::Loaded) return kExitFailed;
    if (!locs.empty() && host.locations.LoadDatabase() != CLocationDatabase::LoadResult::Loaded) return kExitFailed;

    CTilvexDoc doc(&host);
    doc.OnNewDocument();
    bool unknown = false;
    for (const auto& name : sats) {
        const CSatellite* sat = host.satellites.FindSatellite(Utf8ToCp1252(name));
        if (!sat) std::fprintf(stderr, "no satellite named '%s' in %s\n", name.c_str(), kSatelliteDatabaseFile);
        unknown |= !sat;
        doc.AddSatellite(sat, false);
    }
    for (const auto& name : locs) {
        const CLocation* loc = host.locations.FindLocation(Utf8ToCp1252(name));
        if (!loc) std::fprintf(stderr, "no location named '%s' in %s\n", name.c_str(), kLocationDatabaseFile);
        unknown |= !loc;
        doc.AddLocation(loc, false);
    }
    if (unknown) return kExitFailed;
    return doc.OnSaveDocument(out) ? kExitOk : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    const std::map<std::string, std::function<int(int, char**)>> commands = {
        {"angles", CmdAngles},
        {"declination", CmdDeclination},
        {"sun-outage", CmdSunOutage},
        {"dump", CmdDump},
        {"import-satellites", [](int c, char** v) { return ImportCsv<CSatellite>(c, v, "import-satellites", SatellitesFromCsv); }},
        {"import-locations", [](int c, char** v) { return ImportCsv<CLocation>(c, v, "import-locations", LocationsFromCsv); }},
        {"export-satellites", [](int c, char** v) { return ExportCsv<CSatellite>(c, v, "export-satellites", SatellitesToCsv); }},
        {"export-locations", [](int c, char** v) { return ExportCsv<CLocation>(c, v, "export-locations", LocationsToCsv); }},
        {"new-workspace", CmdNewWorkspace},
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
