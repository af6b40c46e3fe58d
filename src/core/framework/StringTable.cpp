#include "core/framework/StringTable.h"

#include <unordered_map>

#include "core/framework/Translate.h"
#include "resources/ids.h"

std::string LoadString(unsigned id) {
    static const std::unordered_map<unsigned, const char*> table = {
        {ids::IDR_MAINFRAME_TITLE, "Tilvex"},
        {ids::IDS_LOC_NORTH_AMERICA, TrNoop("North America")},
        {ids::IDS_LOC_SOUTH_AMERICA, TrNoop("South America")},
        {ids::IDS_LOC_EUROPE, TrNoop("Europe")},
        {ids::IDS_LOC_MIDDLE_EAST, TrNoop("Middle East")},
        {ids::IDS_LOC_AFRICA, TrNoop("Africa")},
        {ids::IDS_LOC_ASIA, TrNoop("Asia")},
        {ids::IDS_LOC_SOUTH_PACIFIC, TrNoop("South Pacific")},
        {ids::IDS_SAT_AMERICAS, TrNoop("North & South America")},
        {ids::IDS_SAT_EUROPE, TrNoop("Europe, Africa & Middle East")},
        {ids::IDS_SAT_ASIA, TrNoop("Asia & South Pacific")},
        {ids::IDS_SAT_INTELSAT, "IntelSat"},
        {ids::IDS_MAGDATA_FILE, "MagData.dat"},
        {ids::IDS_REMOVE_SATELLITE, TrNoop("&Remove Satellite from Workspace\tCtrl+X or Del")},
        {ids::IDS_ADD_LOCATIONS, TrNoop("&Add Location(s) to Workspace\tCtrl+V")},
        {ids::IDS_ADD_SATELLITES, TrNoop("&Add Satellite(s) to Workspace\tCtrl+V")},
        {ids::IDS_REMOVE_LOCATION, TrNoop("&Remove Location from Workspace\tCtrl+X or Del")},
    };
    auto it = table.find(id);
    if (it == table.end())
        return std::string();
    // A file name is the same in every language.
    return id == ids::IDS_MAGDATA_FILE ? std::string(it->second) : CoreTr(it->second);
}
