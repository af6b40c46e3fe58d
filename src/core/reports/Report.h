// The printed look-angle report as a description of its pages: texts, lines
// and rectangles with their coordinates, which one painter draws on the
// printer, the preview and PDF alike.
//
// Coordinates are hundredths of an inch ("low English" units): x grows to the
// right from the printable area's left edge, y grows upward from its top
// edge, so every point on the page has y <= 0.  A rectangle's top is
// therefore above (greater than) its bottom.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/display/ArcGridModel.h"
#include "core/horizon/HorizonProfile.h"

class CLocation;
class CSatellite;

struct ReportRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ReportRect&) const = default;
};

// The three fonts of a page: the table font the user chose, and the small
// (0.2 inch) and large (0.5 inch) fonts of the header, all of one face.
enum class ReportFont { Table, Small, Large };
enum class ReportAlign { Left, Center, Right };

// A text whose top edge is at y; x is its left edge, its middle or its right
// edge as `align` says.  Nothing of it is drawn outside `clip`.  Windows-1252.
struct ReportText {
    std::string text;
    int x = 0;
    int y = 0;
    ReportAlign align = ReportAlign::Left;
    ReportFont font = ReportFont::Table;
    ReportRect clip;
};

// A solid black line of the given pen width.
struct ReportLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1;
};

struct ReportPage {
    // The table frame (outline only, pen width 1).
    std::vector<ReportRect> frames;
    std::vector<ReportLine> lines;
    std::vector<ReportText> texts;
    // Why the page's automatic variation could not be computed (it shows
    // 0.0); empty when it could.  Whoever draws the page shows it.
    std::string message;
};

// Heights of the header's fonts.
inline constexpr int kReportSmallFontHeight = 20;
inline constexpr int kReportLargeFontHeight = 50;

// What the table font measures on the device, in report units: the cell
// height (ascent plus descent) and the average character width.
struct ReportFontMetrics {
    int height = 0;
    int aveCharWidth = 0;
};

// A print size in points as typed ("14", or anything: its leading whole
// number, 0 when there is none, held to at most 1000 points either way) to
// the table font's height in hundredths of an inch.
int PrintFontHeightFromSize(const std::string& sizeText);

// The table's measures for one location.  The table is six column units
// wide: the satellite's name takes two, its slot, the azimuth, the elevation
// and the LNB skew one each; a location with a horizon has a seventh for
// the clearance.
struct ReportPagination {
    int rowCount = 0;
    int lineHeight = 0;
    int columnWidth = 0;
    int rowsPerPage = 0;
    int pages = 0;
    // Below 1 when the table font is drawn smaller than chosen so that its
    // texts fit the columns.
    double fontScale = 1.0;
};
inline constexpr int kReportColumnUnits = 6;
inline constexpr int kReportColumnUnitsWithClearance = 7;
// A column unit holds about this many average characters: "(Magnetic)"
// and a little room either side.
inline constexpr int kReportCharsPerUnit = 12;
// The clearance column holds up to "blocked -12.3°".
inline constexpr int kReportClearanceChars = 14;

// How far below the printable area's top edge a page begins, so that the
// header stays at least half an inch inside the paper's edge: `printableTop`
// is the printable area's distance from the paper's top edge.
int ReportTopInset(int printableTop);

// How many rows a page holds and how many pages the rows need.  The column
// unit is 15 average characters, held between 1 and 1.8 inches, and narrower
// still when the table would not fit between the side margins of a page
// `pageWidth` wide; a unit narrower than kReportCharsPerUnit characters
// scales the table font (and the line height) down to fit.  The table
// begins `topInset` lower than on a page whose printable area starts half an
// inch inside the paper.  No location or no rows: 0 pages.  A font so tall
// that no row fits still gives one row a page.  `columnUnits` is the widest
// table of the job (kReportColumnUnitsWithClearance when a page has the
// clearance column).
ReportPagination PaginateReport(int rowCount, bool hasLocation, const ReportFontMetrics& metrics,
                                int pageWidth, int pageHeight, int topInset = 0,
                                int columnUnits = kReportColumnUnits);

