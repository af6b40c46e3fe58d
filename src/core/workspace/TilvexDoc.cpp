#include "core/workspace/TilvexDoc.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Profile.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/Archive.h"

namespace {

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

bool CTilvexDoc::NameList::Add(const std::string& name) {
    if (IndexOf(name) >= 0)
        return false;
    names.push_back(name);
    index.Appended(names);
    return true;
}

CTilvexDoc::~CTilvexDoc() {
    if (CProfile* profile = AfxGetAppContext().profile) {
        profile->WriteProfileInt("Startup", "Current Satellite", m_settings.GetCurSatellite());
        profile->WriteProfileInt("Startup", "Current Location", m_settings.GetCurLocation());
    }
}

bool CTilvexDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    m_satNames.Clear();
    m_locNames.Clear();
    m_settings.SetOptions(kNewWorkspaceOptions);
    m_settings.SetCurLocation(0);
    m_settings.SetCurSatellite(0);
    return true;
}

bool CTilvexDoc::OnOpenDocument(const std::string& path) {
    m_bLoadFailed = false;
    if (!CDocument::OnOpenDocument(path))
        return false;
    // A file that did not hold a workspace leaves an empty, untitled one, so
    // that a later Save asks for a name instead of overwriting that file.
    if (!m_bLoadFailed)
        SetPathName(path);
    UpdateAllViews(m_pHost ? m_pHost->GetLookAngleView() : nullptr);
    return true;
}

bool CTilvexDoc::OnSaveDocument(const std::string& path) {
    if (!CDocument::OnSaveDocument(path))
        return false;
    SetTitle(path);
    if (m_pHost)
        m_pHost->RedrawLookAngleView();
    return true;
}

void CTilvexDoc::DeleteContents() {
    m_satNames.Clear();
    m_locNames.Clear();
    CDocument::DeleteContents();
}

void CTilvexDoc::SetTitle(const std::string& title) {
    std::string cut = title;
    if (cut != kUntitled) {
        const auto slash = cut.find_last_of("/\\");
        if (slash != std::string::npos)
            cut = cut.substr(slash + 1);
        const auto dot = cut.find_last_of('.');
        if (dot != std::string::npos)
            cut = cut.substr(0, dot);
    }
    CDocument::SetTitle(cut);
}

namespace {

// Where each entry of a name list in a file went in the list kept: stored as
// runs of entries that map to one index or to consecutive ones, which is what
// lists of distinct names and lists of repeats both are, so that the map
// takes next to no memory whatever the file holds.
class IndexMap {
public:
    void Add(std::uint32_t index) {
        if (!m_runs.empty()) {
            Run& run = m_runs.back();
            const std::uint32_t length = m_count - run.first;
            if (run.step < 0 && length == 1 && (index == run.index || index == run.index + 1)) {
                run.step = static_cast<int>(index - run.index);
                ++m_count;
                return;
            }
            if (run.step >= 0 && index == run.index + static_cast<std::uint32_t>(run.step) * length) {
                ++m_count;
                return;
            }
        }
        m_runs.push_back({m_count++, index, -1});
    }
    // The kept index of file entry `entry`, or `entry` itself past the end.
    int operator()(int entry) const {
        if (entry < 0 || static_cast<std::uint32_t>(entry) >= m_count)
            return entry;
        const auto e = static_cast<std::uint32_t>(entry);
        auto it = std::upper_bound(m_runs.begin(), m_runs.end(), e,
                                   [](std::uint32_t value, const Run& run) { return value < run.first; });
        --it;
        return static_cast<int>(it->index +
                                static_cast<std::uint32_t>(std::max(it->step, 0)) * (e - it->first));
    }

private:
    struct Run {
        std::uint32_t first;  // the run's first file entry
        std::uint32_t index;  // its kept index
        int step;             // 0 or 1; -1 while the run has one entry
    };
    std::vector<Run> m_runs;
    std::uint32_t m_count = 0;
};

// A name list as a workspace file holds it.  An empty name names nothing
// and a name met before adds nothing (the program never writes either), so
// neither is kept: a file of millions of them then takes no more memory than
// the names it really has.  An entry not kept maps to the next one kept (an
// empty name) or to its first occurrence (a repeat).
void ReadNameList(CArchive& ar, std::vector<std::string>& list, IndexMap& newIndex) {
    list.clear();
    std::unordered_map<std::string, std::uint32_t> seen;
    const DWORD count = ar.ReadCount();
    std::string name;
    for (DWORD i = 0; i < count; ++i) {
        ar >> name;
        const auto size = static_cast<std::uint32_t>(list.size());
        if (name.empty()) {
            newIndex.Add(size);
            continue;
        }
        const auto [it, added] = seen.emplace(name, size);
        if (added)
            list.push_back(name);
        newIndex.Add(it->second);
    }
    list.shrink_to_fit();
}

}  // namespace

void CTilvexDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        SerializeStringList(ar, m_satNames.names);
        SerializeStringList(ar, m_locNames.names);
        m_settings.Serialize(ar);
        return;
    }
    try {
        IndexMap satIndex, locIndex;
        m_satNames.Changed();
        m_locNames.Changed();
        ReadNameList(ar, m_satNames.names, satIndex);
        ReadNameList(ar, m_locNames.names, locIndex);
        m_settings.Serialize(ar);
        if (!ar.IsAtEnd())
            ar.Throw(CArchiveException::genericException);  // more than a workspace
        // The current entries are numbered as the file lists them.
        m_settings.SetCurSatellite(satIndex(m_settings.GetCurSatellite()));
        m_settings.SetCurLocation(locIndex(m_settings.GetCurLocation()));
    } catch (const CArchiveException&) {
        AppMessageBox(CoreTr(kUnexpectedFormat), MB_OK, MB_ICONEXCLAMATION);
        OnNewDocument();
        SetTitle(kUntitled);
        m_bLoadFailed = true;
    }
    ValidateSatellites(false);
    ValidateLocations(false);
}

void CTilvexDoc::BroadcastFromTabView() {
    UpdateAllViews(m_pHost ? m_pHost->GetTabView() : nullptr);
}

bool CTilvexDoc::IsShown(const CSatellite& satellite) const {
    if (m_pHost)
        return m_pHost->IsSatelliteShown(satellite);
    return (satellite.GetFlags() & m_settings.GetOptions() & SAT_BAND_MASK) != 0;
}

void CTilvexDoc::AddSatellite(const CSatellite* satellite, bool broadcast) {
    if (!satellite || !m_satNames.Add(satellite->GetName()))
        return;
    SetModifiedFlag();
    if (broadcast)
        BroadcastFromTabView();
}

void CTilvexDoc::AddLocation(const CLocation* location, bool broadcast) {
    if (!location || !m_locNames.Add(location->GetName()))
        return;
    SetModifiedFlag();
    if (broadcast)
        BroadcastFromTabView();
}

namespace {
// Removes entry `index` (none for -1), keeping `current` on the entry it
// named where possible.  Returns false when there is no such entry.
bool RemoveName(std::vector<std::string>& names, int index, CSettings& settings,
                int (CSettings::*get)() const, void (CSettings::*set)(int)) {
    if (index < 0)
        return false;
    names.erase(names.begin() + index);
    const int current = (settings.*get)();
    if (current >= index)
        (settings.*set)(std::max(current - 1, 0));
    return true;
}

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
    if (!RenameEntries(m_satNames.names, names))
        return;
    m_satNames.Changed();
    SetModifiedFlag();
}

void CTilvexDoc::RenameLocationEntries(const std::vector<std::string>& names) {
    if (!RenameEntries(m_locNames.names, names))
        return;
    m_locNames.Changed();
    SetModifiedFlag();
}

void CTilvexDoc::RemoveSatellite(const CSatellite* satellite) {
    if (!satellite || !RemoveName(m_satNames.names, m_satNames.IndexOf(satellite->GetName()), m_settings,
                                  &CSettings::GetCurSatellite, &CSettings::SetCurSatellite))
        return;
    m_satNames.Changed();
    SetModifiedFlag();
    BroadcastFromTabView();
}

void CTilvexDoc::RemoveLocation(const CLocation* location) {
    if (!location || !RemoveName(m_locNames.names, m_locNames.IndexOf(location->GetName()), m_settings,
                                 &CSettings::GetCurLocation, &CSettings::SetCurLocation))
        return;
    m_locNames.Changed();
    SetModifiedFlag();
    BroadcastFromTabView();
}

