// The inclinations the last imports of orbital elements gave the satellites,
// as the details and the info pane ask for them: "orbits.csv" in the data
// folder (the working directory), read when first asked for and again
// whenever the folder or the file changed; the import records its matched
// satellites there at once, through the safe save.  Lines of the file that
// cannot be taken are named in one message when it is read and kept in it.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/orbits/OrbitRecords.h"

// The satellite's record, or null when no import matched it.
const OrbitRecord* ImportedOrbit(const std::string& satellite);
// "inclined orbit: moves ±3.5° north and south each day; a fixed dish may
// lose it" for a satellite last imported with an inclination above 1°,
// else empty.
QString InclinedOrbitNoteFor(const std::string& satellite);
// Records each matched object's inclination under its satellite's name;
// false, after a message, when the file cannot be written.
bool RecordImportedOrbits(const std::vector<GeoObject>& objects, const std::vector<SlotMatch>& matches);
