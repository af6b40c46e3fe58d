// Look angles from a site to a geostationary satellite, as display text.
//
// All angles are degrees: latitude North positive, longitudes and magnetic
// variation West positive.  Every caller computes the elevation first and
// shows "--" for the azimuth too when the satellite is below the horizon
// (see LookAngleTexts).
#pragma once

#include <string>

#include "core/framework/RuntimeClass.h"

class CLookAngles : public CObject {
public:
    // Elevation with one decimal and the degree sign, or "--" below the
    // horizon.
    std::string Elevation(float latitude, float siteLongitude, float satLongitude) const;
    // True azimuth, or magnetic azimuth when `magnetic` is nonzero, in
    // [0, 360) with one decimal and the degree sign.
    std::string Azimuth(float latitude, float siteLongitude, float magneticVariation, float satLongitude,
                        int magnetic) const;
};

// The elevation and azimuth texts in the calling order every pane uses.
struct LookAngleTexts {
    std::string elevation;
    std::string azimuth;
};
LookAngleTexts ComputeLookAngles(float latitude, float siteLongitude, float magneticVariation,
                                 float satLongitude, int magnetic);

// The numbers behind the texts, by the same arithmetic: the elevation in
// degrees (negative below the horizon, where the text is "--") and the
// azimuth in [0, 360), true or, when `magnetic` is nonzero, magnetic.
double ElevationDegrees(float latitude, float siteLongitude, float satLongitude);
double AzimuthDegrees(float latitude, float siteLongitude, float magneticVariation, float satLongitude,
                      int magnetic);

// The text shown below the horizon.
inline constexpr const char* kBelowHorizon = "--";
