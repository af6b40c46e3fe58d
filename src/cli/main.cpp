// tilvex-cli: look angles, declinations and the program's files from the
// command line.  Output is UTF-8; messages go to stderr.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Console.h"
#include "cli/JsonText.h"
#include "cli/ReportOutput.h"
#include "framework/Profile.h"
#include "framework/SafeFile.h"
#include "printing/Report.h"
#ifdef TILVEX_HAVE_PDF
#include "printing/ReportPdf.h"
#endif
#include "cli/RecordCsv.h"
#include "framework/StringTable.h"
#include "locations/LocationDatabase.h"
#include "resources/ids.h"
#include "satellites/SatelliteDatabase.h"
#include "workspace/DatabaseHost.h"
#include "workspace/TilvexDoc.h"
#include "framework/AppMessageBox.h"
#include "framework/Cp1252.h"
#include "framework/File.h"
#include "framework/Format.h"
#include "framework/SafeFile.h"
#include "geomag/GeomagModel.h"
#include "locations/Location.h"
#include "satellites/LookAngles.h"
#include "satellites/Satellite.h"
#include "cli/Arguments.h"
#include "cli/SunOutageCommand.h"
#include "satellites/LnbSkew.h"

namespace {

const char* const kUsage =
    "usage:\n"
    "  tilvex-cli angles LAT LON SLOT [--magvar VAR | --auto-magvar] [--magnetic] [--skew] [--data DIR]\n"
    "  tilvex-cli sun-outage LAT LON SLOT [--year YEAR] [--dish METRES] [--freq GHZ]\n"
    "  tilvex-cli declination LAT LON [--year YEAR] [--data DIR]\n"
    "  tilvex-cli dump FILE\n"
    "  tilvex-cli import-satellites CSV -o FILE|-\n"
    "  tilvex-cli import-locations CSV -o FILE|-\n"
    "  tilvex-cli export-satellites FILE\n"
    "  tilvex-cli export-locations FILE\n"
    "  tilvex-cli new-workspace FILE [--sat NAME]... [--loc NAME]... [--data DIR]\n"
    "  tilvex-cli report [--workspace FILE] [--location NAME | --all] [--format text|csv|json|pdf]\n"
    "                    [-o FILE|-] [--excel] [--paper a4|letter] [--face NAME] [--size POINTS] [--data DIR]\n"
    "  tilvex-cli --help\n"
    "LAT like 40N or 30S; LON and SLOT like 100W or 19.2E; VAR like 15W or 12E.\n"
    "-o - writes to standard output; a device, a pipe or a folder is never written over.\n"
    "Without --data the data files are looked for in the current folder, then in the\n"
    "program's own data folder, then in the installed data.\n";

std::string MagDataFile() { return LoadString(ids::IDS_MAGDATA_FILE); }

// The folders that may hold the program's files, for a command given no
// --data, in the order they are tried: the current folder, the desktop
// program's data folder, the data installed beside this program and where
// it was built to be installed.
std::vector<std::filesystem::path> DataFolders() {
    std::error_code error;
    std::vector<std::filesystem::path> candidates{std::filesystem::current_path(error)};
    if (const std::string user = UserDataFolder(); !user.empty()) candidates.push_back(FileSystemPath(user));
    if (const std::string program = ProgramFolder(); !program.empty())
        candidates.push_back(FileSystemPath(program) / ".." / "share" / "tilvex");
#ifdef TILVEX_INSTALL_DATA_DIR
    candidates.push_back(FileSystemPath(TILVEX_INSTALL_DATA_DIR));
#endif
    std::vector<std::filesystem::path> folders;
    for (const auto& candidate : candidates) {
        const std::filesystem::path folder = candidate.lexically_normal();
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }
    return folders;
}

// With --data, changes into that folder.  Without it, into the first folder
// of DataFolders() that holds every file of `needs`, saying so on stderr
// when that is not the current one; when none does, stays and says where it
// looked (the command then tells which file is missing).
void EnterDataFolder(const CommandLine& line, const std::vector<std::string>& needs) {
    if (line.Value("--data")) return EnterDataDir(line);
    if (needs.empty()) return;
    const std::vector<std::filesystem::path> folders = DataFolders();
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error).lexically_normal();
    for (const std::filesystem::path& folder : folders) {
        const bool holds = std::all_of(needs.begin(), needs.end(), [&](const std::string& name) {
            return std::filesystem::is_regular_file(folder / name, error);
        });
        if (!holds) continue;
        if (folder == here) return;
        std::filesystem::current_path(folder, error);
        if (error) continue;
        std::fprintf(stderr, "tilvex-cli: reading the data in %s\n", PathText(folder).c_str());
        return;
    }
    std::string names, places;
    for (const std::string& name : needs) names += (names.empty() ? "" : ", ") + name;
    for (const auto& folder : folders) places += (places.empty() ? "" : ", ") + PathText(folder);
    std::fprintf(stderr, "tilvex-cli: no data folder holds %s; looked in %s\n", names.c_str(), places.c_str());
}

