// The command line's arguments and standard streams, the same on every
// system: arguments in UTF-8, output written byte for byte (what differs
// lives in cli/platform/Console*.cpp).
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
