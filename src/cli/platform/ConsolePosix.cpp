#include "cli/Console.h"

// Arguments arrive as the bytes the user typed, and streams are binary.
ProgramArguments::ProgramArguments(int&, char**&) {}
