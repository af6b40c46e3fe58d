#include "core/workspace/DatabaseEditor.h"

#include <algorithm>
#include <type_traits>
#include <unordered_map>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Format.h"
#include "core/framework/Translate.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"

namespace {

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
    for (const auto& record : database.GetRecords())
        names.emplace(record->InstanceId(), record->GetName());
    std::vector<std::string> renamed(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (auto it = names.find(ids[i]); ids[i] && it != names.end())
            renamed[i] = it->second;
    return renamed;
}

// The first record whose name is exactly `name` (letter case included).
template <class Database>
auto* ExactMatch(const Database& database, const std::string& name) {
    using Record = typename std::remove_reference_t<decltype(*database.GetRecords().front())>;
    for (const auto& record : database.GetRecords())
        if (record->GetName() == name)
            return static_cast<Record*>(record.get());
    return static_cast<Record*>(nullptr);
}

// The record with instance number `id`, or null.
template <class Database>
auto* FindById(const Database& database, std::uint64_t id) {
    using Record = typename std::remove_reference_t<decltype(*database.GetRecords().front())>;
    for (const auto& record : database.GetRecords())
        if (record->InstanceId() == id)
            return static_cast<Record*>(record.get());
    return static_cast<Record*>(nullptr);
}

// Asked for a record changed both here and by another program.
bool KeepOurs(const std::string& name) {
    CButtonNames names(CoreTr("Keep Mine"), CoreTr("Keep the Other"));
    return AppMessageBox(
               Format(CoreTr("%s was changed here and by another program since the file was read.\n\n"
                             "Keep the version made here?")
                          .c_str(),
                      name.c_str()),
               MB_YESNO, MB_ICONQUESTION) == IDYES;
}

}  // namespace

bool CDatabaseEditor::ReloadChangedDatabases() {
    CTilvexDoc* doc = m_host.GetDocument();
    bool reloaded = false;
    if (CSatelliteDatabase* satellites = m_host.GetSatelliteDatabase();
        satellites && satellites->ReloadIfChanged()) {
        m_host.FillSatelliteTree();
        if (doc)
            doc->ValidateSatellites(false);
        reloaded = true;
    }
    if (CLocationDatabase* locations = m_host.GetLocationDatabase();
        locations && locations->ReloadIfChanged()) {
        m_host.FillLocationTree();
        if (doc)
            doc->ValidateLocations(false);
        reloaded = true;
    }
    if (reloaded && doc)
        doc->UpdateAllViews(nullptr);
    return reloaded;
}

namespace {

template <class Database>
bool SaveAgainOrDiscard(Database* database, const char* question) {
    while (database && database->IsUnsaved()) {
        CButtonNames names(CoreTr("Save Again"), CoreTr("Discard"));
        const int answer = AppMessageBox(Format(CoreTr(question).c_str(), database->UnsavedReason().c_str()),
                                         MB_YESNOCANCEL, MB_ICONEXCLAMATION);
        if (answer == IDCANCEL)
            return false;
        if (answer != IDYES)
            return true;
        database->SaveEditRun(KeepOurs);
    }
    return true;
}

}  // namespace

bool CDatabaseEditor::SaveUnsavedDatabases() {
    return SaveAgainOrDiscard(
               m_host.GetSatelliteDatabase(),
               TrNoop("The satellite database could not be saved: %s\n\nSave again, or discard?")) &&
           SaveAgainOrDiscard(
               m_host.GetLocationDatabase(),
               TrNoop("The location database could not be saved: %s\n\nSave again, or discard?"));
}

std::string CDatabaseEditor::UnsavedText() {
    std::string text;
    auto add = [&text](const auto* database, const char* what) {
        if (!database || !database->IsUnsaved())
            return;
        if (!text.empty())
            text += "; ";
        text += Format(CoreTr(what).c_str(), database->UnsavedReason().c_str());
    };
    add(m_host.GetSatelliteDatabase(), TrNoop("satellite database not saved: %s"));
    add(m_host.GetLocationDatabase(), TrNoop("location database not saved: %s"));
    return text;
}

CSatellite* CDatabaseEditor::EditSatellites(const CSatellite* record) {
    CSatelliteDatabase* db = m_host.GetSatelliteDatabase();
    if (!db)
        return nullptr;
    CSatelliteDatabase& database = *db;
    // The editor starts on what the file holds now.
    const std::string wanted = record ? record->GetName() : std::string();
    ReloadChangedDatabases();
    CSatellite* initial = record ? ExactMatch(database, wanted) : nullptr;
    const std::uint64_t initialId = initial ? initial->InstanceId() : 0;
    CTilvexDoc* doc = m_host.GetDocument();
    const auto entries =
        doc ? EntryRecords(doc->GetSatelliteNames(), database) : std::vector<std::uint64_t>{};
    database.BeginEditRun();
    if (!m_host.RunSatelliteEditor(database, initial)) {
        database.EndEditRun();
        return nullptr;
    }

    database.NoteChanged();
    m_host.BeginWaitCursor();
    // When the file cannot be written the changes stay in memory, marked
    // unsaved; the tree and the workspace still follow them, since the
    // tree's items may point at records the editor deleted.
    database.SaveEditRun(KeepOurs);
    m_host.FillSatelliteTree();
    if (doc) {
        // A renamed satellite stays in the workspace under its new name.
        doc->RenameSatelliteEntries(RenamedEntries(entries, database));
        doc->ValidateSatellites(true);
        // An emptied database is not checked against; the views must still
        // let go of the records that are gone.
        if (database.IsEmpty())
            doc->UpdateAllViews(nullptr);
    }
    m_host.EndWaitCursor();
    database.ReleaseErased();
    return initialId ? FindById(database, initialId) : nullptr;
}

void CDatabaseEditor::EditLocations(const CLocation* location) {
    CLocationDatabase* db = m_host.GetLocationDatabase();
    if (!db)
        return;
    CLocationDatabase& database = *db;
    const std::string wanted = location ? location->GetName() : std::string();
    ReloadChangedDatabases();
    CLocation* initial = location ? ExactMatch(database, wanted) : nullptr;
    CTilvexDoc* doc = m_host.GetDocument();
    const auto entries = doc ? EntryRecords(doc->GetLocationNames(), database) : std::vector<std::uint64_t>{};
    database.BeginEditRun();
    if (!m_host.RunLocationEditor(database, initial)) {
        database.EndEditRun();
        return;
    }

    database.NoteChanged();
    m_host.BeginWaitCursor();
    database.SaveEditRun(KeepOurs);
    m_host.FillLocationTree();
    if (doc) {
        doc->RenameLocationEntries(RenamedEntries(entries, database));
        doc->ValidateLocations(true);
    }
    m_host.EndWaitCursor();
    database.ReleaseErased();
}
