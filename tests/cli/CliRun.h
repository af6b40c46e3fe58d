// Running tilvex-cli from a test.
#pragma once

#include <string>

#include "TestSupport.h"

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tilvex-cli with `args`, quoted for a POSIX shell (single quotes, no
// quote inside them); on Windows they are requoted for cmd.exe.
CliRun RunCli(const std::string& args);
