#include "core/reports/Report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/LocalTime.h"
#include "core/framework/Translate.h"
#include "core/horizon/Clearance.h"
#include "core/locations/Location.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/Satellite.h"

#ifdef _WIN32
#include "core/framework/platform/WindowsText.h"
#endif

namespace {

// The table starts 2 inches below the top of the page's content and may
// reach to half an inch above the printable area's bottom.
constexpr int kTableTop = -200;
constexpr int kBottomMargin = 50;
// The header band: half an inch in from either side, down to the thick rule.
constexpr int kSideMargin = 50;
constexpr int kRuleY = -105;
constexpr int kRuleWidth = 5;
// Nothing of the header comes nearer than this to the paper's top edge.
constexpr int kPaperMargin = 50;
constexpr long kMaxPrintPoints = 1000;

std::string DegreesText(const char* label, float value, const char* side) {
    return Format("%s%.1f%c%s ", label, static_cast<double>(value), kDegreeSign, side);
}

}  // namespace

int PrintFontHeightFromSize(const std::string& sizeText) {
    // The leading whole number, as atoi reads it, but held to a thousand
    // points either way so that no typed size overflows.
    const long points =
        std::clamp(std::strtol(sizeText.c_str(), nullptr, 10), -kMaxPrintPoints, kMaxPrintPoints);
    return static_cast<int>(points * 100 / 72);
}

int ReportTopInset(int printableTop) {
    return std::max(0, kPaperMargin - printableTop);
}

ReportPagination PaginateReport(int rowCount, bool hasLocation, const ReportFontMetrics& metrics,
                                int pageWidth, int pageHeight, int topInset, int columnUnits) {
    ReportPagination p;
    p.rowCount = rowCount;
    if (!hasLocation || rowCount <= 0)
        return p;
    p.columnWidth = std::clamp(15 * metrics.aveCharWidth, 100, 180);
    // Every column stays on the page, between the header's side margins.
    const int widest = (pageWidth - 2 * kSideMargin) / std::max(1, columnUnits);
    if (widest > 0)
        p.columnWidth = std::min(p.columnWidth, widest);
    // Texts wider than their columns: a smaller font rather than cut texts.
    const int chars =
        columnUnits == kReportColumnUnitsWithClearance ? kReportClearanceChars : kReportCharsPerUnit;
    const int needed = chars * metrics.aveCharWidth;
    if (needed > p.columnWidth)
        p.fontScale = static_cast<double>(p.columnWidth) / needed;
    p.lineHeight = static_cast<int>(metrics.height * p.fontScale) * 3 / 2;
    // Rows come off the end until the table's bottom edge is above the
    // bottom margin; at least one row stays, however tall it is, so that
    // the page count is defined.
    const int lowest = kBottomMargin - pageHeight;
    int bottom = kTableTop - topInset - rowCount * p.lineHeight;
    p.rowsPerPage = rowCount;
    while (bottom < lowest && p.rowsPerPage > 1) {
        bottom += p.lineHeight;
        --p.rowsPerPage;
    }
    p.pages = rowCount / p.rowsPerPage + (rowCount % p.rowsPerPage ? 1 : 0);
    return p;
}

CReportJob::CReportJob(ReportJobInput input) : m_input(std::move(input)) {
    const int rows = static_cast<int>(m_input.rows.size());
    const int inset = ReportTopInset(m_input.printableTop);
    // One column unit serves every page: narrow enough for the clearance
    // column when any printed location has a horizon.
    auto hasHorizon = [this](const CLocation* location) { return location && HorizonOf(*location); };
    const bool clearance = m_input.currentLocationOnly
                               ? hasHorizon(m_input.currentLocation)
                               : std::any_of(m_input.locations.begin(), m_input.locations.end(), hasHorizon);
    const int units = clearance ? kReportColumnUnitsWithClearance : kReportColumnUnits;
    if (m_input.currentLocationOnly) {
        m_pagination = PaginateReport(rows, m_input.currentLocation != nullptr, m_input.metrics,
                                      m_input.pageWidth, m_input.pageHeight, inset, units);
        m_nPageCount = m_pagination.pages;
    } else {
        // Every location has the same rows: the first one's pagination
        // serves them all.
        const bool any = !m_input.locations.empty() && m_input.locations.front();
        m_pagination =
            PaginateReport(rows, any, m_input.metrics, m_input.pageWidth, m_input.pageHeight, inset, units);
        m_nPageCount = m_pagination.pages * static_cast<int>(m_input.locations.size());
    }
}

int CReportJob::TableFontHeight() const {
    if (m_pagination.fontScale >= 1.0)
        return m_input.fontHeight;
    const int chosen = m_input.fontHeight > 0 ? m_input.fontHeight : m_input.metrics.height;
    return std::max(1, static_cast<int>(chosen * m_pagination.fontScale));
}

const CHorizonProfile* CReportJob::HorizonOf(const CLocation& location) const {
    const auto found = m_input.horizons.find(location.GetName());
    return found == m_input.horizons.end() || found->second.IsEmpty() ? nullptr : &found->second;
}