// The model's coefficients hold for five years; outside them the variation
// is an extrapolation, which the model's documentation advises against.
// Says so on stderr for `year`.
void WarnOutsideModel(float year, const char* what) {
    const auto span = CGeomagModel::ValidYears();
    if (!span || span->Covers(year)) return;
    std::fprintf(stderr, "tilvex-cli: warning: the magnetic model is valid from %.1f to %.1f; %s %.1f is an "
                 "extrapolation and may be far off\n",
                 static_cast<double>(span->first), static_cast<double>(span->last), what, static_cast<double>(year));
}

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
    EnterDataFolder(line, line.Flag("--auto-magvar") ? std::vector<std::string>{MagDataFile()}
                                                     : std::vector<std::string>{});

    MessagesToStderr messages;
    const float magVar = site.SignedMagVar();
    if (site.IsMagVarAuto() && !messages.Shown())
        WarnOutsideModel(CGeomagModel::CurrentYear(), "the automatic variation for");
    // Without the model's file the variation is unknown (the message is on
    // stderr): a magnetic azimuth cannot be given, the other angles can.
    if (messages.Shown() && line.Flag("--magnetic")) return kExitFailed;
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
    EnterDataFolder(line, {MagDataFile()});

    MessagesToStderr messages;
    const float latitude = lat.positive ? lat.magnitude : -lat.magnitude;
    const float eastLongitude = lon.positive ? -lon.magnitude : lon.magnitude;
    const float declination = CGeomagModel().Declination(latitude, eastLongitude, year);
    if (messages.Shown()) return kExitFailed;
    WarnOutsideModel(year, "the declination for");
    std::printf("%.4f\n", static_cast<double>(declination));
    return kExitOk;
}


// ---------------------------------------------------------------------------
// The program's files.

// A number of a record as JSON: null for NaN or infinity, which JSON cannot
// write and a damaged file may hold.
std::string JsonNumber(float value) { return std::isfinite(value) ? FloatText(value) : "null"; }

std::string SatelliteJson(const CSatellite& s) {
    std::string region;
    for (const auto& entry : kSatelliteRegions)
        if (s.Region() == entry.flag) region = LoadString(entry.nameId);
    return Format("{\"name\": %s, \"slot\": %s, \"west\": %d, \"flags\": %d, \"slotText\": %s, \"bands\": %s, "
                  "\"region\": %s, \"comments\": %s}",
                  JsonString(s.GetName()).c_str(), JsonNumber(s.GetSlot()).c_str(), s.IsWest(), s.GetFlags(),
                  JsonString(s.SlotText()).c_str(), JsonString(s.BandText()).c_str(), JsonString(region).c_str(),
                  JsonString(s.GetComments()).c_str());
}

std::string LocationJson(const CLocation& l) {
    std::string region;
    for (const auto& entry : kLocationRegions)
        if (l.GetRegion() == entry.value) region = LoadString(entry.nameId);
    return Format("{\"name\": %s, \"latitude\": %s, \"north\": %d, \"longitude\": %s, \"west\": %d, "
                  "\"magVar\": %s, \"magVarWest\": %d, \"magVarAuto\": %s, \"region\": %d, \"regionName\": %s}",
                  JsonString(l.GetName()).c_str(), JsonNumber(l.GetLatitude()).c_str(), l.IsNorth(),
                  JsonNumber(l.GetLongitude()).c_str(), l.IsWest(), JsonNumber(l.GetMagVar()).c_str(),
                  l.IsMagVarWest(), l.IsMagVarAuto() ? "true" : "false", l.GetRegion(), JsonString(region).c_str());
}

