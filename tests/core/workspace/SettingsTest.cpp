#include <gtest/gtest.h>

#include "ArchiveSupport.h"
#include "core/workspace/Settings.h"

TEST(SettingsTest, NewWorkspaceSettingsAreTwelveBytes) {
    CSettings settings;
    EXPECT_EQ(settings.GetOptions(), 0);
    settings.SetOptions(31);
    const std::string bytes = StoreToBytes([&](CArchive& ar) { settings.Serialize(ar); });
    EXPECT_EQ(bytes, std::string("\x1F\0\0\0\0\0\0\0\0\0\0\0", 12));
}

TEST(SettingsTest, RoundTripAndShortFile) {
    CSettings settings;
    settings.SetOptions(0x97);
    settings.SetCurLocation(-1);
    settings.SetCurSatellite(70000);
    const std::string bytes = StoreToBytes([&](CArchive& ar) { settings.Serialize(ar); });
    CSettings back;
    LoadFromBytes(bytes + "extra", [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(back.GetOptions(), 0x97);
    EXPECT_EQ(back.GetCurLocation(), -1);
    EXPECT_EQ(back.GetCurSatellite(), 70000);

    EXPECT_EQ(LoadError(bytes.substr(0, 11),
                        [](CArchive& ar) {
                            CSettings s;
                            s.Serialize(ar);
                        }),
              CArchiveException::endOfFile);
}
