#include <array>
#include <cstdio>
#include <cstdlib>

#include "TestPlatform.h"
#include "cli/CliRun.h"
#include "core/framework/platform/WindowsText.h"

void SetEnvironment(const std::string& name, const std::string& value) {
    ::_putenv_s(name.c_str(), value.c_str());
}
void UnsetEnvironment(const std::string& name) {
    ::_putenv_s(name.c_str(), "");
}

CliRun RunCli(const std::string& args) {
    TempDir dir;
    const std::string errPath = (dir / "stderr").string();
    // cmd.exe quotes with double quotes; the outer pair keeps the inner ones.
    std::string requoted = args;
    for (char& c : requoted)
        if (c == '\'')
            c = '"';
    const std::string command =
        std::string("\"\"") + TILVEX_CLI + "\" " + requoted + " 2>\"" + errPath + "\"\"";
    CliRun run{-1, "", ""};
    // Wide, so that names outside the ANSI code page reach the program.
    FILE* pipe = ::_wpopen(win::Wide(command).c_str(), L"rb");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    run.status = ::_pclose(pipe);
    run.err = ReadFileBytes(errPath);
    return run;
}
