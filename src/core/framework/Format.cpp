#include "core/framework/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// Formatting is done here rather than by the C library's printf so that
// numbers read the same under every locale and on every system: always a
// decimal point, the same digits (std::to_chars rounds exactly, like a
// correct printf in the C locale) and the same exponent form.

struct Spec {
    bool left = false;   // '-'
    bool plus = false;   // '+'
    bool space = false;  // ' '
    bool alt = false;    // '#'
    bool zero = false;   // '0'
    int width = 0;
    int precision = -1;  // -1: not given
    char conversion = 0;
};

void Pad(std::string& out, const Spec& spec, std::string_view prefix, std::string_view body, bool zeroPad) {
    const std::size_t length = prefix.size() + body.size();
    const std::size_t fill = spec.width > 0 && static_cast<std::size_t>(spec.width) > length
                                 ? static_cast<std::size_t>(spec.width) - length
                                 : 0;
    if (spec.left) {
        out += prefix;
        out += body;
        out.append(fill, ' ');
    } else if (zeroPad) {
        out += prefix;
        out.append(fill, '0');
        out += body;
    } else {
        out.append(fill, ' ');
        out += prefix;
        out += body;
    }
}

std::string_view Chars(char* buffer, std::size_t size, double value, std::chars_format form, int precision) {
    const auto result = precision < 0 ? std::to_chars(buffer, buffer + size, value, form)
                                      : std::to_chars(buffer, buffer + size, value, form, precision);
    return {buffer, result.ec == std::errc{} ? static_cast<std::size_t>(result.ptr - buffer) : 0};
}

// "%g" with '#': the digits of "%e" or "%f" as "%g" chooses them, trailing
// zeros kept.
std::string AltGeneral(double value, int precision) {
    char buffer[512];
    const int p = precision == 0 ? 1 : precision;
    const std::string_view scientific =
        Chars(buffer, sizeof buffer, value, std::chars_format::scientific, p - 1);
    const auto e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'),
                    scientific.data() + scientific.size(), exponent);
    std::string text =
        p > exponent && exponent >= -4
            ? std::string(Chars(buffer, sizeof buffer, value, std::chars_format::fixed, p - 1 - exponent))
            : std::string(scientific);
    if (text.find('.') == std::string::npos) {
        const auto at = std::min(text.find('e'), text.size());
        // Built anew rather than inserted: GCC 12 takes insert() for an
        // overlapping copy (-Wrestrict) in optimised builds.
        text = text.substr(0, at) + '.' + text.substr(at);
    }
    return text;
}

void Floating(std::string& out, const Spec& spec, double value) {
    const bool negative = std::signbit(value);
    value = std::fabs(value);
    const bool finite = std::isfinite(value);
    const char lower = static_cast<char>(spec.conversion | 0x20);
    char buffer[512];
    std::string body;
    if (!finite) {
        body = std::isnan(value) ? "nan" : "inf";
    } else if (lower == 'g' && spec.alt) {
        body = AltGeneral(value, spec.precision < 0 ? 6 : spec.precision);
    } else {
        const int precision = lower == 'a' ? spec.precision : (spec.precision < 0 ? 6 : spec.precision);
        const std::chars_format form = lower == 'f'   ? std::chars_format::fixed
                                       : lower == 'e' ? std::chars_format::scientific
                                       : lower == 'a' ? std::chars_format::hex
                                                      : std::chars_format::general;
        // A value too long for the buffer (1e300 with "%f" fits; "%.400f"
        // does not) is formatted in a bigger one.
        std::string_view text = Chars(buffer, sizeof buffer, value, form, precision);
        if (text.empty()) {
            body.resize(static_cast<std::size_t>(precision) + 400);
            const auto result = std::to_chars(body.data(), body.data() + body.size(), value, form, precision);
            body.resize(static_cast<std::size_t>(result.ptr - body.data()));
        } else {
            body.assign(text);
        }
        if (spec.alt && (lower == 'f' || lower == 'e' || lower == 'a') &&
            body.find('.') == std::string::npos) {
            const auto at = std::min(body.find_first_of("ep"), body.size());
            body = body.substr(0, at) + '.' + body.substr(at);
        }
    }
    if (spec.conversion != lower)
        std::transform(body.begin(), body.end(), body.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; });
    std::string prefix = negative ? "-" : spec.plus ? "+" : spec.space ? " " : "";
    if (finite && lower == 'a')
        prefix += spec.conversion == 'A' ? "0X" : "0x";
    Pad(out, spec, prefix, body, spec.zero && finite);
}

