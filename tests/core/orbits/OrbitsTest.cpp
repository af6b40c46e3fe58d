#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "core/orbits/OrbitalElements.h"
#include "core/orbits/SlotMatch.h"

namespace {

// A station-kept satellite near 19.21°E and an inclined one near 101.3°W
// (catalogue number A1234 = 101234), both at 2026-12-01 12:00 UTC.
const char* const kKeptLine1 = "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9990";
const char* const kKeptLine2 = "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345";
const char* const kInclinedLine1 = "1 A1234U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9999";
const char* const kInclinedLine2 = "2 A1234   3.5000  73.2500 0004000 270.5000 165.3099  1.00270000 12348";

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Where the elements put the satellite at their epoch, found without the
// reader's longitude: Kepler's equation for the true anomaly, the position
// turned into the equatorial frame, and the Earth's turn from the sidereal
// time of the astronomical almanac's polynomial in days.
double TwoBodyLongitude(const OrbitalElements& e) {
    const double m = Radians(e.meanAnomaly);
    double ecc = m;
    for (int k = 0; k < 20; ++k)
        ecc -= (ecc - e.eccentricity * std::sin(ecc) - m) / (1.0 - e.eccentricity * std::cos(ecc));
    const double nu = 2.0 * std::atan2(std::sqrt(1.0 + e.eccentricity) * std::sin(ecc / 2.0),
                                       std::sqrt(1.0 - e.eccentricity) * std::cos(ecc / 2.0));
    const double u = Radians(e.argPerigee) + nu;
    const double node = Radians(e.raan);
    const double inc = Radians(e.inclination);
    const double x = std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inc);
    const double y = std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(inc);
    const double d = e.epoch - 2451545.0;
    const double t = d / 36525.0;
    const double theta = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0;
    double lon = std::fmod(std::atan2(y, x) * 180.0 / std::numbers::pi - theta, 360.0);
    if (lon > 180.0)
        lon -= 360.0;
    if (lon <= -180.0)
        lon += 360.0;
    return lon;
}

}  // namespace

// Worked by hand.  Epoch 2000-01-01 12:00 UTC is JD 2451545.0, so T = 0 and
// GMST = 67310.54841 s = 280.46061837°.  With node 100°, perigee 90° and mean
// anomaly 110°: λ = 100 + 90 + 110 - 280.46061837 = 19.53938163°E.  Mean
// motion 1.003: drift = 360 (1.003 - 1.00273790935) = +0.09435263°/day.  On
// 2000-01-04 (JD 2451547.5) the elements are 2.5 days old.
//
// The CSV row's epoch 2026-12-01T12:00:00 is JD 2461376.0: T = 9831 / 36525
// = 0.269158111, GMST = 67310.54841 + 3164400184.812866 T + 0.093104 T²
// - 6.2e-6 T³ = 851791286.377 s, less 9858 days of 86400 s = 60086.377 s
// = 250.3599044°.  λ = 289.1234 + 123.4567 + 216.9898 - 250.3599044
// = 379.2099956 - 360 = 19.2100°E.
TEST(OrbitsTest, ElementsWorkedByHand) {
    const OrbitFile tle = ReadTle(
        "HAND\n"
        "1 29055U 06012A   00001.50000000  .00000089  00000-0  00000+0 0  9992\n"
        "2 29055   0.0500 100.0000 0002000  90.0000 110.0000  1.00300000 12346\n");
    ASSERT_EQ(tle.objects.size(), 1u);
    const OrbitalElements& e = tle.objects[0];
    EXPECT_EQ(e.name, "HAND");
    EXPECT_EQ(e.catalogNumber, 29055);
    EXPECT_EQ(e.objectId, "2006-012A");
    EXPECT_DOUBLE_EQ(e.epoch, 2451545.0);
    EXPECT_NEAR(e.eccentricity, 0.0002, 1e-12);
    EXPECT_NEAR(GreenwichMeanSiderealTime(2451545.0), 280.46061837, 1e-8);
    EXPECT_NEAR(MeanLongitudeAtEpoch(e), 19.53938163, 1e-7);
    EXPECT_NEAR(DriftDegreesPerDay(e), 0.09435263, 1e-8);
    EXPECT_DOUBLE_EQ(ElementsAgeDays(e, *ParseCivilDate("2000-01-04")), 2.5);

    const OrbitFile csv = ReadOrbitalElements(
        "NORAD_CAT_ID,MEAN_ANOMALY,OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,"
        "RA_OF_ASC_NODE,ARG_OF_PERICENTER,BSTAR\r\n"
        "123456,216.9898,ASTRA 1KR,2006-012A,2026-12-01T12:00:00.000000,1.00271234,.0002345,0.0512,289.1234,"
        "123.4567,0\r\n");
    ASSERT_EQ(csv.objects.size(), 1u);
    EXPECT_EQ(csv.objects[0].catalogNumber, 123456);
    EXPECT_EQ(csv.objects[0].line, 2u);
    EXPECT_DOUBLE_EQ(csv.objects[0].epoch, 2461376.0);
    EXPECT_NEAR(GreenwichMeanSiderealTime(2461376.0), 250.3599044, 1e-6);
    EXPECT_NEAR(MeanLongitudeAtEpoch(csv.objects[0]), 19.2100, 1e-4);

    // The texts the dialog and the command line show.
    EXPECT_EQ(LongitudeText(19.2149),
              "19.21\xB0"
              "E");
    EXPECT_EQ(LongitudeText(-97.0), "97.00\xB0W");
    EXPECT_EQ(LongitudeText(-0.001),
              "0.00\xB0"
              "E");
    EXPECT_EQ(DriftText(-0.0001), "+0.000\xB0/day");
    EXPECT_EQ(DriftText(0.0012), "+0.001\xB0/day");
    EXPECT_EQ(InclinationText(0.05), "0.05\xB0");
    EXPECT_EQ(AgeText(2.7), "3 d");
    EXPECT_EQ(AgeText(-0.2), "0 d");
    EXPECT_EQ(DifferenceText(-0.013), "-0.01\xB0");
    EXPECT_EQ(InclinedOrbitNote(3.5),
              "inclined orbit: moves \xB1"
              "3.5\xB0 north and south each day; a fixed dish may lose it");
    EXPECT_EQ(InclinedOrbitNote(1.0), "");
}

