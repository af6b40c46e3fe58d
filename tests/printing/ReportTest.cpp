#include <gtest/gtest.h>

#include <memory>

#include "framework/Cp1252.h"
#include "locations/Location.h"
#include "printing/Report.h"
#include "satellites/SatelliteDatabase.h"

namespace {

// A letter-size printable area (8.5 x 11 inches) and a font 20 units high
// and 8 wide: line height 30, column unit 120, 28 rows a page.
constexpr int kPageWidth = 850;
constexpr int kPageHeight = 1100;
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
    const CLocation* AddLocation(const std::string& name, float lat, bool north, float lon, bool west, float var,
                                 bool varWest) {
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
        for (const auto& l : locations) in.locations.push_back(l.get());
        in.rows.assign(grid.Rows().begin(), grid.Rows().end());
        in.gridOptions = grid.GetOptions();
        in.workspaceTitle = "Roofs";
        in.date = "12/08/26";
        in.face = "DejaVu Sans";
        in.fontHeight = metrics.height;
        in.metrics = metrics;
        in.pageWidth = kPageWidth;
        in.pageHeight = kPageHeight;
        return in;
    }
};

const ReportText* FindText(const ReportPage& page, const std::string& prefix) {
    for (const ReportText& t : page.texts)
        if (t.text.rfind(prefix, 0) == 0) return &t;
    return nullptr;
}

std::vector<std::string> Texts(const ReportPage& page, ReportFont font) {
    std::vector<std::string> out;
    for (const ReportText& t : page.texts)
        if (t.font == font) out.push_back(t.text);
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
    const ReportPagination p = PaginateReport(40, true, kMetrics, kPageHeight);
    EXPECT_EQ(p.lineHeight, 30);
    EXPECT_EQ(p.columnWidth, 120);
    // -200 - 28 * 30 = -1040 is above the lowest allowed -1050; 29 rows are not.
    EXPECT_EQ(p.rowsPerPage, 28);
    EXPECT_EQ(p.pages, 2);
    EXPECT_EQ(PaginateReport(56, true, kMetrics, kPageHeight).pages, 2);
    EXPECT_EQ(PaginateReport(57, true, kMetrics, kPageHeight).pages, 3);
    EXPECT_EQ(PaginateReport(28, true, kMetrics, kPageHeight).pages, 1);
    // The column unit stays between 100 and 180.
    EXPECT_EQ(PaginateReport(1, true, {20, 3}, kPageHeight).columnWidth, 100);
    EXPECT_EQ(PaginateReport(1, true, {20, 40}, kPageHeight).columnWidth, 180);
    // No rows or no location: nothing to print.
    EXPECT_EQ(PaginateReport(0, true, kMetrics, kPageHeight).pages, 0);
    EXPECT_EQ(PaginateReport(5, false, kMetrics, kPageHeight).pages, 0);
}

TEST(ReportTest, HugeFontStillPrintsOneRowAPage) {
    const ReportPagination p = PaginateReport(7, true, {2000, 900}, kPageHeight);
    EXPECT_EQ(p.rowsPerPage, 1);
    EXPECT_EQ(p.pages, 7);
    Fixture f(3);
    f.AddLocation("Tall", 40, true, 100, true, 5, false);
    CReportJob job(f.Input(true, {2000, 900}));
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
                                 "Updated:  12/08/26 "};
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

TEST(ReportTest, TableIsCentredRuledAndHoldsTheGridTexts) {
    Fixture f(3, GRID_BANDS | GRID_SHOW_SLOT);
    const CLocation* site = f.AddLocation("Here", 40, true, 100, true, 10, true);
    CReportJob job(f.Input(true));
    const ReportPage page = job.Page(1);
    // Four units of 120 centred on 850: 185 to 665; three rows of 30.
    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0], (ReportRect{185, -200, 665, -290}));
    // The rule, three row rules, two column rules.
    ASSERT_EQ(page.lines.size(), 6u);
    EXPECT_EQ(page.lines[1].y1, -230);
    EXPECT_EQ(page.lines[3].x2, 664);
    EXPECT_EQ(page.lines[4].x1, 425);
    EXPECT_EQ(page.lines[5].x1, 545);
    EXPECT_EQ(page.lines[5].y2, -290);

    const ReportText* satellite = FindText(page, "Satellite");
    ASSERT_NE(satellite, nullptr);
    EXPECT_EQ(satellite->y, -170);
    EXPECT_EQ(satellite->clip, (ReportRect{195, -170, 425, -200}));
    const ReportText* azimuth = FindText(page, "Azimuth");
    EXPECT_EQ(azimuth->x, 485);
    EXPECT_EQ(azimuth->y, -149);
    EXPECT_EQ(azimuth->align, ReportAlign::Center);
    const ReportText* elevation = FindText(page, "Elevation");
    EXPECT_EQ(elevation->x, 605);
    EXPECT_EQ(elevation->y, -169);
    const ReportText* kind = FindText(page, "(True)");
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->y, -169);
    // Every heading stands above the table's top edge.
    for (const ReportText* heading : {satellite, azimuth, elevation, kind}) EXPECT_GE(heading->clip.bottom, -200);

    // Rows: the grid's texts for this site, cells from y0 = -200 - 30 / 5.
    CArcGridModel grid = f.grid;
    grid.SetSite(site->SignedLatitude(), site->SignedLongitude(), site->SignedMagVar());
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        const CArcGridModel::RowTexts expected = grid.TextsFor(*grid.Rows()[static_cast<std::size_t>(r)]);
        const ReportText* name = FindText(page, expected.name);
        ASSERT_NE(name, nullptr);
        EXPECT_NE(expected.name.find(kDegreeSign), std::string::npos);
        EXPECT_EQ(name->clip, (ReportRect{195, -206 - 30 * r, 425, -236 - 30 * r}));
        EXPECT_EQ(name->y, -205 - 30 * r);
        // Azimuth and elevation follow the name, centred in their cells.
        const auto at = name - page.texts.data();
        const ReportText& az = page.texts[static_cast<std::size_t>(at + 1)];
        const ReportText& el = page.texts[static_cast<std::size_t>(at + 2)];
        EXPECT_FALSE(expected.azimuth.empty());
        EXPECT_EQ(az.text, expected.azimuth);
        EXPECT_EQ(el.text, expected.elevation);
        EXPECT_EQ(az.x, 485);
        EXPECT_EQ(el.x, 605);
        EXPECT_EQ(el.clip, (ReportRect{545, -206 - 30 * r, 665, -236 - 30 * r}));
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
    // Satellite, Azimuth, Elevation, (Magnetic), then name, "", "" per row.
    ASSERT_EQ(tableTexts.size(), 4u + 6u);
    EXPECT_EQ(tableTexts[5], "");
    EXPECT_EQ(tableTexts[6], "");
}
