#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <memory>

#include "TestSupport.h"
#include "cli/CliRun.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/LocalTime.h"
#include "core/horizon/Clearance.h"
#include "core/locations/Location.h"
#include "core/reports/Report.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/SatelliteDatabase.h"

namespace {

// A letter-size printable area (8.5 x 11 inches) that begins half an inch
// below the paper's top edge, and a font 20 units high and 8 wide: line
// height 30, column unit 120, 28 rows a page.
constexpr int kPageWidth = 850;
constexpr int kPageHeight = 1100;
constexpr int kPrintableTop = 50;
constexpr ReportFontMetrics kMetrics{20, 8};

struct Fixture {
    CSatelliteDatabase db;
    std::vector<std::string> names;
    CArcGridModel grid;
    std::vector<std::unique_ptr<CLocation>> locations;

    explicit Fixture(int satellites, int options = GRID_BANDS | GRID_MAGNETIC | GRID_SORT_BY_SLOT) {
        for (int i = 0; i < satellites; ++i) {
            auto s = std::make_unique<CSatellite>();
            s->SetName("Sat " + std::to_string(i));
            s->SetSlot(60.0f + static_cast<float>(i));
            s->SetWest(1);
            s->SetFlags(SAT_BAND_KU);
            names.push_back(s->GetName());
            db.Append(std::move(s));
        }
        grid.SetOptions(options);
        grid.Fill(names, db);
    }
    const CLocation* AddLocation(const std::string& name, float lat, bool north, float lon, bool west,
                                 float var, bool varWest) {
        auto l = std::make_unique<CLocation>();
        l->SetName(name);
        l->SetLatitude(lat);
        l->SetNorth(north);
        l->SetLongitude(lon);
        l->SetWest(west);
        l->SetMagVar(var);
        l->SetMagVarWest(varWest);
        locations.push_back(std::move(l));
        return locations.back().get();
    }
    ReportJobInput Input(bool currentOnly, ReportFontMetrics metrics = kMetrics) const {
        ReportJobInput in;
        in.currentLocationOnly = currentOnly;
        in.currentLocation = locations.empty() ? nullptr : locations.front().get();
        for (const auto& l : locations)
            in.locations.push_back(l.get());
        in.rows.assign(grid.Rows().begin(), grid.Rows().end());
        in.gridOptions = grid.GetOptions();
        in.workspaceTitle = "Roofs";
        in.date = "2026-12-08";
        in.face = "DejaVu Sans";
        in.fontHeight = metrics.height;
        in.metrics = metrics;
        in.pageWidth = kPageWidth;
        in.pageHeight = kPageHeight;
        in.printableTop = kPrintableTop;
        return in;
    }
};

const ReportText* FindText(const ReportPage& page, const std::string& prefix) {
    for (const ReportText& t : page.texts)
        if (t.text.rfind(prefix, 0) == 0)
            return &t;
    return nullptr;
}

std::vector<std::string> Texts(const ReportPage& page, ReportFont font) {
    std::vector<std::string> out;
    for (const ReportText& t : page.texts)
        if (t.font == font)
            out.push_back(t.text);
    return out;
}

}  // namespace

TEST(ReportTest, PrintSizeInPointsBecomesHundredthsOfAnInch) {
    EXPECT_EQ(PrintFontHeightFromSize("12"), 16);
    EXPECT_EQ(PrintFontHeightFromSize("14"), 19);
    EXPECT_EQ(PrintFontHeightFromSize("72"), 100);
    EXPECT_EQ(PrintFontHeightFromSize("10pt"), 13);
    // What is not a number gives height 0: the device's default font.
    EXPECT_EQ(PrintFontHeightFromSize("big"), 0);
    EXPECT_EQ(PrintFontHeightFromSize(""), 0);
    // Sizes that would overflow stay at a thousand points.
    EXPECT_EQ(PrintFontHeightFromSize("99999999999999"), 1388);
    EXPECT_EQ(PrintFontHeightFromSize("-99999999999999"), -1388);
}

