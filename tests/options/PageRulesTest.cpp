#include <cstdint>
#include <cstring>
#include <string>

#include "core/FixedField.h"
#include "options/PageRules.h"
#include "options/PathSplit.h"
#include "support/CodePageFixture.h"
#include "support/TestTime.h"

namespace {

TEST(PageRules, DisplayChangesNameWhatDiffers)
{
    const DisplayChoice before = {ClockSettings().FontInfo, 0x00FFFFFF, 1};
    DisplayChoice font = before, color = before, zOrder = before, all = before;
    font.font.lfItalic = 1;
    std::strcpy(all.font.lfFaceName, "Arial");
    color.color = all.color = 0x000000FF;
    zOrder.zOrder = all.zOrder = 0;
    EXPECT_EQ(DisplayChanges(before, before), 0u);
    EXPECT_EQ(DisplayChanges(before, font), DWORD{CHANGED_FONT});
    EXPECT_EQ(DisplayChanges(before, color), DWORD{CHANGED_COLOR});
    EXPECT_EQ(DisplayChanges(before, zOrder), DWORD{CHANGED_ZORDER});
    EXPECT_EQ(DisplayChanges(before, all), DWORD{CHANGED_FONT | CHANGED_COLOR | CHANGED_ZORDER});
}

TEST(PageRules, PointSizeFromTheFontHeight)
{
    const struct {
        LONG height;
        LONG points;
    } cases[] = {{-16, 12}, {16, 12}, {0, 0}, {-1, 1}, {-2, 2}, {-13, 10}, {-14, 11}, {INT32_MIN, 1610612736}};
    for (const auto& c : cases)
        EXPECT_EQ(PointSize(c.height), c.points) << c.height;
}

TEST(PageRules, ChimeBoxesBothWays)
{
    const struct {
        LONG hour, half;
        bool hourBox, onceBox, halfBox;
    } opening[] = {{0, 0, false, false, false}, {1, 1, true, false, true},
                   {2, 3, false, false, true},  {3, 0, true, true, false}};
    for (const auto& c : opening) {
        const ChimeBoxes b = BoxesFromChimes(c.hour, c.half);
        EXPECT_EQ(b.hourChime, c.hourBox) << c.hour;
        EXPECT_EQ(b.oncePerHour, c.onceBox) << c.hour;
        EXPECT_EQ(b.halfChime, c.halfBox) << c.half;
    }
    for (int bits = 0; bits < 8; ++bits) {
        LONG hour = -1, half = -1;
        ChimesFromBoxes({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0}, &hour, &half);
        EXPECT_EQ(hour, bits & 3);  // "once" alone stores 2: the box kept its tick
        EXPECT_EQ(half, bits >> 2);
    }
}

TEST(PageRules, FormatGivesTextNow)
{
    DisplayFormat f = DefaultDisplayFormat();
    const SYSTEMTIME december = MakeTime(2026, 12, 6, 0, 9, 5, 7);
    std::strcpy(f.DispFormat, "MMM");
    EXPECT_TRUE(FormatGivesText(f, december));
    std::strcpy(f.MonthName[11], "");
    EXPECT_FALSE(FormatGivesText(f, december));
    EXPECT_TRUE(FormatGivesText(f, MakeTime(2026, 1, 6, 2, 9, 5, 7)));
    std::strcpy(f.DispFormat, "''''");
    EXPECT_TRUE(FormatGivesText(f, december));
    std::strcpy(f.DispFormat, "''");
    EXPECT_TRUE(FormatGivesText(f, december));
    std::strcpy(f.DispFormat, "'");
    EXPECT_FALSE(FormatGivesText(f, december));
}

// A page's text goes into its field cut after the last whole character that
// leaves room for the terminator.
using FieldCopy = CodePageTest;

TEST_F(FieldCopy, CutsOnWholeCharacters)
{
    char field[4];
    const struct {
        UINT codePage;
        const char* text;
        const char* stored;
    } cases[] = {{1252, "abc", "abc"}, {1252, "abcd", "abc"}, {1252, "ab\x82\xA0", "ab\x82"},
                 {932, "ab\x82\xA0", "ab"}, {932, "\x82\xA0z", "\x82\xA0z"}};
    for (const auto& c : cases) {
        if (!UseCodePage(c.codePage))
            continue;
        std::memset(field, 'x', sizeof(field));
        CopyToField(field, c.text);
        EXPECT_EQ(FieldText(field), c.stored) << c.text;
        EXPECT_EQ(field[3], '\0');
    }
}

TEST(PageRules, SampleTimeKeepsOnlyTheYear)
{
    SYSTEMTIME now = MakeTime(2031, 7, 19, 6, 23, 59, 58);
    now.wMilliseconds = 999;
    const SYSTEMTIME s = SampleTime(now);
    const SYSTEMTIME expected = MakeTime(2031, 1, 2, 0, 0, 1, 2);
    EXPECT_EQ(std::memcmp(&s, &expected, offsetof(SYSTEMTIME, wMilliseconds)), 0);
}

struct Split {
    std::string folder;
    int lastBackslash;
};

Split SplitOf(const char* path, size_t size = 256)
{
    char folder[256];
    std::memset(folder, 'x', sizeof(folder));
    const int index = SplitPathForDialog(folder, size, path);
    return {folder, index};
}

using PathSplit = CodePageTest;

TEST_F(PathSplit, FolderEndsBeforeTheLastBackslash)
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
    };
    for (const auto& c : cases) {
        const Split split = SplitOf(c.path);
        EXPECT_EQ(split.folder, c.folder) << c.path;
        EXPECT_EQ(split.lastBackslash, c.lastBackslash) << c.path;
    }
    const std::string longPath = "C:\\" + std::string(300, 'a') + "\\b";
    EXPECT_EQ(SplitOf(longPath.c_str(), 16).lastBackslash, 2);
    EXPECT_EQ(SplitOf(longPath.c_str(), 16).folder, "C:");
}

// 0x95 0x5C is one character in code page 932 whose second byte is a backslash.
TEST_F(PathSplit, TrailByteBackslashIsNoSeparator)
{
    REQUIRE_CODE_PAGE(932);
    EXPECT_EQ(SplitOf("C:\\zentik\\\x95\x5c.wav").folder, "C:\\zentik");
    EXPECT_EQ(SplitOf("\x95\x5c").lastBackslash, -1);
    if (UseCodePage(1252)) {
        EXPECT_EQ(SplitOf("C:\\zentik\\\x95\x5c.wav").folder, "C:\\zentik\\\x95");
    }
}

}  // namespace
