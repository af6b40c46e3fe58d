#include "cli/Console.h"

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

// windows.h (through WindowsText.h) must come before shellapi.h.
#include "core/framework/platform/WindowsText.h"

#include <shellapi.h>

// Windows hands main() the arguments in the ANSI code page, which cannot
// hold every file name: they are taken from the wide command line instead.
// Text-mode streams would turn "\n" into "\r\n": the output is to be the
// same bytes as elsewhere.
ProgramArguments::ProgramArguments(int& argc, char**& argv) {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return;
    for (int i = 0; i < count; ++i)
        m_arguments.push_back(win::Utf8(wide[i]));
    ::LocalFree(wide);
    for (auto& argument : m_arguments)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);
    argc = count;
    argv = m_pointers.data();
}

std::string UserDataFolder() {
    // The desktop program's folder in the roaming application data.
    const wchar_t* data = ::_wgetenv(L"APPDATA");
    return data && *data ? win::Utf8(data) + "\\Tilvex" : std::string();
}

std::string ProgramFolder() {
    std::vector<wchar_t> path(32768);
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size())
        return std::string();
    return win::Utf8(std::filesystem::path(path.data()).parent_path().c_str());
}
