#include "printing/Report.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "framework/Cp1252.h"
#include "framework/Format.h"
#include "framework/LocalTime.h"
#include "framework/Translate.h"
#include "locations/Location.h"
#include "satellites/Satellite.h"

namespace {

// The table starts 2 inches below the top of the printable area and may
// reach to half an inch above its bottom.
constexpr int kTableTop = -200;
constexpr int kBottomMargin = 50;
// The header band: half an inch in from either side, down to the thick rule.
constexpr int kSideMargin = 50;
constexpr int kRuleY = -105;
constexpr int kRuleWidth = 5;
constexpr long kMaxPrintPoints = 1000;

std::string DegreesText(const char* label, float value, bool positive, const char* yes, const char* no) {
    return Format("%s%.1f%c%s ", label, static_cast<double>(value), kDegreeSign, positive ? yes : no);
}

}  // namespace

int PrintFontHeightFromSize(const std::string& sizeText) {
    // The leading whole number, as atoi reads it, but held to a thousand
    // points either way so that no typed size overflows.
    const long points = std::clamp(std::strtol(sizeText.c_str(), nullptr, 10), -kMaxPrintPoints, kMaxPrintPoints);
    return static_cast<int>(points * 100 / 72);
}

ReportPagination PaginateReport(int rowCount, bool hasLocation, const ReportFontMetrics& metrics, int pageHeight) {
    ReportPagination p;
    p.rowCount = rowCount;
    if (!hasLocation || rowCount <= 0) return p;
    p.lineHeight = metrics.height * 3 / 2;
    p.columnWidth = std::clamp(15 * metrics.aveCharWidth, 100, 180);
    // Rows come off the end until the table's bottom edge is above the
    // bottom margin; at least one row stays, however tall it is, so that
    // the page count is defined.
    const int lowest = kBottomMargin - pageHeight;
    int bottom = kTableTop - rowCount * p.lineHeight;
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
    if (m_input.currentLocationOnly) {
        m_pagination = PaginateReport(rows, m_input.currentLocation != nullptr, m_input.metrics, m_input.pageHeight);
        m_nPageCount = m_pagination.pages;
    } else {
        // Every location has the same rows: the first one's pagination
        // serves them all.
        const bool any = !m_input.locations.empty() && m_input.locations.front();
        m_pagination = PaginateReport(rows, any, m_input.metrics, m_input.pageHeight);
        m_nPageCount = m_pagination.pages * static_cast<int>(m_input.locations.size());
    }
}

CReportJob::PagePlace CReportJob::PlaceOf(int page) const {
    PagePlace place;
    const int perLocation = m_pagination.pages;
    if (page < 1 || page > m_nPageCount || perLocation < 1) return place;
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
    if (!place.location) return out;
    // The grid's options with this location's site; an automatic variation
    // is computed once for the page.
    const float magVar = place.location->SignedMagVar();
    CArcGridModel site;
    site.SetOptions(m_input.gridOptions);
    site.SetSite(place.location->SignedLatitude(), place.location->SignedLongitude(), magVar);
    Header(out, *place.location, magVar, place.page, place.pageCount);
    Table(out, site, place.page);
    return out;
}

void CReportJob::Header(ReportPage& out, const CLocation& location, float magVar, int page, int pageCount) const {
    const int width = m_input.pageWidth;
    const ReportRect band{kSideMargin, 0, width - kSideMargin, kRuleY};
    out.texts.push_back({location.GetName(), kSideMargin, -10, ReportAlign::Left, ReportFont::Large, band});
    int y = 0;
    for (const std::string& line :
         ReportHeaderLines(location, magVar, m_input.workspaceTitle, m_input.date)) {
        out.texts.push_back({line, band.right, y, ReportAlign::Right, ReportFont::Small, band});
        y -= 20;
    }
    if (pageCount > 1)
        out.texts.push_back({Format(CoreTr("Page %d of %d").c_str(), page, pageCount), 70, -75, ReportAlign::Left, ReportFont::Small,
                             band});
    out.lines.push_back({kSideMargin, kRuleY, width - kSideMargin, kRuleY, kRuleWidth});
}

