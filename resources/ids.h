// Numbered strings of the string table (see framework/StringTable.h).
#pragma once

namespace ids {

// Application title, used as the caption of every message box.
inline constexpr unsigned IDR_MAINFRAME_TITLE = 57344;

// Location regions.
inline constexpr unsigned IDS_LOC_NORTH_AMERICA = 61451;
inline constexpr unsigned IDS_LOC_SOUTH_AMERICA = 61452;
inline constexpr unsigned IDS_LOC_EUROPE = 61453;
inline constexpr unsigned IDS_LOC_MIDDLE_EAST = 61454;
inline constexpr unsigned IDS_LOC_AFRICA = 61455;
inline constexpr unsigned IDS_LOC_ASIA = 61456;
inline constexpr unsigned IDS_LOC_SOUTH_PACIFIC = 61463;

// Satellite coverage regions.
inline constexpr unsigned IDS_SAT_AMERICAS = 61459;
inline constexpr unsigned IDS_SAT_EUROPE = 61460;
inline constexpr unsigned IDS_SAT_ASIA = 61461;
inline constexpr unsigned IDS_SAT_INTELSAT = 61462;

// Name of the geomagnetic coefficient file.
inline constexpr unsigned IDS_MAGDATA_FILE = 61471;

}  // namespace ids
