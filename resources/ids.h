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

// Commands.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_REMOVE = 57635;  // Remove from Workspace (the number of Cut)
inline constexpr int ID_EDIT_ADD = 57637;     // Add to Workspace (the number of Paste)
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_CONTEXT_HELP = 57669;
inline constexpr int ID_HELP = 57670;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_EDIT_SATELLITE_DATA = 32776;
inline constexpr int ID_EDIT_LOCATION_DATA = 32777;
inline constexpr int ID_EDIT_SATELLITES = 32774;
inline constexpr int ID_EDIT_LOCATIONS = 32775;
inline constexpr int ID_VIEW_SKY_VIEW = 32778;
inline constexpr int ID_FILE_EXPORT = 32779;         // Export Look Angles
inline constexpr int ID_FILE_IMPORT_ORBITS = 32790;  // Import Orbital Elements
inline constexpr int ID_EDIT_LOCATION_FROM_PLACE = 32780;

// Strings of the workspace commands.
inline constexpr unsigned IDS_REMOVE_SATELLITE = 61466;
inline constexpr unsigned IDS_ADD_LOCATIONS = 61467;
inline constexpr unsigned IDS_ADD_SATELLITES = 61468;
inline constexpr unsigned IDS_REMOVE_LOCATION = 61469;

// Controls that tests and other windows find by number.
inline constexpr int IDC_SATELLITE_TREE = 1000;
inline constexpr int IDC_DATABASE_TAB = 1001;
inline constexpr int IDC_LOCATION_TREE = 1002;
inline constexpr int IDC_ARC_GRID = 1004;
inline constexpr int IDC_CURRENT_LOCATION = 1010;
inline constexpr int IDC_LOCATION_LIST = 1011;
inline constexpr int IDC_GRID_OPTIONS = 1033;
inline constexpr int IDC_AZIMUTH_KIND = 1034;
inline constexpr int IDC_BAND_FILTER = 1040;
inline constexpr int IDC_DETAILED_REPORT = 1017;
inline constexpr int IDC_VISIT_WEB_SITE = 1074;

}  // namespace ids
