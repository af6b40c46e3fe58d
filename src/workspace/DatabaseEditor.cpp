#include "workspace/DatabaseEditor.h"

#include <algorithm>
#include <unordered_map>

#include "locations/LocationDatabase.h"
#include "satellites/SatelliteDatabase.h"
#include "workspace/TilvexDoc.h"

namespace {

// The first record whose name is exactly `name`'s (letter case included).
template <class Database, class Record>
Record* ExactMatch(Database& database, const Record* wanted) {
    if (!wanted) return nullptr;
    const std::string name = wanted->GetName();
    for (const auto& record : database.GetRecords())
        if (record->GetName() == name) return record.get();
    return nullptr;
}

// The record each workspace entry names before an edit, by instance number
// (0 for an entry that names none).
template <class Database>
std::vector<std::uint64_t> EntryRecords(const std::vector<std::string>& entries, const Database& database) {
    std::vector<std::uint64_t> ids;
    for (const auto& name : entries) {
        const auto* record = database.Find(name);
        ids.push_back(record ? record->InstanceId() : 0);
    }
    return ids;
}

// After an edit: the current name of each entry's record where it was
// renamed, empty elsewhere.  An entry whose record was deleted is left to
// the workspace's own check, which drops it.
template <class Database>
std::vector<std::string> RenamedEntries(const std::vector<std::uint64_t>& ids, const Database& database) {
    std::unordered_map<std::uint64_t, std::string> names;
    for (const auto& record : database.GetRecords()) names.emplace(record->InstanceId(), record->GetName());
    std::vector<std::string> renamed(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (auto it = names.find(ids[i]); ids[i] && it != names.end()) renamed[i] = it->second;
    return renamed;
}

// Whether the record with `id` is still in the database.
bool StillThere(const CSatelliteDatabase& database, std::uint64_t id) {
    const auto& records = database.GetRecords();
    return std::any_of(records.begin(), records.end(), [&](const auto& r) { return r->InstanceId() == id; });
}

}  // namespace

CSatellite* CDatabaseEditor::EditSatellites(const CSatellite* record) {
    CSatelliteDatabase* db = m_host.GetSatelliteDatabase();
    if (!db) return nullptr;
    CSatelliteDatabase& database = *db;
    CSatellite* initial = ExactMatch(database, record);
    const std::uint64_t initialId = initial ? initial->InstanceId() : 0;
    CTilvexDoc* doc = m_host.GetDocument();
    const auto entries = doc ? EntryRecords(doc->GetSatelliteNames(), database) : std::vector<std::uint64_t>{};
    if (!m_host.RunSatelliteEditor(database, initial)) return nullptr;

    database.NoteChanged();
    m_host.BeginWaitCursor();
    // When the file cannot be written the changes stay in memory; the tree
    // and the workspace still follow them, since the tree's items may point
    // at records the editor deleted.
    database.SaveDatabase();
    m_host.FillSatelliteTree();
    if (doc) {
        // A renamed satellite stays in the workspace under its new name.
        doc->RenameSatelliteEntries(RenamedEntries(entries, database));
        doc->ValidateSatellites(true);
        // An emptied database is not checked against; the views must still
        // let go of the records that are gone.
        if (database.IsEmpty()) doc->UpdateAllViews(nullptr);
    }
    m_host.EndWaitCursor();
    return initial && StillThere(database, initialId) ? initial : nullptr;
}

void CDatabaseEditor::EditLocations(const CLocation* location) {
    CLocationDatabase* db = m_host.GetLocationDatabase();
    if (!db) return;
    CLocationDatabase& database = *db;
    CLocation* initial = ExactMatch(database, location);
    CTilvexDoc* doc = m_host.GetDocument();
    const auto entries = doc ? EntryRecords(doc->GetLocationNames(), database) : std::vector<std::uint64_t>{};
    if (!m_host.RunLocationEditor(database, initial)) return;

    database.NoteChanged();
    m_host.BeginWaitCursor();
    database.SaveDatabase();
    m_host.FillLocationTree();
    if (doc) {
        doc->RenameLocationEntries(RenamedEntries(entries, database));
        doc->ValidateLocations(true);
    }
    m_host.EndWaitCursor();
}
