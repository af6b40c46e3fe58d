// How the editors read typed numbers and slots.
#include <gtest/gtest.h>

#include <cmath>

#include "core/framework/DataExchange.h"
#include "core/satellites/Satellite.h"
#include "core/workspace/EditorRules.h"

TEST(DialogNumbersTest, WholeTextMustBeADecimalNumber) {
    EXPECT_EQ(ParseDialogFloat("39.5"), 39.5);
    EXPECT_EQ(ParseDialogFloat("  12  "), 12.0);
    EXPECT_EQ(ParseDialogFloat("\t-3e2"), -300.0);
    EXPECT_EQ(ParseDialogFloat(".5"), 0.5);
    EXPECT_EQ(ParseDialogFloat("+7."), 7.0);
    const auto negativeZero = ParseDialogFloat("-0");
    ASSERT_TRUE(negativeZero);
    EXPECT_FALSE(std::signbit(*negativeZero));
    for (const char* text :
         {"", " ", "12,5", "1e999", "-1e39", "nan", "inf", "0x10", "1e", "12a", "--1", ".", "e5"})
        EXPECT_FALSE(ParseDialogFloat(text)) << text;
    // Too small to matter is zero, not a refusal.
    EXPECT_EQ(ParseDialogFloat("1e-999"), 0.0);
}

TEST(DialogNumbersTest, FloatsShowWithSixSignificantDigits) {
    EXPECT_EQ(FormatDialogFloat(39.5), "39.5");
    EXPECT_EQ(FormatDialogFloat(0.0), "0");
    EXPECT_EQ(FormatDialogFloat(-0.0), "0");
    EXPECT_EQ(FormatDialogFloat(static_cast<double>(104.99f)), "104.99");
    EXPECT_EQ(FormatDialogFloat(1234567.0), "1.23457e+06");
    EXPECT_EQ(EnterNumberBetween(0, 90, "latitude"),
              "Please enter a number between 0 and 90 for the latitude.");
}

TEST(DialogNumbersTest, LeadingNumberTakesWhatTheTextStartsWith) {
    EXPECT_EQ(LeadingNumber("12,5"), 12.0);
    EXPECT_EQ(LeadingNumber("  7.5W"), 7.5);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("nan"), 0.0);
    EXPECT_EQ(LeadingNumber("0x1A"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
}

TEST(EditorRulesTest, SlotsAbove180ChangeSide) {
    const auto converted = NormalizeSlot(256.5, true);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->slot, 103.5f);
    EXPECT_FALSE(converted->west);
    EXPECT_TRUE(converted->converted);
    const auto full = NormalizeSlot(360.0, false);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->slot, 0.0f);
    EXPECT_TRUE(full->west);
    const auto edge = NormalizeSlot(180.0, true);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->slot, 180.0f);
    EXPECT_TRUE(edge->west);
    EXPECT_FALSE(edge->converted);
    EXPECT_FALSE(NormalizeSlot(-1.0, true));
    EXPECT_FALSE(NormalizeSlot(360.5, true));
    EXPECT_FALSE(NormalizeSlot(std::nan(""), true));
}

TEST(EditorRulesTest, TypedVariationsBetween0And180) {
    EXPECT_EQ(ParseTypedVariation("180"), 180.0f);
    EXPECT_EQ(ParseTypedVariation("abc"), 0.0f);
    EXPECT_EQ(ParseTypedVariation("7.2 East"), 7.2f);
    for (const char* text : {"", "180.1", "-1", "1e999", "-0.5"})
        EXPECT_FALSE(ParseTypedVariation(text)) << text;
}

TEST(EditorRulesTest, RegionNamesBothWays) {
    EXPECT_EQ(SatelliteRegionName(SAT_BAND_KU | 64 | 128), "Europe, Africa & Middle East");
    EXPECT_EQ(SatelliteRegionName(SAT_BAND_KU), "");
    EXPECT_EQ(SatelliteRegionFlag("IntelSat"), 256);
    EXPECT_EQ(SatelliteRegionFlag("intelsat"), 0);
    EXPECT_EQ(LocationRegionName(2048), "South Pacific");
    EXPECT_EQ(LocationRegionName(4096), "");
    EXPECT_EQ(LocationRegionValue("Middle East"), 256);
    EXPECT_EQ(EditorMessage(editor_messages::kSaveChanges, "Denver, CO"),
              "Do you want to save changes to Denver, CO?");
}
