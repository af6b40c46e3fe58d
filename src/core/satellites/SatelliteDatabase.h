// The satellite database: every known satellite, kept in "satdemo.tdb".
#pragma once

#include "core/satellites/Satellite.h"
#include "core/workspace/RecordDatabase.h"

inline constexpr const char* kSatelliteDatabaseFile = "satdemo.tdb";

class CSatelliteDatabase : public CRecordDatabase<CSatellite> {
public:
    CSatelliteDatabase() : CRecordDatabase(kSatelliteDatabaseFile) {}
    CSatellite* FindSatellite(const std::string& name) const { return Find(name); }
};