void Integer(std::string& out, const Spec& spec, std::uintmax_t magnitude, bool negative) {
    const int base = spec.conversion == 'o'                               ? 8
                     : (spec.conversion == 'x' || spec.conversion == 'X') ? 16
                                                                          : 10;
    char buffer[80];
    std::string digits;
    if (!(magnitude == 0 && spec.precision == 0)) {
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, base);
        digits.assign(buffer, result.ptr);
    }
    if (spec.conversion == 'X')
        std::transform(digits.begin(), digits.end(), digits.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; });
    if (spec.precision > 0 && digits.size() < static_cast<std::size_t>(spec.precision))
        digits = std::string(static_cast<std::size_t>(spec.precision) - digits.size(), '0') + digits;
    std::string prefix;
    if (spec.conversion == 'd' || spec.conversion == 'i')
        prefix = negative ? "-" : spec.plus ? "+" : spec.space ? " " : "";
    if (spec.alt && base == 8 && (digits.empty() || digits.front() != '0'))
        digits = '0' + digits;
    if (spec.alt && base == 16 && magnitude != 0)
        prefix = spec.conversion == 'X' ? "0X" : "0x";
    Pad(out, spec, prefix, digits, spec.zero && spec.precision < 0);
}

std::string FormatArgs(const char* format, va_list args) {
    std::string out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out += '%';
            continue;
        }
        Spec spec;
        for (;; ++p) {
            if (*p == '-')
                spec.left = true;
            else if (*p == '+')
                spec.plus = true;
            else if (*p == ' ')
                spec.space = true;
            else if (*p == '#')
                spec.alt = true;
            else if (*p == '0')
                spec.zero = true;
            else
                break;
        }
        if (*p == '*') {
            spec.width = va_arg(args, int);
            if (spec.width < 0) {
                spec.left = true;
                spec.width = spec.width == INT32_MIN ? 0 : -spec.width;
            }
            ++p;
        } else {
            for (; *p >= '0' && *p <= '9'; ++p)
                spec.width = std::min(spec.width * 10 + (*p - '0'), 1 << 20);
        }
        if (*p == '.') {
            ++p;
            spec.precision = 0;
            if (*p == '*') {
                spec.precision = va_arg(args, int);
                if (spec.precision < 0)
                    spec.precision = -1;
                ++p;
            } else {
                for (; *p >= '0' && *p <= '9'; ++p)
                    spec.precision = std::min(spec.precision * 10 + (*p - '0'), 1 << 20);
            }
        }
        std::string length;
        while (*p == 'h' || *p == 'l' || *p == 'L' || *p == 'z' || *p == 'j' || *p == 't')
            length += *p++;
        spec.conversion = *p;
        switch (spec.conversion) {
            case 'd':
            case 'i': {
                std::intmax_t value;
                if (length == "hh")
                    value = static_cast<signed char>(va_arg(args, int));
                else if (length == "h")
                    value = static_cast<short>(va_arg(args, int));
                else if (length == "l")
                    value = va_arg(args, long);
                else if (length == "ll")
                    value = va_arg(args, long long);
                else if (length == "z" || length == "t")
                    value = va_arg(args, std::ptrdiff_t);
                else if (length == "j")
                    value = va_arg(args, std::intmax_t);
                else
                    value = va_arg(args, int);
                const std::uintmax_t magnitude = value < 0
                                                     ? std::uintmax_t(0) - static_cast<std::uintmax_t>(value)
                                                     : static_cast<std::uintmax_t>(value);
                Integer(out, spec, magnitude, value < 0);
                break;
            }
            case 'u':
            case 'o':
            case 'x':
            case 'X': {
                std::uintmax_t value;
                if (length == "hh")
                    value = static_cast<unsigned char>(va_arg(args, unsigned));
                else if (length == "h")
                    value = static_cast<unsigned short>(va_arg(args, unsigned));
                else if (length == "l")
                    value = va_arg(args, unsigned long);
                else if (length == "ll")
                    value = va_arg(args, unsigned long long);
                else if (length == "z" || length == "t")
                    value = va_arg(args, std::size_t);
                else if (length == "j")
                    value = va_arg(args, std::uintmax_t);
                else
                    value = va_arg(args, unsigned);
                Integer(out, spec, value, false);
                break;
            }
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
            case 'a':
            case 'A':
                // Long doubles are formatted to double precision.
                Floating(
                    out, spec,
                    length == "L" ? static_cast<double>(va_arg(args, long double)) : va_arg(args, double));
                break;
            case 'c': {
                const char c = static_cast<char>(va_arg(args, int));
                Pad(out, spec, "", std::string_view(&c, 1), false);
                break;
            }
            case 's': {
                const char* text = va_arg(args, const char*);
                if (!text)
                    text = "(null)";
                const std::size_t size =
                    spec.precision < 0
                        ? std::strlen(text)
                        : static_cast<std::size_t>(std::find(text, text + spec.precision, '\0') - text);
                Pad(out, spec, "", std::string_view(text, size), false);
                break;
            }
            case 'p': {
                const auto value = reinterpret_cast<std::uintptr_t>(va_arg(args, void*));
                spec.conversion = 'x';
                spec.alt = true;
                Integer(out, spec, value, false);
                break;
            }
            default:
                // Not a conversion this formatter knows: the text stays as
                // written (no argument is taken).
                out.append(start, static_cast<std::size_t>(p - start) + (*p ? 1 : 0));
                if (!*p)
                    return out;
                break;
        }
    }
    return out;
}

}  // namespace

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = FormatArgs(format, args);
    va_end(args);
    return out;
}

std::string FormatMessage1(const std::string& text, const std::string& arg) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '1') {
            out += arg;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
