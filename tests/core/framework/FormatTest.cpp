// Numbers written and read the same under every locale.
#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>

#include "TestSupport.h"
#include "core/framework/Format.h"
#include "core/geomag/GeomagModel.h"
#include "core/satellites/LookAngles.h"
#include "core/workspace/RecordCsv.h"

namespace {

std::string Printf(const char* format, double value) {
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

TEST(FormatTest, FloatingConversionsMatchTheCLocalesPrintf) {
    std::setlocale(LC_ALL, "C");
    const char* formats[] = {"%.1f",  "%3.1f", "%.2f",   "%.4f",    "%.0f",   "%f",       "%e",   "%.3E",
                             "%g",    "%.6g",  "%G",     "%.10g",   "%#.0f",  "%#.0e",    "%#g",  "%#.3g",
                             "%+.1f", "% .1f", "%08.2f", "%-9.1f|", "%10.3e", "%+012.4g", "%.0g", "%.20f"};
    const double values[] = {0.0,
                             -0.0,
                             0.05,
                             0.25,
                             12.25,
                             -12.25,
                             2.5,
                             99.95,
                             1e-5,
                             0.0001,
                             123456.5,
                             1234567.0,
                             2.0 / 3,
                             1e21,
                             1e300,
                             -1e-300,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (const char* format : formats)
        for (const double value : values)
            EXPECT_EQ(Format(format, value), Printf(format, value)) << format << " " << value;
}

TEST(FormatTest, OtherConversionsAndArgumentKinds) {
    EXPECT_EQ(Format("%d|%5d|%-5d|%05d|%+d|% d|%.3d|%.0d", INT_MIN, 42, 42, -42, 7, 7, 7, 0),
              "-2147483648|   42|42   |-0042|+7| 7|007|");
    EXPECT_EQ(Format("%x|%#X|%#o|%o|%u|%hhd|%hu", 255u, 255u, 8u, 0u, UINT_MAX, 300, 70000),
              "ff|0XFF|010|0|4294967295|44|4464");
    EXPECT_EQ(
        Format("%zu|%lld|%ld|%jd", static_cast<std::size_t>(123), LLONG_MIN, -5L, static_cast<intmax_t>(9)),
        "123|-9223372036854775808|-5|9");
    EXPECT_EQ(
        Format("%c%s|%.2s|%6s|%-6s|%%|%*d|%-*d|%.*f", 'A', "bc", "xyz", "ab", "ab", 4, 1, 4, 1, 2, 0.125),
        "Abc|xy|    ab|ab    |%|   1|1   |0.12");
    EXPECT_EQ(Format("%s: %.2f\xB0%s", "Denver", 39.739, "N"), "Denver: 39.74\xB0N");
    EXPECT_EQ(Format("%.1f", std::nan("")), "nan");
}

// The C library's locale switched to one whose decimal separator is a comma,
// as a desktop session in much of Europe has it.
class DecimalCommaTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE", "German_Germany.1252",
                                 "German", "French_France.1252"}) {
            if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',')
                return;
        }
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed here, so numbers were checked in the C "
                        "locale only";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaTest, NumbersAreWrittenAndReadWithAPoint) {
    EXPECT_EQ(Printf("%.1f", 2.5), "2,5") << "the locale's decimal comma is not in effect";
    EXPECT_EQ(Format("%.1f|%3.1f|%.*g|%e", 12.25, 2.5, 6, 1234.5, 0.5), "12.2|2.5|1234.5|5.000000e-01");
    CLookAngles angles;
    EXPECT_EQ(angles.Elevation(40.0f, 100.0f, 90.0f), "42.6\xB0");

    // The coefficient file, copied so that it is read and parsed afresh:
    // the same declination to the bit as the shipped file read in the C locale.
    TempDir dir;
    std::filesystem::copy_file(SourceDataDir() / "MagData.dat", dir / "MagData.dat");
    const std::string copy = (dir / "MagData.dat").string();
    const std::string shipped = (SourceDataDir() / "MagData.dat").string();
    const auto here = CGeomagModel::Compute(copy, 0.0f, 40.0f, -100.0f, 2026.0f);
    std::setlocale(LC_ALL, "C");
    const auto reference = CGeomagModel::Compute(shipped, 0.0f, 40.0f, -100.0f, 2026.0f);
    ASSERT_TRUE(here && reference);
    EXPECT_EQ(*here, *reference);

    // CSV in and out: the same text as in the C locale.
    const std::string csv = ReadFileBytes(SourceDataDir() / "satellites.csv");
    const std::string plain = SatellitesToCsv(SatellitesFromCsv(csv));
    SetUp();
    EXPECT_EQ(SatellitesToCsv(SatellitesFromCsv(csv)), plain);
}
