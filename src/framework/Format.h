// printf-style formatting into a std::string.
#pragma once

#include <string>

#if defined(__GNUC__)
#define TILVEX_PRINTF(a, b) __attribute__((format(printf, a, b)))
#else
#define TILVEX_PRINTF(a, b)
#endif

std::string Format(const char* format, ...) TILVEX_PRINTF(1, 2);

// Replaces each "%1" of `text` with `arg`, the way the framework's messages
// take their file name.
std::string FormatMessage1(const std::string& text, const std::string& arg);
