#include "display/LookAngleCsv.h"

#include <algorithm>

#include "cli/RecordCsv.h"
#include "display/ArcGridModel.h"
#include "framework/Cp1252.h"
#include "locations/LocationDatabase.h"
#include "satellites/LnbSkew.h"
#include "satellites/Satellite.h"

std::string LookAngleCsvHeader(int gridOptions) {
    return "Location,Satellite,Azimuth " + AzimuthKindText(gridOptions) + ",Elevation,LNB Skew\n";
}

std::string LookAnglesCsv(const CArcGridModel& grid, const std::vector<const CLocation*>& locations) {
    std::string out = LookAngleCsvHeader(grid.GetOptions());
    CArcGridModel site = grid;
    for (const CLocation* location : locations) {
        const float latitude = location->SignedLatitude();
        const float longitude = location->SignedLongitude();
        site.SetSite(latitude, longitude, location->SignedMagVar());
        for (const CSatellite* satellite : site.Rows()) {
            const CArcGridModel::RowTexts texts = site.TextsFor(*satellite);
            // A site the grid leaves blank gets no skew either.
            const std::string skew =
                texts.elevation.empty() ? std::string() : LnbSkewText(latitude, longitude, satellite->SignedLongitude());
            out += CsvField(location->GetName()) + ',' + CsvField(texts.name) + ',' + CsvField(texts.azimuth) + ',' +
                   CsvField(texts.elevation) + ',' + CsvField(skew) + '\n';
        }
    }
    return Cp1252ToUtf8(out);
}

std::vector<const CLocation*> WorkspaceLocations(const std::vector<std::string>& names,
                                                 const CLocationDatabase& database) {
    std::vector<const CLocation*> out;
    for (const auto& name : names)
        if (const CLocation* location = database.FindLocation(name)) out.push_back(location);
    std::stable_sort(out.begin(), out.end(), [](const CLocation* a, const CLocation* b) {
        return CompareNoCaseAZ(a->GetName(), b->GetName()) < 0;
    });
    return out;
}
