// tilvex-cli report: the look angles of a workspace's locations as text,
// CSV, JSON or a PDF of the printed pages.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "core/display/ArcGridModel.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Profile.h"
#include "core/geomag/GeomagModel.h"
#include "core/horizon/Clearance.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/Report.h"
#include "core/reports/ReportOutput.h"
#ifdef TILVEX_HAVE_PDF
#include "ui/printing/ReportPdf.h"
#endif
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/DatabaseHost.h"
#include "core/workspace/Settings.h"
#include "core/workspace/TilvexDoc.h"

namespace {
const char* const kDefaultWorkspace = "United States Ku Band Satellites.wrk";
}  // namespace

int CmdReport(int argc, char** argv) {
    CommandLine line(argc, argv, 2,
                     {"--workspace", "--location", "--format", "-o", "--face", "--size", "--paper", "--data"},
                     {"--all", "--excel"});
    RequireCount(line, 0, "report");
    const std::string format = line.Value("--format") ? *line.Value("--format") : "text";
    if (format != "text" && format != "csv" && format != "json" && format != "pdf")
        throw UsageError{"bad format '" + format + "': expected text, csv, json or pdf"};
    if (line.Flag("--all") && line.Value("--location"))
        throw UsageError{"--location and --all cannot be given together"};
    if (line.Flag("--excel") && format != "csv")
        throw UsageError{"--excel is for --format csv"};
    [[maybe_unused]] ReportPaper paper = DefaultReportPaper();
    if (const std::string* paperText = line.Value("--paper")) {
        if (format != "pdf")
            throw UsageError{"--paper is for --format pdf"};
        const auto parsed = ParseReportPaper(*paperText);
        if (!parsed)
            throw UsageError{"bad paper '" + *paperText + "': expected a4 or letter"};
        paper = *parsed;
    }
    const std::string* outPath = line.Value("-o");
    if (format == "pdf" && !outPath)
        throw UsageError{"a PDF report needs an output file: -o FILE"};
    const std::string out = !outPath                     ? std::string()
                            : IsStandardOutput(*outPath) ? *outPath
                                                         : std::filesystem::absolute(*outPath).string();
    if (!out.empty() && !IsStandardOutput(out) && !CheckOutputFile(out, "-o"))
        return kExitFailed;
    // Files named on the command line are relative to where it was given.
    const std::string* workspaceArg = line.Value("--workspace");
    std::string workspace = workspaceArg ? std::filesystem::absolute(*workspaceArg).string() : std::string();
#ifndef TILVEX_HAVE_PDF
    if (format == "pdf") {
        std::fprintf(stderr, "PDF output is not available: this tilvex-cli was built without Qt\n");
        return kExitFailed;
    }
#endif
    EnterDataFolder(line, {kSatelliteDatabaseFile, kLocationDatabaseFile});

    const CProfile settings(SettingsFilePath());
    if (const std::string problem = settings.ReadProblem(); !problem.empty())
        std::fprintf(stderr, "tilvex-cli: the settings file '%s' is not used: %s\n",
                     settings.GetPath().c_str(), problem.c_str());
    if (workspace.empty())
        workspace = settings.GetProfileString(CRecentFileList::kSection, "File1", kDefaultWorkspace);
    const std::string face = line.Value("--face") ? Utf8ToCp1252(*line.Value("--face"))
                                                  : settings.GetProfileString("Font", "Face Name", "Arial");
    const std::string size =
        line.Value("--size") ? *line.Value("--size") : settings.GetProfileString("Font", "Size", "14");

    if (!std::filesystem::is_regular_file(workspace)) {
        std::fprintf(stderr, "no workspace '%s'\n", workspace.c_str());
        return kExitFailed;
    }
    CDatabasesHost host;
    if (host.satellites.LoadDatabase() != CSatelliteDatabase::LoadResult::Loaded)
        return kExitFailed;
    if (host.locations.LoadDatabase() != CLocationDatabase::LoadResult::Loaded)
        return kExitFailed;
    // The locations' horizons, where there are any: a damaged line is left
    // out and named, an unreadable file leaves the column out.
    CHorizonStore horizons;
    if (const auto problem = horizons.Load(kHorizonFile))
        PrintMessage(*problem);
    for (const HorizonLineProblem& refused : horizons.Problems())
        PrintMessage(refused.message);
    CTilvexDoc doc(&host);
    if (!doc.OnOpenDocument(workspace) || doc.LoadFailed()) {
        std::fprintf(stderr, "cannot read the workspace '%s'\n", workspace.c_str());
        return kExitFailed;
    }
    CArcGridModel grid;
    grid.SetOptions(doc.GetOptions());
    grid.Fill(doc.GetSatelliteNames(), host.satellites);

    // Which locations: one named, every listed one, or the current one.
    const std::vector<const CLocation*> listed = ListedLocations(doc.GetLocationNames(), host.locations);
    std::vector<const CLocation*> chosen;
    if (const std::string* name = line.Value("--location")) {
        for (const CLocation* location : listed)
            if (EqualNoCaseAZ(location->GetName(), Utf8ToCp1252(*name))) {
                chosen.push_back(location);
                break;
            }
        if (chosen.empty()) {
            std::fprintf(stderr, "no location named '%s' in the workspace '%s'\n", name->c_str(),
                         Cp1252ToUtf8(doc.GetTitle()).c_str());
            return kExitFailed;
        }
    } else if (line.Flag("--all")) {
        chosen = listed;
    } else {
        const CLocation* current = doc.GetCurrentLocation();
        if (!current) {
            doc.ValidateLocations(false);
            current = doc.GetCurrentLocation();
        }
        if (current)
            chosen.push_back(current);
    }
    if (chosen.empty()) {
        std::fprintf(stderr, "the workspace '%s' has no locations\n", Cp1252ToUtf8(doc.GetTitle()).c_str());
        return kExitFailed;
    }

    // A variation that the model cannot compute: no report.
    bool variationsKnown = true;
    for (const CLocation* location : chosen)
        if (const Outcome<float> variation = location->SignedMagVar(); !variation) {
            PrintMessage(variation.Message());
            variationsKnown = false;
        }
    if (!variationsKnown)
        return kExitFailed;

    std::string bytes;
    if (format == "pdf") {
#ifdef TILVEX_HAVE_PDF
        ReportJobInput input;
        input.currentLocationOnly = !line.Flag("--all");
        input.currentLocation = chosen.front();
        input.locations = chosen;
        input.rows.assign(grid.Rows().begin(), grid.Rows().end());
        input.gridOptions = grid.GetOptions();
        input.workspaceTitle = doc.GetTitle();
        input.date = CurrentDateText();
        input.face = face;
        input.fontHeight = PrintFontHeightFromSize(size);
        // The Clearance column of locations with a horizon, as on the text forms.
        for (const CLocation* location : chosen)
            if (const CHorizonProfile* profile = horizons.Find(location->GetName()))
                input.horizons.emplace(location->GetName(), *profile);
        input.beamEdge = BeamEdgeDegrees(ReadDishBeam(settings));
        EnsureReportGuiApplication();
        if (RenderReportPdf(input, paper, bytes) == 0) {
            std::fprintf(stderr,
                         "nothing to print: the workspace '%s' lists no satellite that the grid shows\n",
                         Cp1252ToUtf8(doc.GetTitle()).c_str());
            return kExitFailed;
        }
#endif
    } else {
        const std::vector<LocationReport> reports =
            BuildLocationReports(grid, chosen, &horizons, ReadDishBeam(settings));
        // Excel takes a CSV file for the system's code page unless it
        // begins with the byte-order mark.
        const char* mark = line.Flag("--excel") ? kUtf8ByteOrderMark : "";
        bytes = format == "csv"    ? mark + ReportAsCsv(reports, grid.GetOptions())
                : format == "json" ? ReportAsJson(reports, doc.GetTitle(), grid.GetOptions())
                                   : ReportAsText(reports, doc.GetTitle(), grid.GetOptions());
    }
    if (std::any_of(chosen.begin(), chosen.end(), [](const CLocation* l) { return l->IsMagVarAuto(); }))
        WarnOutsideModel(CGeomagModel::CurrentYear(), "the automatic variation for");
    if (out.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return kExitOk;
    }
    return WriteOutput(out, bytes) ? kExitOk : kExitFailed;
}
