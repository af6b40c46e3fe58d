#include "core/reports/ReportOutput.h"

#include <algorithm>
#include <iterator>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/ControlCharacters.h"
#include "core/reports/JsonText.h"
#include "core/reports/Report.h"
#include "core/satellites/LnbSkew.h"
#include "core/workspace/RecordCsv.h"

namespace {

std::string TrimEnd(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// After the label: "39.7°N".
std::string ValueOf(const std::string& line) {
    const auto colon = line.find(": ");
    return colon == std::string::npos ? line : line.substr(colon + 2);
}

std::string AzimuthHeading(int options) {
    return "Azimuth " + AzimuthKindText(options);
}

// The number of an angle's text: "185.3°" gives "185.3", "--" and "" give
// nothing.
std::string NumberOfAngleText(const std::string& text) {
    if (text.size() < 2 || text.back() != kDegreeSign)
        return std::string();
    return text.substr(0, text.size() - 1);
}

// A record's number, East (or North) positive, as the shortest decimal that
// reads back as the same value; never "-0".
std::string RecordNumber(float value) {
    return FloatText(value + 0.0f);
}

// One decimal, as the header shows the value; never "-0.0".
std::string ShownNumber(float value) {
    const std::string text = Format("%.1f", static_cast<double>(value));
    return text == "-0.0" ? "0.0" : text;
}

// A name as a terminal should show it: control characters (an escape
// sequence would act on the terminal) as "\x1b".
std::string Visible(const std::string& cp1252) {
    std::string out;
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsControlCharacter(Cp1252ToCodePoint(byte)))
            out += Format("\\x%02x", static_cast<unsigned>(byte));
        else
            out += c;
    }
    return out;
}

std::string Pad(const std::string& text, std::size_t width) {
    // Windows-1252: one byte a character.
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

}  // namespace

std::vector<LocationReport> BuildLocationReports(const CArcGridModel& grid,
                                                 const std::vector<const CLocation*>& locations,
                                                 const CHorizonStore* horizons, const DishBeam& beam) {
    const double beamEdge = BeamEdgeDegrees(beam);
    std::vector<LocationReport> out;
    for (const CLocation* location : locations) {
        if (!location)
            continue;
        const Outcome<float> variation = location->SignedMagVar();
        const float magVar = variation.ValueOr(0.0f);
        const std::vector<std::string> header =
            ReportHeaderLines(*location, magVar, std::string(), std::string());
        LocationReport report;
        report.name = location->GetName();
        report.latitude = TrimEnd(header[0]);
        report.longitude = TrimEnd(header[1]);
        report.magVar = TrimEnd(header[2]);
        report.signedLatitude = location->SignedLatitude();
        report.signedLongitude = location->SignedLongitude();
        report.signedMagVar = magVar;
        report.magVarMessage = variation.Message();
        const CHorizonProfile* horizon = horizons ? horizons->Find(location->GetName()) : nullptr;
        report.hasHorizon = horizon != nullptr;
        CArcGridModel site = grid;
        site.SetSite(location->SignedLatitude(), location->SignedLongitude(), magVar);
        for (const CSatellite* satellite : site.Rows()) {
            if (!satellite)
                continue;
            report.rows.push_back(site.TextsFor(*satellite));
            report.slotTexts.push_back(satellite->SlotText());
            report.slotLongitudes.push_back(satellite->SignedLongitude());
            // A site the grid leaves blank gets no skew either.
            report.skews.push_back(report.rows.back().elevation.empty()
                                       ? std::string()
                                       : LnbSkewText(location->SignedLatitude(), location->SignedLongitude(),
                                                     satellite->SignedLongitude()));
            if (horizon) {
                const bool blank = report.rows.back().elevation.empty();
                const std::optional<double> margin =
                    blank ? std::nullopt
                          : SatelliteClearance(*horizon, beamEdge, location->SignedLatitude(),
                                               location->SignedLongitude(), satellite->SignedLongitude());
                report.clearances.push_back(blank ? std::string() : ClearanceText(margin));
                report.margins.push_back(margin);
            }
        }
        out.push_back(std::move(report));
    }
    return out;
}

std::vector<const CLocation*> ListedLocations(const std::vector<std::string>& names,
                                              const CLocationDatabase& database) {
    std::vector<const CLocation*> out;
    for (const std::string& name : names)
        if (const CLocation* location = database.FindLocation(name))
            out.push_back(location);
    std::stable_sort(out.begin(), out.end(), [](const CLocation* a, const CLocation* b) {
        return CompareNoCaseAZ(a->GetName(), b->GetName()) < 0;
    });
    return out;
}

