// Database saves that fail part-way, the way only POSIX systems let a test
// make them fail: a file-size limit, and a working folder removed while in
// use; and a pipe where a file should be.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <filesystem>

#include "ArchiveSupport.h"
#include "TestSupport.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"

namespace {

struct SatelliteDatabasePosixTest : ::testing::Test {
    TempDir dir;
    ScopedCwd cwd{dir.Path()};
};

// Makes writes beyond `bytes` fail (EFBIG) for its lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int);
};

}  // namespace

TEST_F(SatelliteDatabasePosixTest, FailedSavesLeaveTheOldFile) {
    CSatelliteDatabase db;
    db.Append(MakeSatellite("Original"));
    ASSERT_TRUE(db.SaveDatabase());
    const std::string original = ReadFileBytes("satdemo.tdb");

    // A write that fails part-way (the file-size limit stands in for a full
    // disk).
    for (int i = 0; i < 3000; ++i)
        db.Append(MakeSatellite("Satellite " + std::to_string(i)));
    {
        MessageCapture messages;
        FileSizeLimit limit(20000);
        EXPECT_FALSE(db.SaveDatabase());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to create satdemo.tdb: File too large"});
    }
    EXPECT_EQ(ReadFileBytes("satdemo.tdb"), original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "temporary file left behind";

    // A folder that is gone: nothing can be created.
    TempDir other;
    {
        ScopedCwd gone(other.Path());
        std::filesystem::remove(other.Path());
        MessageCapture messages;
        EXPECT_FALSE(db.SaveDatabase());
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"Unable to create satdemo.tdb: No such file or directory"});
        std::filesystem::create_directory(other.Path());
    }
}

// A pipe in place of a database or a workspace is refused at once, with the
// reason, instead of waiting for a writer.
TEST_F(SatelliteDatabasePosixTest, APipeInPlaceOfADatabaseOrWorkspaceIsRefused) {
    ASSERT_EQ(::mkfifo("satdemo.tdb", 0600), 0);
    ASSERT_EQ(::mkfifo("roof.wrk", 0600), 0);
    MessageCapture messages;
    CSatelliteDatabase db;
    EXPECT_EQ(db.LoadDatabase(), CSatelliteDatabase::LoadResult::CannotOpen);
    CTilvexDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument("roof.wrk"));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Unable to open satdemo.tdb: not a regular file",
                                        "Failed to open document.\nroof.wrk: not a regular file"}));
}