void CReportJob::Table(ReportPage& out, const CArcGridModel& site, int page) const {
    const ReportPagination& p = m_pagination;
    const auto& rows = m_input.rows;
    const int first = (page - 1) * p.rowsPerPage;
    const int n = std::min(p.rowCount - first, p.rowsPerPage);
    if (n <= 0) return;
    const int u = p.columnWidth;
    const int h = p.lineHeight;
    // A height of 0 (or below) leaves the choice to the device; the font it
    // chose is the one measured.
    const int f = m_input.fontHeight > 0 ? m_input.fontHeight : m_input.metrics.height;
    const int left = (m_input.pageWidth - 4 * u) / 2;
    const int right = left + 4 * u;
    const int top = kTableTop;
    const int bottom = top - n * h;
    const int azimuthLeft = left + 2 * u;
    const int elevationLeft = left + 3 * u;

    // Frame, row rules and the two column rules.
    out.frames.push_back({left, top, right, bottom});
    for (int i = 1; i <= n; ++i) out.lines.push_back({left, top - i * h, right - 1, top - i * h, 1});
    out.lines.push_back({azimuthLeft, top, azimuthLeft, bottom, 1});
    out.lines.push_back({elevationLeft, top, elevationLeft, bottom, 1});

    // The headings stand in the band just above the table's top edge; the
    // azimuth's kind is one line of the table font below "Azimuth".
    out.texts.push_back({CoreTr("Satellite"), left + 10, top + h, ReportAlign::Left, ReportFont::Table,
                         {left + 10, top + h, azimuthLeft, top}});
    out.texts.push_back({CoreTr("Azimuth"), (azimuthLeft + elevationLeft) / 2, top + h + 20 + 1, ReportAlign::Center,
                         ReportFont::Table, {azimuthLeft, top + h + 20, elevationLeft, top + f}});
    out.texts.push_back({CoreTr("Elevation"), (elevationLeft + right) / 2, top + h + 1, ReportAlign::Center,
                         ReportFont::Table, {elevationLeft, top + h, right, top}});
    out.texts.push_back({AzimuthKindText(site.GetOptions()), (azimuthLeft + elevationLeft) / 2, top + h + 20 - f + 1,
                         ReportAlign::Center, ReportFont::Table, {azimuthLeft, top + h + 20 - f + 1, elevationLeft, top}});

    const int y0 = top - h / 5;
    for (int r = 0; r < n; ++r) {
        const CSatellite* satellite = rows[static_cast<std::size_t>(first + r)];
        if (!satellite) continue;
        const CArcGridModel::RowTexts texts = site.TextsFor(*satellite);
        const int cellTop = y0 - r * h;
        const int cellBottom = y0 - (r + 1) * h;
        const ReportRect name{left + 10, cellTop, azimuthLeft, cellBottom};
        const ReportRect azimuth{azimuthLeft, cellTop, elevationLeft, cellBottom};
        const ReportRect elevation{elevationLeft, cellTop, right, cellBottom};
        out.texts.push_back({texts.name, name.left, cellTop + 1, ReportAlign::Left, ReportFont::Table, name});
        out.texts.push_back({texts.azimuth, (azimuth.left + azimuth.right) / 2, cellTop + 1, ReportAlign::Center,
                             ReportFont::Table, azimuth});
        out.texts.push_back({texts.elevation, (elevation.left + elevation.right) / 2, cellTop + 1,
                             ReportAlign::Center, ReportFont::Table, elevation});
    }
}

std::vector<std::string> ReportHeaderLines(const CLocation& location, float magVar, const std::string& workspaceTitle,
                                           const std::string& date) {
    // The variation's letter is the stored flag's, also for a variation
    // that the model computes.
    return {
        DegreesText(CoreTr("Site Latitude: ").c_str(), location.GetLatitude(), location.IsNorth(), "N", "S"),
        DegreesText(CoreTr("Site Longitude: ").c_str(), location.GetLongitude(), location.IsWest(), "W", "E"),
        DegreesText(CoreTr("Magnetic Variation: ").c_str(), std::fabs(magVar), location.IsMagVarWest(), "W", "E"),
        CoreTr("Workspace: ") + workspaceTitle + " ",
        CoreTr("Updated:  ") + date + " ",
    };
}

std::string CurrentDateText() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = LocalTime(now);
    char text[64] = {};
    std::strftime(text, sizeof text, "%x", &local);
    return text;
}
