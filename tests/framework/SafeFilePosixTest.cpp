// Safe saves and what only POSIX systems have: symbolic links, folder
// modes and the file-size limit.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "framework/SafeSaveFixture.h"

TEST_F(SafeSaveTest, SymbolicLinkSavesItsTargetAndStaysALink) {
    fs::create_directory("real");
    ASSERT_TRUE(Write("real/satdemo.tdb", "old"));
    fs::create_symlink("real/satdemo.tdb", "satdemo.tdb");
    ASSERT_TRUE(Write("satdemo.tdb", "new"));
    EXPECT_TRUE(fs::is_symlink("satdemo.tdb"));
    EXPECT_EQ(ReadFileBytes("real/satdemo.tdb"), "new");
    EXPECT_EQ(Listing("."), (std::vector<std::string>{"real", "satdemo.tdb"}));
    EXPECT_EQ(Listing("real"), std::vector<std::string>{"satdemo.tdb"});

    // A link to a link, and a link whose target does not exist yet.
    fs::create_symlink("satdemo.tdb", "twice.tdb");
    ASSERT_TRUE(Write("twice.tdb", "newer"));
    EXPECT_EQ(ReadFileBytes("real/satdemo.tdb"), "newer");
    fs::create_symlink("real/later.tdb", "later.tdb");
    ASSERT_TRUE(Write("later.tdb", "made"));
    EXPECT_TRUE(fs::is_symlink("later.tdb"));
    EXPECT_EQ(ReadFileBytes("real/later.tdb"), "made");
}

TEST_F(SafeSaveTest, ReadOnlyFolderRefusesTheSave) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder modes do not bind the superuser";
    fs::create_directory("locked");
    ASSERT_TRUE(Write("locked/locdemo.tdb", "old"));
    fs::permissions("locked", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(Write("locked/locdemo.tdb", "new"));
    EXPECT_EQ(ReadFileBytes("locked/locdemo.tdb"), "old");
}

// Past the file-size limit the process is not killed: the save fails, the
// old file stays and the temporary file goes.
TEST_F(SafeSaveTest, FileSizeLimitFailsTheSaveInsteadOfKillingTheProcess) {
    ASSERT_TRUE(Write("big.tdb", "old"));
    EXPECT_EXIT(
        {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1000;
            setrlimit(RLIMIT_FSIZE, &limit);
            const bool ok = Write("big.tdb", std::string(100000, 'x'));
            std::_Exit(ok ? 1 : (ReadFileBytes("big.tdb") == "old" && Listing(".").size() == 1 ? 0 : 2));
        },
        ::testing::ExitedWithCode(0), "");
}

