// One site for which look angles are computed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "core/framework/Outcome.h"
#include "core/framework/RuntimeClass.h"

// A stored magnetic variation of exactly this value means "compute it from
// the geomagnetic model".
inline constexpr float MAGVAR_AUTO = 999.0f;

// The side of a signed variation (West positive, as SignedMagVar gives it):
// "W", "E", or "" for none.  An automatic variation's side is the model's,
// whatever direction flag the record keeps.
inline const char* MagVarSideText(float signedMagVar) {
    return signedMagVar > 0.0f ? "W" : signedMagVar < 0.0f ? "E" : "";
}

enum : int {
    LOC_REGION_NORTH_AMERICA = 32,
    LOC_REGION_SOUTH_AMERICA = 64,
    LOC_REGION_EUROPE = 128,
    LOC_REGION_MIDDLE_EAST = 256,
    LOC_REGION_AFRICA = 512,
    LOC_REGION_ASIA = 1024,
    LOC_REGION_SOUTH_PACIFIC = 2048,
};

struct LocationRegion {
    int value;
    unsigned nameId;
};
// The location regions in the order in which they are listed.
extern const LocationRegion kLocationRegions[7];

class CLocation : public CObject {
    DECLARE_SERIAL(CLocation)
public:
    CLocation() = default;

    const std::string& GetName() const { return m_strName; }
    void SetName(std::string name) { m_strName = std::move(name); }
    float GetLatitude() const { return m_fLatitude; }
    void SetLatitude(float v) { m_fLatitude = v; }
    int IsNorth() const { return m_bNorth; }
    void SetNorth(int v) { m_bNorth = v; }
    float GetLongitude() const { return m_fLongitude; }
    void SetLongitude(float v) { m_fLongitude = v; }
    int IsWest() const { return m_bWest; }
    void SetWest(int v) { m_bWest = v; }
    // The stored variation, possibly MAGVAR_AUTO.
    float GetMagVar() const { return m_fMagVar; }
    void SetMagVar(float v) { m_fMagVar = v; }
    int IsMagVarWest() const { return m_bMagVarWest; }
    void SetMagVarWest(int v) { m_bMagVarWest = v; }
    int GetRegion() const { return m_nRegion; }
    void SetRegion(int v) { m_nRegion = v; }

    bool IsMagVarAuto() const { return m_fMagVar == MAGVAR_AUTO; }

    // North positive.
    float SignedLatitude() const { return m_bNorth ? m_fLatitude : -m_fLatitude; }
    // West positive.
    float SignedLongitude() const { return m_bWest ? m_fLongitude : -m_fLongitude; }
    // West positive.  An automatic variation is computed anew from the
    // geomagnetic model at every call; without the model's file there is
    // none, and the outcome holds the message to show.
    Outcome<float> SignedMagVar() const;

    // Whether latitude, longitude and variation are numbers (a damaged or
    // foreign file may hold NaN or infinity).
    bool HasFiniteNumbers() const;

    // A digest of everything the record stores: equal digests, equal records.
    std::uint64_t ContentDigest() const;

    // A number that tells this record from any other made while the program
    // runs, even one that later takes the same address.
    std::uint64_t InstanceId() const { return m_nInstance; }

    void Serialize(CArchive& ar) override;

private:
    std::string m_strName;
    float m_fLatitude = 0.0f;
    int m_bNorth = 1;
    float m_fLongitude = 0.0f;
    int m_bWest = 1;
    float m_fMagVar = 0.0f;
    int m_bMagVarWest = 1;
    int m_nRegion = 0;
    std::uint64_t m_nInstance = NextInstanceId();

    static std::uint64_t NextInstanceId();
};
