#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/locations/Location.h"
#include "core/sites/CountryRegions.h"
#include "core/sites/Gazetteer.h"
#include "core/sites/Maidenhead.h"
#include "core/sites/TextFold.h"
#include "core/sites/WorldMap.h"

namespace {

const CGazetteer& Shipped() {
    static const CGazetteer gazetteer = [] {
        CGazetteer g;
        std::string error;
        EXPECT_TRUE(g.Load(std::string(TILVEX_SOURCE_DIR) + "/data/places.tsv", &error)) << error;
        return g;
    }();
    return gazetteer;
}

std::string Name(const PlaceHit& hit) {
    return std::string(hit.place->name) + ", " + hit.place->country;
}

}  // namespace

TEST(TextFoldTest, LettersLoseCaseAndMarksPunctuationIsEvened) {
    const std::pair<const char*, const char*> cases[] = {
        {"Tromsø", "tromso"},
        {"ZÜRICH", "zurich"},
        {"Zu\u0308rich", "zurich"},
        {"Straße", "strasse"},
        {"Łódź", "lodz"},
        {"Þingvellir", "thingvellir"},
        {"Đà Nẵng", "da nang"},
        {"Şanlıurfa", "sanliurfa"},
        {"Æøå", "aeoa"},
        {"L’Aquila", "laquila"},
        {"Nukuʻalofa", "nukualofa"},
        {" Saint-Étienne\t ", "saint etienne"},
        {"Москва", "Москва"},
        {"a\xFF\xC3z", "az"},
        {"’ - ’", ""},
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(FoldForSearch(text), folded) << text;
}

// Places on every continent, each found first by its plain or its accented
// name, at the right spot.
TEST(GazetteerTest, PlacesAreFoundFirstByPlainOrAccentedNames) {
    struct Row {
        const char* query;
        const char* name;
        const char* country;
        double latitude, longitude;
    };
    const Row rows[] = {
        {"tromso", "Tromsø", "NO", 69.65, 18.96},
        {"TROMSØ", "Tromsø", "NO", 69.65, 18.96},
        {"zurich", "Zürich", "CH", 47.37, 8.55},
        {"lodz", "Łódź", "PL", 51.77, 19.47},
        {"Reykjavík", "Reykjavík", "IS", 64.14, -21.90},
        {"saint etienne", "Saint-Étienne", "FR", 45.43, 4.39},
        {"montreal", "Montréal", "CA", 45.51, -73.59},
        {"merida", "Mérida", "MX", 20.98, -89.62},
        {"Québec", "Québec", "CA", 46.81, -71.21},
        {"sao paulo", "São Paulo", "BR", -23.55, -46.64},
        {"Bogotá", "Bogotá", "CO", 4.61, -74.08},
        {"asuncion", "Asunción", "PY", -25.29, -57.65},
        {"yaounde", "Yaoundé", "CM", 3.87, 11.52},
        {"Lomé", "Lomé", "TG", 6.13, 1.22},
        {"fes", "Fès", "MA", 34.03, -5.00},
        {"izmir", "İzmir", "TR", 38.41, 27.14},
        {"sanliurfa", "Şanlıurfa", "TR", 37.17, 38.79},
        {"urumqi", "Ürümqi", "CN", 43.80, 87.60},
        {"hue", "Huế", "VN", 16.46, 107.60},
        {"noumea", "Nouméa", "NC", -22.27, 166.45},
        {"papeete", "Papeete", "PF", -17.54, -149.57},
        {"cordoba", "Córdoba", "AR", -31.41, -64.18},
        {"mcmurdo station", "McMurdo Station", "AQ", -77.85, 166.68},
    };
    for (const Row& row : rows) {
        const auto hits = Shipped().Find(row.query, 3);
        ASSERT_FALSE(hits.empty()) << row.query;
        const Place& place = *hits.front().place;
        EXPECT_EQ(place.name, row.name) << row.query;
        EXPECT_STREQ(place.country, row.country) << row.query;
        EXPECT_EQ(hits.front().match, PlaceMatch::WholeName) << row.query;
        EXPECT_NEAR(place.latitude, row.latitude, 0.1) << row.query;
        EXPECT_NEAR(place.longitude, row.longitude, 0.1) << row.query;
    }
}

TEST(GazetteerTest, WholeNamesThenPrefixesThenOthersEachByPopulation) {
    const auto hits = Shipped().Find("Paris", 0);
    ASSERT_GT(hits.size(), 10u);
    EXPECT_EQ(Name(hits[0]), "Paris, FR");
    EXPECT_EQ(hits[0].place->region, "Île-de-France");
    EXPECT_EQ(Name(hits[1]), "Paris, US");
    EXPECT_EQ(hits[1].place->region, "Texas");
    std::set<PlaceMatch> kinds;
    for (std::size_t i = 1; i < hits.size(); ++i) {
        kinds.insert(hits[i].match);
        ASSERT_LE(hits[i - 1].match, hits[i].match) << i;
        if (hits[i - 1].match == hits[i].match) {
            ASSERT_GE(hits[i - 1].place->population, hits[i].place->population) << Name(hits[i]);
        }
    }
    EXPECT_EQ(kinds.size(), 3u);  // "Parisot" begins with it, "Villeparisis" holds it
    // The limit keeps the best.
    const auto two = Shipped().Find("paris", 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].place, hits[1].place);
    // A query that folds to nothing, or matches nothing, finds nothing.
    EXPECT_TRUE(Shipped().Find(" ’ ", 5).empty());
    EXPECT_TRUE(Shipped().Find("qxzqxz", 5).empty());
}

