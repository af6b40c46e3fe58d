// The location database: every known location, kept in "locdemo.tdb".
#pragma once

#include "core/locations/Location.h"
#include "core/workspace/RecordDatabase.h"

inline constexpr const char* kLocationDatabaseFile = "locdemo.tdb";

class CLocationDatabase : public CRecordDatabase<CLocation> {
public:
    CLocationDatabase() : CRecordDatabase(kLocationDatabaseFile) {}
    CLocation* FindLocation(const std::string& name) const { return Find(name); }
};