TEST(OrbitsTest, LongitudeAgreesWithATwoBodyPropagation) {
    const OrbitFile file = ReadTle(std::string(kKeptLine1) + "\n" + kKeptLine2 + "\n" + kInclinedLine1 +
                                   "\n" + kInclinedLine2 + "\n");
    ASSERT_EQ(file.objects.size(), 2u);
    ASSERT_TRUE(file.problems.empty());
    const OrbitalElements& kept = file.objects[0];
    const OrbitalElements& inclined = file.objects[1];
    EXPECT_EQ(inclined.catalogNumber, 101234);
    EXPECT_TRUE(IsGeostationary(kept) && IsGeostationary(inclined));
    EXPECT_NEAR(MeanLongitudeAtEpoch(kept), 19.21, 1e-3);
    EXPECT_NEAR(MeanLongitudeAtEpoch(kept), TwoBodyLongitude(kept), 0.05);
    EXPECT_NEAR(MeanLongitudeAtEpoch(inclined), -101.3, 1e-3);
    EXPECT_NEAR(MeanLongitudeAtEpoch(inclined), TwoBodyLongitude(inclined), 0.3);
}

TEST(OrbitsTest, BadObjectsAreNamedByLineAndNothingElseIsRefused) {
    const OrbitFile tle = ReadTle(
        "GOOD\n"                                                                     // 1
        "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9990\n"    // 2
        "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345\n"    // 3
        "BAD CHECKSUM\n"                                                             // 4
        "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9991\n"    // 5
        "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345\n"    // 6
        "TRUNCATED\n"                                                                // 7
        "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+\n"             // 8
        "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345\n"    // 9
        "BAD EPOCH\n"                                                                // 10
        "1 29055U 06012A   26A35.50000000  .00000089  00000-0  00000+0 0  9997\n"    // 11
        "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  1.00271234 12345\n"    // 12
        "ZERO MOTION\n"                                                              // 13
        "1 29055U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9990\n"    // 14
        "2 29055   0.0512 289.1234 0002345 123.4567 216.9898  0.00000000 12345\n"    // 15
        "1 A1234U 06012A   26335.50000000  .00000089  00000-0  00000+0 0  9999\n"    // 16
        "2 A1234   3.5000  73.2500 0004000 270.5000 165.3099  1.00270000 12348\n");  // 17
    ASSERT_EQ(tle.objects.size(), 2u);
    EXPECT_EQ(tle.objects[0].name, "GOOD");
    EXPECT_EQ(tle.objects[1].line, 16u);
    ASSERT_EQ(tle.problems.size(), 4u);
    EXPECT_EQ(tle.problems[0].line, 5u);
    EXPECT_NE(tle.problems[0].message.find("checksum"), std::string::npos);
    EXPECT_EQ(tle.problems[1].line, 8u);
    EXPECT_NE(tle.problems[1].message.find("truncated"), std::string::npos);
    EXPECT_EQ(OrbitProblemText(tle.problems[2]), "line 11: the epoch \"26A35.50000000\" is malformed");
    EXPECT_EQ(tle.problems[3].line, 15u);
    EXPECT_NE(tle.problems[3].message.find("mean motion"), std::string::npos);

    const char* const header =
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,ARG_OF_PERICENTER,"
        "MEAN_ANOMALY,NORAD_CAT_ID\n";
    const OrbitFile csv =
        ReadOmmCsv(std::string(header) +
                   "A,2006-012A,2026-12-01T12:00:00,1.0027,0.0002,0.05,10,20,30,1\n"
                   "B,2006-012B,2026-13-01T12:00:00,1.0027,0.0002,0.05,10,20,30,2\n"
                   "C,2006-012C,2026-12-01T12:00:00,0,0.0002,0.05,10,20,30,3\n"
                   "\n"
                   "\"D, the fourth\",2006-012D,2026-12-01 12:00:00.5Z,1.0027,0,0,0,0,0,4\n");
    EXPECT_FALSE(csv.error);
    ASSERT_EQ(csv.objects.size(), 2u);
    EXPECT_EQ(csv.objects[1].name, "D, the fourth");
    ASSERT_EQ(csv.problems.size(), 2u);
    EXPECT_EQ(OrbitProblemText(csv.problems[0]), "line 3: the EPOCH \"2026-13-01T12:00:00\" is malformed");
    EXPECT_EQ(OrbitProblemText(csv.problems[1]), "line 4: the mean motion must be above 0");

    const OrbitFile noColumn = ReadOrbitalElements(
        "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,"
        "INCLINATION,RA_OF_ASC_NODE,ARG_OF_PERICENTER,NORAD_CAT_ID\n"
        "A,2006-012A,2026-12-01T12:00:00,1.0027,0.0002,0.05,10,20,1\n");
    ASSERT_TRUE(noColumn.error);
    EXPECT_EQ(OrbitProblemText(*noColumn.error), "line 1: the column MEAN_ANOMALY is missing");
    EXPECT_TRUE(noColumn.objects.empty());
}

