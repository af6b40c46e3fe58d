// The program's numbered strings, as Windows-1252 bytes.
#pragma once

#include <string>

// Returns the string with the given number, or an empty string when the table
// has no such entry.
std::string LoadString(unsigned id);
