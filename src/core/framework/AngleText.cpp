#include "core/framework/AngleText.h"

#include <cctype>
#include <charconv>
#include <system_error>

namespace {

// An unsigned decimal number: digits, optionally a point and more digits.
std::optional<float> ParseUnsigned(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int digits = 0, points = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    float value = 0.0f;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<TypedAngle> ParseTypedAngle(std::string_view text, AngleKind kind) {
    if (text.size() < 2)
        return std::nullopt;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const char positive = kind == AngleKind::Latitude ? 'N' : 'W';
    const char negative = kind == AngleKind::Latitude ? 'S' : 'E';
    if (letter != positive && letter != negative)
        return std::nullopt;
    const auto magnitude = ParseUnsigned(text.substr(0, text.size() - 1));
    const float limit = kind == AngleKind::Latitude ? 90.0f : 180.0f;
    if (!magnitude || *magnitude > limit)
        return std::nullopt;
    return TypedAngle{*magnitude, letter == positive ? 1 : 0};
}

std::optional<float> ParseYear(std::string_view text) {
    const auto year = ParseUnsigned(text);
    if (!year || *year < 1900.0f || *year > 2200.0f)
        return std::nullopt;
    return year;
}
