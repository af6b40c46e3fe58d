#include "core/workspace/RecordCsv.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "core/framework/AngleText.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/StringTable.h"
#include "core/reports/ControlCharacters.h"
#include "core/workspace/NameIndex.h"

namespace {

constexpr std::size_t kMaxName = 30;
constexpr std::size_t kMaxComments = 255;
constexpr int kSatRegionMask =
    SAT_REGION_AMERICAS | SAT_REGION_EUROPE | SAT_REGION_ASIA | SAT_REGION_INTELSAT;

// Skips a UTF-8 byte-order mark and refuses bytes that are not UTF-8,
// naming the first line that holds one.
std::string_view CheckUtf8(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b == '\n')
            ++line;
        std::size_t length = b < 0x80           ? 1
                             : (b >> 5) == 0x6  ? 2
                             : (b >> 4) == 0xE  ? 3
                             : (b >> 3) == 0x1E ? 4
                                                : 0;
        if (length == 0 || i + length > text.size())
            throw CsvError(line, "the text is not UTF-8");
        char32_t cp = length == 1 ? b : b & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                throw CsvError(line, "the text is not UTF-8");
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[length] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            throw CsvError(line, "the text is not UTF-8");
        i += length;
    }
    return text;
}

// Whether a spreadsheet would take `text` for a formula once any leading
// apostrophes are gone.
bool LooksLikeFormula(std::string_view text) {
    const auto first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

// A field of free text in Windows-1252: the apostrophe CsvTextField adds is
// taken away, and a control character (tabs and line breaks aside where
// `lineBreaks` allows them) or a character Windows-1252 cannot hold is
// refused.
std::string Cp1252Field(const std::string& field, std::size_t line, const char* what,
                        bool lineBreaks = false) {
    const std::string utf8 =
        field.size() > 1 && field[0] == '\'' && LooksLikeFormula(field) ? field.substr(1) : field;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        // C1 controls are U+0080 to U+009F, 0xC2 0x80 to 0xC2 0x9F; other
        // bytes past ASCII belong to printable characters (0xA0 stands for them).
        const char32_t cp = b < 0x80                           ? b
                            : b == 0xC2 && i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1])
                                                               : 0xA0;
        if (!IsControlCharacter(cp) || (lineBreaks && (cp == '\t' || cp == '\r' || cp == '\n')))
            continue;
        throw CsvError(line, std::string("the ") + what + " holds a control character (" +
                                 Format("U+%04X", static_cast<unsigned>(cp)) + ")");
    }
    std::string text = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(text) != utf8)
        throw CsvError(line, std::string("the ") + what + " holds characters outside Windows-1252");
    return text;
}

// Text for the CSV form; a NUL byte cannot be written as text.
std::string TextField(const std::string& cp1252, std::size_t record, const char* what) {
    if (cp1252.find('\0') != std::string::npos)
        throw CsvError(record, std::string("the ") + what + " holds a NUL byte, which has no text form");
    return CsvTextField(Cp1252ToUtf8(cp1252));
}

struct Word {
    const char* text;
    int value;
};
constexpr Word kBandWords[] = {{"Ku", SAT_BAND_KU}, {"C", SAT_BAND_C}, {"DBS", SAT_BAND_DBS}};
constexpr Word kSatRegionWords[] = {{"Americas", SAT_REGION_AMERICAS},
                                    {"Europe", SAT_REGION_EUROPE},
                                    {"Asia", SAT_REGION_ASIA},
                                    {"IntelSat", SAT_REGION_INTELSAT}};

