// Safe saves and what only POSIX systems have: symbolic links, folder
// modes, the file-size limit, pipes, devices and signals.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

#include "core/framework/SafeSaveFixture.h"

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
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder modes do not bind the superuser";
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

// A device, a pipe or a folder in the save's place stays what it is: as
// root, a save to /dev/null used to put a plain file there.
TEST_F(SafeSaveTest, DevicesPipesAndFoldersAreNeverReplaced) {
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    fs::create_symlink("pipe", "link");
    fs::create_directory("folder");
    for (const char* path : {"pipe", "link", "folder"}) {
        SCOPED_TRACE(path);
        const SafeWriteResult result = SafeWriteFile(path, [](CFile& f) { f.Write("x", 1); });
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.couldNotCreate);
        EXPECT_EQ(SafeWriteReason(result),
                  path == std::string("folder") ? "Is a directory" : "not a regular file");
    }
    EXPECT_TRUE(fs::is_fifo("pipe"));
    EXPECT_TRUE(fs::is_directory("folder"));
    EXPECT_EQ(Listing("."), (std::vector<std::string>{"folder", "link", "pipe"}));
}

// Ctrl+C or a termination during a save takes the temporary file away
// before the program ends; the old file stays.
TEST_F(SafeSaveTest, AnEndingSignalDuringASaveRemovesTheTemporaryFile) {
    ASSERT_TRUE(Write("satdemo.tdb", "old"));
    for (const int signal : {SIGINT, SIGTERM}) {
        EXPECT_EXIT(
            {
                std::signal(signal, SIG_DFL);
                SafeWriteFile("satdemo.tdb", [signal](CFile& f) {
                    f.Write("half", 4);
                    std::raise(signal);
                });
                std::_Exit(0);
            },
            ::testing::KilledBySignal(signal), "");
        EXPECT_EQ(Listing("."), std::vector<std::string>{"satdemo.tdb"});
        EXPECT_EQ(ReadFileBytes("satdemo.tdb"), "old");
    }
    // Once the save is over, the signals are as they were.
    struct sigaction before {
    }, after{};
    ::sigaction(SIGINT, nullptr, &before);
    ASSERT_TRUE(Write("satdemo.tdb", "new"));
    ::sigaction(SIGINT, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

// The readers take regular files within their bound only, and refuse the
// rest at once: a pipe without a writer would wait for ever, a device such
// as /dev/zero never end.
TEST_F(SafeSaveTest, ReadersTakeOnlyRegularFilesWithinTheirBound) {
    ASSERT_EQ(::mkfifo("pipe", 0600), 0);
    fs::create_directory("folder");
    ASSERT_TRUE(Write("ten", "0123456789"));
    const std::pair<const char*, int> refused[] = {{"pipe", kErrorNotRegularFile},
                                                   {"/dev/null", kErrorNotRegularFile},
                                                   {"folder", EISDIR},
                                                   {"absent", ENOENT}};
    for (const auto& [path, error] : refused) {
        SCOPED_TRACE(path);
        std::string bytes = "stale";
        int osError = 0;
        EXPECT_FALSE(ReadWholeFile(path, bytes, kDataFileLimit, &osError));
        EXPECT_EQ(osError, error);
        EXPECT_EQ(bytes, "");
        EXPECT_EQ(ReadRefusal(path, kDataFileLimit), error == ENOENT ? 0 : error);
    }
    std::string bytes;
    int osError = 0;
    EXPECT_FALSE(ReadWholeFile("ten", bytes, 9, &osError));
    EXPECT_EQ(osError, EFBIG);
    EXPECT_TRUE(ReadWholeFile("ten", bytes, 10));
    EXPECT_EQ(bytes, "0123456789");

    // The settings file: read as empty, never written, with the reason.
    CProfile profile("pipe");
    EXPECT_EQ(profile.ReadProblem(), "not a regular file");
    EXPECT_EQ(profile.GetProfileString("Font", "Face Name", "Arial"), "Arial");
    EXPECT_FALSE(profile.WriteProfileString("Font", "Face Name", "Courier"));
    EXPECT_TRUE(fs::is_fifo("pipe"));
    EXPECT_EQ(CProfile("absent.INI").ReadProblem(), "");
}