std::string ReportAsText(const std::vector<LocationReport>& reports, const std::string& workspaceTitle,
                         int gridOptions) {
    std::string out;
    const std::string headings[3] = {"Satellite", AzimuthHeading(gridOptions), "Elevation"};
    for (const LocationReport& report : reports) {
        if (!out.empty())
            out += '\n';
        out += Visible(report.name) + '\n';
        for (const std::string* line : {&report.latitude, &report.longitude, &report.magVar})
            out += *line + '\n';
        out += "Workspace: " + Visible(workspaceTitle) + "\n\n";
        std::vector<std::string> names;
        for (const auto& row : report.rows)
            names.push_back(Visible(row.name));
        std::size_t width[3] = {headings[0].size(), headings[1].size(), headings[2].size()};
        for (std::size_t i = 0; i < report.rows.size(); ++i) {
            width[0] = std::max(width[0], names[i].size());
            width[1] = std::max(width[1], report.rows[i].azimuth.size());
            width[2] = std::max(width[2], report.rows[i].elevation.size());
        }
        auto line = [&](const std::string& a, const std::string& b, const std::string& c,
                        const std::string* d) {
            std::string text = Pad(a, width[0]) + "  " + Pad(b, width[1]) + "  ";
            text += d ? Pad(c, width[2]) + "  " + *d : c;
            out += TrimEnd(text) + '\n';
        };
        const std::string clearanceHeading = "Clearance";
        line(headings[0], headings[1], headings[2], report.hasHorizon ? &clearanceHeading : nullptr);
        for (std::size_t i = 0; i < report.rows.size(); ++i)
            line(names[i], report.rows[i].azimuth, report.rows[i].elevation,
                 report.hasHorizon ? &report.clearances[i] : nullptr);
    }
    return Cp1252ToUtf8(out);
}

std::string ReportAsCsv(const std::vector<LocationReport>& reports, int gridOptions) {
    const std::string azimuthKind = (gridOptions & GRID_MAGNETIC) ? "Magnetic" : "True";
    std::string out = "Location,Latitude,Longitude,Magnetic Variation,Satellite,Slot," +
                      CsvField(AzimuthHeading(gridOptions)) +
                      ",Elevation,LNB Skew,Latitude (degrees north),Longitude (degrees east),"
                      "Magnetic Variation (degrees east),Slot (degrees east),Azimuth " +
                      azimuthKind + " (degrees),Elevation (degrees),LNB Skew (degrees clockwise)";
    const bool clearance =
        std::any_of(reports.begin(), reports.end(), [](const LocationReport& r) { return r.hasHorizon; });
    out += clearance ? ",Clearance,Clearance (degrees)\n" : "\n";
    for (const LocationReport& report : reports)
        for (std::size_t i = 0; i < report.rows.size(); ++i) {
            const auto& row = report.rows[i];
            const std::string texts[] = {report.name,
                                         ValueOf(report.latitude),
                                         ValueOf(report.longitude),
                                         ValueOf(report.magVar),
                                         row.name,
                                         report.slotTexts[i],
                                         row.azimuth,
                                         row.elevation,
                                         report.skews[i]};
            // The program counts longitudes and the variation West
            // positive; a spreadsheet, as maps do, East positive.
            const std::string numbers[] = {
                RecordNumber(report.signedLatitude), RecordNumber(-report.signedLongitude),
                ShownNumber(-report.signedMagVar),   RecordNumber(-report.slotLongitudes[i]),
                NumberOfAngleText(row.azimuth),      NumberOfAngleText(row.elevation),
                NumberOfAngleText(report.skews[i])};
            // The names are the user's free text; the other texts the
            // program's own.
            std::string line;
            for (std::size_t k = 0; k < std::size(texts); ++k)
                line += (k == 0 || k == 4 ? CsvTextField(texts[k]) : CsvField(texts[k])) + ',';
            for (const std::string& number : numbers)
                line += number + ',';
            if (clearance && report.hasHorizon)
                line += CsvField(report.clearances[i]) + ',' +
                        (report.margins[i] ? Format("%.1f", *report.margins[i]) : std::string()) + ',';
            else if (clearance)
                line += ",,";
            line.back() = '\n';
            out += line;
        }
    return Cp1252ToUtf8(out);
}

std::string LookAnglesCsv(const CArcGridModel& grid, const std::vector<const CLocation*>& locations,
                          const CHorizonStore* horizons, const DishBeam& beam) {
    return ReportAsCsv(BuildLocationReports(grid, locations, horizons, beam), grid.GetOptions());
}

std::string ReportAsJson(const std::vector<LocationReport>& reports, const std::string& workspaceTitle,
                         int gridOptions) {
    std::string out = "{\"workspace\": " + JsonString(workspaceTitle) + ", \"azimuth\": \"" +
                      ((gridOptions & GRID_MAGNETIC) ? "magnetic" : "true") + "\", \"locations\": [";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const LocationReport& r = reports[i];
        out += (i ? ",\n  " : "\n  ");
        out += "{\"name\": " + JsonString(r.name) + ", \"latitude\": " + JsonString(ValueOf(r.latitude)) +
               ", \"longitude\": " + JsonString(ValueOf(r.longitude)) +
               ", \"magneticVariation\": " + JsonString(ValueOf(r.magVar)) + ", \"rows\": [";
        for (std::size_t k = 0; k < r.rows.size(); ++k) {
            CJsonObject row;
            row.String("satellite", r.rows[k].name)
                .String("azimuth", r.rows[k].azimuth)
                .String("elevation", r.rows[k].elevation);
            if (r.hasHorizon)
                row.String("clearance", r.clearances[k]);
            out += std::string(k ? ",\n    " : "\n    ") + row.Text();
        }
        out += r.rows.empty() ? "]}" : "\n  ]}";
    }
    out += reports.empty() ? "]}\n" : "\n]}\n";
    return out;
}
