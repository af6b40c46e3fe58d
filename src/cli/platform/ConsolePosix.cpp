#include "cli/Console.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

// Arguments arrive as the bytes the user typed, and streams are binary.
ProgramArguments::ProgramArguments(int&, char**&) {}

std::string UserDataFolder() {
    const char* home = std::getenv("HOME");
#ifdef __APPLE__
    return home && *home ? std::string(home) + "/Library/Application Support/Tilvex/Tilvex" : std::string();
#else
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::string(data) + "/Tilvex/Tilvex";
    return home && *home ? std::string(home) + "/.local/share/Tilvex/Tilvex" : std::string();
#endif
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}
