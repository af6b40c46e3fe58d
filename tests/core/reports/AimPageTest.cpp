#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestSupport.h"
#include "core/aim/AimSettings.h"
#include "core/aim/AimSheet.h"
#include "core/framework/Profile.h"
#include "core/horizon/Clearance.h"
#include "core/locations/Location.h"
#include "core/reports/AimPage.h"

namespace {

// Denver with a 22.6 degree offset dish and a variation: every line the
// sheet has.
AimPageInput DenverGalaxy19(int pageWidth, int pageHeight, int printableTop) {
    AimRequest request;
    request.latitude = 39.74;
    request.siteLongitude = 104.99;
    request.satLongitude = 97.0;
    request.magneticVariation = -7.9;
    request.offset = kDefaultDishOffset;
    request.date = {2026, 12, 9};
    AimPageInput input;
    input.siteName = "Denver, CO";
    input.siteText = "39.74\xB0 N  104.99\xB0 W";
    input.satelliteName = "Galaxy 19";
    input.slotText = "97.0\xB0 W";
    input.date = "2026-12-09";
    input.lines = AimSheetLines(request);
    input.pageWidth = pageWidth;
    input.pageHeight = pageHeight;
    input.printableTop = printableTop;
    return input;
}

bool HasText(const ReportPage& page, const std::string& text) {
    return std::any_of(page.texts.begin(), page.texts.end(),
                       [&](const ReportText& t) { return t.text == text; });
}

}  // namespace

TEST(AimPageTest, EveryLineIsOnThePageAndThePageHoldsThem) {
    // Letter and A4 printable areas (report units: 4 per millimetre), from a
    // whole sheet down to a printer with wide margins.
    struct Paper {
        int width, height, top;
    };
    for (const Paper paper : {Paper{812, 1066, 25}, Paper{788, 1137, 25}, Paper{760, 980, 80}}) {
        const AimPageInput input = DenverGalaxy19(paper.width, paper.height, paper.top);
        ASSERT_EQ(input.lines.size(), 13u);
        const AimPageLayout layout = LayOutAimPage(input);
        const ReportPage& page = layout.page;
        EXPECT_TRUE(HasText(page, "Aiming Sheet"));
        EXPECT_TRUE(HasText(page, "Denver, CO"));
        EXPECT_TRUE(HasText(page, "39.74\xB0 N  104.99\xB0 W"));
        EXPECT_TRUE(HasText(page, "Galaxy 19  97.0\xB0 W"));
        for (const AimLine& line : input.lines) {
            EXPECT_TRUE(HasText(page, AimLineLabel(line.key))) << line.key;
            EXPECT_TRUE(HasText(page, line.value)) << line.key;
        }
        // Large on a roomy page, and nothing below the printable area.
        EXPECT_GE(layout.valueFontHeight, paper.height >= 1066 ? 35 : 30);
        for (const ReportText& text : page.texts) {
            const int height = text.font == ReportFont::Large   ? kReportLargeFontHeight
                               : text.font == ReportFont::Small ? kReportSmallFontHeight
                                                                : layout.valueFontHeight;
            EXPECT_LE(text.y, 0) << text.text;
            EXPECT_GE(text.y - height, -paper.height) << text.text;
            EXPECT_GE(text.x, 0);
            EXPECT_LE(text.x, paper.width);
        }
        for (const ReportLine& line : page.lines)
            EXPECT_GE(line.y1, -paper.height);
    }
}

TEST(AimPageTest, LabelsAndSiteText) {
    EXPECT_EQ(AimLineLabel("lnb skew"), "LNB skew");
    EXPECT_EQ(AimLineLabel("gotox"), "GotoX command");
    EXPECT_EQ(AimLineLabel("something new"), "Something new");
    CLocation south;
    south.SetLatitude(33.87f);
    south.SetNorth(false);
    south.SetLongitude(151.21f);
    south.SetWest(false);
    EXPECT_EQ(AimSiteText(south), "33.87\xB0 S  151.21\xB0 E");
}

TEST(AimPageTest, DishOffsetSetting) {
    TempDir dir;
    CProfile settings((dir / "tilvex.INI").string());
    EXPECT_DOUBLE_EQ(ReadDishOffset(settings), kDefaultDishOffset);
    ASSERT_TRUE(WriteDishOffset(settings, 0.0));
    EXPECT_DOUBLE_EQ(ReadDishOffset(settings), 0.0);
    ASSERT_TRUE(WriteDishOffset(settings, 17.25));
    EXPECT_EQ(settings.GetProfileString(kDishSection, kDishOffsetEntry), "17.3");
    // Out of range: refused, and the saved value stays.
    EXPECT_FALSE(WriteDishOffset(settings, 90.0));
    EXPECT_FALSE(WriteDishOffset(settings, -1.0));
    EXPECT_DOUBLE_EQ(ReadDishOffset(settings), 17.3);
    // A hand-edited value that is not a usable offset reads as the default.
    for (const char* text : {"abc", "95", "-3", "20x"}) {
        ASSERT_TRUE(settings.WriteProfileString(kDishSection, kDishOffsetEntry, text));
        EXPECT_DOUBLE_EQ(ReadDishOffset(settings), kDefaultDishOffset) << text;
    }
}
