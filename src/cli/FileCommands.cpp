// tilvex-cli dump, import-*, export-* and new-workspace: the program's
// files.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/framework/AppMessageBox.h"
#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/framework/StringTable.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/JsonText.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/Archive.h"
#include "core/workspace/DatabaseHost.h"
#include "core/workspace/RecordCsv.h"
#include "core/workspace/TilvexDoc.h"

namespace {

std::string SatelliteJson(const CSatellite& s) {
    std::string region;
    for (const auto& entry : kSatelliteRegions)
        if (s.Region() == entry.flag)
            region = LoadString(entry.nameId);
    return CJsonObject()
        .String("name", s.GetName())
        .Float("slot", s.GetSlot())
        .Integer("west", s.IsWest())
        .Integer("flags", s.GetFlags())
        .String("slotText", s.SlotText())
        .String("bands", s.BandText())
        .String("region", region)
        .String("comments", s.GetComments())
        .Text();
}

std::string LocationJson(const CLocation& l) {
    std::string region;
    for (const auto& entry : kLocationRegions)
        if (l.GetRegion() == entry.value)
            region = LoadString(entry.nameId);
    return CJsonObject()
        .String("name", l.GetName())
        .Float("latitude", l.GetLatitude())
        .Integer("north", l.IsNorth())
        .Float("longitude", l.GetLongitude())
        .Integer("west", l.IsWest())
        .Float("magVar", l.GetMagVar())
        .Integer("magVarWest", l.IsMagVarWest())
        .Bool("magVarAuto", l.IsMagVarAuto())
        .Integer("region", l.GetRegion())
        .String("regionName", region)
        .Text();
}

template <class T>
void PrintRecords(const char* type, const std::vector<std::unique_ptr<T>>& records,
                  std::string (*json)(const T&)) {
    std::printf("{\"type\": %s, \"records\": [", JsonString(type).c_str());
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
    if (!file.OpenToRead(path, kDataFileLimit))
        return unknown;
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
        if (count == 0)
            return file.GetLength() == 2 ? FileKind::EmptyDatabase : FileKind::Workspace;
        const CRuntimeClass* cls = ar.ReadNextObjectClass();
        if (cls == RUNTIME_CLASS(CSatellite))
            return FileKind::Satellites;
        if (cls == RUNTIME_CLASS(CLocation))
            return FileKind::Locations;
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
        std::fprintf(stderr, "Unable to open %s%s\n", path.c_str(),
                     refusal ? (": " + ErrorText(refusal)).c_str() : "");
        return false;
    }
    try {
        CArchive ar(&file, CArchive::load);
        SerializeObjectList(ar, records);
        if (!ar.IsAtEnd())
            ar.Throw(CArchiveException::genericException);
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
    if (database.LoadDatabase() != CRecordDatabase<T>::LoadResult::Loaded)
        return false;
    records = database.TakeRecords();
    return true;
}

// A file that keeps what is written to it.
class CMemoryFile : public CFile {
public:
    void Write(const void* buffer, std::size_t count) override {
        bytes.append(static_cast<const char*>(buffer), count);
    }
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

}  // namespace

int CmdDump(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {}, {});
    RequireCount(line, 1, "dump");
    const std::string& path = line.Positional()[0];
    switch (KindOfFile(path)) {
        case FileKind::Satellites:
        case FileKind::EmptyDatabase: {
            std::vector<std::unique_ptr<CSatellite>> records;
            if (!ReadRecordsAsTheyAre(path, records))
                return kExitFailed;
            PrintRecords(records.empty() ? "database" : "satellites", records, SatelliteJson);
            return kExitOk;
        }
        case FileKind::Locations: {
            std::vector<std::unique_ptr<CLocation>> records;
            if (!ReadRecordsAsTheyAre(path, records))
                return kExitFailed;
            PrintRecords("locations", records, LocationJson);
            return kExitOk;
        }
        case FileKind::Workspace:
            break;
    }
    CTilvexDoc doc;
    if (!doc.OnOpenDocument(path) || doc.LoadFailed())
        return kExitFailed;
    const CSettings& s = doc.GetSettings();
    std::printf("%s\n", CJsonObject()
                            .String("type", "workspace")
                            .Json("satellites", JsonStringList(doc.GetSatelliteNames()))
                            .Json("locations", JsonStringList(doc.GetLocationNames()))
                            .Integer("options", s.GetOptions())
                            .Integer("currentLocation", s.GetCurLocation())
                            .Integer("currentSatellite", s.GetCurSatellite())
                            .Text()
                            .c_str());
    return kExitOk;
}