TEST(GazetteerTest, CountryFilterKeepsOnlyThatCountry) {
    const auto hits = Shipped().Find("paris", 0, "us");
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits[0].place->region, "Texas");
    for (const PlaceHit& hit : hits)
        EXPECT_STREQ(hit.place->country, "US");
    EXPECT_EQ(Name(Shipped().Find("london", 1, "CA").at(0)), "London, CA");
    EXPECT_TRUE(Shipped().Find("paris", 5, "XX").empty());
    EXPECT_TRUE(Shipped().Find("paris", 5, "USA").empty());
}

// Every place is found by its own name as by its ASCII name, and every
// country has a location region.
TEST(GazetteerTest, ShippedFileIsWholeAndConsistent) {
    const CGazetteer& g = Shipped();
    ASSERT_GT(g.GetSize(), 130000u);
    std::set<std::string> countries;
    for (std::size_t i = 0; i < g.GetSize(); ++i) {
        const Place& p = g.GetPlace(i);
        ASSERT_EQ(FoldForSearch(p.name), FoldForSearch(p.asciiName)) << p.name;
        countries.insert(p.country);
    }
    for (const std::string& country : countries)
        EXPECT_NE(CountryRegion(country), 0) << country;
    EXPECT_EQ(CountryRegion("NO"), LOC_REGION_EUROPE);
    EXPECT_EQ(CountryRegion("us"), LOC_REGION_NORTH_AMERICA);
    EXPECT_EQ(CountryRegion("BR"), LOC_REGION_SOUTH_AMERICA);
    EXPECT_EQ(CountryRegion("SA"), LOC_REGION_MIDDLE_EAST);
    EXPECT_EQ(CountryRegion("EG"), LOC_REGION_AFRICA);
    EXPECT_EQ(CountryRegion("JP"), LOC_REGION_ASIA);
    EXPECT_EQ(CountryRegion("NZ"), LOC_REGION_SOUTH_PACIFIC);
    EXPECT_EQ(CountryRegion("ZZ"), 0);
    EXPECT_EQ(CountryRegion("N"), 0);
}

TEST(GazetteerTest, DamagedFilesAreRefusedAndOtherOrdersSorted) {
    const std::string head = "tilvex-places 1\n# note\nregions 1\nUS\tTexas\nplaces 2\n";
    CGazetteer g;
    std::string error;
    ASSERT_TRUE(
        g.LoadText(head + "Zeta\t\tUS\t1\t1.5\t-2.25\t10\nÁlpha\tAlpha\tUS\t0\t-3\t4\t20\n", "t", &error))
        << error;
    ASSERT_EQ(g.Find("alpha", 1).size(), 1u);
    EXPECT_EQ(g.GetPlace(0).name, "Álpha");
    EXPECT_EQ(g.Find("zeta", 1).at(0).place->region, "Texas");
    const std::pair<std::string, std::string> bad[] = {
        {"tilvex-places 2\n", "t line 1: not a gazetteer file (tilvex-places 1)"},
        {head + "A\t\tUS\t1\t91\t0\t1\nB\t\tUS\t1\t0\t0\t1\n", "t line 6: bad latitude"},
        {head + "A\t\tUS\t2\t0\t0\t1\nB\t\tUS\t1\t0\t0\t1\n", "t line 6: bad region number"},
        {head + "A\t\tNO\t1\t0\t0\t1\nB\t\tUS\t1\t0\t0\t1\n", "t line 6: the region lies in another country"},
        {head + "A\t\tUS\t1\tnan\t0\t1\nB\t\tUS\t1\t0\t0\t1\n", "t line 6: bad latitude"},
        {head + "A\t\tUS\t1\t0\t0\n", "t line 6: expected 7 fields separated by tabs"},
        {head + "A\t\tUS\t1\t0\t0\t1\n", "t line 6: the file ends within the places"},
        {head + "A\t\tUS\t1\t0\t0\t1\nB\t\tUS\t1\t0\t0\t1\nC\n",
         "t line 8: more lines than the places counted"},
    };
    for (const auto& [text, message] : bad) {
        EXPECT_FALSE(g.LoadText(text, "t", &error)) << message;
        EXPECT_EQ(error, message);
        EXPECT_EQ(g.GetSize(), 0u);
    }
    EXPECT_FALSE(g.Load("no-such-places.tsv", &error));
}

