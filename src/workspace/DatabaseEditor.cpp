#include "workspace/DatabaseEditor.h"

#include <algorithm>

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
    if (!m_host.RunSatelliteEditor(database, initial)) return nullptr;

    database.NoteChanged();
    m_host.BeginWaitCursor();
    // When the file cannot be written the changes stay in memory; the tree
    // and the workspace still follow them, since the tree's items may point
    // at records the editor deleted.
    database.SaveDatabase();
    m_host.FillSatelliteTree();
    if (CTilvexDoc* doc = m_host.GetDocument()) {
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
    if (!m_host.RunLocationEditor(database, initial)) return;

    database.NoteChanged();
    m_host.BeginWaitCursor();
    database.SaveDatabase();
    m_host.FillLocationTree();
    if (CTilvexDoc* doc = m_host.GetDocument()) doc->ValidateLocations(true);
    m_host.EndWaitCursor();
}