namespace {

template <class T>
int ImportCsv(int argc, char** argv, const char* command,
              std::vector<std::unique_ptr<T>> (*parse)(std::string_view)) {
    CommandLine line(argc, argv, 2, {"-o"}, {});
    RequireCount(line, 1, command);
    const std::string* out = line.Value("-o");
    if (!out)
        throw UsageError{"the output file is missing: -o FILE"};
    if (!IsStandardOutput(*out) && !CheckOutputFile(*out, "-o"))
        return kExitFailed;
    std::vector<std::unique_ptr<T>> records;
    std::string csv;
    int osError = 0;
    if (!ReadWholeFile(line.Positional()[0], csv, kDataFileLimit, &osError)) {
        std::fprintf(stderr, "cannot read '%s': %s\n", line.Positional()[0].c_str(),
                     ErrorText(osError).c_str());
        return kExitFailed;
    }
    try {
        records = parse(csv);
    } catch (const CsvError& e) {
        std::fprintf(stderr, "%s: %s\n", line.Positional()[0].c_str(), e.what());
        return kExitFailed;
    }
    return SaveRecords(*out, records) ? kExitOk : kExitFailed;
}

template <class T>
int ExportCsv(int argc, char** argv, const char* command,
              std::string (*format)(const std::vector<std::unique_ptr<T>>&)) {
    CommandLine line(argc, argv, 2, {}, {});
    RequireCount(line, 1, command);
    std::vector<std::unique_ptr<T>> records;
    if (!LoadRecords(line.Positional()[0], records))
        return kExitFailed;
    std::string text;
    try {
        text = format(records);
    } catch (const CsvError& e) {
        std::fprintf(stderr, "%s: record %zu: %s\n", line.Positional()[0].c_str(), e.m_line,
                     e.m_message.c_str());
        return kExitFailed;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return kExitOk;
}

}  // namespace

int CmdImportSatellites(int argc, char** argv) {
    return ImportCsv<CSatellite>(argc, argv, "import-satellites", SatellitesFromCsv);
}
int CmdImportLocations(int argc, char** argv) {
    return ImportCsv<CLocation>(argc, argv, "import-locations", LocationsFromCsv);
}
int CmdExportSatellites(int argc, char** argv) {
    return ExportCsv<CSatellite>(argc, argv, "export-satellites", SatellitesToCsv);
}
int CmdExportLocations(int argc, char** argv) {
    return ExportCsv<CLocation>(argc, argv, "export-locations", LocationsToCsv);
}

int CmdNewWorkspace(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--sat", "--loc", "--data"}, {});
    RequireCount(line, 1, "new-workspace");
    const std::string out = PathText(std::filesystem::absolute(FileSystemPath(line.Positional()[0])));
    if (!CheckOutputFile(out, nullptr))
        return kExitFailed;
    const auto sats = line.Values("--sat");
    const auto locs = line.Values("--loc");
    std::vector<std::string> needs;
    if (!sats.empty())
        needs.push_back(kSatelliteDatabaseFile);
    if (!locs.empty())
        needs.push_back(kLocationDatabaseFile);
    EnterDataFolder(line, needs);
    CDatabasesHost host;
    if (!sats.empty() && host.satellites.LoadDatabase() != CSatelliteDatabase::LoadResult::Loaded)
        return kExitFailed;
    if (!locs.empty() && host.locations.LoadDatabase() != CLocationDatabase::LoadResult::Loaded)
        return kExitFailed;

    CTilvexDoc doc(&host);
    doc.OnNewDocument();
    bool unknown = false;
    for (const auto& name : sats) {
        const CSatellite* sat = host.satellites.FindSatellite(Utf8ToCp1252(name));
        if (!sat)
            std::fprintf(stderr, "no satellite named '%s' in %s\n", name.c_str(), kSatelliteDatabaseFile);
        unknown |= !sat;
        doc.AddSatellite(sat, false);
    }
    for (const auto& name : locs) {
        const CLocation* loc = host.locations.FindLocation(Utf8ToCp1252(name));
        if (!loc)
            std::fprintf(stderr, "no location named '%s' in %s\n", name.c_str(), kLocationDatabaseFile);
        unknown |= !loc;
        doc.AddLocation(loc, false);
    }
    if (unknown)
        return kExitFailed;
    return doc.OnSaveDocument(out) ? kExitOk : kExitFailed;
}