TEST(ReportTest, PaginationMeasuresLinesColumnsAndPages) {
    const ReportPagination p = PaginateReport(40, true, kMetrics, kPageWidth, kPageHeight);
    EXPECT_EQ(p.lineHeight, 30);
    EXPECT_EQ(p.columnWidth, 120);
    EXPECT_EQ(p.fontScale, 1.0);
    // -200 - 28 * 30 = -1040 is above the lowest allowed -1050; 29 rows are not.
    EXPECT_EQ(p.rowsPerPage, 28);
    EXPECT_EQ(p.pages, 2);
    EXPECT_EQ(PaginateReport(56, true, kMetrics, kPageWidth, kPageHeight).pages, 2);
    EXPECT_EQ(PaginateReport(57, true, kMetrics, kPageWidth, kPageHeight).pages, 3);
    EXPECT_EQ(PaginateReport(28, true, kMetrics, kPageWidth, kPageHeight).pages, 1);
    // A table that begins lower holds fewer rows.
    EXPECT_EQ(PaginateReport(28, true, kMetrics, kPageWidth, kPageHeight, 25).rowsPerPage, 27);
    // The column unit stays between 100 and 180 on a page wide enough.
    EXPECT_EQ(PaginateReport(1, true, {20, 3}, kPageWidth, kPageHeight).columnWidth, 100);
    EXPECT_EQ(PaginateReport(1, true, {20, 14}, 1300, kPageHeight).columnWidth, 180);
    // No rows or no location: nothing to print.
    EXPECT_EQ(PaginateReport(0, true, kMetrics, kPageWidth, kPageHeight).pages, 0);
    EXPECT_EQ(PaginateReport(5, false, kMetrics, kPageWidth, kPageHeight).pages, 0);
}

// Six column units must stand between the side margins: (850 - 100) / 6 =
// 125 at most.  A unit narrower than twelve characters draws the table font
// smaller rather than cut the texts.
TEST(ReportTest, ColumnsFitThePageAndAWideFontIsScaledDown) {
    const ReportPagination fits = PaginateReport(1, true, {20, 10}, kPageWidth, kPageHeight);
    EXPECT_EQ(fits.columnWidth, 125);
    EXPECT_EQ(fits.fontScale, 1.0);
    const ReportPagination scaled = PaginateReport(1, true, {40, 20}, kPageWidth, kPageHeight);
    EXPECT_EQ(scaled.columnWidth, 125);
    EXPECT_DOUBLE_EQ(scaled.fontScale, 125.0 / 240.0);
    EXPECT_EQ(scaled.lineHeight, 20 * 3 / 2);
    // An A4 page has narrower columns still.
    EXPECT_EQ(PaginateReport(1, true, {20, 10}, 826, kPageHeight).columnWidth, 121);

    Fixture f(3);
    f.AddLocation("Wide", 40, true, 100, true, 5, false);
    ReportJobInput input = f.Input(true, {40, 20});
    input.fontHeight = 40;
    const CReportJob job(input);
    EXPECT_EQ(job.TableFontHeight(), 20);
    // The default font is measured, and scaled the same way.
    input.fontHeight = 0;
    EXPECT_EQ(CReportJob(input).TableFontHeight(), 20);
    // A font that fits is drawn as chosen, the default one included.
    EXPECT_EQ(CReportJob(f.Input(true)).TableFontHeight(), kMetrics.height);
    ReportJobInput deviceFont = f.Input(true);
    deviceFont.fontHeight = 0;
    EXPECT_EQ(CReportJob(deviceFont).TableFontHeight(), 0);
    // Every column lies between the side margins.
    for (const ReportRect& frame : job.Page(1).frames) {
        EXPECT_GE(frame.left, 50);
        EXPECT_LE(frame.right, kPageWidth - 50);
    }
}

