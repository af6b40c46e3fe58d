// The printed aiming sheet: one page for one location and one satellite
// with every line of the installer's sheet (core/aim/AimSheet.h) in figures
// large enough to read on a ladder.  Laid out in the report's units and
// drawn by the report's painter (core/reports/Report.h): the title in the
// large font, the line names in the small font and the site, the satellite
// and every value in the table font, whose height the layout chooses.
#pragma once

#include <string>
#include <vector>

#include "core/aim/AimSheet.h"
#include "core/reports/Report.h"

class CLocation;
class CSatellite;

// The name a sheet line's key is shown under: "elevation" is "Elevation",
// "lnb skew" "LNB skew", "gotox" "GotoX command"; a key it does not know
// is shown with its first letter in upper case.
std::string AimLineLabel(const std::string& key);

// "39.74° N  104.99° W": the location's latitude and longitude.
std::string AimSiteText(const CLocation& location);

struct AimPageInput {
    std::string siteName;
    std::string siteText;  // AimSiteText
    std::string satelliteName;
    std::string slotText;  // the satellite's slot, "97.0° W"
    std::string date;      // the sheet's date, "2026-12-09"
    std::vector<AimLine> lines;
    // The printable area in report units and its distance from the paper's
    // top edge, as for the look-angle report.
    int pageWidth = 0;
    int pageHeight = 0;
    int printableTop = 0;
};

struct AimPageLayout {
    ReportPage page;
    // The table font's height for the page: the values' height.
    int valueFontHeight = 0;
};

// The values' font is at most kAimValueFontHeight (0.45 inch) and smaller
// only when the lines would not fit the page's height otherwise.
inline constexpr int kAimValueFontHeight = 45;
AimPageLayout LayOutAimPage(const AimPageInput& input);
