#include "display/StatusText.h"

#include <cmath>

#include "framework/Format.h"
#include "framework/Translate.h"
#include "locations/Location.h"

std::string SiteStatusText(const CLocation& location, float magVar) {
    // The variation as the grid uses it: West positive.
    const char* side = magVar > 0.0f ? "W" : magVar < 0.0f ? "E" : "";
    std::string text = Format(CoreTr("%s: %.2f\xB0%s %.2f\xB0%s, variation %.1f\xB0%s").c_str(), location.GetName().c_str(),
                              static_cast<double>(location.GetLatitude()), location.IsNorth() ? "N" : "S",
                              static_cast<double>(location.GetLongitude()), location.IsWest() ? "W" : "E",
                              std::fabs(static_cast<double>(magVar)), side);
    if (location.IsMagVarAuto()) text += CoreTr(" (automatic)");
    return text;
}
