// tilvex-cli aim: the installer's sheet for a site and a satellite, one
// "key: value" line each (core/aim/AimSheet.h).
#include <cctype>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/PlaceCommand.h"
#include "core/aim/AimSheet.h"
#include "core/framework/Cp1252.h"
#include "core/geomag/GeomagModel.h"
#include "core/locations/Location.h"

namespace {

// YYYY-MM-DD, digits only; the calendar check is AimInputError's.
std::optional<AimDate> ParseDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != 4 && i != 7 && !std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
    return AimDate{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2))};
}

}  // namespace

int CmdAim(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--magvar", "--offset", "--freq", "--date", "--place", "--data"},
                     {"--auto-magvar"});
    const std::optional<SiteArgument> site = RequireSite(line, 1, "aim", stderr, EnterDataFolder);
    if (!site)
        return kExitFailed;
    const TypedAngle slot = RequireAngle(line.Positional()[site->next], AngleKind::Longitude, "slot");
    const std::string* magVarText = line.Value("--magvar");
    if (magVarText && line.Flag("--auto-magvar"))
        throw UsageError{"--magvar and --auto-magvar cannot be given together"};

    CLocation place;
    place.SetLatitude(site->latitude.magnitude);
    place.SetNorth(site->latitude.positive);
    place.SetLongitude(site->longitude.magnitude);
    place.SetWest(site->longitude.positive);
    if (magVarText) {
        const TypedAngle var = RequireAngle(*magVarText, AngleKind::MagVar, "magnetic variation");
        place.SetMagVar(var.magnitude);
        place.SetMagVarWest(var.positive);
    } else if (line.Flag("--auto-magvar")) {
        place.SetMagVar(MAGVAR_AUTO);
    }

    AimRequest request;
    request.latitude = place.SignedLatitude();
    request.siteLongitude = place.SignedLongitude();
    request.satLongitude = slot.positive ? slot.magnitude : -slot.magnitude;
    if (line.Value("--offset"))
        request.offset = RequireNumberOption(line, "--offset", kDefaultDishOffset);
    request.frequencyGHz = RequireNumberOption(line, "--freq", kDefaultFrequencyGHz);
    if (const std::string* dateText = line.Value("--date")) {
        const std::optional<AimDate> date = ParseDate(*dateText);
        if (!date)
            throw UsageError{"bad date '" + *dateText + "': expected YYYY-MM-DD"};
        request.date = *date;
    } else {
        const auto now = std::chrono::system_clock::now();
        request.date =
            SiteDate(request.siteLongitude,
                     std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
    }
    if (const auto error = AimInputError(request))
        throw UsageError{*error};

    if (magVarText || line.Flag("--auto-magvar")) {
        EnterDataFolder(line, line.Flag("--auto-magvar") ? std::vector<std::string>{MagDataFile()}
                                                         : std::vector<std::string>{});
        const Outcome<float> variation = place.SignedMagVar();
        // The magnetic azimuth was asked for: without the model's file there
        // is no sheet rather than one without it.
        if (!variation) {
            PrintMessage(variation.Message());
            return kExitFailed;
        }
        if (place.IsMagVarAuto())
            WarnOutsideModel(CGeomagModel::CurrentYear(), "the automatic variation for");
        request.magneticVariation = *variation;
    }

    for (const AimLine& aimLine : AimSheetLines(request))
        std::printf("%s: %s\n", aimLine.key.c_str(), Cp1252ToUtf8(aimLine.value).c_str());
    return kExitOk;
}
