#include <cstring>
#include <string>

#include "options/PathSplit.h"
#include "support/CodePageFixture.h"

namespace {

struct Split {
    std::string folder;
    int lastBackslash;
};

Split SplitOf(const char* path)
{
    char folder[256];
    std::memset(folder, 'x', sizeof(folder));
    const int index = SplitPathForDialog(folder, sizeof(folder), path);
    return {folder, index};
}

using SplitPathForDialogTest = CodePageTest;

TEST_F(SplitPathForDialogTest, FolderEndsBeforeTheLastBackslash)
{
    const struct {
        const char* path;
        const char* folder;
        int lastBackslash;
    } cases[] = {
        {"C:\\WINDOWS\\MEDIA\\CHIMES.WAV", "C:\\WINDOWS\\MEDIA", 16},
        {"CHIMES.WAV", "", -1},
        {"", "", -1},
        {"C:\\CHIMES.WAV", "C:", 2},
        {"\\CHIMES.WAV", "", 0},
        {"C:\\MEDIA\\", "C:\\MEDIA", 8},
        {"\\\\server\\share\\a.wav", "\\\\server\\share", 14},
    };
    for (const auto& c : cases) {
        const Split split = SplitOf(c.path);
        EXPECT_EQ(split.folder, c.folder) << c.path;
        EXPECT_EQ(split.lastBackslash, c.lastBackslash) << c.path;
    }
}

// 0x95 0x5C is one character in code page 932 whose second byte is a backslash.
TEST_F(SplitPathForDialogTest, TrailByteBackslashIsNoSeparatorInCodePage932)
{
    REQUIRE_CODE_PAGE(932);
    EXPECT_EQ(SplitOf("C:\\zentik\\\x95\x5c.wav").folder, "C:\\zentik");
    EXPECT_EQ(SplitOf("C:\\zentik\\\x95\x5c.wav").lastBackslash, 9);
    EXPECT_EQ(SplitOf("C:\\\x95\x5c\\a.wav").folder, "C:\\\x95\x5c");
    EXPECT_EQ(SplitOf("\x95\x5c").lastBackslash, -1);
    EXPECT_EQ(SplitOf("\x95\x5c").folder, "");
}

TEST_F(SplitPathForDialogTest, SameBytesSplitAtTheByteInCodePage1252)
{
    REQUIRE_CODE_PAGE(1252);
    EXPECT_EQ(SplitOf("C:\\zentik\\\x95\x5c.wav").folder, "C:\\zentik\\\x95");
}

TEST_F(SplitPathForDialogTest, LongPathIsCutToTheBuffer)
{
    const std::string longPath = "C:\\" + std::string(300, 'a');
    char folder[16];
    EXPECT_EQ(SplitPathForDialog(folder, sizeof(folder), longPath.c_str()), 2);
    EXPECT_STREQ(folder, "C:");
    const std::string noBackslash(300, 'b');
    EXPECT_EQ(SplitPathForDialog(folder, sizeof(folder), noBackslash.c_str()), -1);
    EXPECT_STREQ(folder, "");
}

}  // namespace
