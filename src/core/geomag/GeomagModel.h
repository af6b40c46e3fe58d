// The geomagnetic model that gives an automatic location its magnetic
// variation: the World Magnetic Model point computation (degree and order
// 12, single precision, WGS-84), with coefficients read from "MagData.dat".
#pragma once

#include <optional>
#include <string>

#include "core/framework/Outcome.h"
#include "core/framework/RuntimeClass.h"

class CGeomagModel : public CObject {
public:
    // Magnetic declination in degrees, East positive, at the given latitude
    // (North positive) and longitude (East positive), at altitude 0 for the
    // current whole calendar year.  The coefficient file is read anew on every
    // call from the working directory.  When it cannot be opened there is no
    // value, and the message to show is "Couldn't find MagData.dat.  Cannot
    // calculate magnetic variation."; nothing is shown here.
    Outcome<float> Declination(float latitude, float longitude) const;

    // The same, for the decimal year `year` instead of the current one.
    Outcome<float> Declination(float latitude, float longitude, float year) const;

    // The computation itself: reads the coefficients from `path` and computes
    // at altitude `altKm` for the decimal year `year`.  Returns nothing (and
    // shows no message) when the file cannot be opened.
    static std::optional<float> Compute(const std::string& path, float altKm, float latitude, float longitude,
                                        float year);

    // The current local calendar year as a whole number.
    static float CurrentYear();

    // The years for which the model's coefficients hold: from the file's
    // epoch five years on (2025.0 to 2030.0 for WMM2025).  Outside them the
    // result is an extrapolation that may be far off; the model's own
    // documentation advises against using it there.
    static constexpr float kValidYears = 5.0f;
    struct YearSpan {
        float first;
        float last;
        bool Covers(float year) const { return year >= first && year <= last; }
    };
    // The span of the coefficients in `path`, or of "MagData.dat" in the
    // working directory; nothing when the file cannot be read.
    static std::optional<YearSpan> ValidYears(const std::string& path);
    static std::optional<YearSpan> ValidYears();
};
