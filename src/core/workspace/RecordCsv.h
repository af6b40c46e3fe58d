// The readable text form of the databases: CSV (RFC 4180, UTF-8) with one
// record a line.
//
//   satellites: name,slot,side,bands,region,comments
//     slot in degrees (0 to 180), side W or E, bands the words Ku C DBS
//     separated by spaces, region one of Americas Europe Asia IntelSat.
//   locations:  name,latitude,longitude,magvar,region
//     latitude like 39.74N, longitude like 104.99W, magvar "auto" or like
//     8.5E ("auto E" keeps an East direction flag with an automatic
//     variation), region one of the location region names.
//
// Flag bits without a word are written, and read, as their decimal values,
// so that every record the editors could make survives the round trip (the
// direction flags as W/E, N/S: 0 or 1).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"

class CsvError : public std::runtime_error {
public:
    CsvError(std::size_t line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message),
          m_line(line),
          m_message(message) {}
    std::size_t m_line;  // the line, or the record's number when writing
    std::string m_message;
};

struct CsvRow {
    std::size_t line;  // 1-based line where the row starts
    std::vector<std::string> fields;
};

// Splits CSV text into rows of fields; blank lines are skipped.
std::vector<CsvRow> ParseCsv(std::string_view text);
// Quotes a field when it needs it.
std::string CsvField(std::string_view text);

// One line of a CSV file that keeps one record a line: its fields (a quoted
// field may hold commas and doubled quotes, not line breaks); false for a
// quote that is not closed or text after a closing quote.  `firstEnd`, when
// given, is where the first field ends in `line`.
bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t* firstEnd = nullptr);
// `text` without the spaces and tabs at either end.
std::string_view TrimBlanks(std::string_view text);
// A cell of free text (a name, comments): text that a spreadsheet would take
// for a formula (=, +, -, @, a tab or a carriage return first, after any
// apostrophes) gets one apostrophe more in front, as spreadsheet guidance
// advises; then it is quoted when it needs it.  The importers take that
// apostrophe away again.  Windows-1252 or UTF-8 alike.
std::string CsvTextField(std::string_view text);

inline constexpr const char* kSatelliteCsvHeader = "name,slot,side,bands,region,comments";
inline constexpr const char* kLocationCsvHeader = "name,latitude,longitude,magvar,region";

// Builds records from the rows after the header.  Text is converted from
// UTF-8 (a byte-order mark is skipped) to Windows-1252; bytes that are not
// UTF-8 and characters Windows-1252 cannot hold are refused.  The editors'
// rules hold: names of at most 30 characters, comments of at most 255, no
// two names equal when the case of A to Z is ignored, at least one band and
// exactly one region for a satellite, a region of the table for a location.
// Names hold no control character, comments none but tabs and line breaks.
// Errors name the line.
std::vector<std::unique_ptr<CSatellite>> SatellitesFromCsv(std::string_view text);
std::vector<std::unique_ptr<CLocation>> LocationsFromCsv(std::string_view text);

// The CSV text (UTF-8) of records, header first.  Numbers are plain
// decimals; names and comments are cells of free text (CsvTextField).  A text holding a NUL byte is refused
// (CsvError naming the record's number).
std::string SatellitesToCsv(const std::vector<std::unique_ptr<CSatellite>>& records);
std::string LocationsToCsv(const std::vector<std::unique_ptr<CLocation>>& records);

// The shortest decimal text that reads back as the same float.
std::string FloatText(float value);
