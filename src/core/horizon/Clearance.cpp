#include "core/horizon/Clearance.h"

#include <charconv>
#include <cmath>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/Profile.h"
#include "core/satellites/LookAngles.h"

namespace {

constexpr double kSpeedOfLight = 0.299792458;  // wavelength in metres times frequency in GHz
constexpr double kEdgeNoise = 1e-9;            // degrees

// Any year the sun outages take: only the dish and the frequency are checked.
constexpr int kAnyYear = 2000;

// The entry's number, `fallback` when it is absent; nothing when it is not a
// number.
std::optional<double> SettingsNumber(const CProfile& settings, const char* entry, double fallback) {
    const std::string text = settings.GetProfileString(kDishSection, entry);
    if (text.empty())
        return fallback;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> DishBeamError(const DishBeam& beam) {
    return SunOutageInputError(beam.dishMetres, beam.frequencyGHz, kAnyYear);
}

double BeamEdgeDegrees(const DishBeam& beam) {
    return 35.0 * (kSpeedOfLight / beam.frequencyGHz) / beam.dishMetres;
}

DishBeam ReadDishBeam(const CProfile& settings) {
    const DishBeam defaults;
    const auto dish = SettingsNumber(settings, kDishDiameterEntry, defaults.dishMetres);
    const auto frequency = SettingsNumber(settings, kDishFrequencyEntry, defaults.frequencyGHz);
    if (!dish || !frequency || DishBeamError({*dish, *frequency}))
        return defaults;
    return {*dish, *frequency};
}

bool WriteDishBeam(CProfile& settings, const DishBeam& beam) {
    if (DishBeamError(beam))
        return false;
    return settings.WriteProfileString(kDishSection, kDishDiameterEntry, DecimalText(beam.dishMetres)) &&
           settings.WriteProfileString(kDishSection, kDishFrequencyEntry, DecimalText(beam.frequencyGHz));
}

double ClearanceMargin(const CHorizonProfile& horizon, double trueAzimuth, double elevation,
                       double beamEdge) {
    const double margin = elevation - horizon.HorizonAt(trueAzimuth) - beamEdge;
    return std::fabs(margin) < kEdgeNoise ? 0.0 : margin;
}

std::optional<double> SatelliteClearance(const CHorizonProfile& horizon, double beamEdge, float latitude,
                                         float siteLongitude, float satLongitude) {
    const double elevation = ElevationDegrees(latitude, siteLongitude, satLongitude);
    if (elevation < 0.0)
        return std::nullopt;
    const double azimuth = AzimuthDegrees(latitude, siteLongitude, 0.0f, satLongitude, 0);
    return ClearanceMargin(horizon, azimuth, elevation, beamEdge);
}

std::string ClearanceText(const std::optional<double>& margin) {
    if (!margin)
        return kBelowHorizon;
    return Format("%s %+.1f%c", IsClear(*margin) ? "clear" : "blocked", *margin, kDegreeSign);
}
