// One run of a database editor: the editor dialog works on the database's
// records; when it reports a change the file is written, the tree rebuilt
// and the workspace reconciled with the changed database.
#pragma once

#include <string>

#include "core/framework/RuntimeClass.h"

class CSatellite;
class CLocation;
class CSatelliteDatabase;
class CLocationDatabase;
class CTilvexDoc;

// What an editing run needs from the windows.
class IDatabaseEditorHost {
public:
    virtual ~IDatabaseEditorHost() = default;
    // The databases, owned by the two trees.
    virtual CSatelliteDatabase* GetSatelliteDatabase() = 0;
    virtual CLocationDatabase* GetLocationDatabase() = 0;
    virtual CTilvexDoc* GetDocument() = 0;
    // Run the editor dialog modally on the records, with `initial` selected
    // (or nothing); nonzero when records were saved or deleted.
    virtual int RunSatelliteEditor(CSatelliteDatabase& database, CSatellite* initial) = 0;
    virtual int RunLocationEditor(CLocationDatabase& database, CLocation* initial) = 0;
    // Rebuild a tree from its database.
    virtual void FillSatelliteTree() = 0;
    virtual void FillLocationTree() = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};

class CDatabaseEditor : public CObject {
public:
    explicit CDatabaseEditor(IDatabaseEditorHost& host) : m_host(host) {}

    // Reads again each database file that another program changed while
    // this one holds no unsaved change to it, and brings the trees and the
    // workspace up to date; true when any was read.  Pointers to records of
    // a database read again are then stale.
    bool ReloadChangedDatabases();

    // For each database whose last save failed: "The location database could
    // not be saved: <reason> ... Save again, or discard?"; "Save Again" tries
    // once more (and asks again on failure), "Discard" leaves it.  False when
    // the user cancelled.
    bool SaveUnsavedDatabases();
    // "location database not saved: Permission denied", for the window's
    // title and status bar; empty when every database is saved.
    std::string UnsavedText();

    // Edits the satellite database starting at the record whose name equals
    // `record`'s exactly.  Returns that record if it is still in the database
    // afterwards, otherwise null.  Before the editor opens, a database file
    // changed by another program is read again; when the run saves onto a
    // file changed meanwhile, its changes are applied to that file's records.
    CSatellite* EditSatellites(const CSatellite* record);
    // Edits the location database starting at the location whose name equals
    // `location`'s exactly.
    void EditLocations(const CLocation* location);

private:
    IDatabaseEditorHost& m_host;
};
