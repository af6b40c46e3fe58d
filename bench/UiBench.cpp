// Speed of the desktop program, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "core/display/DragRecords.h"
#include "core/framework/AppMessageBox.h"
#include "core/locations/Location.h"
#include "ui/app/MainFrame.h"
#include "ui/app/TilvexApp.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/LocationPane.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteEditorDlg.h"
#include "ui/satellites/SatelliteTree.h"

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

// The same grid, shown, for a location whose horizon has a point every
// degree and three obstacles: every row's clearance is worked out for its
// mark as the rows are filled and painted, and every row's description
// (what a screen reader is told, "blocked by the horizon by 2.1°") is asked
// for (target: under one frame, 16 ms).
void BM_RefreshGrid1000WithHorizon(benchmark::State& state) {
    ShippedData data;
    auto app = StartProgram(data);
    CMainFrame* frame = app->MainFrame();
    frame->show();
    AddManySatellites(frame, 1000);
    CTilvexDoc* doc = frame->GetDocument();
    if (!doc->GetCurrentLocation()) {
        state.SkipWithError("no current location");
        return;
    }
    CHorizonProfile roof;
    for (int azimuth = 0; azimuth < 360; ++azimuth)
        roof.AddPoint({static_cast<double>(azimuth), 10.0 + 10.0 * std::sin(azimuth * 0.07)});
    roof.AddObstacle({355.0, 8.0, 12.0, 25.0});
    roof.AddObstacle({170.0, 4.0, 20.0});
    roof.AddObstacle({220.0, 15.0, 30.0, 40.0});
    CSiteHorizons::Current().SetProfile(doc->GetCurrentLocation()->GetName(), roof);
    QApplication::processEvents();
    CArcGrid* grid = frame->GetLookAngleViewPane()->Grid();
    int blocked = 0;
    for (auto _ : state) {
        grid->Fill(doc->GetSatelliteNames(), frame->SatelliteTree()->Database());
        grid->viewport()->repaint();
        blocked = 0;
        for (int row = 0; row < grid->count(); ++row)
            blocked += !grid->item(row)->data(Qt::AccessibleDescriptionRole).toString().isEmpty();
    }
    state.counters["rows"] = grid->count();
    state.counters["blocked"] = blocked;
    CSiteHorizons::Current().SetProfile(doc->GetCurrentLocation()->GetName(), CHorizonProfile());
    doc->SetModifiedFlag(false);
    frame->close();
}
BENCHMARK(BM_RefreshGrid1000WithHorizon)->Unit(benchmark::kMillisecond);

void BM_SwitchToAutomaticLocation(benchmark::State& state) {
    ShippedData data;
    auto app = StartProgram(data);
    CMainFrame* frame = app->MainFrame();
    CTilvexDoc* doc = frame->GetDocument();
    // Two locations whose variation comes from the geomagnetic model.
    CLocationDatabase& locations = frame->LocationTree()->Database();
    std::vector<CLocation*> automatic;
    for (const auto& loc : locations.GetRecords())
        if (loc->IsMagVarAuto() && automatic.size() < 2)
            automatic.push_back(loc.get());
    for (CLocation* loc : automatic)
        doc->AddLocation(loc, true);
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
    for (auto _ : state)
        tree->FillTree();
    app->MainFrame()->GetDocument()->SetModifiedFlag(false);
    app->MainFrame()->close();
}
BENCHMARK(BM_FillTree10000)->Unit(benchmark::kMillisecond);

// A database as bench/big-database.sh makes it: names "Satellite 0000001"
// in a shuffled order, the four regions in turn.
CSatelliteDatabase::Records BigSatelliteDatabase(int count) {
    const int regions[] = {SAT_REGION_AMERICAS, SAT_REGION_EUROPE, SAT_REGION_ASIA, SAT_REGION_INTELSAT};
    CSatelliteDatabase::Records records;
    records.reserve(static_cast<std::size_t>(count));
    char name[32];
    for (int i = 0; i < count; ++i) {
        const int k = static_cast<int>((static_cast<long long>(i) * 7919) % count);
        std::snprintf(name, sizeof name, "Satellite %07d", k);
        auto sat = std::make_unique<CSatellite>();
        sat->SetName(name);
        sat->SetSlot(static_cast<float>(k % 1800) / 10.0f);
        sat->SetWest(k % 2);
        sat->SetFlags(SAT_BAND_KU | regions[k % 4]);
        sat->SetComments("Services " + std::to_string(k));
        records.push_back(std::move(sat));
    }
    return records;
}

