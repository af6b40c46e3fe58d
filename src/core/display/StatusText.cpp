#include "core/display/StatusText.h"

#include <cmath>

#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/geomag/GeomagModel.h"
#include "core/locations/Location.h"

std::string SiteStatusText(const CLocation& location, float magVar) {
    return SiteStatusText(location, magVar, CGeomagModel::CurrentYear());
}

std::string SiteStatusText(const CLocation& location, float magVar, float year) {
    // The variation as the grid uses it: West positive.
    const char* side = magVar > 0.0f ? "W" : magVar < 0.0f ? "E" : "";
    std::string text = Format(CoreTr("%s: %.2f\xB0%s %.2f\xB0%s, variation %.1f\xB0%s").c_str(),
                              location.GetName().c_str(), static_cast<double>(location.GetLatitude()),
                              location.IsNorth() ? "N" : "S", static_cast<double>(location.GetLongitude()),
                              location.IsWest() ? "W" : "E", std::fabs(static_cast<double>(magVar)), side);
    if (!location.IsMagVarAuto())
        return text;
    const auto span = CGeomagModel::ValidYears();
    if (span && !span->Covers(year))
        text += Format(CoreTr(" (automatic; the magnetic model is valid %.0f\x96%.0f)").c_str(),
                       static_cast<double>(span->first), static_cast<double>(span->last));
    else
        text += CoreTr(" (automatic)");
    return text;
}
