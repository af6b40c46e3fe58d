// The settings file: sections in square brackets and name=value lines, read
// and written with the semantics of the classic private-profile functions.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CProfile {
public:
    explicit CProfile(std::string path = std::string()) : m_path(std::move(path)) {}

    const std::string& GetPath() const { return m_path; }
    void SetPath(std::string path) { m_path = std::move(path); }
    // Why the file cannot be read ("not a regular file", "File too large",
    // "Permission denied"), or nothing when it can or does not exist yet.
    // Such a file reads as empty, and writing to it fails.
    std::string ReadProblem() const;

    // The integer value of `entry` in `section`, or `defaultValue` when the
    // file, the section or the entry is absent.  A present value is read as a
    // decimal integer from its start (an optional sign, then digits); one
    // that does not start with a number reads as 0.
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const;
    // The string value, or `defaultValue` when absent.
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = std::string()) const;
    // Writes the value (integers in decimal), creating the file, the section
    // or the entry as needed; a new entry goes after the section's last
    // entry, a new section at the end of the file.  Everything else in the
    // file, comments included, stays as it was.  Returns false when the file
    // cannot be read or written (the old file then stays as it was), and
    // refuses what would not read back: a line break anywhere, or an entry
    // name that is empty, holds '=' or starts with '[' or ';'.
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
    // Removes the entry, every copy of it (nothing happens when it is absent).
    bool DeleteProfileEntry(const std::string& section, const std::string& entry);

private:
    // Finds the entry and gives its value (quotes stripped); false when absent.
    bool Lookup(const std::string& section, const std::string& entry, std::string& value) const;

    std::string m_path;
};

// The most recently used workspaces, newest first, kept in the section
// "Recent File List" as "File1" (newest) to "File4".
class CRecentFileList {
public:
    static constexpr int kSize = 4;
    static constexpr const char* kSection = "Recent File List";

    explicit CRecentFileList(CProfile* profile) : m_pProfile(profile) {}

    // Reads the list from the settings file.
    void ReadList();
    // Writes the list to the settings file (entries past the list's end are
    // removed).
    void WriteList() const;
    // Puts `path` first, removing an earlier entry for the same path, and
    // drops the oldest entry beyond four.  Writes the list at once.  An empty
    // path is ignored.
    void Add(const std::string& path);
    // Removes entry `index`.
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    CProfile* m_pProfile;
    std::vector<std::string> m_entries;
};
