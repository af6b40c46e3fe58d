#include "core/framework/DataExchange.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "core/framework/Format.h"
#include "core/framework/Translate.h"

std::string FormatDialogFloat(double value) {
    if (value == 0.0)
        value = 0.0;  // no "-0"
    return Format("%.*g", 6, value);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the decimal number at the start of `text` (sign, digits,
// point, exponent), or 0 when there is none.
std::size_t DecimalLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Reads the number of `DecimalLength` characters; out-of-range values
// become infinity or zero with their sign.
double ReadDecimal(std::string_view number) {
    const bool negative = !number.empty() && number[0] == '-';
    if (!number.empty() && (number[0] == '+' || number[0] == '-'))
        number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: tell overflow from underflow by
        // the exponent's sign.
        const auto e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<double> ParseDialogFloat(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    const std::size_t length = DecimalLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    const double value = ReadDecimal(text);
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return std::nullopt;
    return value == 0.0 ? 0.0 : value;
}

double LeadingNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    const std::size_t length = DecimalLength(text);
    if (length == 0)
        return 0.0;
    return ReadDecimal(text.substr(0, length));
}

std::string EnterNumberFor(const char* what) {
    return Format(CoreTr("Please enter a number for the %s.").c_str(), CoreTr(what).c_str());
}

std::string EnterNumberBetween(double low, double high, const char* what) {
    return Format(CoreTr("Please enter a number between %s and %s for the %s.").c_str(),
                  FormatDialogFloat(low).c_str(), FormatDialogFloat(high).c_str(), CoreTr(what).c_str());
}

std::string EnterNoMoreThan(int count) {
    return Format(CoreTr("Please enter no more than %d characters.").c_str(), count);
}
