#include <gtest/gtest.h>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"

TEST(Cp1252Test, ConvertsBothWays) {
    EXPECT_EQ(Cp1252ToUtf8("42.6\xB0"), "42.6\u00B0");
    EXPECT_EQ(Cp1252ToUtf8("\x80\x9F\xE9"), "\u20AC\u0178\u00E9");
    EXPECT_EQ(Utf8ToCp1252("S\u00E3o Paulo \u20AC"), "S\xE3o Paulo \x80");
    // Characters outside the code page and malformed bytes become '?'.
    EXPECT_EQ(Utf8ToCp1252("\u4E2D\xFF"
                           "a\xC3"),
              "??a?");
    // Every byte survives a round trip through UTF-8.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Test, CaseFoldingTouchesOnlyAToZ) {
    EXPECT_TRUE(EqualNoCaseAZ("Galaxy 19", "GALAXY 19"));
    EXPECT_FALSE(
        EqualNoCaseAZ("\xC9"
                      "cole",
                      "\xE9"
                      "cole"));  // accented letters are not folded
    EXPECT_FALSE(EqualNoCaseAZ("abc", "abcd"));
    EXPECT_EQ(FoldCaseAZ("AbZ@[\xC0"), "abz@[\xC0");
}

TEST(Cp1252Test, MessageArguments) {
    EXPECT_EQ(FormatMessage1("%1 has a bad format.", "/a/b.wrk"), "/a/b.wrk has a bad format.");
    EXPECT_EQ(Format("%.1f%c", 101.0, kDegreeSign), "101.0\xB0");
    const std::string longText(1000, 'z');
    EXPECT_EQ(Format("<%s>", longText.c_str()), "<" + longText + ">");
}