CReportJob::PagePlace CReportJob::PlaceOf(int page) const {
    PagePlace place;
    const int perLocation = m_pagination.pages;
    if (page < 1 || page > m_nPageCount || perLocation < 1)
        return place;
    if (m_input.currentLocationOnly) {
        place.location = m_input.currentLocation;
        place.page = page;
        place.pageCount = m_nPageCount;
    } else {
        place.location = m_input.locations[static_cast<std::size_t>((page - 1) / perLocation)];
        place.page = (page - 1) % perLocation + 1;
        place.pageCount = perLocation;
    }
    return place;
}

ReportPage CReportJob::Page(int page) const {
    ReportPage out;
    const PagePlace place = PlaceOf(page);
    if (!place.location)
        return out;
    // The grid's options with this location's site; an automatic variation
    // is computed once for the page.
    const Outcome<float> variation = place.location->SignedMagVar();
    out.message = variation.Message();
    const float magVar = variation.ValueOr(0.0f);
    CArcGridModel site;
    site.SetOptions(m_input.gridOptions);
    site.SetSite(place.location->SignedLatitude(), place.location->SignedLongitude(), magVar);
    Header(out, *place.location, magVar, place.page, place.pageCount);
    Table(out, site, place.page, HorizonOf(*place.location));
    return out;
}

void CReportJob::Header(ReportPage& out, const CLocation& location, float magVar, int page,
                        int pageCount) const {
    const int width = m_input.pageWidth;
    const int top = -ReportTopInset(m_input.printableTop);
    const ReportRect band{kSideMargin, top, width - kSideMargin, top + kRuleY};
    out.texts.push_back(
        {location.GetName(), kSideMargin, top - 10, ReportAlign::Left, ReportFont::Large, band});
    int y = top;
    for (const std::string& line :
         ReportHeaderLines(location, magVar, m_input.workspaceTitle, m_input.date)) {
        out.texts.push_back({line, band.right, y, ReportAlign::Right, ReportFont::Small, band});
        y -= 20;
    }
    if (pageCount > 1)
        out.texts.push_back({Format(CoreTr("Page %d of %d").c_str(), page, pageCount), 70, top - 75,
                             ReportAlign::Left, ReportFont::Small, band});
    out.lines.push_back({kSideMargin, band.bottom, width - kSideMargin, band.bottom, kRuleWidth});
}

