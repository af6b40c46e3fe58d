// Orbital elements as published for every catalogued object: the two-line
// element sets (TLE) and the comma-separated form of the mean elements
// message (OMM CSV), read into one record per object; and what they tell of
// a geostationary satellite: where it stands over the equator, how fast it
// drifts, how far it swings north and south, and how old the elements are.
//
// Both readers take the whole text of a file and never throw.  What cannot
// be taken is refused on its own and named by its line, and the rest of the
// file is kept:
//   - TLE: two lines per object ("1 ..." and "2 ...", 69 columns each),
//     optionally after a name line (a leading "0 " of the name is dropped).
//     Each element line's checksum (the digits summed, a minus counting one,
//     modulo ten, in column 69) is verified.  A line that is too short, a
//     wrong checksum, a field that is no number, a malformed epoch, a mean
//     motion not above zero, or a first line without its second (or the
//     reverse) skips that object with a warning naming the line at fault.
//     Catalogue numbers of five characters may start with a letter (A = 10
//     ... Z = 33, I and O left out) for numbers above 99999.
//   - OMM CSV: a header line naming the columns, in any order; these are
//     needed: OBJECT_NAME, EPOCH, MEAN_MOTION, ECCENTRICITY, INCLINATION,
//     RA_OF_ASC_NODE, ARG_OF_PERICENTER, MEAN_ANOMALY, NORAD_CAT_ID
//     (OBJECT_ID is taken when present; other columns are ignored).  A file
//     without one of them is refused as a whole (OrbitFile::error).  A row
//     whose cells cannot be taken is skipped with a warning naming its line.
//     EPOCH is "YYYY-MM-DDThh:mm:ss" with an optional fraction of a second;
//     NORAD_CAT_ID a whole number of up to nine digits.
//
// Names are kept in Windows-1252, as the satellite database keeps them
// (UTF-8 names are converted; other bytes are taken as they are).  All
// angles are in degrees, dates are Julian dates (UTC, used as UT1).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One object's mean elements.
struct OrbitalElements {
    std::string name;                // Windows-1252; empty when the file gives none
    std::string objectId;            // international designator ("1998-006A"), may be empty
    std::int64_t catalogNumber = 0;  // the catalogue (NORAD) number
    double epoch = 0.0;              // Julian date of the elements (UTC)
    double meanMotion = 0.0;         // revolutions a day, above 0
    double eccentricity = 0.0;       // 0 <= e < 1
    double inclination = 0.0;        // 0..180
    double raan = 0.0;               // right ascension of the ascending node
    double argPerigee = 0.0;         // argument of perigee
    double meanAnomaly = 0.0;
    std::size_t line = 0;  // the object's first line in the file (1 for the first)
};

// A line refused, or a warning about it: the line's number (1 for the
// first) and what is wrong, e.g. "the checksum is 3, the line says 4".
// OrbitProblemText makes "line 7: ..." of it.
struct OrbitLineProblem {
    std::size_t line = 0;
    std::string message;
};
std::string OrbitProblemText(const OrbitLineProblem& problem);

// What a reader made of a file: the objects in file order, the lines it
// refused in line order, and, when the file as a whole could not be taken
// (a CSV without a needed column), why; objects is then empty.
struct OrbitFile {
    std::vector<OrbitalElements> objects;
    std::vector<OrbitLineProblem> problems;
    std::optional<OrbitLineProblem> error;
};

OrbitFile ReadTle(std::string_view text);
OrbitFile ReadOmmCsv(std::string_view text);
// Either form: CSV when the first line that is not blank names the
// MEAN_MOTION or OBJECT_NAME column, TLE otherwise.
OrbitFile ReadOrbitalElements(std::string_view text);

// The Julian date at 0h UTC of a civil (proleptic Gregorian) date.
double JulianDateOfCivil(int year, int month, int day);
// The Julian date of "YYYY-MM-DD" at 0h UTC, or nothing for any other text
// or an impossible date.
std::optional<double> ParseCivilDate(std::string_view text);

// Greenwich mean sidereal time in degrees (0..360) at the Julian date,
// from the IAU 1982 expression.
double GreenwichMeanSiderealTime(double julianDate);

// Earth's rotation in revolutions per solar day: the mean motion of a
// satellite that stays over one place.
inline constexpr double kSiderealRevolutionsPerDay = 1.00273790935;

// Whether the object keeps near one longitude: mean motion from 0.9 to 1.1
// revolutions a day and eccentricity below 0.1.
bool IsGeostationary(const OrbitalElements& elements);

// The mean longitude over the equator at the epoch, East positive, in
// (-180, 180]: RAAN + argument of perigee + mean anomaly - GMST(epoch).
double MeanLongitudeAtEpoch(const OrbitalElements& elements);
// The drift in degrees a day, East positive: 360 (n - 1.00273790935).
double DriftDegreesPerDay(const OrbitalElements& elements);
// The age of the elements in days at the Julian date (negative when the
// epoch is later).
double ElementsAgeDays(const OrbitalElements& elements, double julianDate);

// A geostationary object and what its elements tell, computed once.
struct GeoObject {
    OrbitalElements elements;
    double longitude = 0.0;    // MeanLongitudeAtEpoch, East positive
    double drift = 0.0;        // DriftDegreesPerDay, East positive
    double inclination = 0.0;  // degrees
    double ageDays = 0.0;      // ElementsAgeDays at the date asked for
};

// The geostationary objects of `objects` in their order, their age taken at
// `julianDate`; `others`, when given, receives how many were left out.
std::vector<GeoObject> GeostationaryObjects(const std::vector<OrbitalElements>& objects, double julianDate,
                                            std::size_t* others = nullptr);

// Texts (Windows-1252, 0xB0 the degree sign) shared by the windows and the
// command line:
//   LongitudeText(19.2101) "19.21°E", LongitudeText(-97.0) "97.00°W"
//   DriftText(0.0012) "+0.001°/day"
//   InclinationText(0.05) "0.05°"
//   AgeText(2.7) "3 d"
//   DifferenceText(0.013) "+0.01°"
// None of them writes a minus zero.
std::string LongitudeText(double eastLongitude);
std::string DriftText(double degreesPerDay);
std::string InclinationText(double inclination);
std::string AgeText(double days);
std::string DifferenceText(double degrees);

// An angle brought into (-180, 180].
double WrapDegrees180(double degrees);
