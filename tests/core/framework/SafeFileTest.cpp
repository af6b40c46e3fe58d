// Saves of the program's own files under faults: whatever goes wrong, the
// old file stays byte for byte, a message says so, nothing is left behind.
#include <gtest/gtest.h>

#include "core/framework/SafeSaveFixture.h"

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
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Unable to create satdemo.tdb: Permission denied"});
    EXPECT_EQ(ReadFileBytes("satdemo.tdb"), saved);
    EXPECT_EQ(db.GetSize(), 2u);
    // Marked unsaved until a save succeeds.
    EXPECT_TRUE(db.IsUnsaved());
    EXPECT_EQ(db.UnsavedReason(), "Permission denied");
    fs::permissions("satdemo.tdb", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(db.SaveDatabase());
    EXPECT_FALSE(db.IsUnsaved());
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

TEST_F(SafeSaveTest, AnUnexpectedExceptionStillRemovesTheTemporaryFile) {
    EXPECT_THROW(SafeWriteFile("x.tdb", [](CFile&) { throw std::bad_alloc(); }), std::bad_alloc);
    EXPECT_TRUE(Listing(".").empty());
}
