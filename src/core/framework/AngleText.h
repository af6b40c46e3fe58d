// Angles typed as a magnitude in degrees followed by a direction letter
// ("38.5N", "100W", "19.2E") and decimal years, as the command line and the
// CSV files give them.
#pragma once

#include <optional>
#include <string_view>

struct TypedAngle {
    float magnitude = 0.0f;
    // Nonzero for the positive direction of the kind: North for latitudes,
    // West for longitudes, slots and magnetic variations.
    int positive = 1;
};

enum class AngleKind { Latitude, Longitude, MagVar };

// Parses `text` as an angle of `kind`: an unsigned decimal number no larger
// than the kind allows (90 for latitudes, 180 otherwise) and one direction
// letter (N/S for latitudes, W/E otherwise, in either case).  Returns nothing
// for anything else.
std::optional<TypedAngle> ParseTypedAngle(std::string_view text, AngleKind kind);

// Parses a decimal year such as "2027" or "2027.5" (1900 to 2200).
std::optional<float> ParseYear(std::string_view text);
