// tilvex-cli find-place QUERY [--limit N] [--country CC] [--data DIR], and
// the site of a command given as LAT LON, as a Maidenhead locator or as
// --place QUERY.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/Arguments.h"

// Changes into the data folder for a command line, as the program finds it:
// the one named by --data, or else the first that holds every file of the
// list.  Without one, only --data is followed.
using DataFolderEntry = std::function<void(const CommandLine&, const std::vector<std::string>&)>;

// find-place: `args` are the words after the command's name (the words of
// QUERY may be given apart: find-place new york).  Writes one line per
// place to `out`, best first (CGazetteer::Find's order), its fields
// separated by tabs: name, first-level region (empty when not known),
// country code, latitude ("69.6489N"), longitude ("18.9551E"), population.
// At most --limit places (10 unless given; 0 for all), with --country only
// those of that country.  Returns kExitOk; kExitFailed, saying so on `err`,
// when nothing matches or the gazetteer cannot be read; kExitUsage, with the
// message on `err`, for a bad command line.
int RunFindPlace(const std::vector<std::string>& args, std::FILE* out, std::FILE* err,
                 const DataFolderEntry& enterData = {});

// A command's site and where its other positional arguments begin.
struct SiteArgument {
    TypedAngle latitude;   // North positive, as RequireAngle gives it
    TypedAngle longitude;  // West positive
    std::size_t next = 0;  // index in line.Positional() of the first argument after the site
};

// The site of a command whose positional arguments are the site and `rest`
// more: LAT LON ("69.65N 18.96E"), a Maidenhead locator ("JP99lp", the
// centre of its square), or, with --place QUERY among the command's value
// options, none, the site being the first place CGazetteer::Find gives for
// QUERY, read from the data folder (`enterData`) and named on `err`.
// Throws UsageError for a wrong count of arguments or a bad angle or
// locator; returns nothing, with the reason on `err`, when no place matches
// or the gazetteer cannot be read (the command then ends with kExitFailed).
std::optional<SiteArgument> RequireSite(const CommandLine& line, std::size_t rest, const char* command,
                                        std::FILE* err, const DataFolderEntry& enterData = {});