TEST(ReportTest, HugeFontStillPrintsOneRowAPage) {
    // Tall and narrow: no scaling, and no two rows fit on a page.
    const ReportPagination p = PaginateReport(7, true, {2000, 5}, kPageWidth, kPageHeight);
    EXPECT_EQ(p.rowsPerPage, 1);
    EXPECT_EQ(p.pages, 7);
    Fixture f(3);
    f.AddLocation("Tall", 40, true, 100, true, 5, false);
    CReportJob job(f.Input(true, {2000, 5}));
    ASSERT_EQ(job.PageCount(), 3);
    for (int page = 1; page <= 3; ++page) {
        const ReportPage described = job.Page(page);
        ASSERT_NE(FindText(described, "Sat "), nullptr);
        EXPECT_EQ(FindText(described, "Sat ")->text, "Sat " + std::to_string(page - 1));
    }
}

TEST(ReportTest, AllLocationsRestartThePageNumbersForEachLocation) {
    Fixture f(40);
    f.AddLocation("Alpha", 40, true, 100, true, 5, false);
    f.AddLocation("Beta", 30, false, 150, false, 12, true);
    f.AddLocation("Gamma", 51.5f, true, 0.1f, true, 1, true);
    CReportJob job(f.Input(false));
    EXPECT_EQ(job.PagesPerLocation(), 2);
    ASSERT_EQ(job.PageCount(), 6);
    const char* names[] = {"Alpha", "Alpha", "Beta", "Beta", "Gamma", "Gamma"};
    for (int page = 1; page <= 6; ++page) {
        SCOPED_TRACE(page);
        const ReportPage described = job.Page(page);
        EXPECT_EQ(Texts(described, ReportFont::Large), std::vector<std::string>{names[page - 1]});
        const ReportText* line = FindText(described, "Page ");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text, page % 2 ? "Page 1 of 2" : "Page 2 of 2");
        EXPECT_EQ(line->x, 70);
        EXPECT_EQ(line->y, -75);
        // The first page holds rows 0-27, the second rows 28-39.
        EXPECT_EQ(FindText(described, "Sat ")->text, page % 2 ? "Sat 0" : "Sat 28");
    }
    EXPECT_TRUE(job.Page(0).texts.empty());
    EXPECT_TRUE(job.Page(7).texts.empty());
    // "Current Location" numbers the pages of the one location.
    CReportJob current(f.Input(true));
    ASSERT_EQ(current.PageCount(), 2);
    EXPECT_EQ(FindText(current.Page(2), "Page ")->text, "Page 2 of 2");
    EXPECT_EQ(Texts(current.Page(2), ReportFont::Large), std::vector<std::string>{"Alpha"});
}

TEST(ReportTest, NothingToPrintGivesNoPages) {
    Fixture empty(0);
    empty.AddLocation("Alpha", 40, true, 100, true, 5, false);
    EXPECT_EQ(CReportJob(empty.Input(true)).PageCount(), 0);
    EXPECT_EQ(CReportJob(empty.Input(false)).PageCount(), 0);
    Fixture noLocation(4);
    EXPECT_EQ(CReportJob(noLocation.Input(true)).PageCount(), 0);
    EXPECT_EQ(CReportJob(noLocation.Input(false)).PageCount(), 0);
}

TEST(ReportTest, HeaderShowsTheSiteWithDegreeSignsAndTheRule) {
    Fixture f(2);
    f.AddLocation("Denver, CO", 39.74f, true, 104.99f, true, 7.9f, false);
    CReportJob job(f.Input(true));
    ASSERT_EQ(job.PageCount(), 1);
    const ReportPage page = job.Page(1);
    const ReportRect band{50, 0, 800, -105};
    const ReportText* name = FindText(page, "Denver");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->font, ReportFont::Large);
    EXPECT_EQ(name->x, 50);
    EXPECT_EQ(name->y, -10);
    EXPECT_EQ(name->clip, band);
    const std::string deg(1, kDegreeSign);
    const std::string lines[] = {"Site Latitude: 39.7" + deg + "N ", "Site Longitude: 105.0" + deg + "W ",
                                 "Magnetic Variation: 7.9" + deg + "E ", "Workspace: Roofs ",
                                 "Updated:  2026-12-08 "};
    EXPECT_EQ(Texts(page, ReportFont::Small), std::vector<std::string>(std::begin(lines), std::end(lines)));
    for (int i = 0; i < 5; ++i) {
        const ReportText* t = FindText(page, lines[i]);
        EXPECT_EQ(t->align, ReportAlign::Right);
        EXPECT_EQ(t->x, 800);
        EXPECT_EQ(t->y, -20 * i);
        EXPECT_EQ(t->clip, band);
    }
    // A table that fits on one page has no page line.
    EXPECT_EQ(FindText(page, "Page "), nullptr);
    ASSERT_FALSE(page.lines.empty());
    const ReportLine& rule = page.lines.front();
    EXPECT_EQ(rule.x1, 50);
    EXPECT_EQ(rule.y1, -105);
    EXPECT_EQ(rule.x2, 800);
    EXPECT_EQ(rule.y2, -105);
    EXPECT_EQ(rule.width, 5);
}

