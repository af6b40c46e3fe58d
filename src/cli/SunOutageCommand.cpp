#include "cli/Commands.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/PlaceCommand.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/satellites/SunOutage.h"

namespace {

// A plain decimal number, all of the text.
std::optional<double> ParseNumber(const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double RequireNumber(const CommandLine& line, const char* option, double fallback) {
    const std::string* text = line.Value(option);
    if (!text)
        return fallback;
    if (auto value = ParseNumber(*text))
        return *value;
    throw UsageError{Format("bad %s '%s': expected a number", option, text->c_str())};
}

int CurrentYear() {
    using namespace std::chrono;
    return static_cast<int>(year_month_day{floor<days>(system_clock::now())}.year());
}

}  // namespace

int CmdSunOutage(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--year", "--dish", "--freq", "--place", "--data"}, {});
    const std::optional<SiteArgument> site = RequireSite(line, 1, "sun-outage", stderr, EnterDataFolder);
    if (!site)
        return kExitFailed;
    const TypedAngle lat = site->latitude;
    const TypedAngle lon = site->longitude;
    const TypedAngle slot = RequireAngle(line.Positional()[site->next], AngleKind::Longitude, "slot");
    int year = CurrentYear();
    if (const std::string* text = line.Value("--year")) {
        const std::optional<double> value = ParseNumber(*text);
        if (!value || *value != std::floor(*value) || std::abs(*value) > 1e6)
            throw UsageError{"bad year '" + *text + "': expected a whole year from 1900 to 2100"};
        year = static_cast<int>(*value);
    }
    const double dish = RequireNumber(line, "--dish", kDefaultDishMetres);
    const double frequency = RequireNumber(line, "--freq", kDefaultFrequencyGHz);
    if (const auto error = SunOutageInputError(dish, frequency, year))
        throw UsageError{*error};

    const double latitude = lat.positive ? lat.magnitude : -lat.magnitude;
    const double longitude = lon.positive ? lon.magnitude : -lon.magnitude;
    const double satLongitude = slot.positive ? slot.magnitude : -slot.magnitude;
    for (const SunOutageDay& day :
         ComputeSunOutages(latitude, longitude, satLongitude, year, dish, frequency))
        std::printf("%s\n", Cp1252ToUtf8(SunOutageLine(day)).c_str());
    return kExitOk;
}