std::vector<std::string> SplitWords(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Bits named by words of `table`, or given as decimal numbers.
template <std::size_t N>
int ParseBits(const std::string& field, const Word (&table)[N], std::size_t line, const char* what) {
    int bits = 0;
    for (const auto& word : SplitWords(field)) {
        bool known = false;
        for (const auto& entry : table) {
            if (word == entry.text) {
                bits |= entry.value;
                known = true;
            }
        }
        unsigned number = 0;
        auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
        if (!known && ec == std::errc() && end == word.data() + word.size()) {
            bits |= static_cast<int>(number);
            known = true;
        }
        if (!known)
            throw CsvError(line, std::string("unknown ") + what + " '" + word + "'");
    }
    return bits;
}

template <std::size_t N>
std::string BitsText(int& remaining, const Word (&table)[N]) {
    std::string text;
    for (const auto& entry : table) {
        if (remaining & entry.value) {
            if (!text.empty())
                text += ' ';
            text += entry.text;
            remaining &= ~entry.value;
        }
    }
    return text;
}

void AppendNumberBits(std::string& text, int bits) {
    for (int bit = 0; bit < 32; ++bit) {
        const unsigned value = 1u << bit;
        if (static_cast<unsigned>(bits) & value) {
            if (!text.empty())
                text += ' ';
            text += std::to_string(value);
        }
    }
}

TypedAngle RequireAngle(const std::string& text, AngleKind kind, std::size_t line, const char* what) {
    auto angle = ParseTypedAngle(text, kind);
    if (!angle)
        throw CsvError(line, std::string("bad ") + what + " '" + text + "'");
    return *angle;
}

// CSV text read a row at a time, so that a file of a million records is
// never held as rows of fields all at once.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}
    // The next row, blank lines skipped; false at the end of the text.
    bool Next(CsvRow& row);

private:
    std::string_view m_text;
    std::size_t m_i = 0;
    std::size_t m_line = 1;
};

bool CsvReader::Next(CsvRow& row) {
    const std::string_view text = m_text;
    std::size_t& i = m_i;
    std::size_t& line = m_line;
    while (i < text.size()) {
        row.line = line;
        row.fields.clear();
        std::string field;
        bool quoted = false, wasQuoted = false, endOfRow = false;
        while (!endOfRow) {
            if (i >= text.size()) {
                if (quoted)
                    throw CsvError(row.line, "unterminated quoted field");
                endOfRow = true;
                break;
            }
            const char c = text[i++];
            if (quoted) {
                if (c == '"') {
                    if (i < text.size() && text[i] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n')
                        ++line;
                    field += c;
                }
            } else if (c == '"' && field.empty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == ',') {
                row.fields.push_back(std::move(field));
                field.clear();
                wasQuoted = false;
            } else if (c == '\n' || c == '\r') {
                if (c == '\r' && i < text.size() && text[i] == '\n')
                    ++i;
                ++line;
                endOfRow = true;
            } else {
                field += c;
            }
        }
        row.fields.push_back(std::move(field));
        if (row.fields.size() == 1 && row.fields[0].empty() && !wasQuoted)
            continue;  // blank line
        return true;
    }
    return false;
}

void CheckHeader(CsvReader& reader, const char* header) {
    const auto expected = ParseCsv(header).front().fields;
    CsvRow first{1, {}};
    const bool any = reader.Next(first);
    if (!any || first.fields != expected)
        throw CsvError(any ? first.line : 1, std::string("the first line must be: ") + header);
}

// The names met so far, found with the case of A to Z ignored: pointers to
// the names the records keep (eight bytes a slot, two slots a name).
class FoldedNames {
public:
    // Adds the name, which must stay where it is; false when it was met before.
    bool Insert(const std::string& name) {
        if (2 * (m_count + 1) > m_slots.size())
            Grow();
        const std::size_t slot = Probe(m_slots, name);
        if (m_slots[slot])
            return false;
        m_slots[slot] = &name;
        ++m_count;
        return true;
    }

private:
    // The slot of `name`, or the empty slot where it would go.
    static std::size_t Probe(const std::vector<const std::string*>& slots, const std::string& name) {
        const std::size_t mask = slots.size() - 1;
        std::size_t slot = HashNoCaseAZ(name) & mask;
        while (slots[slot] && !EqualNoCaseAZ(*slots[slot], name))
            slot = (slot + 1) & mask;
        return slot;
    }
    void Grow() {
        std::vector<const std::string*> slots(std::max<std::size_t>(16, 2 * m_slots.size()), nullptr);
        for (const std::string* name : m_slots)
            if (name)
                slots[Probe(slots, *name)] = name;
        m_slots = std::move(slots);
    }
    std::vector<const std::string*> m_slots;
    std::size_t m_count = 0;
};

void CheckFieldCount(const CsvRow& row, std::size_t count) {
    if (row.fields.size() != count)
        throw CsvError(row.line, "expected " + std::to_string(count) + " fields, found " +
                                     std::to_string(row.fields.size()));
}

void CheckUnique(FoldedNames& seen, const std::string& name, std::size_t line) {
    if (name.empty())
        throw CsvError(line, "empty name");
    if (!seen.Insert(name))
        throw CsvError(line, "the name '" + Cp1252ToUtf8(name) + "' is already used (letter case aside)");
}

std::string LocationRegionText(int region) {
    if (region == 0)
        return "";
    for (const auto& entry : kLocationRegions)
        if (entry.value == region)
            return LoadString(entry.nameId);
    return std::to_string(region);
}

}  // namespace

