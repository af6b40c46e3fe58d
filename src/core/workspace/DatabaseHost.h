// The two databases with no windows around them: what the workspace needs
// when it is used from the command line, a benchmark or a test.
#pragma once

#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"

class CDatabasesHost : public IWorkspaceHost {
public:
    CSatelliteDatabase satellites;
    CLocationDatabase locations;

    CSatelliteDatabase* GetSatelliteDatabase() override { return &satellites; }
    CLocationDatabase* GetLocationDatabase() override { return &locations; }
    CView* GetTabView() override { return nullptr; }
    CView* GetLookAngleView() override { return nullptr; }
    // Every band is listed.
    bool IsSatelliteShown(const CSatellite& s) override { return (s.GetFlags() & SAT_BAND_MASK) != 0; }
    void ClearSatelliteGrid() override {}
    void ShowCurrentLocation(CLocation*) override {}
    void RedrawLookAngleView() override {}
};
