// tilvex-cli: look angles, declinations and (in time) the program's files from
// the command line.  Output is UTF-8; messages go to stderr.
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/Arguments.h"
#include "framework/AppMessageBox.h"
#include "framework/Cp1252.h"
#include "framework/Format.h"
#include "geomag/GeomagModel.h"
#include "locations/Location.h"
#include "satellites/LookAngles.h"
#include "satellites/Satellite.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

const char* const kUsage =
    "usage:\n"
    "  tilvex-cli angles LAT LON SLOT [--magvar VAR | --auto-magvar] [--magnetic] [--data DIR]\n"
    "  tilvex-cli declination LAT LON [--year YEAR] [--data DIR]\n"
    "LAT like 40N or 30S; LON and SLOT like 100W or 19.2E; VAR like 15W or 12E.\n";

struct UsageError {
    std::string message;
};

// The words of a command line after the command name: positional arguments
// and options, some of which take a value.
class CommandLine {
public:
    CommandLine(int argc, char** argv, int first, const std::vector<std::string>& valueOptions,
                const std::vector<std::string>& flagOptions) {
        for (int i = first; i < argc; ++i) {
            std::string word = argv[i];
            if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
                if (Contains(flagOptions, word)) {
                    m_flags.push_back(word);
                } else if (Contains(valueOptions, word)) {
                    if (i + 1 >= argc) throw UsageError{"option " + word + " needs a value"};
                    m_values.emplace_back(word, argv[++i]);
                } else {
                    throw UsageError{"unknown option " + word};
                }
            } else {
                m_positional.push_back(word);
            }
        }
    }

    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Flag(const std::string& name) const { return Contains(m_flags, name); }
    std::vector<std::string> Values(const std::string& name) const {
        std::vector<std::string> out;
        for (const auto& [option, value] : m_values)
            if (option == name) out.push_back(value);
        return out;
    }
    const std::string* Value(const std::string& name) const {
        const std::string* found = nullptr;
        for (const auto& [option, value] : m_values) {
            if (option != name) continue;
            if (found) throw UsageError{"option " + name + " given twice"};
            found = &value;
        }
        return found;
    }

private:
    static bool Contains(const std::vector<std::string>& list, const std::string& word) {
        for (const auto& item : list)
            if (item == word) return true;
        return false;
    }

    std::vector<std::string> m_positional;
    std::vector<std::string> m_flags;
    std::vector<std::pair<std::string, std::string>> m_values;
};

TypedAngle RequireAngle(const std::string& text, AngleKind kind, const char* what) {
    if (auto angle = ParseTypedAngle(text, kind)) return *angle;
    const char* form = kind == AngleKind::Latitude ? "0 to 90 with N or S, like 38.5N"
                                                   : "0 to 180 with W or E, like 100W";
    throw UsageError{Format("bad %s '%s': expected degrees %s", what, text.c_str(), form)};
}

void RequireCount(const CommandLine& line, std::size_t count, const char* command) {
    if (line.Positional().size() != count)
        throw UsageError{Format("%s takes %zu arguments, got %zu", command, count, line.Positional().size())};
}

// Changes into the data folder named by --data, where the program's files are
// looked for by bare name.
void EnterDataDir(const CommandLine& line) {
    if (const std::string* dir = line.Value("--data")) {
        if (::chdir(dir->c_str()) != 0)
            throw UsageError{Format("cannot use data folder '%s': %s", dir->c_str(), std::strerror(errno))};
    }
}

// Prints messages on stderr and remembers whether any was shown.
class MessagesToStderr {
public:
    MessagesToStderr() {
        m_previous = SetMessageBoxHandler([this](const std::string& text, unsigned, unsigned) {
            std::fprintf(stderr, "%s\n", Cp1252ToUtf8(text).c_str());
            m_shown = true;
            return IDOK;
        });
    }
    ~MessagesToStderr() { SetMessageBoxHandler(m_previous); }
    bool Shown() const { return m_shown; }

private:
    bool m_shown = false;
    MessageBoxHandler m_previous;
};

int CmdAngles(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--magvar", "--data"}, {"--auto-magvar", "--magnetic"});
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
    const LookAngleTexts texts =
        ComputeLookAngles(site.SignedLatitude(), site.SignedLongitude(), site.SignedMagVar(),
                          satellite.SignedLongitude(), line.Flag("--magnetic") ? 1 : 0);
    std::printf("%s\t%s\n", Cp1252ToUtf8(texts.elevation).c_str(), Cp1252ToUtf8(texts.azimuth).c_str());
    return messages.Shown() ? kExitFailed : kExitOk;
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

}  // namespace

int main(int argc, char** argv) {
    const std::map<std::string, std::function<int(int, char**)>> commands = {
        {"angles", CmdAngles},
        {"declination", CmdDeclination},
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