std::vector<CsvRow> ParseCsv(std::string_view text) {
    std::vector<CsvRow> rows;
    CsvReader reader(text);
    for (CsvRow row; reader.Next(row);)
        rows.push_back(std::move(row));
    return rows;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos && !text.empty() && text.front() != ' ' &&
        text.back() != ' ')
        return std::string(text);
    if (text.empty())
        return std::string();
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string CsvTextField(std::string_view text) {
    // Appended, not prefixed: GCC 12's optimiser raises a false -Wrestrict
    // alarm on a string prefixed with a literal.
    std::string field;
    if (LooksLikeFormula(text))
        field += '\'';
    field.append(text);
    return CsvField(field);
}

std::string FloatText(float value) {
    // Plain decimals (the importer takes no exponent); the shortest that
    // reads back as the same float.
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    (void)ec;
    return std::string(buffer, end);
}

std::vector<std::unique_ptr<CSatellite>> SatellitesFromCsv(std::string_view text) {
    CsvReader reader(CheckUtf8(text));
    CheckHeader(reader, kSatelliteCsvHeader);
    std::vector<std::unique_ptr<CSatellite>> records;
    FoldedNames seen;
    for (CsvRow row; reader.Next(row);) {
        CheckFieldCount(row, 6);
        const auto& f = row.fields;
        auto sat = std::make_unique<CSatellite>();
        const std::string name = Cp1252Field(f[0], row.line, "name");
        if (name.size() > kMaxName)
            throw CsvError(row.line, "name longer than 30 characters");
        sat->SetName(name);
        CheckUnique(seen, sat->GetName(), row.line);
        const TypedAngle slot = RequireAngle(f[1] + f[2], AngleKind::Longitude, row.line, "slot");
        sat->SetSlot(slot.magnitude);
        sat->SetWest(slot.positive);
        const int bands = ParseBits(f[3], kBandWords, row.line, "band");
        const int region = ParseBits(f[4], kSatRegionWords, row.line, "region");
        // What the editor would refuse: no band, no region or two regions.
        if (((bands | region) & SAT_BAND_MASK) == 0)
            throw CsvError(row.line, "no band");
        const int regions = (bands | region) & kSatRegionMask;
        if (regions == 0)
            throw CsvError(row.line, "no region");
        if ((regions & (regions - 1)) != 0)
            throw CsvError(row.line, "more than one region");
        sat->SetFlags(bands | region);
        const std::string comments = Cp1252Field(f[5], row.line, "comments", true);
        if (comments.size() > kMaxComments)
            throw CsvError(row.line, "comments longer than 255 characters");
        sat->SetComments(comments);
        records.push_back(std::move(sat));
    }
    return records;
}

