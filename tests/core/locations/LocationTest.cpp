#include <gtest/gtest.h>

#include <filesystem>

#include "ArchiveSupport.h"
#include "core/geomag/GeomagModel.h"
#include "core/locations/Location.h"

TEST(LocationTest, DefaultSerializesAsTheEmptySite) {
    CLocation location;
    const std::string bytes = StoreToBytes([&](CArchive& ar) { location.Serialize(ar); });
    EXPECT_EQ(bytes, Bytes().u8(0).f32(0).i32(1).f32(0).i32(1).f32(0).i32(1).i32(0).s());
    EXPECT_EQ(bytes.size(), 1u + 28u);
}

TEST(LocationTest, RoundTripKeepsEveryFieldAndLongNames) {
    CLocation location;
    location.SetName(std::string(300, 'N'));
    location.SetLatitude(33.0f);
    location.SetNorth(0);
    location.SetLongitude(151.25f);
    location.SetWest(0);
    location.SetMagVar(MAGVAR_AUTO);
    location.SetMagVarWest(0);
    location.SetRegion(4096);  // not in the region table: kept as it is
    const std::string bytes = StoreToBytes([&](CArchive& ar) { location.Serialize(ar); });
    EXPECT_EQ(bytes.substr(0, 3), Bytes().u8(0xFF).u16(300).s());

    CLocation back;
    LoadFromBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(back.GetName(), location.GetName());
    EXPECT_EQ(back.GetLatitude(), 33.0f);
    EXPECT_EQ(back.IsNorth(), 0);
    EXPECT_EQ(back.GetLongitude(), 151.25f);
    EXPECT_EQ(back.IsWest(), 0);
    EXPECT_EQ(back.GetMagVar(), MAGVAR_AUTO);
    EXPECT_EQ(back.IsMagVarWest(), 0);
    EXPECT_EQ(back.GetRegion(), 4096);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { back.Serialize(ar); }), bytes);
}

TEST(LocationTest, SignedViews) {
    CLocation location;
    location.SetLongitude(75.5f);
    EXPECT_EQ(location.SignedLongitude(), 75.5f);
    location.SetLongitude(10.0f);
    location.SetWest(0);
    EXPECT_EQ(location.SignedLongitude(), -10.0f);
    location.SetLatitude(33.0f);
    location.SetNorth(0);
    EXPECT_EQ(location.SignedLatitude(), -33.0f);
    location.SetMagVar(12.0f);
    location.SetMagVarWest(0);
    EXPECT_EQ(*location.SignedMagVar(), -12.0f);
    location.SetMagVarWest(1);
    EXPECT_EQ(*location.SignedMagVar(), 12.0f);
}

TEST(LocationTest, AutomaticVariationComesFromTheModel) {
    TempDir dir;
    std::filesystem::copy_file(SourceDataDir() / "MagData.dat", dir / "MagData.dat");
    ScopedCwd cwd(dir.Path());

    CLocation denver;  // 39.74 N, 104.99 W
    denver.SetLatitude(39.74f);
    denver.SetLongitude(104.99f);
    denver.SetMagVar(MAGVAR_AUTO);
    const float expected =
        -*CGeomagModel::Compute("MagData.dat", 0.0f, 39.74f, -104.99f, CGeomagModel::CurrentYear());
    for (int west : {1, 0}) {
        denver.SetMagVarWest(west);  // ignored for an automatic variation
        EXPECT_EQ(*denver.SignedMagVar(), expected);
    }
    // Denver's declination is some 7 to 8 degrees East, a West-positive -7..-8.
    EXPECT_LT(expected, -6.5f);
    EXPECT_GT(expected, -9.0f);

    // Without the coefficient file there is no variation but the message to
    // show, at every call; the record shows nothing itself.
    std::filesystem::remove(dir / "MagData.dat");
    MessageCapture messages;
    for (int call = 0; call < 2; ++call) {
        const Outcome<float> variation = denver.SignedMagVar();
        EXPECT_FALSE(variation.Ok());
        EXPECT_EQ(variation.Message(), "Couldn't find MagData.dat.  Cannot calculate magnetic variation.");
    }
    EXPECT_TRUE(messages.Texts().empty());
}
