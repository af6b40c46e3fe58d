#include "core/orbits/OrbitalElements.h"

#include <charconv>
#include <cmath>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"

namespace {

constexpr std::size_t kTleColumns = 69;

// The text's lines without their line ends, numbered from 1.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool IsBlank(std::string_view line) {
    return Trim(line).empty();
}

// A decimal number, all of the (trimmed) text; a leading plus is allowed.
std::optional<double> ParseDouble(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Digits only, all of the (trimmed) text.
std::optional<std::int64_t> ParseWhole(std::string_view text, std::size_t maxDigits) {
    text = Trim(text);
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 4;
        if (extra == 4 || (extra > 0 && i + extra >= text.size()))
            return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

// A name as the database keeps it: Windows-1252, without control bytes.
std::string NameText(std::string_view text) {
    text = Trim(text);
    std::string name = IsValidUtf8(text) ? Utf8ToCp1252(text) : std::string(text);
    std::string clean;
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            clean += c;
    return clean;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// The catalogue number of TLE columns 3 to 7: five digits, or a letter and
// four digits for the numbers from 100000.
std::optional<std::int64_t> TleCatalogNumber(std::string_view field) {
    if (field.size() != 5)
        return std::nullopt;
    const char first = field[0];
    if (first >= 'A' && first <= 'Z' && first != 'I' && first != 'O') {
        const std::optional<std::int64_t> rest = ParseWhole(field.substr(1), 4);
        if (!rest || field.substr(1).find(' ') != std::string_view::npos)
            return std::nullopt;
        const int skipped = (first > 'I') + (first > 'O');
        return static_cast<std::int64_t>(first - 'A' + 10 - skipped) * 10000 + *rest;
    }
    return ParseWhole(field, 5);
}

int TleChecksum(std::string_view line) {
    int sum = 0;
    for (std::size_t i = 0; i < kTleColumns - 1; ++i) {
        const char c = line[i];
        if (c >= '0' && c <= '9')
            sum += c - '0';
        else if (c == '-')
            sum += 1;
    }
    return sum % 10;
}

// What is wrong with the form of an element line, or nothing.
std::optional<std::string> TleLineFault(std::string_view line, char number) {
    if (line.size() < kTleColumns)
        return Format("the line is truncated (%zu characters, %zu expected)", line.size(), kTleColumns);
    if (line.size() > kTleColumns && !IsBlank(line.substr(kTleColumns)))
        return Format("the line is longer than %zu characters", kTleColumns);
    if (line[0] != number || line[1] != ' ')
        return Format("the line does not start with \"%c \"", number);
    const char check = line[kTleColumns - 1];
    if (check < '0' || check > '9')
        return std::string("the checksum in column 69 is not a digit");
    const int sum = TleChecksum(line);
    if (sum != check - '0')
        return Format("wrong checksum: the line sums to %d, column 69 says %c", sum, check);
    return std::nullopt;
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    return line.substr(first - 1, last - first + 1);
}

// An element line's angle (columns first..last) in 0..limit.
std::optional<double> TleAngle(std::string_view line, std::size_t first, std::size_t last, double limit) {
    const std::optional<double> value = ParseDouble(Columns(line, first, last));
    if (!value || *value < 0.0 || *value > limit)
        return std::nullopt;
    return value;
}

// Reads one object from its two element lines (numbered line1No and
// line1No + 1); problems go to `problems`.
std::optional<OrbitalElements> ReadTlePair(std::string_view line1, std::string_view line2,
                                           std::size_t line1No, std::vector<OrbitLineProblem>& problems) {
    const std::size_t line2No = line1No + 1;
    auto refuse = [&](std::size_t no, std::string message) {
        problems.push_back({no, std::move(message)});
        return std::nullopt;
    };
    if (auto fault = TleLineFault(line1, '1'))
        return refuse(line1No, *fault);
    if (auto fault = TleLineFault(line2, '2'))
        return refuse(line2No, *fault);

    OrbitalElements e;
    const std::optional<std::int64_t> number1 = TleCatalogNumber(Columns(line1, 3, 7));
    if (!number1)
        return refuse(line1No, "the catalogue number in columns 3 to 7 is malformed");
    const std::optional<std::int64_t> number2 = TleCatalogNumber(Columns(line2, 3, 7));
    if (!number2 || *number2 != *number1)
        return refuse(line2No, "the catalogue number differs from the first line's");
    e.catalogNumber = *number1;

    // Epoch: two-digit year (57 to 99 are 1957 to 1999) and day of the year
    // with its fraction, 1.0 being 0h on the first of January.
    const std::optional<std::int64_t> year2 = ParseWhole(Columns(line1, 19, 20), 2);
    const std::string_view dayField = Columns(line1, 21, 32);
    const std::optional<double> day = ParseDouble(dayField);
    const bool dayDigits = dayField.find_first_not_of("0123456789. ") == std::string_view::npos;
    if (!year2 || Columns(line1, 19, 20).find(' ') != std::string_view::npos || !day || !dayDigits) {
        return refuse(line1No, Format("the epoch \"%s\" is malformed",
                                      std::string(Trim(Columns(line1, 19, 32))).c_str()));
    }
    const int year = static_cast<int>(*year2 < 57 ? 2000 + *year2 : 1900 + *year2);
    if (*day < 1.0 || *day >= (IsLeapYear(year) ? 367.0 : 366.0))
        return refuse(line1No, Format("the epoch's day of the year %.8f is out of range", *day));
    e.epoch = JulianDateOfCivil(year, 1, 1) + (*day - 1.0);

    const std::string_view designator = Trim(Columns(line1, 10, 17));
    if (designator.size() >= 5 && ParseWhole(designator.substr(0, 2), 2)) {
        const int launchYear = static_cast<int>(*ParseWhole(designator.substr(0, 2), 2));
        e.objectId = Format("%d-%s", launchYear < 57 ? 2000 + launchYear : 1900 + launchYear,
                            std::string(designator.substr(2)).c_str());
    }

    const std::optional<double> inclination = TleAngle(line2, 9, 16, 180.0);
    const std::optional<double> raan = TleAngle(line2, 18, 25, 360.0);
    const std::string_view eField = Columns(line2, 27, 33);
    const std::optional<std::int64_t> eDigits = ParseWhole(eField, 7);
    const std::optional<double> argPerigee = TleAngle(line2, 35, 42, 360.0);
    const std::optional<double> meanAnomaly = TleAngle(line2, 44, 51, 360.0);
    const std::optional<double> meanMotion = ParseDouble(Columns(line2, 53, 63));
    if (!inclination)
        return refuse(line2No, "the inclination in columns 9 to 16 is no angle from 0 to 180");
    if (!raan)
        return refuse(line2No,
                      "the right ascension of the node in columns 18 to 25 is no angle from 0 to 360");
    if (!eDigits || eField.find(' ') != std::string_view::npos)
        return refuse(line2No, "the eccentricity in columns 27 to 33 is not seven digits");
    if (!argPerigee)
        return refuse(line2No, "the argument of perigee in columns 35 to 42 is no angle from 0 to 360");
    if (!meanAnomaly)
        return refuse(line2No, "the mean anomaly in columns 44 to 51 is no angle from 0 to 360");
    if (!meanMotion)
        return refuse(line2No, "the mean motion in columns 53 to 63 is no number");
    if (!(*meanMotion > 0.0))
        return refuse(line2No, "the mean motion must be above 0");
    e.inclination = *inclination;
    e.raan = *raan;
    e.eccentricity = static_cast<double>(*eDigits) * 1e-7;
    e.argPerigee = *argPerigee;
    e.meanAnomaly = *meanAnomaly;
    e.meanMotion = *meanMotion;
    return e;
}

bool IsElementLine(std::string_view line, char number) {
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

// The cells of one CSV line: commas separate, double quotes enclose a cell
// that may hold commas ("" for a quote inside).
std::vector<std::string> CsvCells(std::string_view line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cells.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cells.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

// "YYYY-MM-DDThh:mm:ss[.ffffff]" (a space for the T, and a final Z, are
// allowed) as a Julian date.
std::optional<double> ParseIsoEpoch(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && (text.back() == 'Z' || text.back() == 'z'))
        text.remove_suffix(1);
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' || (text[10] != 'T' && text[10] != ' ') ||
        text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto year = ParseWhole(text.substr(0, 4), 4);
    const auto month = ParseWhole(text.substr(5, 2), 2);
    const auto day = ParseWhole(text.substr(8, 2), 2);
    const auto hour = ParseWhole(text.substr(11, 2), 2);
    const auto minute = ParseWhole(text.substr(14, 2), 2);
    const std::string_view secondText = text.substr(17);
    if (!year || !month || !day || !hour || !minute || secondText.size() < 2 ||
        secondText.find_first_not_of("0123456789.") != std::string_view::npos || secondText[0] == '.' ||
        secondText[1] == '.' || (secondText.size() > 2 && secondText[2] != '.'))
        return std::nullopt;
    const std::optional<double> second = ParseDouble(secondText);
    if (!second || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(static_cast<int>(*year), static_cast<int>(*month)) || *hour > 23 || *minute > 59 ||
        *second >= 61.0 || *year < 1900)
        return std::nullopt;
    return JulianDateOfCivil(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)) +
           (static_cast<double>(*hour) * 3600.0 + static_cast<double>(*minute) * 60.0 + *second) / 86400.0;
}

// `value` in `format`; a value that rounds to zero is written as zero,
// never as a minus zero.
std::string FormatSigned(const char* format, double value) {
    const std::string text = Format(format, value);
    if (text.find_first_of("123456789") == std::string::npos)
        return Format(format, 0.0);
    return text;
}

}  // namespace

std::string OrbitProblemText(const OrbitLineProblem& problem) {
    return Format("line %zu: %s", problem.line, problem.message.c_str());
}

OrbitFile ReadTle(std::string_view text) {
    OrbitFile file;
    const std::vector<std::string_view> lines = SplitLines(text);
    std::size_t nameLine = 0;  // the pending name line; 0 for none
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t no = i + 1;
        if (IsBlank(line))
            continue;
        if (IsElementLine(line, '1')) {
            if (i + 1 >= lines.size() || !IsElementLine(lines[i + 1], '2')) {
                file.problems.push_back({no, "a first element line without its second line"});
                nameLine = 0;
                continue;
            }
            std::optional<OrbitalElements> e = ReadTlePair(line, lines[i + 1], no, file.problems);
            if (e) {
                e->line = nameLine ? nameLine : no;
                if (nameLine) {
                    std::string_view name = Trim(lines[nameLine - 1]);
                    if (name.size() > 2 && name[0] == '0' && name[1] == ' ')
                        name.remove_prefix(2);
                    e->name = NameText(name);
                }
                file.objects.push_back(std::move(*e));
            }
            nameLine = 0;
            ++i;
        } else if (IsElementLine(line, '2')) {
            file.problems.push_back({no, "a second element line without its first line"});
            nameLine = 0;
        } else {
            if (nameLine)
                file.problems.push_back({nameLine, "a name without element lines"});
            nameLine = no;
        }
    }
    if (nameLine)
        file.problems.push_back({nameLine, "a name without element lines"});
    return file;
}

OrbitFile ReadOmmCsv(std::string_view text) {
    OrbitFile file;
    const std::vector<std::string_view> lines = SplitLines(text);
    std::size_t headerIndex = 0;
    while (headerIndex < lines.size() && IsBlank(lines[headerIndex]))
        ++headerIndex;
    if (headerIndex >= lines.size()) {
        file.error = OrbitLineProblem{1, "the file has no header line"};
        return file;
    }
    enum Column {
        Name,
        Epoch,
        MeanMotion,
        Eccentricity,
        Inclination,
        Raan,
        ArgPerigee,
        MeanAnomaly,
        Number,
        Id
    };
    static const char* const kColumns[] = {
        "OBJECT_NAME",       "EPOCH",        "MEAN_MOTION",  "ECCENTRICITY", "INCLINATION", "RA_OF_ASC_NODE",
        "ARG_OF_PERICENTER", "MEAN_ANOMALY", "NORAD_CAT_ID", "OBJECT_ID"};
    constexpr std::size_t kNeeded = Id;  // every column before OBJECT_ID
    constexpr std::size_t kAll = Id + 1;
    std::size_t index[kAll];
    for (std::size_t& k : index)
        k = static_cast<std::size_t>(-1);
    std::vector<std::string> header = CsvCells(lines[headerIndex]);
    if (!header.empty() && header[0].rfind("\xEF\xBB\xBF", 0) == 0)
        header[0].erase(0, 3);  // a byte-order mark
    for (std::size_t c = 0; c < header.size(); ++c)
        for (std::size_t k = 0; k < kAll; ++k)
            if (index[k] == static_cast<std::size_t>(-1) && Trim(header[c]) == kColumns[k])
                index[k] = c;
    for (std::size_t k = 0; k < kNeeded; ++k)
        if (index[k] == static_cast<std::size_t>(-1)) {
            file.error = OrbitLineProblem{headerIndex + 1, Format("the column %s is missing", kColumns[k])};
            return file;
        }

    for (std::size_t i = headerIndex + 1; i < lines.size(); ++i) {
        const std::size_t no = i + 1;
        if (IsBlank(lines[i]))
            continue;
        const std::vector<std::string> cells = CsvCells(lines[i]);
        auto cell = [&](Column k) -> std::string_view {
            return index[k] < cells.size() ? std::string_view(cells[index[k]]) : std::string_view();
        };
        auto refuse = [&](std::string message) { file.problems.push_back({no, std::move(message)}); };
        bool missing = false;
        for (std::size_t k = 0; k < kNeeded; ++k)
            missing = missing || index[k] >= cells.size();
        if (missing) {
            refuse(Format("%zu cells, fewer than the header's columns", cells.size()));
            continue;
        }
        OrbitalElements e;
        e.line = no;
        e.name = NameText(cell(Name));
        e.objectId = NameText(cell(Id));
        const std::optional<std::int64_t> number = ParseWhole(cell(Number), 9);
        const std::optional<double> epoch = ParseIsoEpoch(cell(Epoch));
        const std::optional<double> n = ParseDouble(cell(MeanMotion));
        const std::optional<double> ecc = ParseDouble(cell(Eccentricity));
        const std::optional<double> inc = ParseDouble(cell(Inclination));
        const std::optional<double> raan = ParseDouble(cell(Raan));
        const std::optional<double> argp = ParseDouble(cell(ArgPerigee));
        const std::optional<double> m = ParseDouble(cell(MeanAnomaly));
        auto angle = [](const std::optional<double>& v, double limit) {
            return v && *v >= 0.0 && *v <= limit;
        };
        if (!number)
            refuse(
                Format("the NORAD_CAT_ID \"%s\" is not a whole number", std::string(cell(Number)).c_str()));
        else if (!epoch)
            refuse(Format("the EPOCH \"%s\" is malformed", std::string(cell(Epoch)).c_str()));
        else if (!n)
            refuse("the MEAN_MOTION is no number");
        else if (!(*n > 0.0))
            refuse("the mean motion must be above 0");
        else if (!ecc || *ecc < 0.0 || *ecc >= 1.0)
            refuse("the ECCENTRICITY is no number from 0 to below 1");
        else if (!angle(inc, 180.0))
            refuse("the INCLINATION is no angle from 0 to 180");
        else if (!angle(raan, 360.0))
            refuse("the RA_OF_ASC_NODE is no angle from 0 to 360");
        else if (!angle(argp, 360.0))
            refuse("the ARG_OF_PERICENTER is no angle from 0 to 360");
        else if (!angle(m, 360.0))
            refuse("the MEAN_ANOMALY is no angle from 0 to 360");
        else {
            e.catalogNumber = *number;
            e.epoch = *epoch;
            e.meanMotion = *n;
            e.eccentricity = *ecc;
            e.inclination = *inc;
            e.raan = *raan;
            e.argPerigee = *argp;
            e.meanAnomaly = *m;
            file.objects.push_back(std::move(e));
        }
    }
    return file;
}

OrbitFile ReadOrbitalElements(std::string_view text) {
    for (const std::string_view line : SplitLines(text)) {
        if (IsBlank(line))
            continue;
        const bool csv = line.find("MEAN_MOTION") != std::string_view::npos ||
                         line.find("OBJECT_NAME") != std::string_view::npos;
        return csv ? ReadOmmCsv(text) : ReadTle(text);
    }
    return ReadTle(text);
}

double JulianDateOfCivil(int year, int month, int day) {
    // Days from 1970-01-01 of the proleptic Gregorian calendar.
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = static_cast<long>(era) * 146097 + doe - 719468;
    return static_cast<double>(days) + 2440587.5;
}

std::optional<double> ParseCivilDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = ParseWhole(text.substr(0, 4), 4);
    const auto month = ParseWhole(text.substr(5, 2), 2);
    const auto day = ParseWhole(text.substr(8, 2), 2);
    if (!year || !month || !day || text.substr(0, 4).find(' ') != std::string_view::npos || *month < 1 ||
        *month > 12 || *day < 1 || *day > DaysInMonth(static_cast<int>(*year), static_cast<int>(*month)))
        return std::nullopt;
    return JulianDateOfCivil(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day));
}

