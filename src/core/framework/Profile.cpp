#include "core/framework/Profile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string_view>

#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/SafeFile.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One line of the file, classified.  `name` and `value` view into the line.
struct ParsedLine {
    enum Kind { Other, Section, Entry } kind = Other;
    std::string_view name;
    std::string_view value;
};

ParsedLine Parse(std::string_view line) {
    ParsedLine parsed;
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';')
        return parsed;
    if (text.front() == '[') {
        // Like Windows, the name runs to the last ']'; text after it is ignored.
        const auto close = text.rfind(']');
        if (close == std::string_view::npos)
            return parsed;
        parsed.kind = ParsedLine::Section;
        parsed.name = Trim(text.substr(1, close - 1));
        return parsed;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.kind = ParsedLine::Entry;
    parsed.name = Trim(text.substr(0, equals));
    parsed.value = Trim(text.substr(equals + 1));
    return parsed;
}

enum class LoadResult { Loaded, Missing, Failed };

// Reads the file as lines without their line ends ("\n" or "\r\n").  Only
// a regular file of at most 16 MB is read (a device or a pipe would never
// end); the error's value goes to `osError` on failure.
LoadResult Load(const std::string& path, std::vector<std::string>& lines, int* osError = nullptr) {
    lines.clear();
    if (path.empty())
        return LoadResult::Missing;
    std::string bytes;
    int error = 0;
    if (!ReadWholeFile(path, bytes, kSmallFileLimit, &error)) {
        if (osError)
            *osError = error;
        return error == ENOENT ? LoadResult::Missing : LoadResult::Failed;
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::size_t stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.emplace_back(bytes, start, stop - start);
        start = end + 1;
    }
    return LoadResult::Loaded;
}

// Lines end as the system's text files do (CRLF on Windows).
bool Save(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += kTextLineEnd;
    }
    return SafeWriteBytes(path, bytes);
}

// Where an entry is, or where a new one would go.  A section may appear more
// than once; its entries are then looked up in every occurrence, in order.
struct Location {
    std::size_t entry = kNone;     // the entry's line
    std::size_t insertAt = kNone;  // after the last entry of the section's first occurrence
};

Location Find(const std::vector<std::string>& lines, std::string_view section, std::string_view entry) {
    Location where;
    bool inSection = false;
    bool inFirst = false;  // in the section's first occurrence
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = Parse(lines[i]);
        if (parsed.kind == ParsedLine::Section) {
            inSection = EqualNoCaseAZ(parsed.name, section);
            inFirst = inSection && where.insertAt == kNone;
            if (inFirst)
                where.insertAt = i + 1;
        } else if (inSection && parsed.kind == ParsedLine::Entry) {
            if (EqualNoCaseAZ(parsed.name, entry)) {
                where.entry = i;
                return where;
            }
            if (inFirst)
                where.insertAt = i + 1;
        }
    }
    return where;
}

// Names and values that would not read back as written are refused: a line
// break would split the line, and an entry name with '=' or starting like a
// section or a comment would be read as something else.
bool CanStore(std::string_view section, std::string_view entry, std::string_view value) {
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    if (hasBreak(section) || hasBreak(entry) || hasBreak(value))
        return false;
    return !entry.empty() && entry.front() != '[' && entry.front() != ';' &&
           entry.find('=') == std::string_view::npos;
}

}  // namespace

bool CProfile::Lookup(const std::string& section, const std::string& entry, std::string& value) const {
    std::vector<std::string> lines;
    if (Load(m_path, lines) != LoadResult::Loaded)
        return false;
    const Location where = Find(lines, Trim(section), Trim(entry));
    if (where.entry == kNone)
        return false;
    std::string_view text = Parse(lines[where.entry]).value;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    value.assign(text);
    return true;
}

std::string CProfile::ReadProblem() const {
    std::vector<std::string> lines;
    int osError = 0;
    return Load(m_path, lines, &osError) == LoadResult::Failed ? ErrorText(osError) : std::string();
}

int CProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const {
    std::string text;
    if (!Lookup(section, entry, text))
        return defaultValue;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string CProfile::GetProfileString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) const {
    std::string value;
    return Lookup(section, entry, value) ? value : defaultValue;
}

bool CProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    return WriteProfileString(section, entry, std::to_string(value));
}

bool CProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                  const std::string& value) {
    const std::string_view sectionName = Trim(section);
    const std::string_view entryName = Trim(entry);
    if (m_path.empty() || !CanStore(sectionName, entryName, value))
        return false;
    std::vector<std::string> lines;
    if (Load(m_path, lines) == LoadResult::Failed)
        return false;
    const Location where = Find(lines, sectionName, entryName);
    if (where.entry != kNone) {
        // The entry keeps its name as the file spells it.
        const std::string_view name = Parse(lines[where.entry]).name;
        lines[where.entry] = std::string(name) + "=" + value;
    } else {
        std::string line = std::string(entryName) + "=" + value;
        if (where.insertAt != kNone) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(where.insertAt), std::move(line));
        } else {
            // Appended piece by piece: GCC 12 at -O2 and above takes
            // "[" + std::string(...) for an overlapping copy (-Wrestrict).
            std::string header;
            header.reserve(sectionName.size() + 2);
            header.append(1, '[').append(sectionName).append(1, ']');
            lines.push_back(std::move(header));
            lines.push_back(std::move(line));
        }
    }
    return Save(m_path, lines);
}

bool CProfile::DeleteProfileEntry(const std::string& section, const std::string& entry) {
    if (m_path.empty())
        return false;
    std::vector<std::string> lines;
    const LoadResult loaded = Load(m_path, lines);
    if (loaded != LoadResult::Loaded)
        return loaded == LoadResult::Missing;
    bool found = false;
    // Every occurrence goes, so that the entry then reads as absent.
    for (Location where; (where = Find(lines, Trim(section), Trim(entry))).entry != kNone; found = true)
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(where.entry));
    return !found || Save(m_path, lines);
}

// ---------------------------------------------------------------------------

namespace {

std::string FileEntry(int number) {
    return "File" + std::to_string(number);
}

}  // namespace

void CRecentFileList::ReadList() {
    m_entries.clear();
    if (!m_pProfile)
        return;
    for (int i = 1; i <= kSize; ++i) {
        std::string path = m_pProfile->GetProfileString(kSection, FileEntry(i));
        if (!path.empty())
            m_entries.push_back(std::move(path));
    }
}

void CRecentFileList::WriteList() const {
    if (!m_pProfile)
        return;
    for (int i = 1; i <= kSize; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        if (index < m_entries.size())
            m_pProfile->WriteProfileString(kSection, FileEntry(i), m_entries[index]);
        else
            m_pProfile->DeleteProfileEntry(kSection, FileEntry(i));
    }
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty())
        return;
    std::erase(m_entries, path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > static_cast<std::size_t>(kSize))
        m_entries.resize(kSize);
    WriteList();
}

void CRecentFileList::Remove(std::size_t index) {
    if (index >= m_entries.size())
        return;
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    WriteList();
}
