// The rules of the two database editors that need no window: how a typed
// slot or variation is read, the region names, and the editors' messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/framework/Translate.h"

// The longest name and comments the editors take, in characters.
inline constexpr int kMaxNameLength = 30;
inline constexpr int kMaxCommentsLength = 255;

// A slot as the satellite editor stores it: 0 to 180 degrees with its side.
struct SlotEntry {
    float slot;
    bool west;
    bool converted;  // the typed value was above 180 and was turned round
};
// A typed slot from 0 to 360 on the `west` side.  Values above 180 become 360
// minus the value on the other side (256.5 West is 103.5 East, 360 is 0 on
// the other side).  Nothing outside 0 to 360.
std::optional<SlotEntry> NormalizeSlot(double typed, bool west);
// The notice shown when a slot above 180 is converted (with degree signs).
std::string SlotConversionNotice();

// A typed magnetic variation: the number the text starts with (0 when it
// starts with none).  Nothing for an empty text, a value below 0 or above
// 180, or one that is not finite.
std::optional<float> ParseTypedVariation(std::string_view text);

// Region names as the editors list them; an empty name for a value or flags
// without a known region, 0 for a name that is none of them.
std::string SatelliteRegionName(int flags);  // of the first region bit set
int SatelliteRegionFlag(const std::string& name);
std::string LocationRegionName(int value);
int LocationRegionValue(const std::string& name);

// Messages, with %s for the record's name where they have one.
namespace editor_messages {
inline constexpr const char* kNoBand = TrNoop("At least one Band checkbox must be selected.");
inline constexpr const char* kNoSide = TrNoop("Either the East or West option must be selected.");
inline constexpr const char* kSatelliteExists =
    TrNoop("Satellite %s already exists.  Save under a new name.");
inline constexpr const char* kSatelliteNoRegion = TrNoop("Satellite must have a region selected.");
inline constexpr const char* kSatelliteNoName = TrNoop("Satellite must have a name.");
inline constexpr const char* kSlotRange = TrNoop("Slot value must be between 0 and 360.");
inline constexpr const char* kLocationExists = TrNoop("Location %s already exists.  Save under a new name.");
inline constexpr const char* kLocationNoRegion = TrNoop("Location must have a region selected.");
inline constexpr const char* kLocationNoName = TrNoop("Location must have a name.");
inline constexpr const char* kBadVariation = TrNoop("Invalid magnetic variation.");
inline constexpr const char* kSaveChanges = TrNoop("Do you want to save changes to %s?");
inline constexpr const char* kDeleteSatellite = TrNoop("Are you sure you want to delete satellite %s?");
inline constexpr const char* kDeleteLocation = TrNoop("Are you sure you want to delete location %s?");
}  // namespace editor_messages

// The message with the name put in for %s.
std::string EditorMessage(const char* message, const std::string& name);
