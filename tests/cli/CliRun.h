// Running tilvex-cli from a test.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "TestSupport.h"

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs tilvex-cli with `args` (already quoted for the shell).
inline CliRun RunCli(const std::string& args) {
    TempDir dir;
    const std::string errPath = (dir / "stderr").string();
    const std::string command = std::string("'") + TILVEX_CLI + "' " + args + " 2>'" + errPath + "'";
    CliRun run{-1, "", ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFileBytes(errPath);
    return run;
}