// Where the printable area begins less than half an inch below the paper's
// top edge, the whole page moves down so that the header stays inside.
TEST(ReportTest, HeaderStaysHalfAnInchInsideThePaper) {
    EXPECT_EQ(ReportTopInset(50), 0);
    EXPECT_EQ(ReportTopInset(80), 0);
    EXPECT_EQ(ReportTopInset(25), 25);
    EXPECT_EQ(ReportTopInset(0), 50);

    Fixture f(40);
    f.AddLocation("Alpha", 40, true, 100, true, 5, false);
    ReportJobInput input = f.Input(true);
    input.printableTop = 25;
    const CReportJob job(input);
    // 28 rows no longer fit: -225 - 28 * 30 is below -1050.
    EXPECT_EQ(job.Pagination().rowsPerPage, 27);
    const ReportPage page = job.Page(1);
    EXPECT_EQ(FindText(page, "Alpha")->y, -35);
    EXPECT_EQ(FindText(page, "Site Latitude")->y, -25);
    EXPECT_EQ(FindText(page, "Site Latitude")->clip, (ReportRect{50, -25, 800, -130}));
    EXPECT_EQ(FindText(page, "Page 1 of 2")->y, -100);
    EXPECT_EQ(page.lines.front().y1, -130);
    EXPECT_EQ(page.frames.front().top, -225);
    for (const ReportText& text : page.texts)
        EXPECT_LE(text.clip.top, -25) << text.text;
}

