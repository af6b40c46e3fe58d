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

TEST(Cp1252Test, TranslatedTextCarriesCharactersBeyondTheCodePage) {
    // Polish, Arabic and a character beyond the first plane survive; what the
    // code page holds stays one byte.
    const std::u32string text = U"Łódź 12.5° قمر 📡 ?";
    const std::string inner = CodePointsToCp1252Text(text);
    EXPECT_EQ(inner.substr(0, 12),
              "\x81"
              "141;\xF3"
              "d\x81"
              "17A;");
    EXPECT_EQ(Cp1252TextToCodePoints(inner), text);
    EXPECT_EQ(Cp1252ToUtf8(inner), "Łódź 12.5° قمر 📡 ?");
    // A 0x81 that does not start such a character is the byte it always was.
    for (const std::string& plain : {std::string("\x81"), std::string("a\x81;"), std::string("\x81G1;"),
                                     std::string("\x81"
                                                 "1234567;"),
                                     std::string("\x81"
                                                 "D800;"),
                                     std::string("\x81"
                                                 "110000;"),
                                     std::string("\x81"
                                                 "41")})
        EXPECT_EQ(Cp1252TextToCodePoints(plain)[plain.find('\x81')], U'\u0081') << plain;
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
