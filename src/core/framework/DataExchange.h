// Numbers and texts as the program's dialogs exchange them with their
// controls: the float format, the strict reading of a typed number and the
// messages shown when a field holds what it must not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// "%.*g" with 6 significant digits: 39.5 shows as 39.5, 0 as 0.  A negative
// zero shows as 0.
std::string FormatDialogFloat(double value);

// The whole text as a decimal number: an optional sign, digits with an
// optional decimal point, an optional exponent, spaces and tabs around it.
// Nothing else is a number here: no comma, no "inf", "nan" or hexadecimal,
// and nothing that overflows a float.  A negative zero reads as 0.
std::optional<double> ParseDialogFloat(std::string_view text);

// The decimal number at the start of the text (after spaces and tabs), the
// rest ignored; 0 when the text does not start with one.  NaN never results;
// a number too large for a double gives infinity.
double LeadingNumber(std::string_view text);

// "Please enter a number for the latitude." (`what` names the field, as a
// text to translate).
std::string EnterNumberFor(const char* what);
// "Please enter a number between 0 and 90 for the latitude."
std::string EnterNumberBetween(double low, double high, const char* what);
// "Please enter no more than 30 characters."
std::string EnterNoMoreThan(int count);