TEST(OrbitsTest, MatchesByFoldedNameThenNearestSlotAndUpdatesSlots) {
    CSatelliteDatabase database;
    auto add = [&](const char* name, float slot, int west) {
        auto satellite = std::make_unique<CSatellite>();
        satellite->SetName(name);
        satellite->SetSlot(slot);
        satellite->SetWest(west);
        return database.Append(std::move(satellite));
    };
    CSatellite* amc = add("AMC-21", 125.0f, 1);
    CSatellite* astra = add("Astra 1KR", 19.2f, 0);
    CSatellite* hotBird = add("Hot Bird 13G", 13.0f, 0);
    CSatellite* other = add("Eutelsat 13X", 13.3f, 0);
    add("Far Away", 50.0f, 1);

    auto object = [](const char* name, double longitude) {
        GeoObject o;
        o.elements.name = name;
        o.longitude = longitude;
        return o;
    };
    const std::vector<GeoObject> objects = {
        object("AMC 21", -120.0),     // by name, though 5° away
        object("ASTRA-1KR", 19.213),  // by name
        object("UNKNOWN A", 13.1),    // nearest free slot: Hot Bird 13G (0.1°)
        object("UNKNOWN B", 13.25),   // Eutelsat 13X (0.05°) goes first
        object("UNKNOWN C", 13.6),    // both slots taken
        object("UNKNOWN D", 178.0),   // nothing within 0.5°
    };
    std::vector<SlotMatch> matches = MatchSatellites(objects, database);
    ASSERT_EQ(matches.size(), objects.size());
    EXPECT_EQ(matches[0].satellite, amc);
    EXPECT_EQ(matches[0].kind, MatchKind::Name);
    EXPECT_EQ(matches[1].satellite, astra);
    EXPECT_NEAR(SlotDifference(objects[1], *astra), 0.013, 1e-5);
    EXPECT_EQ(matches[2].satellite, hotBird);
    EXPECT_EQ(matches[2].kind, MatchKind::Slot);
    EXPECT_EQ(matches[3].satellite, other);
    EXPECT_EQ(matches[4].satellite, nullptr);
    EXPECT_EQ(matches[5].kind, MatchKind::None);
    EXPECT_NEAR(SlotDifference(objects[0], *amc), 5.0, 1e-5);

    // Offered for update: the matches more than 0.05° off.
    EXPECT_EQ(DefaultSlotUpdates(objects, matches),
              (std::vector<bool>{true, false, true, false, false, false}));

    // By hand: Hot Bird moves from object 2 to object 4.
    MatchByHand(matches, 4, hotBird);
    EXPECT_EQ(matches[4].kind, MatchKind::Hand);
    EXPECT_EQ(matches[2].satellite, nullptr);

    // Object 1 left out; Astra keeps 19.2°E, AMC-21 moves to 120°W.
    EXPECT_EQ(ApplySlotUpdates(database, objects, matches, {true, false, true, true, true, true}), 3u);
    EXPECT_FLOAT_EQ(amc->GetSlot(), 120.0f);
    EXPECT_EQ(amc->IsWest(), 1);
    EXPECT_FLOAT_EQ(astra->GetSlot(), 19.2f);
    EXPECT_FLOAT_EQ(other->GetSlot(), 13.25f);
    EXPECT_FLOAT_EQ(hotBird->GetSlot(), 13.6f);
    EXPECT_EQ(hotBird->IsWest(), 0);
    EXPECT_EQ(database.FindSatellite("AMC-21"), amc);
}
