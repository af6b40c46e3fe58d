// Speed of the desktop program, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <filesystem>

#include "app/MainFrame.h"
#include "app/TilvexApp.h"
#include "display/ArcGrid.h"
#include "display/LocationPane.h"
#include "display/TilvexView.h"
#include "framework/AppMessageBox.h"
#include "framework/QtText.h"
#include "locations/LocationTree.h"
#include "satellites/SatelliteTree.h"

namespace {

// A data folder holding the shipped files.
class ShippedData {
public:
    ShippedData() {
        for (const auto& entry : std::filesystem::directory_iterator(TILVEX_BUILD_DATA_DIR))
            std::filesystem::copy_file(entry.path(), Path() + "/" + entry.path().filename().string());
    }
    std::string Path() const { return m_dir.path().toStdString(); }

private:
    QTemporaryDir m_dir;
};

std::unique_ptr<CTilvexApp> StartProgram(const ShippedData& data) {
    CTilvexApp::Options options;
    options.splash = false;
    options.dataDir = QString::fromStdString(data.Path());
    options.settingsFile = QString::fromStdString(data.Path() + "/tilvex.INI");
    auto app = std::make_unique<CTilvexApp>();
    app->InitInstance(options);
    return app;
}

void BM_StartupToPaintedWindow(benchmark::State& state) {
    ShippedData data;
    const QString cwd = QDir::currentPath();
    for (auto _ : state) {
        auto app = StartProgram(data);
        // Painting the whole window into an image stands for its first paint.
        benchmark::DoNotOptimize(app->MainFrame()->grab());
        state.PauseTiming();
        app->MainFrame()->close();
        app.reset();
        QApplication::processEvents();
        QDir::setCurrent(cwd);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

// A workspace of 1,000 satellites in the database and the workspace.
void AddManySatellites(CMainFrame* frame, int count) {
    CSatelliteDatabase& db = frame->SatelliteTree()->Database();
    CTilvexDoc* doc = frame->GetDocument();
    for (int i = 0; i < count; ++i) {
        auto sat = std::make_unique<CSatellite>();
        sat->SetName("Bench " + std::to_string(i));
        sat->SetSlot(static_cast<float>(i % 1800) / 10.0f);
        sat->SetWest(i % 2);
        sat->SetFlags(SAT_BAND_KU | SAT_REGION_AMERICAS);
        doc->AddSatellite(sat.get(), false);
        db.Append(std::move(sat));
    }
    db.NoteChanged();
}

void BM_RefillAndRepaintGrid1000(benchmark::State& state) {
    ShippedData data;
    auto app = StartProgram(data);
    CMainFrame* frame = app->MainFrame();
    AddManySatellites(frame, 1000);
    CArcGrid* grid = frame->GetLookAngleViewPane()->Grid();
    for (auto _ : state) {
        grid->Fill(frame->GetDocument()->GetSatelliteNames(), frame->SatelliteTree()->Database());
        grid->viewport()->repaint();
    }
    state.counters["rows"] = grid->count();
    frame->GetDocument()->SetModifiedFlag(false);
    frame->close();
}
BENCHMARK(BM_RefillAndRepaintGrid1000)->Unit(benchmark::kMillisecond);

void BM_SwitchToAutomaticLocation(benchmark::State& state) {
    ShippedData data;
    auto app = StartProgram(data);
    CMainFrame* frame = app->MainFrame();
    CTilvexDoc* doc = frame->GetDocument();
    // Two locations whose variation comes from the geomagnetic model.
    CLocationDatabase& locations = frame->LocationTree()->Database();
    std::vector<CLocation*> automatic;
    for (const auto& loc : locations.GetRecords())
        if (loc->IsMagVarAuto() && automatic.size() < 2) automatic.push_back(loc.get());
    for (CLocation* loc : automatic) doc->AddLocation(loc, true);
    QApplication::processEvents();
    std::size_t next = 0;
    for (auto _ : state) {
        doc->SetCurrentLocation(automatic[next], false);  // the panes follow and the grid repaints
        next = 1 - next;
    }
    doc->SetModifiedFlag(false);
    frame->close();
}
BENCHMARK(BM_SwitchToAutomaticLocation)->Unit(benchmark::kMillisecond);

void BM_FillTree10000(benchmark::State& state) {
    ShippedData data;
    auto app = StartProgram(data);
    CSatelliteTree* tree = app->MainFrame()->SatelliteTree();
    CSatelliteDatabase& db = tree->Database();
    db.Clear();
    const int regions[] = {SAT_REGION_AMERICAS, SAT_REGION_EUROPE, SAT_REGION_ASIA, SAT_REGION_INTELSAT};
    for (int i = 0; i < 10000; ++i) {
        auto sat = std::make_unique<CSatellite>();
        sat->SetName("Satellite " + std::to_string((i * 7919) % 10000));
        sat->SetFlags(SAT_BAND_KU | regions[i % 4]);
        db.Append(std::move(sat));
    }
    db.NoteChanged();
    for (auto _ : state) tree->FillTree();
    app->MainFrame()->GetDocument()->SetModifiedFlag(false);
    app->MainFrame()->close();
}
BENCHMARK(BM_FillTree10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    UseCNumericLocale();
    InitTilvexResources();
    // Messages would wait for an answer: print them instead.
    SetMessageBoxHandler(nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
