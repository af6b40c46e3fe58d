// Every saved fuzz input (seeds and the inputs that once broke a reader)
// goes through its target again: each must end in a documented outcome.
#include <gtest/gtest.h>

#include <filesystem>

#include "FuzzTargets.h"
#include "TestSupport.h"

TEST(FuzzRegressionTest, EverySavedInputEndsInADocumentedOutcome) {
    const auto root = std::filesystem::path(TILVEX_SOURCE_DIR) / "fuzz" / "corpus";
    TempDir dir;
    ScopedCwd cwd(dir.Path());
    FuzzRecordMessages();
    for (const FuzzTarget& target : FuzzTargets()) {
        const auto folder = root / target.name;
        ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
        int mine = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            SCOPED_TRACE(entry.path().string());
            const std::string bytes = ReadFileBytes(entry.path());
            // A broken outcome aborts the test program, naming the target.
            target.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++mine;
        }
        EXPECT_GT(mine, 0) << target.name << " has no saved inputs";
    }
    SetMessageBoxHandler({});
}
