#include "core/workspace/EditorRules.h"

#include <cmath>

#include "core/framework/Cp1252.h"
#include "core/framework/DataExchange.h"
#include "core/framework/StringTable.h"
#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"
#include "resources/ids.h"

std::optional<SlotEntry> NormalizeSlot(double typed, bool west) {
    if (!(typed >= 0.0 && typed <= 360.0))
        return std::nullopt;
    if (typed <= 180.0)
        return SlotEntry{static_cast<float>(typed), west, false};
    return SlotEntry{static_cast<float>(360.0 - typed), !west, true};
}

std::string SlotConversionNotice() {
    const std::string degree(1, kDegreeSign);
    return LoadString(ids::IDR_MAINFRAME_TITLE) + CoreTr(" uses orbital slot values ranging from 180") +
           degree + CoreTr(" East to\n180") + degree +
           CoreTr(
               " West.  Values greater than that will be converted to\nthis format, with the East and West "
               "values "
               "changed\naccordingly.");
}

std::optional<float> ParseTypedVariation(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const double value = LeadingNumber(text);
    if (!std::isfinite(value) || value < 0.0 || value > 180.0)
        return std::nullopt;
    return value == 0.0 ? 0.0f : static_cast<float>(value);
}

std::string SatelliteRegionName(int flags) {
    for (const auto& region : kSatelliteRegions)
        if (flags & region.flag)
            return LoadString(region.nameId);
    return std::string();
}

int SatelliteRegionFlag(const std::string& name) {
    for (const auto& region : kSatelliteRegions)
        if (LoadString(region.nameId) == name)
            return region.flag;
    return 0;
}

std::string LocationRegionName(int value) {
    for (const auto& region : kLocationRegions)
        if (region.value == value)
            return LoadString(region.nameId);
    return std::string();
}

int LocationRegionValue(const std::string& name) {
    for (const auto& region : kLocationRegions)
        if (LoadString(region.nameId) == name)
            return region.value;
    return 0;
}

std::string EditorMessage(const char* message, const std::string& name) {
    std::string out;
    const std::string translated = CoreTr(message);
    for (const char* p = translated.c_str(); *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            out += name;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}
