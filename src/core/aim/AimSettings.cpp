#include "core/aim/AimSettings.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/aim/AimSheet.h"
#include "core/framework/Profile.h"
#include "core/horizon/Clearance.h"
#include "core/horizon/HorizonProfile.h"

namespace {
bool InRange(double offset) {
    return std::isfinite(offset) && offset >= kMinDishOffset && offset <= kMaxDishOffset;
}
}  // namespace

double ReadDishOffset(const CProfile& settings) {
    const std::string text = settings.GetProfileString(kDishSection, kDishOffsetEntry);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !InRange(value))
        return kDefaultDishOffset;
    return value;
}

bool WriteDishOffset(CProfile& settings, double offset) {
    if (!InRange(offset))
        return false;
    return settings.WriteProfileString(kDishSection, kDishOffsetEntry,
                                       DecimalText(std::round(offset * 10.0) / 10.0));
}
