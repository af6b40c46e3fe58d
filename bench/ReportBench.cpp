// Speed of the look-angle report: 200 locations x 60 satellites, as page
// descriptions alone and drawn into a PDF (Qt's offscreen platform).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "core/locations/Location.h"
#include "core/reports/Report.h"
#include "core/satellites/Satellite.h"
#include "ui/printing/ReportPdf.h"

namespace {

constexpr int kLocations = 200;
constexpr int kSatellites = 60;

// Sites over North America with typed variations; satellites every 2
// degrees from 61W to 179W, all of the Ku band.
struct ReportData {
    std::vector<std::unique_ptr<CLocation>> locations;
    std::vector<std::unique_ptr<CSatellite>> satellites;

    ReportData() {
        for (int i = 0; i < kLocations; ++i) {
            auto l = std::make_unique<CLocation>();
            l->SetName("Site " + std::to_string(i));
            l->SetLatitude(25.0f + static_cast<float>(i % 25));
            l->SetLongitude(70.0f + static_cast<float>(i % 50));
            l->SetMagVar(static_cast<float>(i % 20));
            l->SetMagVarWest(i % 2);
            locations.push_back(std::move(l));
        }
        for (int i = 0; i < kSatellites; ++i) {
            auto s = std::make_unique<CSatellite>();
            s->SetName("Satellite " + std::to_string(i));
            s->SetSlot(61.0f + 2.0f * static_cast<float>(i));
            s->SetFlags(SAT_BAND_KU);
            satellites.push_back(std::move(s));
        }
    }

    // "All locations", 14-point type, magnetic azimuth, slot after the name.
    ReportJobInput Input() const {
        ReportJobInput input;
        input.currentLocationOnly = false;
        input.currentLocation = locations.front().get();
        for (const auto& l : locations)
            input.locations.push_back(l.get());
        for (const auto& s : satellites)
            input.rows.push_back(s.get());
        input.gridOptions = 0x01 | 0x08 | 0x10 | 0x80;
        input.workspaceTitle = "Benchmark";
        input.date = "12/08/26";
        input.face = "DejaVu Sans";
        input.fontHeight = PrintFontHeightFromSize("14");
        return input;
    }
};

void BM_ReportPageDescriptions(benchmark::State& state) {
    const ReportData data;
    ReportJobInput input = data.Input();
    // A Letter page less quarter-inch margins, as the PDF measures it.
    input.pageWidth = 812;
    input.pageHeight = 1064;
    input.metrics = {19, 8};
    const CReportJob job(input);
    int pages = 0;
    for (auto _ : state) {
        for (int page = 1; page <= job.PageCount(); ++page)
            benchmark::DoNotOptimize(job.Page(page).texts.data());
        pages += job.PageCount();
    }
    state.counters["pages"] = job.PageCount();
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReportPageDescriptions)->Unit(benchmark::kMillisecond);

void BM_ReportToPdf(benchmark::State& state) {
    EnsureReportGuiApplication();
    const ReportData data;
    const ReportJobInput input = data.Input();
    int pages = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string pdf;
        const int made = RenderReportPdf(input, ReportPaper::Letter, pdf);
        if (made == 0)
            state.SkipWithError("no pages");
        pages += made;
        bytes = pdf.size();
    }
    state.counters["pages"] = static_cast<double>(pages) / static_cast<double>(state.iterations());
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsRate);
    state.counters["PDF bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
