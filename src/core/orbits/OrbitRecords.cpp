#include "core/orbits/OrbitRecords.h"

#include <algorithm>
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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<double> Number(std::string_view text) {
    text = TrimBlanks(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

bool StorableName(const std::string& name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        return IsControlCharacter(Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    });
}

// The record of one line's fields, or why it cannot be taken.
std::optional<OrbitRecord> RecordOf(const std::vector<std::string>& fields, std::string& error) {
    if (fields.size() != 4) {
        error = "expected name,catalogue,inclination,epoch";
        return std::nullopt;
    }
    std::string utf8 = fields[0];
    // The apostrophe CsvTextField puts before a name a spreadsheet would take
    // for a formula.
    if (utf8.size() > 1 && utf8.front() == '\'' && CsvTextField(utf8.substr(1)) == CsvField(utf8))
        utf8.erase(0, 1);
    OrbitRecord record;
    record.name = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(record.name) != utf8 || !StorableName(record.name)) {
        error = "the name is not a satellite's name in Windows-1252 characters";
        return std::nullopt;
    }
    const std::optional<std::int64_t> catalogue = WholeNumber(fields[1]);
    if (!catalogue) {
        error = "the catalogue number is not a whole number";
        return std::nullopt;
    }
    const std::optional<double> inclination = Number(fields[2]);
    if (!inclination) {
        error = "the inclination is not a number";
        return std::nullopt;
    }
    if (*inclination < 0.0 || *inclination > 180.0) {
        error = "the inclination must be from 0 to 180";
        return std::nullopt;
    }
    const std::optional<double> epoch = Number(fields[3]);
    if (!epoch || *epoch <= 0.0) {
        error = "the epoch is not a Julian date";
        return std::nullopt;
    }
    record.catalogNumber = *catalogue;
    record.inclination = *inclination;
    record.epoch = *epoch;
    return record;
}

}  // namespace

std::optional<std::string> COrbitRecords::Load(const std::string& path) {
    std::error_code missing;
    m_unread.clear();
    if (!std::filesystem::exists(FileSystemPath(path), missing)) {
        LoadText(std::string_view(), path);
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
    return std::nullopt;
}

void COrbitRecords::LoadText(std::string_view text, const std::string& name) {
    m_records.clear();
    m_refused.clear();
    m_problems.clear();
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> fields;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (TrimBlanks(line).empty() || (number == 1 && line == kOrbitRecordsHeader))
            continue;
        std::string error;
        std::optional<OrbitRecord> record;
        if (!SplitCsvLine(line, fields))
            error = "a quote is not closed where the field ends";
        else
            record = RecordOf(fields, error);
        if (record && !Find(record->name)) {
            m_records.push_back(std::move(*record));
            continue;
        }
        if (record)
            error = "the satellite is named on an earlier line";
        m_refused.emplace_back(line);
        m_problems.push_back({number, Format("%s line %zu: %s", name.c_str(), number, error.c_str())});
    }
}

std::string COrbitRecords::Text() const {
    std::string out = std::string(kOrbitRecordsHeader) + '\n';
    for (const OrbitRecord& record : m_records)
        out += CsvTextField(Cp1252ToUtf8(record.name)) + Format(",%lld,%.4f,%.5f\n",
                                                                static_cast<long long>(record.catalogNumber),
                                                                record.inclination, record.epoch);
    for (const std::string& line : m_refused)
        out += line + '\n';
    return out;
}

bool COrbitRecords::Save(const std::string& path, std::string* error) const {
    if (!m_unread.empty() && m_unread == path) {
        if (error)
            *error = "the file could not be read, so it is not written over";
        return false;
    }
    return SafeWriteBytes(path, Text(), error);
}

const OrbitRecord* COrbitRecords::Find(const std::string& satellite) const {
    const std::string key = FoldCaseAZ(satellite);
    const auto found = std::find_if(m_records.begin(), m_records.end(),
                                    [&key](const OrbitRecord& r) { return FoldCaseAZ(r.name) == key; });
    return found == m_records.end() ? nullptr : &*found;
}

bool COrbitRecords::Set(const OrbitRecord& record) {
    if (!StorableName(record.name))
        return false;
    const std::string key = FoldCaseAZ(record.name);
    const auto found = std::find_if(m_records.begin(), m_records.end(),
                                    [&key](const OrbitRecord& r) { return FoldCaseAZ(r.name) == key; });
    if (found != m_records.end())
        *found = record;
    else
        m_records.push_back(record);
    return true;
}

void COrbitRecords::TakeImport(const std::vector<GeoObject>& objects, const std::vector<SlotMatch>& matches) {
    for (std::size_t i = 0; i < objects.size() && i < matches.size(); ++i)
        if (const CSatellite* satellite = matches[i].satellite)
            Set({satellite->GetName(), objects[i].elements.catalogNumber, objects[i].inclination,
                 objects[i].elements.epoch});
}