// The paper a report is laid out for.
enum class ReportPaper { Letter, A4 };
// "a4" or "letter" (letter case aside).
std::optional<ReportPaper> ParseReportPaper(std::string_view text);
// The paper of a locale named like "en_US.UTF-8" or "de_DE@euro": US Letter
// where the locale's country uses it (the United States, Canada, Mexico, the
// Philippines and most of Central and South America's Spanish-speaking
// countries), A4 elsewhere, in the "C" locale and for an empty name.
ReportPaper PaperOfLocaleName(std::string_view name);
// The user's paper: on Windows the locale's paper setting, elsewhere that
// of the locale named by LC_ALL, else LC_PAPER, else LANG.
ReportPaper DefaultReportPaper();

// Everything a report job depends on.  The rows are the satellite grid's,
// in its order; the grid's options word decides their texts and the azimuth
// kind.
struct ReportJobInput {
    // true: the current location only; false: every location of the list.
    bool currentLocationOnly = true;
    const CLocation* currentLocation = nullptr;
    // The location pane's list, in its order.
    std::vector<const CLocation*> locations;
    std::vector<const CSatellite*> rows;
    int gridOptions = 0;
    std::string workspaceTitle;
    // The date of the "Updated:" line (see CurrentDateText).
    std::string date;
    // The table font: its face, and its height in report units (0 or less:
    // the device's default), as measured on the device.
    std::string face;
    int fontHeight = 0;
    ReportFontMetrics metrics;
    // The printable area, in report units, and its distance from the
    // paper's top edge (0: the whole sheet is printable).
    int pageWidth = 0;
    int pageHeight = 0;
    int printableTop = 0;
    // The locations' horizons by location name (exactly as GetName() gives
    // it) and the beam's half-power half-width in degrees: a page of a
    // location found here gets a "Clearance" column, those of the others
    // stay as they were.
    std::map<std::string, CHorizonProfile> horizons;
    double beamEdge = 0.0;
};

// A print or preview job: its pages are numbered from 1.
class CReportJob {
public:
    explicit CReportJob(ReportJobInput input);

    int PageCount() const { return m_nPageCount; }
    int PagesPerLocation() const { return m_pagination.pages; }
    const ReportPagination& Pagination() const { return m_pagination; }
    const ReportJobInput& Input() const { return m_input; }
    // The table font's height as drawn: the chosen one (0 or less: the
    // device's default), or a smaller one when the columns need it.
    int TableFontHeight() const;
    // The location a page is printed for, and its number and count as the
    // header shows them (numbers restart for each location of an
    // "All locations" job).
    struct PagePlace {
        const CLocation* location = nullptr;
        int page = 0;
        int pageCount = 0;
    };
    PagePlace PlaceOf(int page) const;
    // The location's horizon from the input, or nullptr.
    const CHorizonProfile* HorizonOf(const CLocation& location) const;
    // The description of page `page` (1 ... PageCount()).
    ReportPage Page(int page) const;

    // The two halves of a page.  `site` holds the grid options and the
    // location's site; with a `horizon`, the table has the clearance column.
    void Header(ReportPage& out, const CLocation& location, float magVar, int page, int pageCount) const;
    void Table(ReportPage& out, const CArcGridModel& site, int page,
               const CHorizonProfile* horizon = nullptr) const;

private:
    ReportJobInput m_input;
    ReportPagination m_pagination;
    int m_nPageCount = 0;
};

// The header's five right-aligned lines for a location whose signed
// magnetic variation is `magVar`: latitude, longitude, variation (each with
// the degree sign and its direction letter, the variation's being the side
// of `magVar` itself), workspace and date, each ending in a blank.
std::vector<std::string> ReportHeaderLines(const CLocation& location, float magVar,
                                           const std::string& workspaceTitle, const std::string& date);

// Today's date as ISO 8601 writes it ("2026-12-08"), which no reader takes
// for another day.
std::string CurrentDateText();
