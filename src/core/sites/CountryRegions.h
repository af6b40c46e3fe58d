// The location region (LOC_REGION_*) in which a country lies.
#pragma once

#include <string_view>

// The region of the country with the ISO 3166-1 alpha-2 code `country`
// ("NO" -> LOC_REGION_EUROPE), letter case aside; 0 for a code that names no
// country.  Every country and territory has one: the Middle East holds the
// countries of western Asia from Turkey and the Caucasus to Iran, the Gulf
// and Yemen (Egypt is in Africa, Cyprus in Europe); North America reaches
// from Greenland and Canada through Central America and the Caribbean; the
// South Pacific holds Australia, New Zealand, the islands of the Pacific and
// Antarctica; islands in the Indian Ocean go with the nearest continent.
int CountryRegion(std::string_view country);
