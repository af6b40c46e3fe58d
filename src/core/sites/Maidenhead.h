// Maidenhead grid locators ("JP99lp"), the way radio amateurs name a place:
// a field of 20 by 10 degrees (two letters A-R), a square of 2 by 1 degrees
// in it (two digits), and a subsquare of 5 by 2.5 minutes (two letters A-X).
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct GridPoint {
    double latitude = 0.0;   // degrees, North positive
    double longitude = 0.0;  // degrees, East positive
};

// The locator of the square or subsquare holding a point, 4 or 6 characters
// (`characters`; any other count gives 6), field letters in upper case and
// subsquare letters in lower case ("JP99lp").  A latitude outside -90..90 is
// taken as the nearest pole (the North Pole lies in the topmost squares); a
// longitude is taken modulo 360 (180E and 180W are one meridian, in field A).
std::string MaidenheadLocator(double latitude, double longitude, int characters = 6);

// The centre of the square (4 characters) or subsquare (6 characters) that a
// locator names, letter case aside, surrounding spaces ignored; nothing for
// any other text.
std::optional<GridPoint> ParseMaidenhead(std::string_view text);
