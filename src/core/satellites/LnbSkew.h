// The LNB's rotation (polarisation skew) for a geostationary satellite: how
// far to turn the feed so that its polarisation lines up with the
// satellite's, seen from behind the dish looking towards the satellite.
#pragma once

#include <optional>
#include <string>

#include "core/framework/Translate.h"

// Skew in degrees, positive clockwise.  Latitude North positive, longitudes
// West positive, as everywhere in the look-angle code.  Nothing when the
// satellite is below the horizon, that is when the grid shows "--".  On the
// equator the skew is 90 degrees (0 for a satellite straight overhead).
std::optional<double> LnbSkew(double latitude, double siteLongitude, double satLongitude);

// "30.8°" or "-30.8°" (Windows-1252 degree sign), "--" below the horizon.
std::string LnbSkewText(double latitude, double siteLongitude, double satLongitude);

// Ends the words below; the aiming sheet leaves it out.
inline constexpr const char* kSeenFromBehindTheDish = TrNoop(" (seen from behind the dish)");

// The details dialog's words: "30.8° clockwise (seen from behind the dish)",
// "12.0° counter-clockwise (seen from behind the dish)", "0.0°" when there is
// nothing to turn, "--" below the horizon.
std::string LnbSkewDirectionText(double latitude, double siteLongitude, double satLongitude);