TEST(ReportTest, TableIsCentredRuledAndHoldsTheGridTexts) {
    Fixture f(3, GRID_BANDS | GRID_SHOW_SLOT);
    const CLocation* site = f.AddLocation("Here", 40, true, 100, true, 10, true);
    CReportJob job(f.Input(true));
    const ReportPage page = job.Page(1);
    // Six units of 120 centred on 850: 65 to 785; three rows of 30.
    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0], (ReportRect{65, -200, 785, -290}));
    // The rule, three row rules, four column rules: slot, azimuth,
    // elevation, LNB skew.
    ASSERT_EQ(page.lines.size(), 8u);
    EXPECT_EQ(page.lines[1].y1, -230);
    EXPECT_EQ(page.lines[3].x2, 784);
    const int columns[] = {305, 425, 545, 665};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(page.lines[static_cast<std::size_t>(4 + i)].x1, columns[i]);
        EXPECT_EQ(page.lines[static_cast<std::size_t>(4 + i)].y2, -290);
    }

    const ReportText* satellite = FindText(page, "Satellite");
    ASSERT_NE(satellite, nullptr);
    EXPECT_EQ(satellite->y, -170);
    EXPECT_EQ(satellite->clip, (ReportRect{75, -170, 305, -200}));
    const ReportText* slot = FindText(page, "Slot");
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->x, 365);
    EXPECT_EQ(slot->y, -169);
    const ReportText* azimuth = FindText(page, "Azimuth");
    EXPECT_EQ(azimuth->x, 485);
    EXPECT_EQ(azimuth->y, -149);
    EXPECT_EQ(azimuth->align, ReportAlign::Center);
    const ReportText* elevation = FindText(page, "Elevation");
    EXPECT_EQ(elevation->x, 605);
    EXPECT_EQ(elevation->y, -169);
    const ReportText* skew = FindText(page, "LNB Skew");
    ASSERT_NE(skew, nullptr);
    EXPECT_EQ(skew->x, 725);
    EXPECT_EQ(skew->clip, (ReportRect{665, -170, 785, -200}));
    const ReportText* kind = FindText(page, "(True)");
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->y, -169);
    // Every heading stands above the table's top edge.
    for (const ReportText* heading : {satellite, slot, azimuth, elevation, skew, kind})
        EXPECT_GE(heading->clip.bottom, -200);

    // Rows: the grid's texts for this site, cells from y0 = -200 - 30 / 5.
    CArcGridModel grid = f.grid;
    grid.SetSite(site->SignedLatitude(), site->SignedLongitude(), *site->SignedMagVar());
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        const CSatellite& row = *grid.Rows()[static_cast<std::size_t>(r)];
        const CArcGridModel::RowTexts expected = grid.TextsFor(row);
        const ReportText* name = FindText(page, expected.name);
        ASSERT_NE(name, nullptr);
        EXPECT_NE(expected.name.find(kDegreeSign), std::string::npos);
        EXPECT_EQ(name->clip, (ReportRect{75, -206 - 30 * r, 305, -236 - 30 * r}));
        EXPECT_EQ(name->y, -205 - 30 * r);
        // Slot, azimuth, elevation and skew follow the name, centred in
        // their cells.
        const auto at = static_cast<std::size_t>(name - page.texts.data());
        ASSERT_LT(at + 4, page.texts.size());
        const std::string texts[] = {row.SlotText(), expected.azimuth, expected.elevation,
                                     LnbSkewText(40, 100, row.SignedLongitude())};
        for (std::size_t c = 0; c < 4; ++c) {
            const ReportText& cell = page.texts[at + 1 + c];
            EXPECT_EQ(cell.text, texts[c]);
            EXPECT_FALSE(cell.text.empty());
            EXPECT_EQ(cell.x, 365 + 120 * static_cast<int>(c));
            EXPECT_EQ(cell.align, ReportAlign::Center);
            EXPECT_EQ(cell.clip, (ReportRect{305 + 120 * static_cast<int>(c), -206 - 30 * r,
                                             425 + 120 * static_cast<int>(c), -236 - 30 * r}));
        }
    }
}

// A size that is not a number leaves the font to the device; the azimuth's
// kind still goes one line of that font below "Azimuth".
TEST(ReportTest, DefaultFontHeightPlacesTheAzimuthKindByTheMeasuredFont) {
    Fixture f(1);
    f.AddLocation("Here", 40, true, 100, true, 10, true);
    ReportJobInput input = f.Input(true);
    input.fontHeight = 0;
    const ReportPage page = CReportJob(input).Page(1);
    EXPECT_EQ(FindText(page, "Azimuth")->y - FindText(page, "(Magnetic)")->y, kMetrics.height);
}

TEST(ReportTest, MagneticGridPrintsMagneticHeadingAndSiteOfZeroPrintsNoAngles) {
    Fixture f(2, GRID_BANDS | GRID_MAGNETIC);
    f.AddLocation("Null Island", 0, true, 0, true, 0, true);
    const ReportPage page = CReportJob(f.Input(true)).Page(1);
    EXPECT_NE(FindText(page, "(Magnetic)"), nullptr);
    EXPECT_EQ(FindText(page, "(True)"), nullptr);
    const std::vector<std::string> tableTexts = Texts(page, ReportFont::Table);
    // Six headings, then per row the name, the slot and three empty texts:
    // no azimuth, elevation or skew.
    ASSERT_EQ(tableTexts.size(), 6u + 10u);
    EXPECT_EQ(tableTexts[7], "60.0\xB0W");
    EXPECT_EQ(tableTexts[8], "");
    EXPECT_EQ(tableTexts[9], "");
    EXPECT_EQ(tableTexts[10], "");
}

