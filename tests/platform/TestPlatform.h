// What the tests do differently on each system (tests/platform/*.cpp).
#pragma once

#include <string>

void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);
