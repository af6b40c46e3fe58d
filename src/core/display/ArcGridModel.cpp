#include "core/display/ArcGridModel.h"

#include <algorithm>

#include "core/framework/Cp1252.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/SatelliteDatabase.h"

void CArcGridModel::SetSite(float latitude, float longitude, float magVar) {
    m_fLatitude = latitude;
    m_fLongitude = longitude;
    m_fMagVar = magVar;
}

bool CArcGridModel::IsSatelliteShown(const CSatellite* satellite) const {
    return satellite && IsBandShown(satellite->GetFlags());
}

void CArcGridModel::Fill(const std::vector<std::string>& names, const CSatelliteDatabase& database) {
    m_rows.clear();
    // Latest entry first, so that a stable sort puts the later of two equal
    // keys first.
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        CSatellite* satellite = database.FindSatellite(*name);
        if (IsSatelliteShown(satellite))
            m_rows.push_back(satellite);
    }
    if (m_nOptions & GRID_SORT_BY_SLOT) {
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const CSatellite* a, const CSatellite* b) {
            return a->SignedLongitude() < b->SignedLongitude();
        });
    } else {
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const CSatellite* a, const CSatellite* b) {
            return CompareNoCaseAZ(a->GetName(), b->GetName()) < 0;
        });
    }
}

std::string CArcGridModel::RowSummary(const RowTexts& texts) {
    std::string summary = texts.name;
    for (const std::string* angle : {&texts.azimuth, &texts.elevation})
        if (!angle->empty())
            summary += ", " + *angle;
    return summary;
}

CArcGridModel::RowTexts CArcGridModel::TextsFor(const CSatellite& satellite) const {
    RowTexts texts;
    texts.name = satellite.GetName();
    if (m_nOptions & GRID_SHOW_SLOT)
        texts.name += Format("  %.0f%c%s", static_cast<double>(satellite.GetSlot()), kDegreeSign,
                             satellite.IsWest() ? "W" : "E");
    if (m_fLatitude == 0.0f && m_fLongitude == 0.0f && m_fMagVar == 0.0f)
        return texts;
    const LookAngleTexts angles = ComputeLookAngles(m_fLatitude, m_fLongitude, m_fMagVar,
                                                    satellite.SignedLongitude(), m_nOptions & GRID_MAGNETIC);
    texts.azimuth = angles.azimuth;
    texts.elevation = angles.elevation;
    return texts;
}

std::string AzimuthKindText(int options) {
    return CoreTr((options & GRID_MAGNETIC) ? TrNoop("(Magnetic)") : TrNoop("(True)"));
}

std::string BandFilterText(int options) {
    return CSatellite::BandText(options & GRID_BANDS);
}

int ChooseCurrentSatellite(const std::vector<std::string>& names, int current,
                           const CSatelliteDatabase& database, const CArcGridModel& grid) {
    const int n = static_cast<int>(names.size());
    if (n < 1)
        return -1;
    if (current >= n)
        current = n - 1;
    if (current < 0)
        current = 0;
    if (!grid.IsSatelliteShown(database.FindSatellite(names[static_cast<std::size_t>(current)]))) {
        current = n - 1;
        for (int i = 0; i < n; ++i) {
            if (grid.IsSatelliteShown(database.FindSatellite(names[static_cast<std::size_t>(i)]))) {
                current = i;
                break;
            }
        }
    }
    return std::clamp(current, 0, n - 1);
}
