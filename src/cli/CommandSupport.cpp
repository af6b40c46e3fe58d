#include "cli/CommandSupport.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/Console.h"
#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/framework/SafeFile.h"
#include "core/framework/StringTable.h"
#include "core/geomag/GeomagModel.h"
#include "resources/ids.h"

std::string MagDataFile() {
    return LoadString(ids::IDS_MAGDATA_FILE);
}

// The folders that may hold the program's files, for a command given no
// --data, in the order they are tried: the current folder, the desktop
// program's data folder, the data installed beside this program and where
// it was built to be installed.
std::vector<std::filesystem::path> DataFolders() {
    std::error_code error;
    std::vector<std::filesystem::path> candidates{std::filesystem::current_path(error)};
    if (const std::string user = UserDataFolder(); !user.empty())
        candidates.push_back(FileSystemPath(user));
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

void EnterDataFolder(const CommandLine& line, const std::vector<std::string>& needs) {
    // Once in a folder, a command stays there (a site given as a place and
    // the model's file are read from the same folder).
    static bool entered = false;
    if (entered)
        return;
    if (line.Value("--data")) {
        entered = true;
        return EnterDataDir(line);
    }
    if (needs.empty())
        return;
    entered = true;
    const std::vector<std::filesystem::path> folders = DataFolders();
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error).lexically_normal();
    for (const std::filesystem::path& folder : folders) {
        const bool holds = std::all_of(needs.begin(), needs.end(), [&](const std::string& name) {
            return std::filesystem::is_regular_file(folder / name, error);
        });
        if (!holds)
            continue;
        if (folder == here)
            return;
        std::filesystem::current_path(folder, error);
        if (error)
            continue;
        std::fprintf(stderr, "tilvex-cli: reading the data in %s\n", PathText(folder).c_str());
        return;
    }
    std::string names, places;
    for (const std::string& name : needs)
        names += (names.empty() ? "" : ", ") + name;
    for (const auto& folder : folders)
        places += (places.empty() ? "" : ", ") + PathText(folder);
    std::fprintf(stderr, "tilvex-cli: no data folder holds %s; looked in %s\n", names.c_str(),
                 places.c_str());
}

double RequireNumberOption(const CommandLine& line, const char* option, double fallback) {
    const std::string* text = line.Value(option);
    if (!text)
        return fallback;
    double value = 0.0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (text->empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        throw UsageError{Format("bad %s '%s': expected a number", option, text->c_str())};
    return value;
}

DishBeam RequireDishBeam(const CommandLine& line) {
    const DishBeam beam{RequireNumberOption(line, "--dish", kDefaultDishMetres),
                        RequireNumberOption(line, "--freq", kDefaultFrequencyGHz)};
    if (const auto error = DishBeamError(beam))
        throw UsageError{*error};
    return beam;
}

void PrintMessage(const std::string& message) {
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(message).c_str());
}

void WarnOutsideModel(float year, const char* what) {
    const auto span = CGeomagModel::ValidYears();
    if (!span || span->Covers(year))
        return;
    std::fprintf(stderr,
                 "tilvex-cli: warning: the magnetic model is valid from %.1f to %.1f; %s %.1f is an "
                 "extrapolation and may be far off\n",
                 static_cast<double>(span->first), static_cast<double>(span->last), what,
                 static_cast<double>(year));
}

bool IsStandardOutput(const std::string& path) {
    return path == "-";
}

bool WriteStandardOutput(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::fprintf(stderr, "cannot write to standard output: %s\n", std::strerror(errno));
    return false;
}

bool CheckOutputFile(const std::string& path, const char* option) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(FileSystemPath(path), error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_regular_file(status))
        return true;
    const int reason = std::filesystem::is_directory(status) ? EISDIR : kErrorNotRegularFile;
    std::fprintf(stderr, "cannot write '%s': %s%s\n", path.c_str(), ErrorText(reason).c_str(),
                 option ? (std::string("; ") + option + " - writes to standard output").c_str() : "");
    return false;
}

std::string SettingsFilePath() {
    if (const char* ini = std::getenv("TILVEX_INI"); ini && *ini)
        return ini;
#ifdef _WIN32
    // The desktop program keeps it beside the user's data, in %APPDATA%\Tilvex.
    const std::string folder = UserDataFolder();
    return folder.empty() ? std::string() : folder + "\\tilvex.INI";
#else
    std::string base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        return {};
    return base + "/Tilvex/Tilvex/tilvex.INI";
#endif
}

bool WriteOutput(const std::string& path, const std::string& bytes) {
    if (IsStandardOutput(path))
        return WriteStandardOutput(bytes);
    const SafeWriteResult result =
        SafeWriteFile(path, [&bytes](CFile& file) { file.Write(bytes.data(), bytes.size()); });
    if (result.ok)
        return true;
    std::fprintf(stderr, "cannot write '%s': %s\n", path.c_str(), SafeWriteReason(result).c_str());
    return false;
}