// The letter of an automatic variation is the model's side, not the
// direction flag the record happens to keep (Houston's variation is East).
TEST(ReportTest, HeaderGivesTheSideOfTheVariationInUse) {
    ScopedCwd cwd(SourceDataDir());
    CLocation houston;
    houston.SetLatitude(29.76f);
    houston.SetLongitude(95.37f);
    houston.SetMagVar(MAGVAR_AUTO);
    houston.SetMagVarWest(1);
    const float magVar = *houston.SignedMagVar();
    ASSERT_LT(magVar, 0.0f);
    EXPECT_EQ(ReportHeaderLines(houston, magVar, "W", "D")[2], Format("Magnetic Variation: %.1f\xB0"
                                                                      "E ",
                                                                      static_cast<double>(-magVar)));
    // A typed variation keeps its side; none at all has no letter.
    CLocation typed = houston;
    typed.SetMagVar(3.5f);
    EXPECT_EQ(ReportHeaderLines(typed, *typed.SignedMagVar(), "W", "D")[2], "Magnetic Variation: 3.5\xB0W ");
    typed.SetMagVarWest(0);
    EXPECT_EQ(ReportHeaderLines(typed, *typed.SignedMagVar(), "W", "D")[2],
              "Magnetic Variation: 3.5\xB0"
              "E ");
    typed.SetMagVar(0.0f);
    EXPECT_EQ(ReportHeaderLines(typed, *typed.SignedMagVar(), "W", "D")[2], "Magnetic Variation: 0.0\xB0 ");
}

TEST(ReportTest, DateIsIso8601) {
    const std::time_t now = std::time(nullptr);
    const std::tm today = LocalTime(now);
    const std::string date = CurrentDateText();
    // Just after midnight the two calls may straddle the day.
    if (LocalTime(std::time(nullptr)).tm_mday != today.tm_mday)
        GTEST_SKIP() << "the day changed";
    EXPECT_EQ(date, Format("%04d-%02d-%02d", today.tm_year + 1900, today.tm_mon + 1, today.tm_mday));
}

TEST(ReportTest, PaperByNameAndByLocale) {
    EXPECT_EQ(ParseReportPaper("a4"), ReportPaper::A4);
    EXPECT_EQ(ParseReportPaper("Letter"), ReportPaper::Letter);
    EXPECT_EQ(ParseReportPaper("legal"), std::nullopt);
    EXPECT_EQ(ParseReportPaper(""), std::nullopt);
    const std::pair<const char*, ReportPaper> locales[] = {
        {"en_US.UTF-8", ReportPaper::Letter},
        {"fr_CA", ReportPaper::Letter},
        {"es_MX@x", ReportPaper::Letter},
        {"en_GB.UTF-8", ReportPaper::A4},
        {"de_DE@euro", ReportPaper::A4},
        {"C.UTF-8", ReportPaper::A4},
        {"C", ReportPaper::A4},
        {"", ReportPaper::A4},
        {"en_USA", ReportPaper::A4},
    };
    for (const auto& [name, paper] : locales)
        EXPECT_EQ(PaperOfLocaleName(name), paper) << name;
#ifndef _WIN32
    // LC_ALL before LC_PAPER before LANG.
    const ScopedEnvironment lang("LANG", "en_US.UTF-8");
    const ScopedEnvironment paper("LC_PAPER", std::nullopt);
    const ScopedEnvironment all("LC_ALL", std::nullopt);
    EXPECT_EQ(DefaultReportPaper(), ReportPaper::Letter);
    {
        const ScopedEnvironment german("LC_PAPER", "de_DE.UTF-8");
        EXPECT_EQ(DefaultReportPaper(), ReportPaper::A4);
        const ScopedEnvironment canadian("LC_ALL", "en_CA.UTF-8");
        EXPECT_EQ(DefaultReportPaper(), ReportPaper::Letter);
    }
#endif
}

