#include "core/geomag/GeomagModel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/display/StatusText.h"
#include "core/locations/Location.h"

namespace {

std::string ShippedFile() {
    return (SourceDataDir() / "MagData.dat").string();
}

// Declinations at a handful of sites spread over both hemispheres.
std::vector<float> Sample(const std::string& path, float year) {
    static const float sites[][2] = {{45.0f, -75.0f},  {-33.9f, 151.2f}, {64.1f, -21.9f},
                                     {-54.8f, -68.3f}, {1.3f, 103.8f},   {78.2f, 15.6f}};
    std::vector<float> out;
    for (const auto& s : sites)
        out.push_back(CGeomagModel::Compute(path, 0.0f, s[0], s[1], year).value());
    return out;
}

// The shipped coefficient file with `edit` applied, written to `dir`.
template <typename Edit>
std::string Variant(const TempDir& dir, const std::string& name, Edit edit) {
    std::string text = ReadFileBytes(ShippedFile());
    edit(text);
    WriteFileBytes(dir / name, text);
    return (dir / name).string();
}

}  // namespace

TEST(GeomagModelTest, MatchesWmm2025TestValues) {
    std::ifstream csv(std::string(TILVEX_SOURCE_DIR) + "/tests/core/geomag/WMM2025_TEST_VALUES.csv");
    ASSERT_TRUE(csv);
    std::string line;
    std::getline(csv, line);  // header
    int rows = 0;
    while (std::getline(csv, line)) {
        double date, alt, lat, lon, decl;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%*f,%*f,%*f,%*f,%*f,%*f,%lf", &date, &alt, &lat,
                              &lon, &decl),
                  5)
            << line;
        ++rows;
        const float got =
            CGeomagModel::Compute(ShippedFile(), static_cast<float>(alt), static_cast<float>(lat),
                                  static_cast<float>(lon), static_cast<float>(date))
                .value();
        // The reference values are rounded to 0.01 degree; single precision
        // stays within that everywhere, the points next to the poles included.
        EXPECT_NEAR(got, decl, 0.01) << line;
    }
    EXPECT_EQ(rows, 100);
}