double GreenwichMeanSiderealTime(double julianDate) {
    // IAU 1982: GMST in seconds of time at UT1, T in Julian centuries from
    // J2000.0.  The whole days are taken out of the linear term first so that
    // its fraction keeps full precision.
    const double t = (julianDate - 2451545.0) / 36525.0;
    const double days = julianDate - 2451545.0;
    const double wholeDays = std::floor(days);
    // 876600 h a century is 86400 s a day times 36525 days, a whole number of
    // turns for the whole days.
    double seconds = 67310.54841 + 86400.0 * (days - wholeDays) + 8640184.812866 * t + 0.093104 * t * t -
                     6.2e-6 * t * t * t;
    seconds = std::fmod(seconds, 86400.0);
    if (seconds < 0.0)
        seconds += 86400.0;
    return seconds / 240.0;
}

bool IsGeostationary(const OrbitalElements& elements) {
    return elements.meanMotion >= 0.9 && elements.meanMotion <= 1.1 && elements.eccentricity < 0.1;
}

double WrapDegrees180(double degrees) {
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped <= -180.0)
        wrapped += 360.0;
    else if (wrapped > 180.0)
        wrapped -= 360.0;
    return wrapped;
}

double MeanLongitudeAtEpoch(const OrbitalElements& e) {
    return WrapDegrees180(e.raan + e.argPerigee + e.meanAnomaly - GreenwichMeanSiderealTime(e.epoch));
}

