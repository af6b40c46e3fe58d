// The status bar's text while the program is idle.
#pragma once

#include <string>

class CLocation;

// "Denver, CO: 39.74°N 104.99°W, variation 7.6°E" (Windows-1252, degree sign
// 0xB0): the site's coordinates and the magnetic variation in use.  An
// automatic variation is computed from the geomagnetic model and marked
// "(automatic)"; when `year` (the computer's, by default) lies outside the
// years the model holds for, "(automatic; the magnetic model is valid
// 2025–2030)".  `magVar` is the signed variation in use (West positive).
std::string SiteStatusText(const CLocation& location, float magVar);
std::string SiteStatusText(const CLocation& location, float magVar, float year);