void CReportJob::Table(ReportPage& out, const CArcGridModel& site, int page,
                       const CHorizonProfile* horizon) const {
    const ReportPagination& p = m_pagination;
    const auto& rows = m_input.rows;
    const int first = (page - 1) * p.rowsPerPage;
    const int n = std::min(p.rowCount - first, p.rowsPerPage);
    if (n <= 0)
        return;
    const int u = p.columnWidth;
    const int h = p.lineHeight;
    // A height of 0 (or below) leaves the choice to the device; the font it
    // chose is the one measured.
    const int chosen = TableFontHeight();
    const int f = chosen > 0 ? chosen : m_input.metrics.height;
    const int units = horizon ? kReportColumnUnitsWithClearance : kReportColumnUnits;
    const int left = (m_input.pageWidth - units * u) / 2;
    const int right = left + units * u;
    const int top = kTableTop - ReportTopInset(m_input.printableTop);
    const int bottom = top - n * h;
    // The columns' left edges after the name's two units: slot, azimuth,
    // elevation, LNB skew.
    const int slotLeft = left + 2 * u;
    const int azimuthLeft = left + 3 * u;
    const int elevationLeft = left + 4 * u;
    const int skewLeft = left + 5 * u;
    const int clearanceLeft = left + 6 * u;

    // Frame, row rules and the column rules.
    out.frames.push_back({left, top, right, bottom});
    for (int i = 1; i <= n; ++i)
        out.lines.push_back({left, top - i * h, right - 1, top - i * h, 1});
    for (int x : {slotLeft, azimuthLeft, elevationLeft, skewLeft})
        out.lines.push_back({x, top, x, bottom, 1});
    if (horizon)
        out.lines.push_back({clearanceLeft, top, clearanceLeft, bottom, 1});

    // The headings stand in the band just above the table's top edge; the
    // azimuth's kind is one line of the table font below "Azimuth".
    auto centred = [&](const char* text, int from, int to) {
        out.texts.push_back({CoreTr(text),
                             (from + to) / 2,
                             top + h + 1,
                             ReportAlign::Center,
                             ReportFont::Table,
                             {from, top + h, to, top}});
    };
    out.texts.push_back({CoreTr("Satellite"),
                         left + 10,
                         top + h,
                         ReportAlign::Left,
                         ReportFont::Table,
                         {left + 10, top + h, slotLeft, top}});
    centred(TrNoop("Slot"), slotLeft, azimuthLeft);
    out.texts.push_back({CoreTr("Azimuth"),
                         (azimuthLeft + elevationLeft) / 2,
                         top + h + 20 + 1,
                         ReportAlign::Center,
                         ReportFont::Table,
                         {azimuthLeft, top + h + 20, elevationLeft, top + f}});
    centred(TrNoop("Elevation"), elevationLeft, skewLeft);
    centred(TrNoop("LNB Skew"), skewLeft, skewLeft + u);
    if (horizon)
        centred(TrNoop("Clearance"), clearanceLeft, right);
    out.texts.push_back({AzimuthKindText(site.GetOptions()),
                         (azimuthLeft + elevationLeft) / 2,
                         top + h + 20 - f + 1,
                         ReportAlign::Center,
                         ReportFont::Table,
                         {azimuthLeft, top + h + 20 - f + 1, elevationLeft, top}});

    const int y0 = top - h / 5;
    for (int r = 0; r < n; ++r) {
        const CSatellite* satellite = rows[static_cast<std::size_t>(first + r)];
        if (!satellite)
            continue;
        const CArcGridModel::RowTexts texts = site.TextsFor(*satellite);
        // A site the grid leaves blank gets no skew either.
        const std::string skew = texts.elevation.empty() ? std::string()
                                                         : LnbSkewText(site.Latitude(), site.Longitude(),
                                                                       satellite->SignedLongitude());
        const int cellTop = y0 - r * h;
        const int cellBottom = y0 - (r + 1) * h;
        const ReportRect name{left + 10, cellTop, slotLeft, cellBottom};
        out.texts.push_back({texts.name, name.left, cellTop + 1, ReportAlign::Left, ReportFont::Table, name});
        const std::string slot = satellite->SlotText();
        const std::pair<const std::string*, int> cells[] = {{&slot, slotLeft},
                                                            {&texts.azimuth, azimuthLeft},
                                                            {&texts.elevation, elevationLeft},
                                                            {&skew, skewLeft}};
        for (const auto& [text, cellLeft] : cells) {
            const ReportRect cell{cellLeft, cellTop, cellLeft + u, cellBottom};
            out.texts.push_back({*text, (cell.left + cell.right) / 2, cellTop + 1, ReportAlign::Center,
                                 ReportFont::Table, cell});
        }
        if (horizon && !texts.elevation.empty()) {
            // "clear +4.2°", "blocked -2.1°", "--" below the horizon; blank
            // where the grid leaves the angles blank.
            const std::string clearance = ClearanceText(SatelliteClearance(
                *horizon, m_input.beamEdge, site.Latitude(), site.Longitude(), satellite->SignedLongitude()));
            const ReportRect cell{clearanceLeft, cellTop, right, cellBottom};
            out.texts.push_back({clearance, (cell.left + cell.right) / 2, cellTop + 1, ReportAlign::Center,
                                 ReportFont::Table, cell});
        }
    }
}

std::vector<std::string> ReportHeaderLines(const CLocation& location, float magVar,
                                           const std::string& workspaceTitle, const std::string& date) {
    // The variation's letter is the side of the variation in use, which for
    // one the model computes need not be the record's stored flag.
    return {
        DegreesText(CoreTr("Site Latitude: ").c_str(), location.GetLatitude(),
                    location.IsNorth() ? "N" : "S"),
        DegreesText(CoreTr("Site Longitude: ").c_str(), location.GetLongitude(),
                    location.IsWest() ? "W" : "E"),
        DegreesText(CoreTr("Magnetic Variation: ").c_str(), std::fabs(magVar), MagVarSideText(magVar)),
        CoreTr("Workspace: ") + workspaceTitle + " ",
        CoreTr("Updated:  ") + date + " ",
    };
}

std::string CurrentDateText() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = LocalTime(now);
    char text[64] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

std::optional<ReportPaper> ParseReportPaper(std::string_view text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "a4")
        return ReportPaper::A4;
    if (lower == "letter")
        return ReportPaper::Letter;
    return std::nullopt;
}

ReportPaper PaperOfLocaleName(std::string_view name) {
    // The country is what follows the language: "en_US.UTF-8", "es_MX@x".
    const auto underscore = name.find('_');
    if (underscore == std::string_view::npos)
        return ReportPaper::A4;
    std::string_view country = name.substr(underscore + 1);
    country = country.substr(0, country.find_first_of(".@"));
    // The countries whose locales print on US Letter.
    static const char* const kLetterCountries[] = {"US", "CA", "MX", "PH", "PR", "BO", "CL",
                                                   "CO", "CR", "GT", "NI", "PA", "SV", "VE"};
    for (const char* letter : kLetterCountries)
        if (country == letter)
            return ReportPaper::Letter;
    return ReportPaper::A4;
}

ReportPaper DefaultReportPaper() {
#ifdef _WIN32
    DWORD paper = 0;
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                          reinterpret_cast<LPWSTR>(&paper), sizeof paper / sizeof(wchar_t)) > 0)
        return paper == 1 || paper == 5 ? ReportPaper::Letter : ReportPaper::A4;  // Letter, Legal
    return ReportPaper::A4;
#else
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return PaperOfLocaleName(value);
    return ReportPaper::A4;
#endif
}
