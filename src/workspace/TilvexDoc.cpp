#include "workspace/TilvexDoc.h"

#include <algorithm>

#include "framework/AppMessageBox.h"
#include "framework/Profile.h"
#include "locations/LocationDatabase.h"
#include "satellites/SatelliteDatabase.h"
#include "workspace/Archive.h"

namespace {

// Index of the first name exactly equal to `name`, or -1.
int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

// Replaces each name by the database's own spelling and drops the names the
// database does not know.  Returns whether any name was found.
template <class Database>
bool ResolveNames(std::vector<std::string>& names, const Database& database) {
    bool found = false;
    std::vector<std::string> kept;
    kept.reserve(names.size());
    for (const auto& name : names) {
        if (const auto* record = database.Find(name)) {
            kept.push_back(record->GetName());
            found = true;
        }
    }
    names = std::move(kept);
    return found;
}

}  // namespace

CTilvexDoc::~CTilvexDoc() {
    if (CProfile* profile = AfxGetAppContext().profile) {
        profile->WriteProfileInt("Startup", "Current Satellite", m_settings.GetCurSatellite());
        profile->WriteProfileInt("Startup", "Current Location", m_settings.GetCurLocation());
    }
}

bool CTilvexDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_satNames.clear();
    m_locNames.clear();
    m_settings.SetOptions(kNewWorkspaceOptions);
    m_settings.SetCurLocation(0);
    m_settings.SetCurSatellite(0);
    return true;
}

bool CTilvexDoc::OnOpenDocument(const std::string& path) {
    m_bLoadFailed = false;
    if (!CDocument::OnOpenDocument(path)) return false;
    // A file that did not hold a workspace leaves an empty, untitled one, so
    // that a later Save asks for a name instead of overwriting that file.
    if (!m_bLoadFailed) SetPathName(path);
    UpdateAllViews(m_pHost ? m_pHost->GetLookAngleView() : nullptr);
    return true;
}

bool CTilvexDoc::OnSaveDocument(const std::string& path) {
    if (!CDocument::OnSaveDocument(path)) return false;
    SetTitle(path);
    if (m_pHost) m_pHost->RedrawLookAngleView();
    return true;
}

void CTilvexDoc::DeleteContents() {
    m_satNames.clear();
    m_locNames.clear();
    CDocument::DeleteContents();
}

void CTilvexDoc::SetTitle(const std::string& title) {
    std::string cut = title;
    if (cut != kUntitled) {
        const auto slash = cut.find_last_of("/\\");
        if (slash != std::string::npos) cut = cut.substr(slash + 1);
        const auto dot = cut.find_last_of('.');
        if (dot != std::string::npos) cut = cut.substr(0, dot);
    }
    CDocument::SetTitle(cut);
}

void CTilvexDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        SerializeStringList(ar, m_satNames);
        SerializeStringList(ar, m_locNames);
        m_settings.Serialize(ar);
        return;
    }
    try {
        SerializeStringList(ar, m_satNames);
        SerializeStringList(ar, m_locNames);
        m_settings.Serialize(ar);
    } catch (const CArchiveException&) {
        AppMessageBox(CoreTr(kUnexpectedFormat), MB_OK, MB_ICONEXCLAMATION);
        OnNewDocument();
        SetTitle(kUntitled);
        m_bLoadFailed = true;
    }
    ValidateSatellites(false);
    ValidateLocations(false);
}

void CTilvexDoc::BroadcastFromTabView() { UpdateAllViews(m_pHost ? m_pHost->GetTabView() : nullptr); }

bool CTilvexDoc::IsShown(const CSatellite& satellite) const {
    if (m_pHost) return m_pHost->IsSatelliteShown(satellite);
    return (satellite.GetFlags() & m_settings.GetOptions() & SAT_BAND_MASK) != 0;
}

void CTilvexDoc::AddSatellite(const CSatellite* satellite, bool broadcast) {
    if (!satellite || IndexOf(m_satNames, satellite->GetName()) >= 0) return;
    m_satNames.push_back(satellite->GetName());
    SetModifiedFlag();
    if (broadcast) BroadcastFromTabView();
}

void CTilvexDoc::AddLocation(const CLocation* location, bool broadcast) {
    if (!location || IndexOf(m_locNames, location->GetName()) >= 0) return;
    m_locNames.push_back(location->GetName());
    SetModifiedFlag();
    if (broadcast) BroadcastFromTabView();
}

namespace {
// Removes the first entry equal to `name`, keeping `current` on the entry it
// named where possible.  Returns false when there is no such entry.
bool RemoveName(std::vector<std::string>& names, const std::string& name, CSettings& settings,
                int (CSettings::*get)() const, void (CSettings::*set)(int)) {
    const int index = IndexOf(names, name);
    if (index < 0) return false;
    names.erase(names.begin() + index);
    const int current = (settings.*get)();
    if (current >= index) (settings.*set)(std::max(current - 1, 0));
    return true;
}
}  // namespace