// One region folder of the million-satellite database (250,000 satellites)
// dragged from the tree onto the grid of an empty workspace: the drag's
// names, the workspace's additions, the grid's rows and the panes' update
// (target: under 1 s).
void BM_DropRegionOnGrid(benchmark::State& state) {
    ShippedData data;
    auto app = StartProgram(data);
    CMainFrame* frame = app->MainFrame();
    CSatelliteTree* tree = frame->SatelliteTree();
    tree->Database().SetRecords(BigSatelliteDatabase(static_cast<int>(state.range(0))));
    tree->FillTree();
    QTreeWidgetItem* folder = tree->RootItem()->child(0);
    CTilvexDoc* doc = frame->GetDocument();
    CArcGrid* grid = frame->GetLookAngleViewPane()->Grid();
    for (auto _ : state) {
        state.PauseTiming();
        doc->DeleteContents();
        doc->UpdateAllViews(nullptr);
        QApplication::processEvents();
        state.ResumeTiming();
        const std::string bytes = EncodeDraggedRecords(*tree->DragRecordsOf(folder));
        emit grid->satellitesDropped(*DecodeDraggedRecords(bytes));
        QApplication::processEvents();
    }
    state.counters["names"] = static_cast<double>(doc->GetSatelliteNames().size());
    state.counters["rows"] = grid->count();
    doc->SetModifiedFlag(false);
    frame->close();
}
BENCHMARK(BM_DropRegionOnGrid)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);

// Opening a region folder of the million-satellite database in the tree:
// its 250,000 items are made then.
void BM_OpenLargeRegionInTree(benchmark::State& state) {
    CSatelliteTree tree;
    tree.Database().SetRecords(BigSatelliteDatabase(static_cast<int>(state.range(0))));
    tree.show();
    for (auto _ : state) {
        state.PauseTiming();
        tree.FillTree();
        tree.RootItem()->setExpanded(true);
        QApplication::processEvents();
        state.ResumeTiming();
        tree.RootItem()->child(0)->setExpanded(true);
        QApplication::processEvents();
    }
    state.counters["items"] = tree.RootItem()->child(0)->childCount();
}
BENCHMARK(BM_OpenLargeRegionInTree)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening an editor on a database of `count` records, on a record in the
// middle, until it is painted (target: 100,000 in under 0.5 s, 1,000,000 in
// under 3 s).
template <class Editor, class Database>
void OpenEditor(benchmark::State& state, Database& database) {
    auto* middle = database.GetRecords()[database.GetSize() / 2].get();
    for (auto _ : state) {
        auto editor = std::make_unique<Editor>();
        editor->SetDatabase(&database);
        editor->SetCurrent(middle);
        editor->OnInitDialog();
        editor->show();
        QApplication::processEvents();
        state.PauseTiming();
        editor.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenSatelliteEditor(benchmark::State& state) {
    CSatelliteDatabase database;
    database.SetRecords(BigSatelliteDatabase(static_cast<int>(state.range(0))));
    OpenEditor<CSatelliteEditorDlg>(state, database);
}
BENCHMARK(BM_OpenSatelliteEditor)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_OpenLocationEditor(benchmark::State& state) {
    CLocationDatabase database;
    CLocationDatabase::Records records;
    char name[32];
    for (int i = 0; i < state.range(0); ++i) {
        std::snprintf(name, sizeof name, "Place %07d", static_cast<int>((i * 7919LL) % state.range(0)));
        auto location = std::make_unique<CLocation>();
        location->SetName(name);
        location->SetLatitude(static_cast<float>(i % 90));
        location->SetLongitude(static_cast<float>(i % 180));
        location->SetRegion(LOC_REGION_EUROPE);
        records.push_back(std::move(location));
    }
    database.SetRecords(std::move(records));
    OpenEditor<CLocationEditorDlg>(state, database);
}
BENCHMARK(BM_OpenLocationEditor)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