namespace {

// Everything a page draws, as one text to compare pages by.
std::string PageDump(const ReportPage& page) {
    std::string out;
    for (const ReportRect& r : page.frames)
        out += Format("F %d %d %d %d\n", r.left, r.top, r.right, r.bottom);
    for (const ReportLine& l : page.lines)
        out += Format("L %d %d %d %d %d\n", l.x1, l.y1, l.x2, l.y2, l.width);
    for (const ReportText& t : page.texts)
        out += Format("T %s %d %d %d %d %d %d %d %d\n", t.text.c_str(), t.x, t.y, static_cast<int>(t.align),
                      static_cast<int>(t.font), t.clip.left, t.clip.top, t.clip.right, t.clip.bottom);
    return out;
}

}  // namespace

TEST(ReportTest, LocationWithAHorizonGetsAClearanceColumn) {
    Fixture f(40, GRID_BANDS | GRID_SORT_BY_SLOT);
    const CLocation* alpha = f.AddLocation("Alpha", 40, true, 100, true, 5, false);
    const CLocation* beta = f.AddLocation("Beta", 40, true, 100, true, 5, false);
    CHorizonProfile trees;
    ASSERT_FALSE(trees.AddPoint({0.0, 35.0}));
    const double beamEdge = 1.0;

    ReportJobInput plain = f.Input(false);
    ReportJobInput withHorizon = plain;
    withHorizon.horizons.emplace("Alpha", trees);
    withHorizon.horizons.emplace("Beta", CHorizonProfile());  // empty: no horizon
    withHorizon.beamEdge = beamEdge;
    const CReportJob job(withHorizon);
    ASSERT_EQ(job.PageCount(), 4);
    const ReportPage page = job.Page(1);
    const ReportText* heading = FindText(page, "Clearance");
    ASSERT_NE(heading, nullptr);
    // Seven column units, the clearance one last.
    const int u = job.Pagination().columnWidth;
    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0].right - page.frames[0].left, 7 * u);
    EXPECT_EQ(heading->clip.right, page.frames[0].right);
    EXPECT_EQ(heading->clip.left, page.frames[0].right - u);
    // Each row's text is the margin over the horizon with the beam.
    int clear = 0, blocked = 0;
    for (int r = 0; r < job.Pagination().rowsPerPage; ++r) {
        const CSatellite& satellite = *f.grid.Rows()[static_cast<std::size_t>(r)];
        const std::string expected = ClearanceText(SatelliteClearance(
            trees, beamEdge, alpha->SignedLatitude(), alpha->SignedLongitude(), satellite.SignedLongitude()));
        const std::string name = satellite.GetName();
        const auto cell = std::find_if(page.texts.begin(), page.texts.end(), [&](const ReportText& t) {
            return t.clip.left == heading->clip.left && t.y < heading->y - job.Pagination().lineHeight &&
                   t.text == expected;
        });
        EXPECT_NE(cell, page.texts.end()) << name << " " << expected;
        (expected.rfind("clear", 0) == 0 ? clear : blocked)++;
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(blocked, 0);

    // The font is drawn smaller where "blocked -12.3°" would not fit.
    EXPECT_DOUBLE_EQ(PaginateReport(1, true, {20, 8}, kPageWidth, kPageHeight, 0, 7).fontScale,
                     107.0 / 112.0);
    EXPECT_DOUBLE_EQ(PaginateReport(1, true, {20, 7}, kPageWidth, kPageHeight, 0, 7).fontScale, 1.0);

    // Beta (an empty horizon) has no such column, in the job's column unit.
    const ReportPage betaPage = job.Page(3);
    EXPECT_EQ(Texts(betaPage, ReportFont::Large), std::vector<std::string>{"Beta"});
    EXPECT_EQ(FindText(betaPage, "Clearance"), nullptr);
    EXPECT_EQ(betaPage.frames[0].right - betaPage.frames[0].left, 6 * u);
    // A job of locations without a horizon prints as it did.
    withHorizon.currentLocationOnly = plain.currentLocationOnly = true;
    withHorizon.currentLocation = plain.currentLocation = beta;
    EXPECT_EQ(PageDump(CReportJob(withHorizon).Page(1)), PageDump(CReportJob(plain).Page(1)));
}
