#include "core/sites/CountryRegions.h"

#include <array>

#include "core/locations/Location.h"

namespace {

struct RegionCountries {
    int region;
    const char* countries;  // ISO 3166-1 alpha-2 codes, each followed by a space or the end
};

constexpr RegionCountries kRegionCountries[] = {
    {LOC_REGION_NORTH_AMERICA,
     "AG AI AW BB BL BM BQ BS BZ CA CR CU CW DM DO GD GL GP GT HN HT JM KN KY LC MF MQ MS MX NI PA PM PR SV "
     "SX TC TT US VC VG VI"},
    {LOC_REGION_SOUTH_AMERICA, "AR BO BR CL CO EC FK GF GS GY PE PY SR UY VE"},
    {LOC_REGION_EUROPE,
     "AD AL AT AX BA BE BG BY CH CY CZ DE DK EE ES FI FO FR GB GG GI GR HR HU IE IM IS IT JE LI LT LU LV MC "
     "MD ME MK MT NL NO PL PT RO RS RU SE SI SJ SK SM UA VA XK"},
    {LOC_REGION_MIDDLE_EAST, "AE AM AZ BH GE IL IQ IR JO KW LB OM PS QA SA SY TR YE"},
    {LOC_REGION_AFRICA,
     "AO BF BI BJ BV BW CD CF CG CI CM CV DJ DZ EG EH ER ET GA GH GM GN GQ GW KE KM LR LS LY MA MG ML MR MU "
     "MW MZ NA NE NG RE RW SC SD SH SL SN SO SS ST SZ TD TF TG TN TZ UG YT ZA ZM ZW"},
    {LOC_REGION_ASIA,
     "AF BD BN BT CN HK ID IN IO JP KG KH KP KR KZ LA LK MM MN MO MV MY NP PH PK SG TH TJ TL TM TW UZ VN"},
    {LOC_REGION_SOUTH_PACIFIC,
     "AQ AS AU CC CK CX FJ FM GU HM KI MH MP NC NF NR NU NZ PF PG PN PW SB TK TO TV UM VU WF WS"},
};

// The regions by code, for the 26 * 26 possible codes.
std::array<int, 26 * 26> MakeTable() {
    std::array<int, 26 * 26> table{};
    for (const RegionCountries& group : kRegionCountries)
        for (const char* p = group.countries; p[0] && p[1]; p += p[2] ? 3 : 2)
            table[(p[0] - 'A') * 26 + (p[1] - 'A')] = group.region;
    return table;
}

int Letter(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    return -1;
}

}  // namespace

int CountryRegion(std::string_view country) {
    static const std::array<int, 26 * 26> table = MakeTable();
    if (country.size() != 2)
        return 0;
    const int first = Letter(country[0]), second = Letter(country[1]);
    if (first < 0 || second < 0)
        return 0;
    return table[first * 26 + second];
}
