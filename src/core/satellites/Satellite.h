// One geostationary satellite: name, orbital slot, bands, coverage region and
// comments.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/framework/RuntimeClass.h"

enum : int {
    SAT_BAND_KU = 1,
    SAT_BAND_C = 2,
    SAT_BAND_DBS = 4,
    SAT_BAND_MASK = SAT_BAND_KU | SAT_BAND_C | SAT_BAND_DBS,
    SAT_REGION_AMERICAS = 32,
    SAT_REGION_EUROPE = 64,
    SAT_REGION_ASIA = 128,
    SAT_REGION_INTELSAT = 256,
};

// The coverage regions in the order in which they are listed and in which the
// first set bit of a record is taken.
struct SatelliteRegion {
    int flag;
    unsigned nameId;
};
extern const SatelliteRegion kSatelliteRegions[4];

class CSatellite : public CObject {
    DECLARE_SERIAL(CSatellite)
public:
    CSatellite() = default;

    const std::string& GetName() const { return m_strName; }
    void SetName(std::string name) { m_strName = std::move(name); }
    float GetSlot() const { return m_fSlot; }
    void SetSlot(float slot) { m_fSlot = slot; }
    int IsWest() const { return m_bWest; }
    void SetWest(int west) { m_bWest = west; }
    int GetFlags() const { return m_nFlags; }
    void SetFlags(int flags) { m_nFlags = flags; }
    const std::string& GetComments() const { return m_strComments; }
    void SetComments(std::string comments) { m_strComments = std::move(comments); }

    // The slot in degrees, West positive.
    float SignedLongitude() const { return m_bWest ? m_fSlot : -m_fSlot; }

    // "101.0°W": the slot with one decimal, the degree sign and the side.
    std::string SlotText() const;
    // "Ku, C, DBS": the words of the set band bits.
    std::string BandText() const { return BandText(m_nFlags); }
    static std::string BandText(int flags);
    // The first region bit set in the order Americas, Europe, Asia,
    // IntelSat; 0 when none is.
    int Region() const;

    // Whether the slot is a number (a damaged or foreign file may hold NaN
    // or infinity, which no computation or ordering can take).
    bool HasFiniteNumbers() const;

    // A digest of everything the record stores: equal digests, equal records.
    std::uint64_t ContentDigest() const;

    // A number that tells this record from any other made while the program
    // runs, even one that later takes the same address.
    std::uint64_t InstanceId() const { return m_nInstance; }

    void Serialize(CArchive& ar) override;

private:
    std::string m_strName;
    float m_fSlot = 0.0f;
    int m_bWest = 1;
    int m_nFlags = 0;
    std::string m_strComments;
    std::uint64_t m_nInstance = NextInstanceId();

    static std::uint64_t NextInstanceId();
};
