// Saves of the program's own files under faults: whatever goes wrong, the
// old file stays byte for byte, a message says so, nothing is left behind.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "framework/File.h"
#include "framework/Profile.h"
#include "framework/SafeFile.h"
#include "satellites/SatelliteDatabase.h"
#include "workspace/DatabaseHost.h"

namespace fs = std::filesystem;

namespace {

class SafeSaveTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<ScopedCwd> cwd;

    void SetUp() override { cwd = std::make_unique<ScopedCwd>(dir.Path()); }
    void TearDown() override {
        // Let the folder be removed whatever a test did to its modes.
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path(), ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        cwd.reset();
    }
    static bool Write(const std::string& path, const std::string& bytes) {
        return SafeWriteFile(path, [&](CFile& f) { f.Write(bytes.data(), bytes.size()); }).ok;
    }
    // Files of a folder, hidden ones included.
    static std::vector<std::string> Listing(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::unique_ptr<CSatellite> Sat(const std::string& name) {
        auto s = std::make_unique<CSatellite>();
        s->SetName(name);
        s->SetFlags(SAT_BAND_KU | SAT_REGION_AMERICAS);
        return s;
    }
};

}  // namespace

TEST_F(SafeSaveTest, ReadOnlyFileIsLeftAlone) {
    ASSERT_TRUE(Write("kept.wrk", "old"));
    fs::permissions("kept.wrk", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const SafeWriteResult result = SafeWriteFile("kept.wrk", [](CFile& f) { f.Write("new", 3); });
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.couldNotCreate);
    EXPECT_EQ(ReadFileBytes("kept.wrk"), "old");
    EXPECT_EQ(Listing("."), std::vector<std::string>{"kept.wrk"});

    // The database says it could not create the file and keeps its records.
    CSatelliteDatabase db;
    db.Append(Sat("Galaxy 19"));
    ASSERT_TRUE(db.SaveDatabase());
    const std::string saved = ReadFileBytes("satdemo.tdb");
    fs::permissions("satdemo.tdb", fs::perms::owner_read);
    db.Append(Sat("AMC 21"));
    MessageCapture messages;
    EXPECT_FALSE(db.SaveDatabase());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to create satdemo.tdb"});
    EXPECT_EQ(ReadFileBytes("satdemo.tdb"), saved);
    EXPECT_EQ(db.GetSize(), 2u);
}

TEST_F(SafeSaveTest, WorkspaceAndSettingsSavesFailTheSameWay) {
    CDatabasesHost host;
    CTilvexDoc doc(&host);
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument("site.wrk"));
    const std::string saved = ReadFileBytes("site.wrk");
    fs::permissions("site.wrk", fs::perms::owner_read);
    MessageCapture messages;
    EXPECT_FALSE(doc.OnSaveDocument("site.wrk"));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to save document."});
    EXPECT_EQ(ReadFileBytes("site.wrk"), saved);

    CProfile profile((dir / "tilvex.INI").string());
    ASSERT_TRUE(profile.WriteProfileInt("Startup", "x1", 1));
    const std::string ini = ReadFileBytes("tilvex.INI");
    fs::permissions("tilvex.INI", fs::perms::owner_read);
    EXPECT_FALSE(profile.WriteProfileInt("Startup", "x1", 2));
    EXPECT_EQ(ReadFileBytes("tilvex.INI"), ini);
}

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

TEST_F(SafeSaveTest, FolderInPlaceOfTheFileOrAGoneFileAreHandled) {
    fs::create_directory("satdemo.tdb");
    EXPECT_FALSE(Write("satdemo.tdb", "new"));
    EXPECT_TRUE(fs::is_directory("satdemo.tdb"));
    EXPECT_EQ(Listing("."), std::vector<std::string>{"satdemo.tdb"});
    // A file removed since it was read is simply made again.
    ASSERT_TRUE(Write("locdemo.tdb", "old"));
    fs::remove("locdemo.tdb");
    EXPECT_TRUE(Write("locdemo.tdb", "new"));
    EXPECT_EQ(ReadFileBytes("locdemo.tdb"), "new");
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

TEST_F(SafeSaveTest, AnUnexpectedExceptionStillRemovesTheTemporaryFile) {
    EXPECT_THROW(SafeWriteFile("x.tdb", [](CFile&) { throw std::bad_alloc(); }), std::bad_alloc);
    EXPECT_TRUE(Listing(".").empty());
}
