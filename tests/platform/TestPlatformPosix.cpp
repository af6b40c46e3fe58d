#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "TestPlatform.h"
#include "cli/CliRun.h"

void SetEnvironment(const std::string& name, const std::string& value) {
    ::setenv(name.c_str(), value.c_str(), 1);
}
void UnsetEnvironment(const std::string& name) {
    ::unsetenv(name.c_str());
}

CliRun RunCli(const std::string& args) {
    TempDir dir;
    const std::string errPath = (dir / "stderr").string();
    const std::string command = std::string("'") + TILVEX_CLI + "' " + args + " 2>'" + errPath + "'";
    CliRun run{-1, "", ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFileBytes(errPath);
    return run;
}
