// What the last imports of orbital elements told of each satellite of the
// database, kept in "orbits.csv" in the data folder so that the details and
// the info pane can still name an inclined orbit after a restart.
//
// orbits.csv is UTF-8 CSV text: a first line "name,catalogue,inclination,epoch"
// and then one satellite a line:
//   Astra 1KR,29055,0.05,2461378.50000
// name is the satellite's name in the database (a cell of free text,
// CsvTextField), catalogue the object's catalogue number (a whole number),
// inclination in degrees (0 to 180) and epoch the Julian date of the
// elements (UTC).  Satellites are matched by name as the database matches
// them: the letters A to Z without regard to case.
//
// A line that cannot be taken (too few or too many fields, a name that is
// empty or not Windows-1252 text, a number that is none or out of range) is
// refused on its own and named with its line ("orbits.csv line 4: the
// inclination must be from 0 to 180"); the rest of the file is kept, and
// the refused line is written back as it was after the others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/orbits/OrbitalElements.h"
#include "core/orbits/SlotMatch.h"

inline constexpr const char* kOrbitRecordsFile = "orbits.csv";
inline constexpr const char* kOrbitRecordsHeader = "name,catalogue,inclination,epoch";

struct OrbitRecord {
    std::string name;  // the satellite's name in the database (Windows-1252)
    std::int64_t catalogNumber = 0;
    double inclination = 0.0;  // degrees
    double epoch = 0.0;        // Julian date
};

class COrbitRecords {
public:
    // Reads `path` in place of what was held; a missing file holds nothing.
    // A file that cannot be read leaves the records empty and returns why;
    // Save then refuses to write over it.
    std::optional<std::string> Load(const std::string& path);
    // The same from the file's text; `name` names the file in the messages.
    void LoadText(std::string_view text, const std::string& name = kOrbitRecordsFile);
    // The refused lines, each message naming the file and the line.
    const std::vector<OrbitLineProblem>& Problems() const { return m_problems; }

    // The file's text: the header, the records in their order, then the
    // refused lines as they were read.
    std::string Text() const;
    // Writes Text() through the safe save; false, with the reason in
    // `error`, when it cannot.
    bool Save(const std::string& path, std::string* error = nullptr) const;

    const std::vector<OrbitRecord>& Records() const { return m_records; }
    // The satellite's record, or null.
    const OrbitRecord* Find(const std::string& satellite) const;
    // Puts the record in place of the one of the same name (a new name goes
    // last).  False, changing nothing, for an empty name or one holding a
    // control character.
    bool Set(const OrbitRecord& record);
    // Records each matched object of an import under its satellite's name;
    // satellites the import did not match keep what they had.
    void TakeImport(const std::vector<GeoObject>& objects, const std::vector<SlotMatch>& matches);

private:
    std::vector<OrbitRecord> m_records;
    std::vector<std::string> m_refused;  // refused lines as they were read
    std::vector<OrbitLineProblem> m_problems;
    std::string m_unread;  // a path that could not be read
};
