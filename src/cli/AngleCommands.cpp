// tilvex-cli angles and declination: look angles (and the clearance over a
// horizon) and the magnetic variation of a site.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/PlaceCommand.h"
#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/geomag/GeomagModel.h"
#include "core/horizon/Clearance.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/Location.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/Satellite.h"

int CmdAngles(int argc, char** argv) {
    CommandLine line(argc, argv, 2, {"--magvar", "--data", "--place", "--horizon", "--dish", "--freq"},
                     {"--auto-magvar", "--magnetic", "--skew"});
    // The horizon file is named relative to where the command was given
    // (finding a place may change into the data folder).
    const std::string* horizonArg = line.Value("--horizon");
    const std::string horizonPath =
        horizonArg ? std::filesystem::absolute(*horizonArg).string() : std::string();
    if (!horizonArg && (line.Value("--dish") || line.Value("--freq")))
        throw UsageError{"--dish and --freq are for --horizon"};
    const DishBeam beam = RequireDishBeam(line);
    const std::optional<SiteArgument> site = RequireSite(line, 1, "angles", stderr, EnterDataFolder);
    if (!site)
        return kExitFailed;
    const TypedAngle lat = site->latitude;
    const TypedAngle lon = site->longitude;
    const TypedAngle slot = RequireAngle(line.Positional()[site->next], AngleKind::Longitude, "slot");
    const std::string* magVarText = line.Value("--magvar");
    if (magVarText && line.Flag("--auto-magvar"))
        throw UsageError{"--magvar and --auto-magvar cannot be given together"};

    CLocation place;
    place.SetLatitude(lat.magnitude);
    place.SetNorth(lat.positive);
    place.SetLongitude(lon.magnitude);
    place.SetWest(lon.positive);
    if (magVarText) {
        const TypedAngle var = RequireAngle(*magVarText, AngleKind::MagVar, "magnetic variation");
        place.SetMagVar(var.magnitude);
        place.SetMagVarWest(var.positive);
    } else if (line.Flag("--auto-magvar")) {
        place.SetMagVar(MAGVAR_AUTO);
    }
    CSatellite satellite;
    satellite.SetSlot(slot.magnitude);
    satellite.SetWest(slot.positive);
    CHorizonProfile horizon;
    if (horizonArg) {
        std::string bytes;
        int osError = 0;
        if (!ReadWholeFile(horizonPath, bytes, kSmallFileLimit, &osError)) {
            std::fprintf(stderr, "cannot read '%s': %s\n", horizonArg->c_str(), ErrorText(osError).c_str());
            return kExitFailed;
        }
        const Outcome<CHorizonProfile> read = HorizonFromText(bytes, Utf8ToCp1252(*horizonArg));
        if (!read) {
            PrintMessage(read.Message());
            return kExitFailed;
        }
        horizon = *read;
    }
    EnterDataFolder(line, line.Flag("--auto-magvar") ? std::vector<std::string>{MagDataFile()}
                                                     : std::vector<std::string>{});

    const Outcome<float> variation = place.SignedMagVar();
    if (!variation)
        PrintMessage(variation.Message());
    else if (place.IsMagVarAuto())
        WarnOutsideModel(CGeomagModel::CurrentYear(), "the automatic variation for");
    // Without the model's file the variation is unknown: a magnetic azimuth
    // cannot be given, the other angles can.
    if (!variation && line.Flag("--magnetic"))
        return kExitFailed;
    const float magVar = variation.ValueOr(0.0f);
    const LookAngleTexts texts =
        ComputeLookAngles(place.SignedLatitude(), place.SignedLongitude(), magVar,
                          satellite.SignedLongitude(), line.Flag("--magnetic") ? 1 : 0);
    std::printf("%s\t%s", Cp1252ToUtf8(texts.elevation).c_str(), Cp1252ToUtf8(texts.azimuth).c_str());
    if (line.Flag("--skew"))
        std::printf("\t%s", Cp1252ToUtf8(LnbSkewText(place.SignedLatitude(), place.SignedLongitude(),
                                                     satellite.SignedLongitude()))
                                .c_str());
    if (horizonArg)
        std::printf("\t%s", Cp1252ToUtf8(ClearanceText(SatelliteClearance(
                                             horizon, BeamEdgeDegrees(beam), place.SignedLatitude(),
                                             place.SignedLongitude(), satellite.SignedLongitude())))
                                .c_str());
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
        if (!parsed)
            throw UsageError{"bad year '" + *yearText + "': expected a year like 2027 or 2027.5"};
        year = *parsed;
    }
    EnterDataFolder(line, {MagDataFile()});

    const float latitude = lat.positive ? lat.magnitude : -lat.magnitude;
    const float eastLongitude = lon.positive ? -lon.magnitude : lon.magnitude;
    const Outcome<float> declination = CGeomagModel().Declination(latitude, eastLongitude, year);
    if (!declination) {
        PrintMessage(declination.Message());
        return kExitFailed;
    }
    WarnOutsideModel(year, "the declination for");
    std::printf("%.4f\n", static_cast<double>(*declination));
    return kExitOk;
}
