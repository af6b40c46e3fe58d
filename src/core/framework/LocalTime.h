// The calendar time of the user's time zone, thread-safely (the system's
// own call differs: framework/platform/LocalTime*.cpp).
#pragma once

#include <ctime>

std::tm LocalTime(std::time_t when);