template <class T>
void PrintRecords(const char* type, const std::vector<std::unique_ptr<T>>& records, std::string (*json)(const T&)) {
    std::printf("{\"type\": \"%s\", \"records\": [", type);
    for (std::size_t i = 0; i < records.size(); ++i)
        std::printf("%s\n  %s", i ? "," : "", json(*records[i]).c_str());
    std::printf("%s]}\n", records.empty() ? "" : "\n");
}

// What a file of the program holds, told by the classes in it (not by its
// name): a database of satellites or locations, an empty database, or else
// a workspace (which holds no class record).  A file without even a count
// to read (missing or empty) is a database when its name ends in ".tdb",
// else a workspace; the loaders then say what is wrong with it.
enum class FileKind { Satellites, Locations, EmptyDatabase, Workspace };

bool HasDatabaseName(const std::string& path) {
    const std::string extension = FileSystemPath(path).extension().string();
    return extension.size() == 4 && EqualNoCaseAZ(extension, ".tdb");
}

FileKind KindOfFile(const std::string& path) {
    const FileKind unknown = HasDatabaseName(path) ? FileKind::Satellites : FileKind::Workspace;
    CFile file;
    if (!file.OpenToRead(path, kDataFileLimit)) return unknown;
    try {
        CArchive ar(&file, CArchive::load);
        DWORD count = 0;
        try {
            count = ar.ReadCount();
        } catch (const CArchiveException&) {
            return unknown;
        } catch (const CFileException&) {
            return unknown;
        }
        if (count == 0) return file.GetLength() == 2 ? FileKind::EmptyDatabase : FileKind::Workspace;
        const CRuntimeClass* cls = ar.ReadNextObjectClass();
        if (cls == RUNTIME_CLASS(CSatellite)) return FileKind::Satellites;
        if (cls == RUNTIME_CLASS(CLocation)) return FileKind::Locations;
    } catch (const CArchiveException&) {
    } catch (const CFileException&) {
    }
    return FileKind::Workspace;
}

// Every record of a database file as it stands, numbers that no computation
// could take included (the program itself refuses such a file): dump shows
// what is there.
template <class T>
bool ReadRecordsAsTheyAre(const std::string& path, std::vector<std::unique_ptr<T>>& records) {
    CFile file;
    if (!file.OpenToRead(path, kDataFileLimit)) {
        const int refusal = ReadRefusal(path, kDataFileLimit);
        std::fprintf(stderr, "Unable to open %s%s\n", path.c_str(), refusal ? (": " + ErrorText(refusal)).c_str() : "");
        return false;
    }
    try {
        CArchive ar(&file, CArchive::load);
        SerializeObjectList(ar, records);
        if (!ar.IsAtEnd()) ar.Throw(CArchiveException::genericException);
        ar.Close();
    } catch (const CArchiveException&) {
        AppMessageBox(Format("File %s missing or corrupted.\nOpening empty workspace.", path.c_str()));
        return false;
    } catch (const CFileException&) {
        AppMessageBox(Format("File %s missing or corrupted.\nOpening empty workspace.", path.c_str()));
        return false;
    }
    for (const auto& record : records)
        if (!record) {
            std::fprintf(stderr, "%s holds an empty entry\n", path.c_str());
            return false;
        }
    return true;
}

// A database read from any path, with the loader's own messages.
template <class T>
bool LoadRecords(const std::string& path, std::vector<std::unique_ptr<T>>& records) {
    CRecordDatabase<T> database(path);
    if (database.LoadDatabase() != CRecordDatabase<T>::LoadResult::Loaded) return false;
    records = database.TakeRecords();
    return true;
}

// "-" as an output file: standard output.
bool IsStandardOutput(const std::string& path) { return path == "-"; }

bool WriteStandardOutput(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    std::fprintf(stderr, "cannot write to standard output: %s\n", std::strerror(errno));
    return false;
}

