// Per-workspace settings: the grid options word and the current indexes.
#pragma once

#include "core/framework/RuntimeClass.h"

class CSettings : public CObject {
    DECLARE_SERIAL(CSettings)
public:
    CSettings() = default;

    int GetOptions() const { return m_nOptions; }
    void SetOptions(int options) { m_nOptions = options; }
    int GetCurLocation() const { return m_nCurLocation; }
    void SetCurLocation(int index) { m_nCurLocation = index; }
    int GetCurSatellite() const { return m_nCurSatellite; }
    void SetCurSatellite(int index) { m_nCurSatellite = index; }

    // Three 4-byte integers: options, current location, current satellite.
    void Serialize(CArchive& ar) override;

private:
    int m_nOptions = 0;
    int m_nCurLocation = 0;
    int m_nCurSatellite = 0;
};