double DriftDegreesPerDay(const OrbitalElements& e) {
    return 360.0 * (e.meanMotion - kSiderealRevolutionsPerDay);
}

double ElementsAgeDays(const OrbitalElements& e, double julianDate) {
    return julianDate - e.epoch;
}

std::vector<GeoObject> GeostationaryObjects(const std::vector<OrbitalElements>& objects, double julianDate,
                                            std::size_t* others) {
    std::vector<GeoObject> geo;
    std::size_t left = 0;
    for (const OrbitalElements& e : objects) {
        if (!IsGeostationary(e)) {
            ++left;
            continue;
        }
        GeoObject object;
        object.elements = e;
        object.longitude = MeanLongitudeAtEpoch(e);
        object.drift = DriftDegreesPerDay(e);
        object.inclination = e.inclination;
        object.ageDays = ElementsAgeDays(e, julianDate);
        geo.push_back(std::move(object));
    }
    if (others)
        *others = left;
    return geo;
}

std::string LongitudeText(double eastLongitude) {
    const double rounded = std::round(eastLongitude * 100.0) / 100.0;
    return Format("%.2f%c%s", std::fabs(rounded), kDegreeSign, rounded < 0.0 ? "W" : "E");
}

std::string DriftText(double degreesPerDay) {
    return FormatSigned("%+.3f\xB0/day", degreesPerDay);
}

std::string InclinationText(double inclination) {
    return Format("%.2f%c", inclination, kDegreeSign);
}

std::string AgeText(double days) {
    return FormatSigned("%.0f d", std::round(days));
}

std::string DifferenceText(double degrees) {
    return FormatSigned("%+.2f\xB0", degrees);
}
