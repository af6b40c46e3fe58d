#include "core/reports/AimPage.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/locations/Location.h"

namespace {

constexpr int kTitleGap = 70;       // from the title's top to the site's row
constexpr int kBottomMargin = 25;   // kept free below the last row
constexpr int kMaxRowHeight = 70;   // 0.7 inch a line at most
constexpr int kAscentPercent = 80;  // a font's ascent, of its cell: texts in a row share the baseline
constexpr int kRuleWidth = 2;
constexpr int kNameShare = 62;  // per cent of the width for the site's and satellite's names

}  // namespace

std::string AimLineLabel(const std::string& key) {
    static const std::pair<const char*, const char*> kLabels[] = {
        {"elevation", TrNoop("Elevation")},
        {"azimuth (true)", TrNoop("Azimuth (true)")},
        {"azimuth (magnetic)", TrNoop("Azimuth (magnetic)")},
        {"lnb skew", TrNoop("LNB skew")},
        {"dish face tilt", TrNoop("Dish face tilt")},
        {"motor angle", TrNoop("Motor angle")},
        {"gotox", TrNoop("GotoX command")},
        {"motor axis elevation", TrNoop("Motor axis elevation")},
        {"motor declination", TrNoop("Motor declination")},
        {"slant range", TrNoop("Slant range")},
        {"delay", TrNoop("Delay")},
        {"path loss", TrNoop("Path loss")},
        {"shadow time", TrNoop("Shadow time")},
        {"shadow time (local)", TrNoop("Shadow time (local)")},
    };
    for (const auto& [from, to] : kLabels)
        if (key == from)
            return CoreTr(to);
    std::string label = key;
    if (!label.empty())
        label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
    return label;
}

std::string AimSiteText(const CLocation& location) {
    return Format("%.2f%c %s  %.2f%c %s", location.GetLatitude(), kDegreeSign, location.IsNorth() ? "N" : "S",
                  location.GetLongitude(), kDegreeSign, location.IsWest() ? "W" : "E");
}

AimPageLayout LayOutAimPage(const AimPageInput& input) {
    AimPageLayout out;
    ReportPage& page = out.page;
    const int width = input.pageWidth;
    const int top = -ReportTopInset(input.printableTop);
    const int bottom = -input.pageHeight + kBottomMargin;
    // The site's and the satellite's rows and one row a line share what the
    // title leaves.
    const int rows = static_cast<int>(input.lines.size()) + 2;
    const int rowHeight = std::clamp((top - kTitleGap - bottom) / rows, 1, kMaxRowHeight);
    const int f = std::clamp(rowHeight * 7 / 10, 1, kAimValueFontHeight);
    out.valueFontHeight = f;
    const ReportRect whole{0, 0, width, -input.pageHeight};

    page.texts.push_back(
        {CoreTr("Aiming Sheet"), width / 2, top, ReportAlign::Center, ReportFont::Large, whole});
    int y = top - kTitleGap;
    // A row's table-font text and a small-font text on the same baseline.
    const auto row = [&](const std::string& big, ReportAlign bigAlign, const std::string& small,
                         ReportAlign smallAlign, const ReportRect& bigClip, const ReportRect& smallClip) {
        const int textTop = y - (rowHeight - f) / 2;
        const int smallTop = textTop - (f - kReportSmallFontHeight) * kAscentPercent / 100;
        page.texts.push_back(
            {big, bigAlign == ReportAlign::Left ? 0 : width, textTop, bigAlign, ReportFont::Table, bigClip});
        page.texts.push_back({small, smallAlign == ReportAlign::Left ? 0 : width, smallTop, smallAlign,
                              ReportFont::Small, smallClip});
        y -= rowHeight;
    };
    const int nameRight = width * kNameShare / 100;
    const ReportRect nameClip{0, 0, nameRight, -input.pageHeight};
    const ReportRect besideName{nameRight, 0, width, -input.pageHeight};
    row(input.siteName, ReportAlign::Left, input.siteText, ReportAlign::Right, nameClip, besideName);
    row(input.satelliteName + "  " + input.slotText, ReportAlign::Left, input.date, ReportAlign::Right,
        nameClip, besideName);
    page.lines.push_back({0, y, width, y, kRuleWidth});
    for (const AimLine& line : input.lines) {
        row(line.value, ReportAlign::Right, AimLineLabel(line.key), ReportAlign::Left, whole, whole);
        page.lines.push_back({0, y, width, y, 1});
    }
    return out;
}
