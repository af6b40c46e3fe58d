// One run of a database editor: the editor dialog works on the database's
// records; when it reports a change the file is written, the tree rebuilt
// and the workspace reconciled with the changed database.
#pragma once

#include "framework/RuntimeClass.h"

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

    // Edits the satellite database starting at the record whose name equals
    // `record`'s exactly.  Returns that record if it is still in the database
    // afterwards, otherwise null.
    CSatellite* EditSatellites(const CSatellite* record);
    // Edits the location database starting at the location whose name equals
    // `location`'s exactly.
    void EditLocations(const CLocation* location);

private:
    IDatabaseEditorHost& m_host;
};
