#include "core/workspace/Settings.h"

#include "core/workspace/Archive.h"

IMPLEMENT_SERIAL(CSettings, CObject, 1)

void CSettings::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(m_nOptions) << static_cast<LONG>(m_nCurLocation)
           << static_cast<LONG>(m_nCurSatellite);
    } else {
        LONG options, location, satellite;
        ar >> options >> location >> satellite;
        m_nOptions = options;
        m_nCurLocation = location;
        m_nCurSatellite = satellite;
    }
}
