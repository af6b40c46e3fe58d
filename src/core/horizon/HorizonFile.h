// The horizons of the locations, kept in "horizons.csv" beside the location
// database (which stays as it is), and the horizon file a command reads for
// one site.
//
// horizons.csv is UTF-8 CSV text, one entry a line, no header:
//   location,azimuth,elevation
//   location,obstacle,bearing,height,distance,width
// (the word "obstacle" as it stands; width may be left out for 10 degrees).
// Locations are matched by name as the location database matches them: the
// letters A to Z without regard to case.  A location's rows need not stand
// together.  Names are cells of free text (CsvTextField) and are held in
// Windows-1252, as the records hold them.
//
// A line that cannot be taken (a number that is none or out of range, a
// name that is not Windows-1252 text, fields missing or too many) is
// refused on its own: the rest of the file is kept, each refusal is named
// with its line ("horizons.csv line 7: the elevation must be from -5 to 90"),
// and the refused line is kept as it was and written back after the
// others, so that saving never loses what the file held.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/framework/Outcome.h"
#include "core/horizon/HorizonProfile.h"

inline constexpr const char* kHorizonFile = "horizons.csv";

// A refused line: its number (1 for the first line) and the message that
// names the file and the line.
struct HorizonLineProblem {
    std::size_t line = 0;
    std::string message;
};

class CHorizonStore {
public:
    // Reads `path` in place of what was held.  A missing file holds no
    // horizon.  A file that cannot be read (a folder, a device, more than
    // 16 MB, no permission) leaves the store empty and returns why; Save
    // then refuses to write over that path, so that the rows it holds are
    // not lost.  Refused lines are in Problems().
    std::optional<std::string> Load(const std::string& path);
    // The same from the file's text; `name` names it in the messages.
    void LoadText(std::string_view text, const std::string& name = kHorizonFile);
    const std::vector<HorizonLineProblem>& Problems() const { return m_problems; }

    // The file's text (UTF-8): each location's points in azimuth order, then
    // its obstacles, the locations in the order they were first met; then
    // the refused lines as they were read.
    std::string Text() const;
    // Writes Text() to `path` through a temporary file (the old file stays
    // when that fails); false, with the reason in `error`, when it cannot.
    bool Save(const std::string& path, std::string* error = nullptr) const;

    // The location's horizon, or nullptr when it has none.
    const CHorizonProfile* Find(const std::string& location) const;
    bool HasProfile(const std::string& location) const { return Find(location) != nullptr; }
    // The names that have a horizon, in file order.
    std::vector<std::string> Locations() const;

    // Gives the location this horizon, in place of any it had (an empty
    // profile removes it).  A new location goes last.  False, changing
    // nothing, for a name that the file could not give back: empty, or
    // holding a control character (a line break, a NUL byte, ...).
    bool SetProfile(const std::string& location, const CHorizonProfile& profile);
    // A location renamed in its editor keeps its horizon (and its refused
    // lines) under the new name and in its place; what stood under the new
    // name before goes.  A change of letter case only respells it.  False,
    // changing nothing, for a new name SetProfile would refuse.
    bool RenameLocation(const std::string& from, const std::string& to);
    // A deleted location's horizon and refused lines go with it.
    void DeleteLocation(const std::string& location);

private:
    struct Entry {
        std::string name;  // Windows-1252, as first met
        CHorizonProfile profile;
        std::size_t order = 0;
    };
    // A refused line; `key` is the folded name of its location when its
    // first field could be read as one (`rest` is then the text after that
    // field, from its comma), else empty (`rest` is the whole line).
    struct KeptLine {
        std::string key;
        std::string name;
        std::string rest;
    };

    std::vector<const Entry*> InOrder() const;

    std::map<std::string, Entry> m_entries;  // by name with A to Z folded
    std::vector<KeptLine> m_kept;
    std::vector<HorizonLineProblem> m_problems;
    std::size_t m_nextOrder = 0;
    // The path of a file that could not be read, which Save will not replace.
    std::string m_unread;
};

// A site's horizon from the text of a file given on the command line:
// lines "azimuth,elevation" and "obstacle,bearing,height,distance[,width]";
// blank lines, lines starting with '#' and a first line of words only (a
// header such as "azimuth,elevation") are skipped.  The first line that
// cannot be taken fails the whole text with "NAME line 3: ...".
Outcome<CHorizonProfile> HorizonFromText(std::string_view text, const std::string& name);
