// Speed of the sky view with very large workspaces: placing the points and
// labels, and painting the plot.  Built into tilvex_ui_bench, whose main
// starts the offscreen application.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>

#include "core/display/ArcGridModel.h"
#include "core/display/SkyViewGeometry.h"
#include "core/locations/Location.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/Satellite.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/display/SkyView.h"

namespace {

// A workspace of `count` satellites "Sat 00001"... spread evenly over the
// arc that a site at 39.7N 105W sees, the middle one current.
class BigWorkspace : public IWorkspaceHost {
public:
    explicit BigWorkspace(int count) {
        auto site = std::make_unique<CLocation>();
        site->SetName("Bench Site");
        site->SetLatitude(39.7f);
        site->SetNorth(1);
        site->SetLongitude(105.0f);
        site->SetWest(1);
        m_site = m_locations.Append(std::move(site));
        std::vector<std::string> names;
        names.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "Sat %05d", i + 1);
            auto satellite = std::make_unique<CSatellite>();
            satellite->SetName(name);
            // 30W to 180W: the arc above the horizon, in slot order.
            satellite->SetSlot(30.0f + 150.0f * static_cast<float>(i) / static_cast<float>(count));
            satellite->SetWest(1);
            satellite->SetFlags(SAT_BAND_KU);
            m_satellites.Append(std::move(satellite));
            names.emplace_back(name);
        }
        m_grid.SetOptions(GRID_KU | GRID_SORT_BY_SLOT);
        m_grid.SetSite(m_site->SignedLatitude(), m_site->SignedLongitude(), 0.0f);
        m_grid.Fill(names, m_satellites);
        m_doc.AddLocation(m_site, false);
        m_current = m_grid.Rows()[m_grid.Rows().size() / 2];
        m_doc.AddSatellite(m_current, false);
    }

    const CArcGridModel& Grid() const { return m_grid; }
    CTilvexDoc* Doc() { return &m_doc; }
    const CSatellite* Current() const { return m_current; }

    CSatelliteDatabase* GetSatelliteDatabase() override { return &m_satellites; }
    CLocationDatabase* GetLocationDatabase() override { return &m_locations; }
    CView* GetTabView() override { return nullptr; }
    CView* GetLookAngleView() override { return nullptr; }
    bool IsSatelliteShown(const CSatellite&) override { return true; }
    void ClearSatelliteGrid() override {}
    void ShowCurrentLocation(CLocation*) override {}
    void RedrawLookAngleView() override {}

private:
    CSatelliteDatabase m_satellites;
    CLocationDatabase m_locations;
    CLocation* m_site = nullptr;
    CArcGridModel m_grid;
    CTilvexDoc m_doc{this};
    const CSatellite* m_current = nullptr;
};

// The plot of the sky view's first window (560 by 600, under its menu bar).
constexpr double kWidth = 560, kHeight = 578;

void BM_SkyViewPlacement(benchmark::State& state) {
    BigWorkspace workspace(static_cast<int>(state.range(0)));
    const std::vector<SkyPoint> points = SkyPoints(workspace.Grid(), workspace.Current());
    const PolarPlot plot{kWidth / 2, kHeight / 2 + 8, std::min(kWidth, kHeight - 16) / 2 - 44, 0.0};
    std::vector<PolarPlot::Point> at;
    std::vector<std::pair<double, double>> sizes;
    int current = -1;
    for (const SkyPoint& point : points) {
        if (point.current)
            current = static_cast<int>(at.size());
        at.push_back(plot.Place(point.direction));
        // Text about 7 pixels a letter and 15 high.
        sizes.emplace_back(7.0 * static_cast<double>(point.label.size()) + 2, 15.0);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceSkyLabels(at, sizes, kWidth, kHeight, 6.0, current));
    state.counters["points"] = static_cast<double>(at.size());
}
BENCHMARK(BM_SkyViewPlacement)->Arg(8000)->Arg(100000)->Unit(benchmark::kMillisecond);

// One repaint of the plot, as the window repaints when it is uncovered.  The
// first paint after a change, which measures and places the labels, comes
// before the timing; the counter first_paint_ms tells how long it took.
void BM_SkyViewPaint(benchmark::State& state) {
    BigWorkspace workspace(static_cast<int>(state.range(0)));
    CSkyView view(&workspace.Grid(), workspace.Doc());
    view.show();
    CSkyPlot* plot = view.Plot();
    plot->Refresh();
    const QSize size = plot->size();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer first;
    first.start();
    {
        QPainter painter(&image);
        plot->Render(painter, size);
    }
    state.counters["first_paint_ms"] = static_cast<double>(first.elapsed());
    for (auto _ : state) {
        QPainter painter(&image);
        plot->Render(painter, size);
    }
    state.counters["points"] = static_cast<double>(plot->Points().size());
}
BENCHMARK(BM_SkyViewPaint)->Arg(8000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
