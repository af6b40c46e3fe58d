#include "core/satellites/Satellite.h"

#include <cmath>

#include "core/framework/Cp1252.h"
#include "core/framework/FileIdentity.h"
#include "core/framework/Format.h"
#include "core/workspace/Archive.h"
#include "resources/ids.h"

IMPLEMENT_SERIAL(CSatellite, CObject, 1)

const SatelliteRegion kSatelliteRegions[4] = {
    {SAT_REGION_AMERICAS, ids::IDS_SAT_AMERICAS},
    {SAT_REGION_EUROPE, ids::IDS_SAT_EUROPE},
    {SAT_REGION_ASIA, ids::IDS_SAT_ASIA},
    {SAT_REGION_INTELSAT, ids::IDS_SAT_INTELSAT},
};

std::uint64_t CSatellite::NextInstanceId() {
    static std::uint64_t next = 0;
    return ++next;
}

std::string CSatellite::SlotText() const {
    return Format("%.1f%c%s", static_cast<double>(m_fSlot), kDegreeSign, m_bWest ? "W" : "E");
}

std::string CSatellite::BandText(int flags) {
    std::string text;
    auto add = [&](int bit, const char* word) {
        if (!(flags & bit))
            return;
        if (!text.empty())
            text += ", ";
        text += word;
    };
    add(SAT_BAND_KU, "Ku");
    add(SAT_BAND_C, "C");
    add(SAT_BAND_DBS, "DBS");
    return text;
}

bool CSatellite::HasFiniteNumbers() const {
    return std::isfinite(m_fSlot);
}

std::uint64_t CSatellite::ContentDigest() const {
    return DigestFields(m_strName, m_fSlot, m_bWest, m_nFlags, m_strComments);
}

int CSatellite::Region() const {
    for (const auto& region : kSatelliteRegions)
        if (m_nFlags & region.flag)
            return region.flag;
    return 0;
}

void CSatellite::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strName << m_fSlot << static_cast<LONG>(m_bWest) << static_cast<LONG>(m_nFlags)
           << m_strComments;
    } else {
        LONG west, flags;
        ar >> m_strName >> m_fSlot >> west >> flags >> m_strComments;
        m_bWest = west;
        m_nFlags = flags;
    }
}
