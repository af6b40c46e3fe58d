#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>

#include "TestSupport.h"
#include "core/framework/File.h"
#include "core/framework/Profile.h"

namespace {

const std::string kIni =
    "; Tilvex settings\n"
    "[Dish]\n"
    "Size = 90 \n"
    "  ; offset in degrees\n"
    "Offset=22.5\n"
    "\n"
    "[Site]\n"
    "Name=\"S\xE3o Paulo\"\n"
    "stray line\n";

}  // namespace

TEST(ProfileTest, AbsentValuesGiveTheDefault) {
    TempDir dir;
    CProfile missing((dir / "none.ini").string());
    EXPECT_EQ(missing.GetProfileInt("Dish", "Size", 7), 7);
    EXPECT_EQ(missing.GetProfileString("Dish", "Size", "x"), "x");

    WriteFileBytes(dir / "a.ini", kIni);
    CProfile profile((dir / "a.ini").string());
    EXPECT_EQ(profile.GetProfileInt("Nowhere", "Size", -3), -3);
    EXPECT_EQ(profile.GetProfileString("Dish", "Width", "def"), "def");
    EXPECT_EQ(profile.GetProfileString("Site", "stray line", "def"), "def");

    CProfile unnamed;
    EXPECT_EQ(unnamed.GetProfileInt("Dish", "Size", 5), 5);
    EXPECT_FALSE(unnamed.WriteProfileInt("Dish", "Size", 1));
    EXPECT_FALSE(unnamed.DeleteProfileEntry("Dish", "Size"));
}

// A settings file past 16 MB is no settings file: it reads as empty and is
// not written over.
TEST(ProfileTest, OversizedFileIsNeitherReadNorReplaced) {
    TempDir dir;
    const auto path = dir / "huge.ini";
    WriteFileBytes(path, "[Font]\nFace Name=Courier\n");
    std::filesystem::resize_file(path, kSmallFileLimit + 1);
    CProfile profile(path.string());
    EXPECT_EQ(profile.ReadProblem(), "File too large");
    EXPECT_EQ(profile.GetProfileString("Font", "Face Name", "Arial"), "Arial");
    EXPECT_FALSE(profile.WriteProfileString("Font", "Size", "12"));
    EXPECT_EQ(std::filesystem::file_size(path), kSmallFileLimit + 1);
}

TEST(ProfileTest, ReadsValuesLikeThePrivateProfileFunctions) {
    TempDir dir;
    WriteFileBytes(dir / "a.ini",
                   "[N]\r\na=42\r\nb=-7\r\nc= 12abc\r\nd=abc\r\ne=\r\nf=+5\r\ng=99999999999\r\n"
                   "h=-99999999999\r\ni=\"unbalanced\r\nj=\"\"\r\n[N2]\r\na=1");
    CProfile p((dir / "a.ini").string());
    EXPECT_EQ(p.GetProfileInt("N", "a", 0), 42);
    EXPECT_EQ(p.GetProfileInt("N", "b", 0), -7);
    EXPECT_EQ(p.GetProfileInt("N", "c", 0), 12);
    EXPECT_EQ(p.GetProfileInt("N", "d", 9), 0);
    EXPECT_EQ(p.GetProfileInt("N", "e", 9), 0);
    EXPECT_EQ(p.GetProfileInt("N", "f", 0), 5);
    EXPECT_EQ(p.GetProfileInt("N", "g", 0), INT_MAX);
    EXPECT_EQ(p.GetProfileInt("N", "h", 0), INT_MIN);
    EXPECT_EQ(p.GetProfileString("N", "e", "def"), "");
    EXPECT_EQ(p.GetProfileString("N", "i"), "\"unbalanced");
    EXPECT_EQ(p.GetProfileString("N", "j", "def"), "");
    EXPECT_EQ(p.GetProfileInt("N2", "a", 0), 1);  // last line without a line end

    WriteFileBytes(dir / "b.ini", kIni);
    CProfile q((dir / "b.ini").string());
    EXPECT_EQ(q.GetProfileString("dISH", "SIZE"), "90");
    EXPECT_EQ(q.GetProfileString("Site", "name"), "S\xE3o Paulo");
}

// `text` with the line ends that the program writes on this system.
static std::string Native(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += std::strlen(kTextLineEnd))
        text.replace(at, 1, kTextLineEnd);
    return text;
}

