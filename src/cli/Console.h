// The command line's arguments, standard streams and folders, the same on
// every system: arguments and folder names in UTF-8, output written byte for
// byte (what differs lives in cli/platform/Console*.cpp).
#pragma once

#include <string>
#include <vector>

class ProgramArguments {
public:
    // May replace `argc` and `argv` with UTF-8 copies that live as long as
    // this object, and puts stdout and stderr in binary mode.
    ProgramArguments(int& argc, char**& argv);

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_pointers;
};

// The folder in which the desktop program keeps the user's data, as it
// finds it: $XDG_DATA_HOME/Tilvex/Tilvex (~/.local/share/Tilvex/Tilvex
// without XDG_DATA_HOME), %APPDATA%\Tilvex on Windows.  Empty when
// it cannot be told.
std::string UserDataFolder();
// The folder this program was started from; empty when it cannot be told.
std::string ProgramFolder();
