// printf-style formatting into a std::string.  Numbers are written the same
// way under every locale and on every system: "%.1f" of 12.25 is "12.2"
// even where the user's decimal separator is a comma.  Conversions: d i u o
// x X c s p f F e E g G a A and %%, with flags, width, precision and the
// length modifiers hh h l ll z j t L (long doubles at double precision).
#pragma once

#include <string>

#if defined(__MINGW32__)
// The conversions are C99's whatever the C runtime's printf would take.
#define TILVEX_PRINTF(a, b) __attribute__((format(gnu_printf, a, b)))
#elif defined(__GNUC__)
#define TILVEX_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define TILVEX_PRINTF(a, b)
#endif

std::string Format(const char* format, ...) TILVEX_PRINTF(1, 2);

// Replaces each "%1" of `text` with `arg`, the way the framework's messages
// take their file name.
std::string FormatMessage1(const std::string& text, const std::string& arg);