std::string SatellitesToCsv(const std::vector<std::unique_ptr<CSatellite>>& records) {
    std::string out = std::string(kSatelliteCsvHeader) + "\n";
    for (const auto& sat : records) {
        int remaining = sat->GetFlags();
        std::string bands = BitsText(remaining, kBandWords);
        std::string region = BitsText(remaining, kSatRegionWords);
        AppendNumberBits(region, remaining);
        const std::size_t record = static_cast<std::size_t>(&sat - records.data()) + 1;
        out += TextField(sat->GetName(), record, "name") + ',' + FloatText(sat->GetSlot()) + ',' +
               (sat->IsWest() ? "W" : "E") + ',' + bands + ',' + CsvField(region) + ',' +
               TextField(sat->GetComments(), record, "comments") + '\n';
    }
    return out;
}

std::vector<std::unique_ptr<CLocation>> LocationsFromCsv(std::string_view text) {
    CsvReader reader(CheckUtf8(text));
    CheckHeader(reader, kLocationCsvHeader);
    std::vector<std::unique_ptr<CLocation>> records;
    FoldedNames seen;
    for (CsvRow row; reader.Next(row);) {
        CheckFieldCount(row, 5);
        const auto& f = row.fields;
        auto loc = std::make_unique<CLocation>();
        const std::string name = Cp1252Field(f[0], row.line, "name");
        if (name.size() > kMaxName)
            throw CsvError(row.line, "name longer than 30 characters");
        loc->SetName(name);
        CheckUnique(seen, loc->GetName(), row.line);
        const TypedAngle lat = RequireAngle(f[1], AngleKind::Latitude, row.line, "latitude");
        loc->SetLatitude(lat.magnitude);
        loc->SetNorth(lat.positive);
        const TypedAngle lon = RequireAngle(f[2], AngleKind::Longitude, row.line, "longitude");
        loc->SetLongitude(lon.magnitude);
        loc->SetWest(lon.positive);
        if (f[3] == "auto" || f[3] == "auto W" || f[3] == "auto E") {
            // The direction kept with an automatic variation is unused but stored.
            loc->SetMagVar(MAGVAR_AUTO);
            loc->SetMagVarWest(f[3] != "auto E");
        } else {
            const TypedAngle var = RequireAngle(f[3], AngleKind::MagVar, row.line, "magnetic variation");
            loc->SetMagVar(var.magnitude);
            loc->SetMagVarWest(var.positive);
        }
        // The editor keeps only locations with a region of the table.
        int region = 0;
        for (const auto& entry : kLocationRegions)
            if (f[4] == LoadString(entry.nameId))
                region = entry.value;
        if (f[4].empty())
            throw CsvError(row.line, "no region");
        if (region == 0)
            throw CsvError(row.line, "unknown region '" + f[4] + "'");
        loc->SetRegion(region);
        records.push_back(std::move(loc));
    }
    return records;
}

std::string LocationsToCsv(const std::vector<std::unique_ptr<CLocation>>& records) {
    std::string out = std::string(kLocationCsvHeader) + "\n";
    for (const auto& loc : records) {
        std::string magVar = loc->IsMagVarAuto()
                                 ? std::string(loc->IsMagVarWest() ? "auto" : "auto E")
                                 : FloatText(loc->GetMagVar()) + (loc->IsMagVarWest() ? "W" : "E");
        const std::size_t record = static_cast<std::size_t>(&loc - records.data()) + 1;
        out += TextField(loc->GetName(), record, "name") + ',' + FloatText(loc->GetLatitude()) +
               (loc->IsNorth() ? "N" : "S") + ',' + FloatText(loc->GetLongitude()) +
               (loc->IsWest() ? "W" : "E") + ',' + magVar + ',' +
               CsvField(Cp1252ToUtf8(LocationRegionText(loc->GetRegion()))) + '\n';
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool SplitCsvLine(std::string_view line, std::vector<std::string>& fields, std::size_t* firstEnd) {
    fields.clear();
    std::size_t i = 0;
    for (;;) {
        std::string field;
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i];
            }
            if (i < line.size() && line[i] != ',')
                return false;
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            field.assign(line.substr(i, comma - i));
            i = comma;
        }
        if (fields.empty() && firstEnd)
            *firstEnd = i;
        fields.push_back(std::move(field));
        if (i >= line.size())
            return true;
        ++i;  // the comma
    }
}
