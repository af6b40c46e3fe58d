// The dish's offset angle in the settings file: section "Dish", entry
// "Offset" (degrees), beside the dish's diameter and frequency
// (core/horizon/Clearance.h).
#pragma once

class CProfile;

inline constexpr const char* kDishOffsetEntry = "Offset";
// The offset angles a dish may have: 0 (prime focus) to 89.9 degrees.
inline constexpr double kMinDishOffset = 0.0;
inline constexpr double kMaxDishOffset = 89.9;

// The saved offset, or kDefaultDishOffset when the entry is absent, not a
// number or outside the range.
double ReadDishOffset(const CProfile& settings);
// False when the offset is outside the range (nothing is written then) or
// the settings file cannot be written.
bool WriteDishOffset(CProfile& settings, double offset);