TEST(MaidenheadTest, KnownLocatorsBothWays) {
    struct Row {
        const char* locator;
        double latitude, longitude;  // a point in the subsquare
    };
    const Row rows[] = {
        {"JP99lp", 69.6489, 18.9551},                             // Tromsø
        {"FN31pr", 41.7147, -72.7272},                            // Newington, Connecticut
        {"IO91wm", 51.5074, -0.1278},                             // London
        {"QF56od", -33.8688, 151.2093},                           // Sydney
        {"AA00aa", -90.0, -180.0},      {"AR09ax", 90.0, 180.0},  // the North Pole's row; 180E is 180W
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MaidenheadLocator(row.latitude, row.longitude), row.locator);
        EXPECT_EQ(MaidenheadLocator(row.latitude, row.longitude, 4), std::string(row.locator, 4));
        const auto centre = ParseMaidenhead(row.locator);
        ASSERT_TRUE(centre) << row.locator;
        EXPECT_EQ(MaidenheadLocator(centre->latitude, centre->longitude), row.locator);
        EXPECT_NEAR(centre->latitude, row.latitude, 1.25 / 60 + 1e-9) << row.locator;
        EXPECT_NEAR(std::remainder(centre->longitude - row.longitude, 360.0), 0.0, 2.5 / 60 + 1e-9)
            << row.locator;
    }
    // The centre of the subsquare and, for four characters, of the square;
    // letter case aside.
    const auto tromso = ParseMaidenhead(" JP99LP ");
    ASSERT_TRUE(tromso);
    EXPECT_NEAR(tromso->latitude, 69 + 38.75 / 60, 1e-9);
    EXPECT_NEAR(tromso->longitude, 18 + 57.5 / 60, 1e-9);
    const auto square = ParseMaidenhead("jp99");
    ASSERT_TRUE(square);
    EXPECT_DOUBLE_EQ(square->latitude, 69.5);
    EXPECT_DOUBLE_EQ(square->longitude, 19.0);
    for (const char* bad : {"", "JP9", "JP99l", "SP99lp", "JS99lp", "JP9Alp", "JP99yp", "JP99lp00", "JP 99"})
        EXPECT_FALSE(ParseMaidenhead(bad)) << bad;
}

TEST(WorldMapTest, ShippedMapHasCoastsAndBordersInsideTheWorld) {
    CWorldMap map;
    std::string error;
    ASSERT_TRUE(map.Load(std::string(TILVEX_SOURCE_DIR) + "/data/world-map.txt", &error)) << error;
    std::size_t coasts = 0, borders = 0;
    double nearestCape = 1e9;  // the Cape of Good Hope, 34.36S 18.47E
    for (const MapLine& line : map.GetLines()) {
        (line.kind == MapLineKind::Coastline ? coasts : borders)++;
        ASSERT_GE(line.points.size(), 2u);
        for (const MapPoint& p : line.points) {
            ASSERT_LE(std::abs(p.longitude), 180.0f);
            ASSERT_LE(std::abs(p.latitude), 90.0f);
            if (line.kind == MapLineKind::Coastline)
                nearestCape = std::min(nearestCape, std::hypot(p.latitude + 34.357, p.longitude - 18.474));
        }
    }
    EXPECT_GT(coasts, 1000u);
    EXPECT_GT(borders, 300u);
    EXPECT_LT(nearestCape, 0.05);

    const std::string head = "tilvex-world-map 1\ngrid 0.5 0.25 -180 -90\nlines 1\n";
    ASSERT_TRUE(map.LoadText(head + "B 3 360 360 2 -4 -1 1\n", "m", &error)) << error;
    ASSERT_EQ(map.GetLines().size(), 1u);
    const MapLine& line = map.GetLines()[0];
    EXPECT_EQ(line.kind, MapLineKind::Border);
    ASSERT_EQ(line.points.size(), 3u);
    EXPECT_FLOAT_EQ(line.points[2].longitude, 0.5f);
    EXPECT_FLOAT_EQ(line.points[2].latitude, -0.75f);
    const std::pair<std::string, std::string> bad[] = {
        {head + "C 2 0 0 721 0\n", "m line 4: a point outside the world"},
        {head + "C 2 0 0 0\n", "m line 4: expected two whole numbers for each point"},
        {head + "C 2 0 0 1 1 1\n", "m line 4: more numbers than the points counted"},
        {head + "X 2 0 0 1 1\n", "m line 4: expected C or B"},
        {head, "m line 3: the file ends within the lines"},
        {"tilvex-world-map 1\ngrid 0 1 0 0\n", "m line 2: expected the grid: grid SX SY TX TY"},
    };
    for (const auto& [text, message] : bad) {
        EXPECT_FALSE(map.LoadText(text, "m", &error)) << message;
        EXPECT_EQ(error, message);
        EXPECT_TRUE(map.GetLines().empty());
    }
}