void CTilvexDoc::SetCurrentSatellite(const CSatellite* satellite, bool broadcast) {
    if (satellite) {
        const int index = m_satNames.IndexOf(satellite->GetName());
        if (index >= 0)
            m_settings.SetCurSatellite(index);
    }
    if (broadcast)
        BroadcastFromTabView();
}

void CTilvexDoc::SetCurrentLocation(CLocation* location, bool broadcast) {
    if (location) {
        const int index = m_locNames.IndexOf(location->GetName());
        if (index >= 0)
            m_settings.SetCurLocation(index);
    }
    if (broadcast)
        BroadcastFromTabView();
    else if (m_pHost)
        m_pHost->ShowCurrentLocation(location);
}

CLocation* CTilvexDoc::GetCurrentLocation() const {
    const int index = m_settings.GetCurLocation();
    CLocationDatabase* database = Locations();
    if (!database || index < 0 || index >= static_cast<int>(m_locNames.names.size()))
        return nullptr;
    return database->FindLocation(m_locNames.names[static_cast<std::size_t>(index)]);
}

CSatellite* CTilvexDoc::GetCurrentSatellite() const {
    const int index = m_settings.GetCurSatellite();
    CSatelliteDatabase* database = Satellites();
    if (!database || index < 0 || index >= static_cast<int>(m_satNames.names.size()))
        return nullptr;
    return database->FindSatellite(m_satNames.names[static_cast<std::size_t>(index)]);
}

void CTilvexDoc::SetGridOptions(int options) {
    m_settings.SetOptions(options);
    SetModifiedFlag();
    UpdateAllViews(nullptr);
}

int CTilvexDoc::ValidateSatellites(bool broadcast) {
    CSatelliteDatabase* database = Satellites();
    if (!database || database->IsEmpty())
        return 0;
    bool found = false;
    if (!m_satNames.names.empty()) {
        found = ResolveNames(m_satNames.names, *database);
        m_satNames.Changed();
        if (m_satNames.names.empty()) {
            if (m_pHost)
                m_pHost->ClearSatelliteGrid();
            BroadcastFromTabView();
            return 0;
        }
        const int n = static_cast<int>(m_satNames.names.size());
        int current = m_settings.GetCurSatellite();
        if (current >= n)
            current = std::max(n - 1, 0);
        // A negative index (only a damaged file holds one) names no entry:
        // take the first one.
        if (current < 0)
            current = 0;
        m_settings.SetCurSatellite(current);
        if (const CSatellite* satellite =
                database->FindSatellite(m_satNames.names[static_cast<std::size_t>(current)])) {
            if (!IsShown(*satellite)) {
                // The first entry the band filter lets through, else the last.
                current = n - 1;
                for (int i = 0; i < n - 1; ++i) {
                    const CSatellite* candidate =
                        database->FindSatellite(m_satNames.names[static_cast<std::size_t>(i)]);
                    if (candidate && IsShown(*candidate)) {
                        current = i;
                        break;
                    }
                }
            }
            m_settings.SetCurSatellite(std::clamp(current, 0, n - 1));
        }
    }
    if (broadcast)
        BroadcastFromTabView();
    return found ? 1 : 0;
}

int CTilvexDoc::ValidateLocations(bool broadcast) {
    CLocationDatabase* database = Locations();
    if (!database)
        return 0;
    if (database->IsEmpty()) {
        // Nothing to check the names against: they stay, but the views hear of it.
        if (broadcast)
            BroadcastFromTabView();
        return 0;
    }
    bool found = false;
    if (!m_locNames.names.empty()) {
        found = ResolveNames(m_locNames.names, *database);
        m_locNames.Changed();
        const int n = static_cast<int>(m_locNames.names.size());
        if (n == 0) {
            m_settings.SetCurLocation(0);
        } else if (m_settings.GetCurLocation() >= n) {
            m_settings.SetCurLocation(n - 1);
        } else if (m_settings.GetCurLocation() < 0) {
            m_settings.SetCurLocation(0);
        }
    }
    if (broadcast)
        BroadcastFromTabView();
    return found ? 1 : 0;
}
