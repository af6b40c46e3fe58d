#include "core/locations/Location.h"

#include <cmath>

#include "core/framework/FileIdentity.h"
#include "core/geomag/GeomagModel.h"
#include "core/workspace/Archive.h"
#include "resources/ids.h"

IMPLEMENT_SERIAL(CLocation, CObject, 1)

std::uint64_t CLocation::ContentDigest() const {
    return DigestFields(m_strName, m_fLatitude, m_bNorth, m_fLongitude, m_bWest, m_fMagVar, m_bMagVarWest,
                        m_nRegion);
}

bool CLocation::HasFiniteNumbers() const {
    return std::isfinite(m_fLatitude) && std::isfinite(m_fLongitude) && std::isfinite(m_fMagVar);
}

std::uint64_t CLocation::NextInstanceId() {
    static std::uint64_t next = 0;
    return ++next;
}

const LocationRegion kLocationRegions[7] = {
    {LOC_REGION_NORTH_AMERICA, ids::IDS_LOC_NORTH_AMERICA},
    {LOC_REGION_SOUTH_AMERICA, ids::IDS_LOC_SOUTH_AMERICA},
    {LOC_REGION_EUROPE, ids::IDS_LOC_EUROPE},
    {LOC_REGION_MIDDLE_EAST, ids::IDS_LOC_MIDDLE_EAST},
    {LOC_REGION_AFRICA, ids::IDS_LOC_AFRICA},
    {LOC_REGION_ASIA, ids::IDS_LOC_ASIA},
    {LOC_REGION_SOUTH_PACIFIC, ids::IDS_LOC_SOUTH_PACIFIC},
};

Outcome<float> CLocation::SignedMagVar() const {
    if (m_fMagVar == MAGVAR_AUTO) {
        // The model takes longitude East positive and gives the declination
        // East positive.
        const Outcome<float> declination = CGeomagModel().Declination(SignedLatitude(), -SignedLongitude());
        if (!declination)
            return declination;
        return -*declination;
    }
    return m_bMagVarWest ? m_fMagVar : -m_fMagVar;
}

void CLocation::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strName << m_fLatitude << static_cast<LONG>(m_bNorth) << m_fLongitude
           << static_cast<LONG>(m_bWest) << m_fMagVar << static_cast<LONG>(m_bMagVarWest)
           << static_cast<LONG>(m_nRegion);
    } else {
        LONG north, west, magVarWest, region;
        ar >> m_strName >> m_fLatitude >> north >> m_fLongitude >> west >> m_fMagVar >> magVarWest >> region;
        m_bNorth = north;
        m_bWest = west;
        m_bMagVarWest = magVarWest;
        m_nRegion = region;
    }
}
