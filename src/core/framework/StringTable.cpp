#include "core/framework/StringTable.h"

#include <unordered_map>

#include "core/framework/Translate.h"
#include "resources/ids.h"

std::string LoadString(unsigned id) {
    static const std::unordered_map<unsigned, const char*> table = {
        {ids::IDR_MAINFRAME_TITLE, "Tilvex"},
        {ids::IDS_LOC_NORTH_AMERICA, "North America"},
        {ids::IDS_LOC_SOUTH_AMERICA, "South America"},
        {ids::IDS_LOC_EUROPE, "Europe"},
        {ids::IDS_LOC_MIDDLE_EAST, "Middle East"},
        {ids::IDS_LOC_AFRICA, "Africa"},
        {ids::IDS_LOC_ASIA, "Asia"},
        {ids::IDS_LOC_SOUTH_PACIFIC, "South Pacific"},
        {ids::IDS_SAT_AMERICAS, "North & South America"},
        {ids::IDS_SAT_EUROPE, "Europe, Africa & Middle East"},
        {ids::IDS_SAT_ASIA, "Asia & South Pacific"},
        {ids::IDS_SAT_INTELSAT, "IntelSat"},
        {ids::IDS_MAGDATA_FILE, "MagData.dat"},
        {ids::IDS_REMOVE_SATELLITE, "&Remove Satellite from Workspace\tCtrl+X or Del"},
        {ids::IDS_ADD_LOCATIONS, "&Add Location(s) to Workspace\tCtrl+V"},
        {ids::IDS_ADD_SATELLITES, "&Add Satellite(s) to Workspace\tCtrl+V"},
        {ids::IDS_REMOVE_LOCATION, "&Remove Location from Workspace\tCtrl+X or Del"},
    };
    auto it = table.find(id);
    if (it == table.end())
        return std::string();
    // A file name is the same in every language.
    return id == ids::IDS_MAGDATA_FILE ? std::string(it->second) : CoreTr(it->second);
}
