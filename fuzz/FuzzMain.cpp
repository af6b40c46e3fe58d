// One libFuzzer program per target: TILVEX_FUZZ_TARGET names it.
#include <cstring>

#include "FuzzTargets.h"

namespace {
FuzzFunction Target() {
    for (const FuzzTarget& target : FuzzTargets())
        if (std::strcmp(target.name, TILVEX_FUZZ_TARGET) == 0)
            return target.run;
    return nullptr;
}

FuzzFunction run = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSetUp();
    run = Target();
    return run ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    run(data, size);
    return 0;
}