// An output file named on the command line is a regular file or none yet:
// a device, a pipe or a folder is refused before any work is done (the safe
// save refuses it too).  `option` is the option that named it, if any.
bool CheckOutputFile(const std::string& path, const char* option) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(FileSystemPath(path), error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) return true;
    const int reason = std::filesystem::is_directory(status) ? EISDIR : kErrorNotRegularFile;
    std::fprintf(stderr, "cannot write '%s': %s%s\n", path.c_str(), ErrorText(reason).c_str(),
                 option ? (std::string("; ") + option + " - writes to standard output").c_str() : "");
    return false;
}

// A file that keeps what is written to it.
class CMemoryFile : public CFile {
public:
    void Write(const void* buffer, std::size_t count) override { bytes.append(static_cast<const char*>(buffer), count); }
    void Flush() override {}
    std::string bytes;
};

template <class T>
bool SaveRecords(const std::string& path, std::vector<std::unique_ptr<T>>& records) {
    if (IsStandardOutput(path)) {
        CMemoryFile file;
        CArchive ar(&file, CArchive::store);
        SerializeObjectList(ar, records);
        ar.Close();
        return WriteStandardOutput(file.bytes);
    }
    CRecordDatabase<T> database(path);
    database.SetRecords(std::move(records));
    return database.SaveDatabase();
}

int CmdDump(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {}, {});
    RequireCount(line, 1, "dump");
    const std::string& path = line.Positional()[0];
    MessagesToStderr messages;
    switch (KindOfFile(path)) {
        case FileKind::Satellites:
        case FileKind::EmptyDatabase: {
            std::vector<std::unique_ptr<CSatellite>> records;
            if (!ReadRecordsAsTheyAre(path, records)) return kExitFailed;
            PrintRecords(records.empty() ? "database" : "satellites", records, SatelliteJson);
            return kExitOk;
        }
        case FileKind::Locations: {
            std::vector<std::unique_ptr<CLocation>> records;
            if (!ReadRecordsAsTheyAre(path, records)) return kExitFailed;
            PrintRecords("locations", records, LocationJson);
            return kExitOk;
        }
        case FileKind::Workspace: break;
    }
    CTilvexDoc doc;
    if (!doc.OnOpenDocument(path) || doc.LoadFailed()) return kExitFailed;
    const CSettings& s = doc.GetSettings();
    std::printf("{\"type\": \"workspace\", \"satellites\": %s, \"locations\": %s, \"options\": %d, "
                "\"currentLocation\": %d, \"currentSatellite\": %d}\n",
                JsonStringList(doc.GetSatelliteNames()).c_str(), JsonStringList(doc.GetLocationNames()).c_str(),
                s.GetOptions(), s.GetCurLocation(), s.GetCurSatellite());
    return kExitOk;
}

