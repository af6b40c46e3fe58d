// What each fuzz target does with one input: the same functions the program
// calls on a file of that kind, with the outcomes those functions document
// checked.  The libFuzzer programs call them, and so does the ordinary test
// suite on every saved input (seeds and crash reproducers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using FuzzFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name;  // also the folder of its inputs under fuzz/corpus
    FuzzFunction run;
};

// Every target, by name.
const std::vector<FuzzTarget>& FuzzTargets();

// Messages are recorded for the targets to check instead of shown.
void FuzzRecordMessages();
// Called once before the first input: a scratch folder becomes the working
// directory, and messages are recorded.
void FuzzSetUp();
