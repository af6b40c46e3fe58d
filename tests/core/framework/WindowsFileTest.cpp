// Files on Windows: a target that another program holds open, names that the
// ANSI code page cannot hold, and the settings file's CRLF line ends.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "TestSupport.h"
#include "cli/CliRun.h"
#include "core/framework/File.h"
#include "core/framework/Profile.h"
#include "core/framework/SafeFile.h"
#include "core/framework/platform/WindowsText.h"

// windows.h names its own profile functions so.
#undef GetProfileInt
#undef GetProfileString
#undef WriteProfileString

namespace {

const char* const kCsvHeader = "name,slot,side,bands,region,comments\n";

std::size_t FileCount(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(WindowsFileTest, SaveOntoAFileHeldOpenElsewhereFailsAndKeepsTheOldFile) {
    TempDir dir;
    const std::string target = PathText(dir / "satdemo.tdb");
    WriteFileBytes(dir / "one.csv", std::string(kCsvHeader) + "West Bird,123,W,Ku,Americas,\n");
    WriteFileBytes(dir / "two.csv", std::string(kCsvHeader) + "Centre Bird,97,W,Ku,Americas,\n");
    const std::string importOne = "import-satellites '" + PathText(dir / "one.csv") + "' -o '" + target + "'";
    const std::string importTwo = "import-satellites '" + PathText(dir / "two.csv") + "' -o '" + target + "'";
    ASSERT_EQ(RunCli(importOne).status, 0);
    const std::string old = ReadFileBytes(dir / "satdemo.tdb");

    // Held open as most programs open a file: others may read and write it,
    // but not delete or rename it.
    const HANDLE held =
        ::CreateFileW(win::Wide(target).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const CliRun other = RunCli(importTwo);
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, "Unable to create " + target + ": Permission denied\n");
    const SafeWriteResult here = SafeWriteFile(target, [](CFile& file) { file.Write("new", 3); });
    EXPECT_FALSE(here.ok);
    EXPECT_EQ(here.osError, EACCES);
    ::CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(dir / "satdemo.tdb"), old);
    EXPECT_EQ(FileCount(dir.Path()), 3u) << "temporary file left behind";

    // Once the other program lets go, the save goes through.
    ASSERT_EQ(RunCli(importTwo).status, 0);
    EXPECT_NE(ReadFileBytes(dir / "satdemo.tdb"), old);
}

TEST(WindowsFileTest, NamesOutsideTheAnsiCodePageWork) {
    TempDir dir;
    // "Σατ ☀ Zürich" in UTF-8, as the program keeps paths.
    const std::string folder = PathText(dir.Path()) + "/\xCE\xA3\xCE\xB1\xCF\x84 \xE2\x98\x80 Z\xC3\xBCrich";
    ASSERT_TRUE(std::filesystem::create_directory(FileSystemPath(folder)));
    const std::string file = folder + "/satdemo.tdb";
    ASSERT_TRUE(SafeWriteFile(file, [](CFile& f) { f.Write("bytes\r\n", 7); }).ok);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(file, bytes, kDataFileLimit));
    EXPECT_EQ(bytes, "bytes\r\n");
    FileStamp stamp;
    EXPECT_TRUE(GetFileStamp(file, stamp));
    EXPECT_EQ(stamp.size, 7u);

    // The command line takes such names from the wide command line.
    const std::string csv = std::string(kCsvHeader) + "West Bird,123,W,Ku,Americas,\n";
    WriteFileBytes(FileSystemPath(folder + "/in.csv"), csv);
    ASSERT_EQ(RunCli("import-satellites '" + folder + "/in.csv' -o '" + file + "'").status, 0);
    const CliRun exported = RunCli("export-satellites '" + file + "'");
    EXPECT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, csv);
}

TEST(WindowsFileTest, SettingsFileHasCrlfLineEnds) {
    TempDir dir;
    CProfile profile(PathText(dir / "tilvex.INI"));
    ASSERT_TRUE(profile.WriteProfileInt("Startup", "x1", 10));
    ASSERT_TRUE(profile.WriteProfileString("Recent File List", "File1", "C:\\sites\\roof.wrk"));
    EXPECT_EQ(ReadFileBytes(dir / "tilvex.INI"),
              "[Startup]\r\nx1=10\r\n[Recent File List]\r\nFile1=C:\\sites\\roof.wrk\r\n");
    EXPECT_EQ(profile.GetProfileInt("Startup", "x1", 0), 10);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "C:\\sites\\roof.wrk");
}