template <class T>
int ImportCsv(int argc, char** argv, const char* command,
              std::vector<std::unique_ptr<T>> (*parse)(std::string_view)) {
    CommandLine line(argc, argv, 2, {"-o"}, {});
    RequireCount(line, 1, command);
    const std::string* out = line.Value("-o");
    if (!out) throw UsageError{"the output file is missing: -o FILE"};
    if (!IsStandardOutput(*out) && !CheckOutputFile(*out, "-o")) return kExitFailed;
    std::vector<std::unique_ptr<T>> records;
    std::string csv;
    int osError = 0;
    if (!ReadWholeFile(line.Positional()[0], csv, kDataFileLimit, &osError)) {
        std::fprintf(stderr, "cannot read '%s': %s\n", line.Positional()[0].c_str(), ErrorText(osError).c_str());
        return kExitFailed;
    }
    try {
        records = parse(csv);
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
    std::string text;
    try {
        text = format(records);
    } catch (const CsvError& e) {
        std::fprintf(stderr, "%s: record %zu: %s\n", line.Positional()[0].c_str(), e.m_line, e.m_message.c_str());
        return kExitFailed;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kExitOk;
}

int CmdNewWorkspace(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--sat", "--loc", "--data"}, {});
    RequireCount(line, 1, "new-workspace");
    const std::string out = PathText(std::filesystem::absolute(FileSystemPath(line.Positional()[0])));
    if (!CheckOutputFile(out, nullptr)) return kExitFailed;
    const auto sats = line.Values("--sat");
    const auto locs = line.Values("--loc");
    std::vector<std::string> needs;
    if (!sats.empty()) needs.push_back(kSatelliteDatabaseFile);
    if (!locs.empty()) needs.push_back(kLocationDatabaseFile);
    EnterDataFolder(line, needs);
    MessagesToStderr messages;
    CDatabasesHost host;
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


// ---------------------------------------------------------------------------
// Reports.

const char* const kDefaultWorkspace = "United States Ku Band Satellites.wrk";

// The desktop program's settings file: TILVEX_INI, else tilvex.INI in the
// user's configuration folder.
std::string SettingsFilePath() {
    if (const char* ini = std::getenv("TILVEX_INI"); ini && *ini) return ini;
    std::string base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        return {};
    return base + "/Tilvex/Tilvex/tilvex.INI";
}

// Writes `bytes` to `path` through a temporary file ("-": to standard
// output); on failure nothing is left behind and the old file stays.
bool WriteOutput(const std::string& path, const std::string& bytes) {
    if (IsStandardOutput(path)) return WriteStandardOutput(bytes);
    const SafeWriteResult result =
        SafeWriteFile(path, [&bytes](CFile& file) { file.Write(bytes.data(), bytes.size()); });
    if (result.ok) return true;
    std::fprintf(stderr, "cannot write '%s': %s\n", path.c_str(), SafeWriteReason(result).c_str());
    return false;
}

int CmdReport(int argc, char** argv) {
    CommandLine line(argc, argv, 2,
                     {"--workspace", "--location", "--format", "-o", "--face", "--size", "--paper", "--data"},
                     {"--all", "--excel"});
    RequireCount(line, 0, "report");
    const std::string format = line.Value("--format") ? *line.Value("--format") : "text";
    if (format != "text" && format != "csv" && format != "json" && format != "pdf")
        throw UsageError{"bad format '" + format + "': expected text, csv, json or pdf"};
    if (line.Flag("--all") && line.Value("--location"))
        throw UsageError{"--location and --all cannot be given together"};
    if (line.Flag("--excel") && format != "csv") throw UsageError{"--excel is for --format csv"};
    [[maybe_unused]] ReportPaper paper = DefaultReportPaper();
    if (const std::string* paperText = line.Value("--paper")) {
        if (format != "pdf") throw UsageError{"--paper is for --format pdf"};
        const auto parsed = ParseReportPaper(*paperText);
        if (!parsed) throw UsageError{"bad paper '" + *paperText + "': expected a4 or letter"};
        paper = *parsed;
    }
    const std::string* outPath = line.Value("-o");
    if (format == "pdf" && !outPath) throw UsageError{"a PDF report needs an output file: -o FILE"};
    const std::string out = !outPath                     ? std::string()
                            : IsStandardOutput(*outPath) ? *outPath
                                                         : std::filesystem::absolute(*outPath).string();
    if (!out.empty() && !IsStandardOutput(out) && !CheckOutputFile(out, "-o")) return kExitFailed;
    // Files named on the command line are relative to where it was given.
    const std::string* workspaceArg = line.Value("--workspace");
    std::string workspace = workspaceArg ? std::filesystem::absolute(*workspaceArg).string() : std::string();
#ifndef TILVEX_HAVE_PDF
    if (format == "pdf") {
        std::fprintf(stderr, "PDF output is not available: this tilvex-cli was built without Qt\n");
        return kExitFailed;
    }
#endif
    EnterDataFolder(line, {kSatelliteDatabaseFile, kLocationDatabaseFile});

    const CProfile settings(SettingsFilePath());
    if (const std::string problem = settings.ReadProblem(); !problem.empty())
        std::fprintf(stderr, "tilvex-cli: the settings file '%s' is not used: %s\n", settings.GetPath().c_str(),
                     problem.c_str());
    if (workspace.empty()) workspace = settings.GetProfileString(CRecentFileList::kSection, "File1", kDefaultWorkspace);
    const std::string face =
        line.Value("--face") ? Utf8ToCp1252(*line.Value("--face")) : settings.GetProfileString("Font", "Face Name", "Arial");
    const std::string size = line.Value("--size") ? *line.Value("--size") : settings.GetProfileString("Font", "Size", "14");

    MessagesToStderr messages;
    if (!std::filesystem::is_regular_file(workspace)) {
        std::fprintf(stderr, "no workspace '%s'\n", workspace.c_str());
        return kExitFailed;
    }
    CDatabasesHost host;
    if (host.satellites.LoadDatabase() != CSatelliteDatabase::LoadResult::Loaded) return kExitFailed;
    if (host.locations.LoadDatabase() != CLocationDatabase::LoadResult::Loaded) return kExitFailed;
    CTilvexDoc doc(&host);
    if (!doc.OnOpenDocument(workspace) || doc.LoadFailed()) {
        std::fprintf(stderr, "cannot read the workspace '%s'\n", workspace.c_str());
        return kExitFailed;
    }
    CArcGridModel grid;
    grid.SetOptions(doc.GetOptions());
    grid.Fill(doc.GetSatelliteNames(), host.satellites);

    // Which locations: one named, every listed one, or the current one.
    const std::vector<const CLocation*> listed = ListedLocations(doc.GetLocationNames(), host.locations);
    std::vector<const CLocation*> chosen;
    if (const std::string* name = line.Value("--location")) {
        for (const CLocation* location : listed)
            if (EqualNoCaseAZ(location->GetName(), Utf8ToCp1252(*name))) {
                chosen.push_back(location);
                break;
            }
        if (chosen.empty()) {
            std::fprintf(stderr, "no location named '%s' in the workspace '%s'\n", name->c_str(),
                         Cp1252ToUtf8(doc.GetTitle()).c_str());
            return kExitFailed;
        }
    } else if (line.Flag("--all")) {
        chosen = listed;
    } else {
        const CLocation* current = doc.GetCurrentLocation();
        if (!current) {
            doc.ValidateLocations(false);
            current = doc.GetCurrentLocation();
        }
        if (current) chosen.push_back(current);
    }
    if (chosen.empty()) {
        std::fprintf(stderr, "the workspace '%s' has no locations\n", Cp1252ToUtf8(doc.GetTitle()).c_str());
        return kExitFailed;
    }

    std::string bytes;
    if (format == "pdf") {
#ifdef TILVEX_HAVE_PDF
        ReportJobInput input;
        input.currentLocationOnly = !line.Flag("--all");
        input.currentLocation = chosen.front();
        input.locations = chosen;
        input.rows.assign(grid.Rows().begin(), grid.Rows().end());
        input.gridOptions = grid.GetOptions();
        input.workspaceTitle = doc.GetTitle();
        input.date = CurrentDateText();
        input.face = face;
        input.fontHeight = PrintFontHeightFromSize(size);
        EnsureReportGuiApplication();
        if (RenderReportPdf(input, paper, bytes) == 0) {
            std::fprintf(stderr, "nothing to print: the workspace '%s' lists no satellite that the grid shows\n",
                         Cp1252ToUtf8(doc.GetTitle()).c_str());
            return kExitFailed;
        }
#endif
    } else {
        const std::vector<LocationReport> reports = BuildLocationReports(grid, chosen);
        // Excel takes a CSV file for the system's code page unless it
        // begins with the byte-order mark.
        const char* mark = line.Flag("--excel") ? kUtf8ByteOrderMark : "";
        bytes = format == "csv"    ? mark + ReportAsCsv(reports, grid.GetOptions())
                : format == "json" ? ReportAsJson(reports, doc.GetTitle(), grid.GetOptions())
                                   : ReportAsText(reports, doc.GetTitle(), grid.GetOptions());
    }
    // A variation that the model could not compute: no report.
    if (messages.Shown()) return kExitFailed;
    if (std::any_of(chosen.begin(), chosen.end(), [](const CLocation* l) { return l->IsMagVarAuto(); }))
        WarnOutsideModel(CGeomagModel::CurrentYear(), "the automatic variation for");
    if (out.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return kExitOk;
    }
    return WriteOutput(out, bytes) ? kExitOk : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    const ProgramArguments arguments(argc, argv);
    IgnoreFileSizeSignal();
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
        {"report", CmdReport},
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
