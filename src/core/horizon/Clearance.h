// Whether a satellite clears a site's horizon with the dish's beam: the
// margin is the satellite's elevation minus the horizon at its true azimuth
// minus the beam's half-power half-width 35 * wavelength / diameter
// (wavelength = 0.299792458 / frequency in GHz, in metres).  A satellite is
// clear when the margin is 0 or more.
//
// The satellite's elevation and true azimuth are the grid's own numbers
// (ElevationDegrees and AzimuthDegrees of LookAngles.h), so that the mark a
// row gets agrees with the texts it shows.
#pragma once

#include <optional>
#include <string>

#include "core/horizon/HorizonProfile.h"
#include "core/satellites/SunOutage.h"

class CProfile;

// The dish and the frequency, as the sun outages take them.
struct DishBeam {
    double dishMetres = kDefaultDishMetres;
    double frequencyGHz = kDefaultFrequencyGHz;
    bool operator==(const DishBeam&) const = default;
};

// Why a dish and frequency cannot be used, by the sun outages' rules
// ("the dish diameter must be greater than 0 metres", ...), or nothing.
std::optional<std::string> DishBeamError(const DishBeam& beam);

// The beam's half-power half-width in degrees: 35 * wavelength / diameter.
double BeamEdgeDegrees(const DishBeam& beam);

// The settings file keeps the dish and the frequency in section "Dish",
// entries "Diameter" (metres) and "Frequency" (GHz), for every window and
// command that asks for them.  Reading gives the default for an absent
// entry, and both defaults when a value is not a number or DishBeamError
// refuses the pair.
inline constexpr const char* kDishSection = "Dish";
inline constexpr const char* kDishDiameterEntry = "Diameter";
inline constexpr const char* kDishFrequencyEntry = "Frequency";
DishBeam ReadDishBeam(const CProfile& settings);
// False when the settings file cannot be written, or DishBeamError refuses
// the values (nothing is written then).
bool WriteDishBeam(CProfile& settings, const DishBeam& beam);

// The margin in degrees for a satellite at (`trueAzimuth`, `elevation`)
// with a beam `beamEdge` degrees wide on each side.  A margin within a
// billionth of a degree of 0 is 0: an elevation that lies exactly on the
// beam's edge is not blocked by the last bit of the arithmetic.
double ClearanceMargin(const CHorizonProfile& horizon, double trueAzimuth, double elevation, double beamEdge);
inline bool IsClear(double margin) {
    return margin >= 0.0;
}

// The margin of the geostationary satellite at signed slot `satLongitude`
// from the site (latitude North positive, longitudes West positive), or
// nothing when the satellite is below the level horizon (its elevation text
// is "--").
std::optional<double> SatelliteClearance(const CHorizonProfile& horizon, double beamEdge, float latitude,
                                         float siteLongitude, float satLongitude);

// "clear +4.2°" or "blocked -2.1°" (the margin with "%+.1f", Windows-1252
// degree sign), "--" for no margin.
std::string ClearanceText(const std::optional<double>& margin);
