#include "core/horizon/HorizonFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "core/framework/Cp1252.h"
#include "core/framework/File.h"
#include "core/framework/Format.h"
#include "core/framework/SafeFile.h"
#include "core/reports/ControlCharacters.h"
#include "core/workspace/RecordCsv.h"

namespace {

constexpr const char* kObstacleWord = "obstacle";
constexpr const char* kStoreRows =
    "expected location,azimuth,elevation or location,obstacle,bearing,height,distance,width";
constexpr const char* kSiteRows = "expected azimuth,elevation or obstacle,bearing,height,distance[,width]";

// A number field: blanks around it aside, a plain decimal (a sign and an
// exponent allowed), finite.
std::optional<double> Number(std::string_view field) {
    field = TrimBlanks(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Adds the entry of `fields` from `first` on (a point, or an obstacle after
// the word) to `profile`; the reason when it cannot.
std::optional<std::string> AddEntry(const std::vector<std::string>& fields, std::size_t first,
                                    CHorizonProfile& profile, const char* expected) {
    const std::size_t count = fields.size() - first;
    double values[4] = {0.0, 0.0, 0.0, kDefaultObstacleWidth};
    const char* const pointNames[] = {"azimuth", "elevation"};
    const char* const obstacleNames[] = {"bearing", "height", "distance", "width"};
    const bool obstacle = count > 0 && TrimBlanks(fields[first]) == kObstacleWord;
    if (obstacle ? count != 4 && count != 5 : count != 2)
        return std::string(expected);
    const std::size_t from = obstacle ? first + 1 : first;
    for (std::size_t k = 0; from + k < fields.size(); ++k) {
        const std::optional<double> value = Number(fields[from + k]);
        if (!value)
            return std::string("the ") + (obstacle ? obstacleNames[k] : pointNames[k]) + " is not a number";
        values[k] = *value;
    }
    if (obstacle)
        return profile.AddObstacle({values[0], values[1], values[2], values[3]});
    return profile.AddPoint({values[0], values[1]});
}

// The location's name in a first field: UTF-8 text of Windows-1252
// characters, no control character, the apostrophe that CsvTextField puts
// before a name a spreadsheet would take for a formula taken away.
std::optional<std::string> NameOf(const std::string& field, std::string& error) {
    std::string utf8 = field;
    if (utf8.size() > 1 && utf8.front() == '\'' && CsvTextField(utf8.substr(1)) == CsvField(utf8))
        utf8.erase(0, 1);
    if (utf8.empty()) {
        error = "the location has no name";
        return std::nullopt;
    }
    std::string name = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(name) != utf8) {
        error = "the location's name is not text of Windows-1252 characters in UTF-8";
        return std::nullopt;
    }
    for (const char c : name)
        if (IsControlCharacter(Cp1252ToCodePoint(static_cast<unsigned char>(c)))) {
            error = "the location's name holds a control character";
            return std::nullopt;
        }
    return name;
}

bool StorableName(const std::string& name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return IsControlCharacter(Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    });
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Calls `take(number, line)` for each line of `text` (a UTF-8 byte-order
// mark and carriage returns at the ends of lines left out).
template <class Take>
void ForEachLine(std::string_view text, Take take) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        take(++number, line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

}  // namespace

std::optional<std::string> CHorizonStore::Load(const std::string& path) {
    std::error_code missing;
    if (!std::filesystem::exists(FileSystemPath(path), missing)) {
        LoadText(std::string_view(), path);
        m_unread.clear();
        return std::nullopt;
    }
    std::string bytes;
    int osError = 0;
    if (!ReadWholeFile(path, bytes, kSmallFileLimit, &osError)) {
        LoadText(std::string_view(), path);
        m_unread = path;
        return Format("Cannot read %s: %s", path.c_str(), ErrorText(osError).c_str());
    }
    LoadText(bytes, path);
    m_unread.clear();
    return std::nullopt;
}

void CHorizonStore::LoadText(std::string_view text, const std::string& name) {
    m_entries.clear();
    m_kept.clear();
    m_problems.clear();
    m_nextOrder = 0;
    std::vector<std::string> fields;
    ForEachLine(text, [&](std::size_t number, std::string_view line) {
        if (TrimBlanks(line).empty())
            return;
        std::size_t firstEnd = 0;
        std::string reason;
        std::optional<std::string> location;
        if (!SplitCsvLine(line, fields, &firstEnd))
            reason = "a quote is not closed where the field ends";
        else if (fields.size() < 2)
            reason = kStoreRows;
        else
            location = NameOf(fields[0], reason);
        if (location) {
            const std::string key = FoldCaseAZ(*location);
            const auto found = m_entries.find(key);
            CHorizonProfile added;
            // A refused entry leaves the profile as it was.
            CHorizonProfile& profile = found == m_entries.end() ? added : found->second.profile;
            if (auto error = AddEntry(fields, 1, profile, kStoreRows)) {
                reason = *error;
                m_kept.push_back({key, *location, std::string(line.substr(firstEnd))});
            } else if (found == m_entries.end()) {
                m_entries.emplace(key, Entry{*location, std::move(added), m_nextOrder++});
            }
        } else {
            m_kept.push_back({std::string(), std::string(), std::string(line)});
        }
        if (!reason.empty())
            m_problems.push_back({number, Format("%s line %zu: %s", name.c_str(), number, reason.c_str())});
    });
}

std::vector<const CHorizonStore::Entry*> CHorizonStore::InOrder() const {
    std::vector<const Entry*> entries;
    for (const auto& [key, entry] : m_entries)
        entries.push_back(&entry);
    std::sort(entries.begin(), entries.end(),
              [](const Entry* a, const Entry* b) { return a->order < b->order; });
    return entries;
}

std::string CHorizonStore::Text() const {
    std::string out;
    for (const Entry* entry : InOrder()) {
        const std::string name = CsvTextField(Cp1252ToUtf8(entry->name));
        for (const HorizonPoint& p : entry->profile.Points())
            out += name + ',' + DecimalText(p.azimuth) + ',' + DecimalText(p.elevation) + '\n';
        for (const HorizonObstacle& o : entry->profile.Obstacles())
            out += name + ',' + kObstacleWord + ',' + DecimalText(o.bearing) + ',' + DecimalText(o.height) +
                   ',' + DecimalText(o.distance) + ',' + DecimalText(o.width) + '\n';
    }
    for (const KeptLine& kept : m_kept)
        out += (kept.key.empty() ? std::string() : CsvTextField(Cp1252ToUtf8(kept.name))) + kept.rest + '\n';
    // A refused line that starts with the mark's bytes keeps them: the
    // reader takes the first mark for the file's own.
    if (out.starts_with(kByteOrderMark))
        out.insert(0, kByteOrderMark);
    return out;
}

bool CHorizonStore::Save(const std::string& path, std::string* error) const {
    if (!m_unread.empty() && m_unread == path) {
        if (error)
            *error = "the file could not be read, so it is not written over";
        return false;
    }
    return SafeWriteBytes(path, Text(), error);
}

const CHorizonProfile* CHorizonStore::Find(const std::string& location) const {
    const auto found = m_entries.find(FoldCaseAZ(location));
    return found == m_entries.end() ? nullptr : &found->second.profile;
}

std::vector<std::string> CHorizonStore::Locations() const {
    std::vector<std::string> names;
    for (const Entry* entry : InOrder())
        names.push_back(entry->name);
    return names;
}

bool CHorizonStore::SetProfile(const std::string& location, const CHorizonProfile& profile) {
    if (!StorableName(location))
        return false;
    const std::string key = FoldCaseAZ(location);
    if (profile.IsEmpty()) {
        m_entries.erase(key);
        return true;
    }
    auto [entry, added] = m_entries.try_emplace(key, Entry{location, profile, m_nextOrder});
    if (added)
        ++m_nextOrder;
    else
        entry->second.profile = profile;
    return true;
}

bool CHorizonStore::RenameLocation(const std::string& from, const std::string& to) {
    if (!StorableName(to))
        return false;
    const std::string oldKey = FoldCaseAZ(from), newKey = FoldCaseAZ(to);
    if (oldKey != newKey) {
        m_entries.erase(newKey);
        std::erase_if(m_kept, [&](const KeptLine& kept) { return kept.key == newKey; });
        if (auto node = m_entries.extract(oldKey)) {
            node.key() = newKey;
            m_entries.insert(std::move(node));
        }
    }
    if (auto found = m_entries.find(newKey); found != m_entries.end())
        found->second.name = to;
    for (KeptLine& kept : m_kept)
        if (kept.key == oldKey) {
            kept.key = newKey;
            kept.name = to;
        }
    return true;
}

void CHorizonStore::DeleteLocation(const std::string& location) {
    const std::string key = FoldCaseAZ(location);
    m_entries.erase(key);
    std::erase_if(m_kept, [&](const KeptLine& kept) { return kept.key == key; });
}

Outcome<CHorizonProfile> HorizonFromText(std::string_view text, const std::string& name) {
    CHorizonProfile profile;
    std::optional<std::string> failure;
    bool any = false;
    std::vector<std::string> fields;
    ForEachLine(text, [&](std::size_t number, std::string_view line) {
        const std::string_view trimmed = TrimBlanks(line);
        if (failure || trimmed.empty() || trimmed.front() == '#')
            return;
        const bool first = !any;
        any = true;
        std::size_t firstEnd = 0;
        std::optional<std::string> reason;
        if (!SplitCsvLine(line, fields, &firstEnd)) {
            reason = "a quote is not closed where the field ends";
        } else if (first && std::all_of(fields.begin(), fields.end(), [](const std::string& field) {
                       const std::string_view word = TrimBlanks(field);
                       return !word.empty() && std::isalpha(static_cast<unsigned char>(word.front()));
                   })) {
            return;  // a header of words
        } else {
            reason = AddEntry(fields, 0, profile, kSiteRows);
        }
        if (reason)
            failure = Format("%s line %zu: %s", name.c_str(), number, reason->c_str());
    });
    if (failure)
        return Outcome<CHorizonProfile>::Failure(*failure);
    return profile;
}
