#include <gtest/gtest.h>

#include "ArchiveSupport.h"
#include "core/satellites/Satellite.h"

TEST(SatelliteTest, DefaultsAndSignedLongitude) {
    CSatellite sat;
    EXPECT_EQ(sat.GetName(), "");
    EXPECT_EQ(sat.GetSlot(), 0.0f);
    EXPECT_EQ(sat.IsWest(), 1);
    EXPECT_EQ(sat.GetFlags(), 0);
    EXPECT_EQ(sat.GetComments(), "");

    sat.SetSlot(19.2f);
    sat.SetWest(0);
    EXPECT_EQ(sat.SignedLongitude(), -19.2f);
    EXPECT_EQ(sat.SlotText(),
              "19.2\xB0"
              "E");
    sat.SetSlot(101.0f);
    sat.SetWest(1);
    EXPECT_EQ(sat.SignedLongitude(), 101.0f);
    EXPECT_EQ(sat.SlotText(), "101.0\xB0W");
}

TEST(SatelliteTest, BandTextAndRegion) {
    EXPECT_EQ(CSatellite::BandText(7), "Ku, C, DBS");
    EXPECT_EQ(CSatellite::BandText(SAT_BAND_C), "C");
    EXPECT_EQ(CSatellite::BandText(SAT_BAND_KU | SAT_BAND_DBS), "Ku, DBS");
    EXPECT_EQ(CSatellite::BandText(SAT_REGION_ASIA), "");

    CSatellite sat;
    EXPECT_EQ(sat.Region(), 0);
    sat.SetFlags(SAT_BAND_KU | SAT_REGION_INTELSAT | SAT_REGION_EUROPE);
    EXPECT_EQ(sat.Region(), SAT_REGION_EUROPE);
}

TEST(SatelliteTest, SerializeRoundTripAndBytes) {
    CSatellite sat;
    sat.SetName("Galaxy 19");
    sat.SetSlot(97.0f);
    sat.SetWest(1);
    sat.SetFlags(SAT_BAND_KU | SAT_BAND_C | SAT_REGION_AMERICAS);
    std::string comments(255, 'c');
    comments[0] = '\xE9';
    sat.SetComments(comments);

    const std::string bytes = StoreToBytes([&](CArchive& ar) { sat.Serialize(ar); });
    EXPECT_EQ(bytes, Bytes().str("Galaxy 19").f32(97.0f).i32(1).i32(35).u8(0xFF).u16(255).raw(comments).s());

    CSatellite back;
    LoadFromBytes(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(back.GetName(), sat.GetName());
    EXPECT_EQ(back.GetSlot(), sat.GetSlot());
    EXPECT_EQ(back.IsWest(), sat.IsWest());
    EXPECT_EQ(back.GetFlags(), sat.GetFlags());
    EXPECT_EQ(back.GetComments(), comments);
}