namespace {
bool RenameEntries(std::vector<std::string>& entries, const std::vector<std::string>& names) {
    bool changed = false;
    for (std::size_t i = 0; i < entries.size() && i < names.size(); ++i)
        if (!names[i].empty() && names[i] != entries[i]) {
            entries[i] = names[i];
            changed = true;
        }
    return changed;
}
}  // namespace

void CTilvexDoc::RenameSatelliteEntries(const std::vector<std::string>& names) {
    if (RenameEntries(m_satNames, names)) SetModifiedFlag();
}

void CTilvexDoc::RenameLocationEntries(const std::vector<std::string>& names) {
    if (RenameEntries(m_locNames, names)) SetModifiedFlag();
}

void CTilvexDoc::RemoveSatellite(const CSatellite* satellite) {
    if (!satellite || !RemoveName(m_satNames, satellite->GetName(), m_settings, &CSettings::GetCurSatellite,
                                  &CSettings::SetCurSatellite))
        return;
    SetModifiedFlag();
    BroadcastFromTabView();
}

void CTilvexDoc::RemoveLocation(const CLocation* location) {
    if (!location || !RemoveName(m_locNames, location->GetName(), m_settings, &CSettings::GetCurLocation,
                                 &CSettings::SetCurLocation))
        return;
    SetModifiedFlag();
    BroadcastFromTabView();
}

void CTilvexDoc::SetCurrentSatellite(const CSatellite* satellite, bool broadcast) {
    if (satellite) {
        const int index = IndexOf(m_satNames, satellite->GetName());
        if (index >= 0) m_settings.SetCurSatellite(index);
    }
    if (broadcast) BroadcastFromTabView();
}

void CTilvexDoc::SetCurrentLocation(CLocation* location, bool broadcast) {
    if (location) {
        const int index = IndexOf(m_locNames, location->GetName());
        if (index >= 0) m_settings.SetCurLocation(index);
    }
    if (broadcast)
        BroadcastFromTabView();
    else if (m_pHost)
        m_pHost->ShowCurrentLocation(location);
}

CLocation* CTilvexDoc::GetCurrentLocation() const {
    const int index = m_settings.GetCurLocation();
    CLocationDatabase* database = Locations();
    if (!database || index < 0 || index >= static_cast<int>(m_locNames.size())) return nullptr;
    return database->FindLocation(m_locNames[static_cast<std::size_t>(index)]);
}

CSatellite* CTilvexDoc::GetCurrentSatellite() const {
    const int index = m_settings.GetCurSatellite();
    CSatelliteDatabase* database = Satellites();
    if (!database || index < 0 || index >= static_cast<int>(m_satNames.size())) return nullptr;
    return database->FindSatellite(m_satNames[static_cast<std::size_t>(index)]);
}

void CTilvexDoc::SetGridOptions(int options) {
    m_settings.SetOptions(options);
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

int CTilvexDoc::ValidateSatellites(bool broadcast) {
    CSatelliteDatabase* database = Satellites();
    if (!database || database->IsEmpty()) return 0;
    bool found = false;
    if (!m_satNames.empty()) {
        found = ResolveNames(m_satNames, *database);
        if (m_satNames.empty()) {
            if (m_pHost) m_pHost->ClearSatelliteGrid();
            BroadcastFromTabView();
            return 0;
        }
        const int n = static_cast<int>(m_satNames.size());
        int current = m_settings.GetCurSatellite();
        if (current >= n) current = std::max(n - 1, 0);
        // A negative index (only a damaged file holds one) names no entry:
        // take the first one.
        if (current < 0) current = 0;
        m_settings.SetCurSatellite(current);
        if (const CSatellite* satellite = database->FindSatellite(m_satNames[static_cast<std::size_t>(current)])) {
            if (!IsShown(*satellite)) {
                // The first entry the band filter lets through, else the last.
                current = n - 1;
                for (int i = 0; i < n - 1; ++i) {
                    const CSatellite* candidate = database->FindSatellite(m_satNames[static_cast<std::size_t>(i)]);
                    if (candidate && IsShown(*candidate)) {
                        current = i;
                        break;
                    }
                }
            }
            m_settings.SetCurSatellite(std::clamp(current, 0, n - 1));
        }
    }
    if (broadcast) BroadcastFromTabView();
    return found ? 1 : 0;
}

int CTilvexDoc::ValidateLocations(bool broadcast) {
    CLocationDatabase* database = Locations();
    if (!database) return 0;
    if (database->IsEmpty()) {
        // Nothing to check the names against: they stay, but the views hear of it.
        if (broadcast) BroadcastFromTabView();
        return 0;
    }
    bool found = false;
    if (!m_locNames.empty()) {
        found = ResolveNames(m_locNames, *database);
        const int n = static_cast<int>(m_locNames.size());
        if (n == 0) {
            m_settings.SetCurLocation(0);
        } else if (m_settings.GetCurLocation() >= n) {
            m_settings.SetCurLocation(n - 1);
        } else if (m_settings.GetCurLocation() < 0) {
            m_settings.SetCurLocation(0);
        }
    }
    if (broadcast) BroadcastFromTabView();
    return found ? 1 : 0;
}
