#include "core/sites/Maidenhead.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSubsquareLongitude = 2.0 / 24.0;  // degrees: 5 minutes
constexpr double kSubsquareLatitude = 1.0 / 24.0;   // degrees: 2.5 minutes

int Index(char c, char first, int count) {
    if (c >= 'a' && c <= 'z' && first >= 'A' && first <= 'Z')
        c = static_cast<char>(c - 'a' + 'A');
    const int index = c - first;
    return index >= 0 && index < count ? index : -1;
}

}  // namespace

std::string MaidenheadLocator(double latitude, double longitude, int characters) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return {};
    // Whole subsquares east of 180W and north of 90S; the last subsquare
    // below the North Pole holds the pole.
    double east = std::fmod(longitude + 180.0, 360.0);
    if (east < 0.0)
        east += 360.0;
    const double north = std::fmin(std::fmax(latitude, -90.0), 90.0) + 90.0;
    const long x = std::lround(std::floor(east / kSubsquareLongitude)) % (18 * 10 * 24);
    const long y = std::min(std::lround(std::floor(north / kSubsquareLatitude)), 18L * 10 * 24 - 1);
    std::string out;
    out += static_cast<char>('A' + x / 240);
    out += static_cast<char>('A' + y / 240);
    out += static_cast<char>('0' + x / 24 % 10);
    out += static_cast<char>('0' + y / 24 % 10);
    if (characters != 4) {
        out += static_cast<char>('a' + x % 24);
        out += static_cast<char>('a' + y % 24);
    }
    return out;
}

std::optional<GridPoint> ParseMaidenhead(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.size() != 4 && text.size() != 6)
        return std::nullopt;
    const int fieldX = Index(text[0], 'A', 18), fieldY = Index(text[1], 'A', 18);
    const int squareX = Index(text[2], '0', 10), squareY = Index(text[3], '0', 10);
    if (fieldX < 0 || fieldY < 0 || squareX < 0 || squareY < 0)
        return std::nullopt;
    // The south-west corner of the square, then the centre of the square or
    // of the subsquare.
    double west = -180.0 + fieldX * 20.0 + squareX * 2.0;
    double south = -90.0 + fieldY * 10.0 + squareY * 1.0;
    if (text.size() == 4)
        return GridPoint{south + 0.5, west + 1.0};
    const int subX = Index(text[4], 'A', 24), subY = Index(text[5], 'A', 24);
    if (subX < 0 || subY < 0)
        return std::nullopt;
    west += subX * kSubsquareLongitude;
    south += subY * kSubsquareLatitude;
    return GridPoint{south + kSubsquareLatitude / 2.0, west + kSubsquareLongitude / 2.0};
}