TEST(ProfileTest, WritesChangeOnlyTheLineConcerned) {
    TempDir dir;
    const auto path = dir / "a.ini";
    WriteFileBytes(path, kIni);
    CProfile p(path.string());

    ASSERT_TRUE(p.WriteProfileInt("DISH", "size", -120));  // keeps the file's spelling
    std::string expected = kIni;
    expected.replace(expected.find("Size = 90 "), 10, "Size=-120");
    EXPECT_EQ(ReadFileBytes(path), Native(expected));

    ASSERT_TRUE(p.WriteProfileString("Dish", "LNB", "Ku band"));  // after the last entry
    expected.insert(expected.find("\n\n[Site]") + 1, "LNB=Ku band\n");
    EXPECT_EQ(ReadFileBytes(path), Native(expected));

    ASSERT_TRUE(p.WriteProfileString("New", "K", "v"));
    expected += "[New]\nK=v\n";
    EXPECT_EQ(ReadFileBytes(path), Native(expected));

    ASSERT_TRUE(p.DeleteProfileEntry("dish", "offset"));
    expected.erase(expected.find("Offset=22.5\n"), 12);
    EXPECT_EQ(ReadFileBytes(path), Native(expected));
    EXPECT_TRUE(p.DeleteProfileEntry("Dish", "Offset"));
    EXPECT_EQ(ReadFileBytes(path), Native(expected));

    // Refused values and failed writes leave the file alone.
    EXPECT_FALSE(p.WriteProfileString("Dish", "Size", "1\n[Evil]"));
    EXPECT_FALSE(p.WriteProfileString("Dish", "a=b", "1"));
    EXPECT_EQ(ReadFileBytes(path), Native(expected));
    CProfile nowhere((dir / "missing" / "a.ini").string());
    EXPECT_FALSE(nowhere.WriteProfileString("Dish", "Size", "1"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    // A new file is created; LF and CRLF files alike come back with the
    // system's line ends (CRLF on Windows).
    CProfile fresh((dir / "new.ini").string());
    ASSERT_TRUE(fresh.WriteProfileInt("S", "n", 3));
    EXPECT_EQ(ReadFileBytes(dir / "new.ini"), Native("[S]\nn=3\n"));
    WriteFileBytes(dir / "new.ini", "[S]\r\nn=3\r\n");
    ASSERT_TRUE(fresh.WriteProfileInt("S", "m", 4));
    EXPECT_EQ(ReadFileBytes(dir / "new.ini"), Native("[S]\nn=3\nm=4\n"));
}

TEST(RecentFileListTest, KeepsTheFourNewestWithoutDuplicates) {
    TempDir dir;
    const auto path = dir / "a.ini";
    CProfile profile(path.string());
    CRecentFileList list(&profile);
    for (const char* name : {"/a.wrk", "/b.wrk", "/c.wrk", "/d.wrk", "/e.wrk"})
        list.Add(name);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/e.wrk", "/d.wrk", "/c.wrk", "/b.wrk"}));
    list.Add("/c.wrk");
    list.Add("/C.wrk");  // paths compare exactly
    const std::vector<std::string> expected{"/C.wrk", "/c.wrk", "/e.wrk", "/d.wrk"};
    EXPECT_EQ(list.Entries(), expected);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "/C.wrk");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File4"), "/d.wrk");

    CRecentFileList reread(&profile);
    reread.ReadList();
    EXPECT_EQ(reread.Entries(), expected);

    reread.Remove(1);
    reread.Remove(7);  // out of range: ignored
    EXPECT_EQ(reread.Entries(), (std::vector<std::string>{"/C.wrk", "/e.wrk", "/d.wrk"}));
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File3"), "/d.wrk");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File4", "gone"), "gone");
}

TEST(RecentFileListTest, ReadingSkipsEmptyEntries) {
    TempDir dir;
    WriteFileBytes(dir / "a.ini", "[Recent File List]\nFile1=/x.wrk\nFile2=\nFile4=/y.wrk\nFile5=/z.wrk\n");
    CProfile profile((dir / "a.ini").string());
    CRecentFileList list(&profile);
    list.ReadList();
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/x.wrk", "/y.wrk"}));
}
