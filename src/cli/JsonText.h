// JSON text for the command line's output.
#pragma once

#include <string>
#include <vector>

// A Windows-1252 string as a quoted JSON string (UTF-8, escaped).
std::string JsonString(const std::string& cp1252);
std::string JsonStringList(const std::vector<std::string>& list);