// Without the file there is no declination but the message to show; the
// model itself shows nothing.
TEST(GeomagModelTest, MissingFileGivesNoValueButTheMessage) {
    TempDir dir;
    ScopedCwd cwd(dir.Path());
    MessageCapture messages;
    CGeomagModel model;
    const std::string text = "Couldn't find MagData.dat.  Cannot calculate magnetic variation.";
    for (const Outcome<float>& result :
         {model.Declination(45.0f, -75.0f), model.Declination(-33.9f, 151.2f, 2026.5f)}) {
        EXPECT_FALSE(result.Ok());
        EXPECT_EQ(result.Message(), text);
        EXPECT_EQ(result.ValueOr(0.0f), 0.0f);
    }
    EXPECT_FALSE(CGeomagModel::Compute((dir / "MagData.dat").string(), 0.0f, 45.0f, -75.0f, 2025.0f));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(GeomagModelTest, DeclinationReadsWorkingDirectoryAtAltitudeZero) {
    TempDir dir;
    WriteFileBytes(dir / "MagData.dat", ReadFileBytes(ShippedFile()));
    ScopedCwd cwd(dir.Path());
    MessageCapture messages;
    CGeomagModel model;

    const float year = CGeomagModel::CurrentYear();
    EXPECT_EQ(year, std::floor(year));
    EXPECT_GE(year, 2024.0f);

    EXPECT_EQ(*model.Declination(45.0f, -75.0f),
              CGeomagModel::Compute(ShippedFile(), 0.0f, 45.0f, -75.0f, year));
    EXPECT_EQ(*model.Declination(-33.9f, 151.2f, 2027.25f),
              CGeomagModel::Compute(ShippedFile(), 0.0f, -33.9f, 151.2f, 2027.25f));
    EXPECT_TRUE(model.Declination(45.0f, -75.0f).Message().empty());
    EXPECT_TRUE(messages.Texts().empty());
}

TEST(GeomagModelTest, DateCountsFromTheFilesEpoch) {
    TempDir dir;
    const auto withEpoch = [&](const std::string& epoch) {
        return Variant(dir, epoch + ".dat", [&](std::string& t) { t.replace(t.find("2025.0"), 6, epoch); });
    };
    // Both files are five years past their epoch.
    const std::vector<float> shipped2030 = Sample(ShippedFile(), 2030.0f);
    EXPECT_EQ(Sample(withEpoch("1995.0"), 2000.0f), shipped2030);
    EXPECT_EQ(Sample(withEpoch("2020.0"), 2025.0f), shipped2030);
    // The secular variation really moves the result over those five years.
    EXPECT_NE(Sample(ShippedFile(), 2025.0f), shipped2030);
}

// The model holds for five years from its epoch; an automatic variation
// says so in the status bar when the computer's date lies outside them.
TEST(GeomagModelTest, ValidYearsRunFiveYearsFromTheEpoch) {
    TempDir dir;
    const auto span = CGeomagModel::ValidYears(ShippedFile());
    ASSERT_TRUE(span);
    EXPECT_EQ(span->first, 2025.0f);
    EXPECT_EQ(span->last, 2030.0f);
    EXPECT_TRUE(span->Covers(2030.0f));
    EXPECT_FALSE(span->Covers(2030.5f));
    EXPECT_EQ(CGeomagModel::ValidYears(
                  Variant(dir, "old.dat", [](std::string& t) { t.replace(t.find("2025.0"), 6, "2020.0"); }))
                  ->last,
              2025.0f);
    EXPECT_FALSE(CGeomagModel::ValidYears((dir / "none.dat").string()));

    ScopedCwd cwd(SourceDataDir());
    CLocation site;
    site.SetName("Denver");
    site.SetLatitude(39.74f);
    site.SetNorth(1);
    site.SetLongitude(104.99f);
    site.SetWest(1);
    site.SetMagVar(MAGVAR_AUTO);
    EXPECT_EQ(SiteStatusText(site, -7.6f, 2027.0f),
              "Denver: 39.74\xB0N 104.99\xB0W, variation 7.6\xB0"
              "E (automatic)");
    EXPECT_EQ(SiteStatusText(site, -7.6f, 2031.0f),
              "Denver: 39.74\xB0N 104.99\xB0W, variation 7.6\xB0"
              "E (automatic; the magnetic model is valid 2025\x96"
              "2030)");
    site.SetMagVar(7.6f);
    site.SetMagVarWest(0);
    EXPECT_EQ(SiteStatusText(site, -7.6f, 2031.0f),
              "Denver: 39.74\xB0N 104.99\xB0W, variation 7.6\xB0"
              "E");
}

TEST(GeomagModelTest, CoefficientLinesThatDoNotBelongAreIgnored) {
    TempDir dir;
    const std::vector<float> expected = Sample(ShippedFile(), 2026.0f);
    const auto edited = [&](const std::string& name, auto edit) {
        return Sample(Variant(dir, name, edit), 2026.0f);
    };
    // Stray lines go just before the end marker, so that no valid line after
    // them repairs what they might overwrite.
    const auto beforeEnd = [](const std::string& extra) {
        return [extra](std::string& t) { t.insert(t.find("9999"), extra); };
    };

    // Order above degree.
    EXPECT_EQ(edited("order.dat", beforeEnd("  3  5  900.0  900.0  9.0  9.0\n")), expected);
    // Degree or order beyond the tables.
    EXPECT_EQ(edited("degree.dat", beforeEnd(" 13  1  900.0  900.0  9.0  9.0\n"
                                             " 12 13  900.0  900.0  9.0  9.0\n"
                                             " -1  0  900.0  900.0  9.0  9.0\n")),
              expected);
    // Only 79 characters of a line count; the rest does not become a line.
    EXPECT_EQ(edited("long.dat", beforeEnd(std::string(79, ' ') + "  2  0  900.0  0.0  9.0  0.0\n")),
              expected);
    // Anything after the end marker.
    EXPECT_EQ(edited("after.dat", [](std::string& t) { t += "  1  0  900.0  0.0  9.0  0.0\n"; }), expected);
    // No end marker: the end of the file ends the list.
    EXPECT_EQ(edited("nomarker.dat", [](std::string& t) { t.erase(t.find("9999")); }), expected);
    // Windows line ends.
    EXPECT_EQ(edited("crlf.dat",
                     [](std::string& t) {
                         for (auto p = t.find('\n'); p != std::string::npos; p = t.find('\n', p + 2))
                             t.insert(p, 1, '\r');
                     }),
              expected);
}

TEST(GeomagModelTest, ShortLineKeepsThePreviousLinesFields) {
    TempDir dir;
    const auto withLine21 = [&](const std::string& name, const std::string& line) {
        return Variant(dir, name, [&](std::string& t) {
            const auto p = t.find("  2  1");
            t.replace(p, t.find('\n', p) - p, line);
        });
    };
    // The line before degree 2, order 1 is "  2  0  -2556.6  0.0  -11.6  0.0".
    const std::vector<float> spelledOut =
        Sample(withLine21("full.dat", "  2  1  -2556.6  0.0  -11.6  0.0"), 2026.0f);
    EXPECT_EQ(Sample(withLine21("short.dat", "  2  1"), 2026.0f), spelledOut);
    EXPECT_NE(spelledOut, Sample(ShippedFile(), 2026.0f));
}

// A folder, an empty file or one of random bytes holds no coefficients: the
// missing-file message and 0, not a declination of 180.
TEST(GeomagModelTest, FileWithoutCoefficientsCountsAsMissing) {
    TempDir dir;
    ScopedCwd cwd(dir.Path());
    const std::string text = "Couldn't find MagData.dat.  Cannot calculate magnetic variation.";
    std::string noise(4096, '\0');
    unsigned state = 12345;
    for (char& ch : noise)
        ch = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
    for (const std::string& content :
         {std::string("folder"), std::string(), noise, std::string("2025.0 WMM\n9999\n")}) {
        std::filesystem::remove_all("MagData.dat");
        if (content == "folder")
            std::filesystem::create_directory("MagData.dat");
        else
            WriteFileBytes("MagData.dat", content);
        EXPECT_EQ(CGeomagModel().Declination(45.0f, -75.0f).Message(), text) << content.size();
        EXPECT_EQ(CGeomagModel().Declination(-45.0f, 75.0f).Message(), text) << content.size();
    }
}

// The parsed file is kept, but a file changed in place, or replaced by
// another, is read again at the next call.
TEST(GeomagModelTest, ChangedFileIsUsedAtTheNextCall) {
    TempDir dir;
    ScopedCwd cwd(dir.Path());
    WriteFileBytes("MagData.dat", ReadFileBytes(ShippedFile()));
    const std::vector<float> shipped = Sample("MagData.dat", 2026.0f);
    EXPECT_EQ(Sample("MagData.dat", 2026.0f), shipped);
    // Same size, other epoch, later modification time.
    std::string text = ReadFileBytes(ShippedFile());
    text.replace(text.find("2025.0"), 6, "2020.0");
    std::filesystem::last_write_time(
        "MagData.dat", std::filesystem::last_write_time("MagData.dat") - std::chrono::seconds(5));
    WriteFileBytes("MagData.dat", text);
    const std::vector<float> changed = Sample("MagData.dat", 2031.0f);
    EXPECT_EQ(changed, Sample(ShippedFile(), 2036.0f));
    std::filesystem::remove("MagData.dat");
    EXPECT_FALSE(CGeomagModel().Declination(45.0f, -75.0f).Ok());
}

// The file is read byte for byte: CRLF line ends, as a Windows editor saves
// them, and a leading '+' on a number give the same model.
TEST(GeomagModelTest, CrlfLineEndsAndPlusSignsReadTheSame) {
    TempDir dir;
    const std::vector<float> shipped = Sample(ShippedFile(), 2026.0f);
    const std::string crlf = Variant(dir, "crlf.dat", [](std::string& text) {
        std::string crlf;
        for (char c : text)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        text = crlf;
    });
    EXPECT_EQ(Sample(crlf, 2026.0f), shipped);
    const std::string plus = Variant(dir, "plus.dat", [](std::string& text) {
        const auto at = text.find(" 1  1 ");
        ASSERT_NE(at, std::string::npos);
        text.replace(at, 6, "+1 +1 ");
    });
    EXPECT_EQ(Sample(plus, 2026.0f), shipped);
}
