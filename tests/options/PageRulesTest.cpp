#include <cstdint>

#include "core/FixedField.h"
#include "options/PageRules.h"
#include "options/PathSplit.h"
#include "support/Prelude.h"

namespace {

TEST(PageRules, DisplayChangesNameWhatDiffers)
{
    const DisplayChoice before = {ClockSettings().FontInfo, 0x00FFFFFF, 1};
    DisplayChoice font = before, color = before, zOrder = before;
    font.font.lfItalic = 1;
    color.color = 0;  // black is a colour too
    zOrder.zOrder = 0;
    EXPECT_EQ(DisplayChanges(before, before), 0u);
    EXPECT_EQ(DisplayChanges(before, font), DWORD{CHANGED_FONT});
    EXPECT_EQ(DisplayChanges(before, color), DWORD{CHANGED_COLOR});
    EXPECT_EQ(DisplayChanges(before, zOrder), DWORD{CHANGED_ZORDER});
    // One bit each, so the clock can tell them apart.
    EXPECT_EQ(CHANGED_GENERAL + CHANGED_FONT + CHANGED_COLOR + CHANGED_ZORDER + CHANGED_CUSTOM_COLORS, 31);
}

TEST(PageRules, PointSizeFromTheFontHeightAtTheScreensDpi)
{
    const LONG cases[][3] = {  // height, dpi, points
        {-16, 96, 12},  {16, 96, 12},   {0, 96, 0},     {-1, 96, 1},   {-2, 96, 2},  {-11, 96, 8},
        {-13, 96, 10},  {-14, 96, 11},  {-15, 96, 11},  {-16, 120, 10}, {-15, 120, 9}, {-13, 120, 8},
        {-48, 144, 24}, {-13, 144, 7},  {-12, 144, 6},  {-16, 0, 12}, {-100, 0, 75},
        {INT32_MIN, 96, 1610612736},    {INT32_MIN, 1, INT32_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(PointSize(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
}

TEST(PageRules, ChimeBoxesBothWays)
{
    const struct {
        LONG hour, half;
        ChimeBoxes boxes;  // hour, once per hour, half
    } opening[] = {{0, 0, {false, false, false}}, {1, 1, {true, false, true}},
                   {2, 3, {false, false, true}},  {3, 0, {true, true, false}}};
    for (const auto& c : opening) {
        const ChimeBoxes b = BoxesFromChimes(c.hour, c.half), &e = c.boxes;
        EXPECT_EQ(std::tie(b.hourChime, b.oncePerHour, b.halfChime), std::tie(e.hourChime, e.oncePerHour, e.halfChime))
            << c.hour << "/" << c.half;
    }
    for (int bits = 0; bits < 8; ++bits) {
        LONG hour = -1, half = -1;
        ChimesFromBoxes({(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0}, &hour, &half);
        EXPECT_EQ(hour, bits & 3);  // "once" alone stores 2: the box kept its tick
        EXPECT_EQ(half, bits >> 2);
    }
}

TEST(PageRules, FormatGivesTextNowAndSampleTimeKeepsOnlyTheYear)
{
    const SYSTEMTIME december = MakeTime(2026, 12, 6, 0, 9, 5, 7);
    const struct {
        const char* format;
        const char* december;  // the twelfth month's name
        bool text;
    } cases[] = {{"MMM", "Dec", true}, {"MMM", "", false}, {"''''", "", true}, {"''", "", true}, {"'", "", false}};
    for (const auto& c : cases) {
        DisplayFormat f = DefaultDisplayFormat();
        std::strcpy(f.DispFormat, c.format);
        std::strcpy(f.MonthName[11], c.december);
        EXPECT_EQ(FormatGivesText(f, december), c.text) << c.format << "/" << c.december;
        if (!c.text && c.format[0] == 'M')
            EXPECT_TRUE(FormatGivesText(f, MakeTime(2026, 1, 6, 2, 9, 5, 7)));
    }
    SYSTEMTIME now = MakeTime(2031, 7, 19, 6, 23, 59, 58);
    now.wMilliseconds = 999;
    const SYSTEMTIME s = SampleTime(now), expected = MakeTime(2031, 1, 2, 0, 0, 1, 2);
    EXPECT_EQ(std::memcmp(&s, &expected, offsetof(SYSTEMTIME, wMilliseconds)), 0);
}

// A page's text goes into its field cut after the last whole character that
// leaves room for the terminator; 0x93 0xFA is one character in code page 932
// whose trail byte is also a lead byte.
TEST_F(CodePageTest, FieldCopyCutsOnWholeCharacters)
{
    const struct {
        UINT codePage;
        const char *text, *stored;
    } cases[] = {{1252, "abc", "abc"}, {1252, "abcd", "abc"}, {1252, "ab\x82\xA0", "ab\x82"},
                 {932, "ab\x82\xA0", "ab"}, {932, "\x82\xA0z", "\x82\xA0z"}, {932, "ab\x82", "ab\x82"},
                 {932, "\x93\xFA\x93\xFA", "\x93\xFA"}};
    for (const auto& c : cases) {
        if (!UseCodePage(c.codePage))
            continue;
        char field[4] = {'x', 'x', 'x', 'x'};
        CopyToField(field, c.text);
        EXPECT_EQ(FieldText(field), c.stored) << c.text;
        EXPECT_EQ(field[3], '\0');
    }
}

// The folder a path's dialog opens in and the index of its last backslash;
// 0x95 0x5C is one character in code page 932 whose second byte is a backslash.
TEST_F(CodePageTest, PathSplitEndsTheFolderBeforeTheLastBackslash)
{
    // Longer than the folder's 16 bytes: cut to 15, before or after a backslash at 14 or 15.
    const std::string at14 = "C:\\" + std::string(11, 'a') + "\\b", at15 = "C:\\" + std::string(12, 'a') + "\\b";
    const struct {
        UINT codePage;
        std::string path;
        size_t size;
        const char* folder;
        int lastBackslash;
    } cases[] = {
        {1252, "C:\\WINDOWS\\MEDIA\\CHIMES.WAV", 256, "C:\\WINDOWS\\MEDIA", 16}, {1252, "CHIMES.WAV", 256, "", -1},
        {1252, "", 256, "", -1}, {1252, "C:\\CHIMES.WAV", 256, "C:", 2}, {1252, "\\CHIMES.WAV", 256, "", 0},
        {1252, "C:\\MEDIA\\", 256, "C:\\MEDIA", 8}, {1252, "C:\\a", 1, "", -1},
        {1252, at14, 16, "C:\\aaaaaaaaaaa", 14}, {1252, at15, 16, "C:", 2},
        {1252, "C:\\zentik\\\x95\x5c.wav", 256, "C:\\zentik\\\x95", 11},
        {932, "C:\\zentik\\\x95\x5c.wav", 256, "C:\\zentik", 9}, {932, "\x95\x5c", 256, "", -1},
    };
    for (const auto& c : cases) {
        if (!UseCodePage(c.codePage))
            continue;
        char folder[256];
        std::memset(folder, 'x', sizeof(folder));
        EXPECT_EQ(SplitPathForDialog(folder, c.size, c.path.c_str()), c.lastBackslash) << c.path;
        EXPECT_EQ(std::string(folder), c.folder) << c.path;
    }
    EXPECT_EQ(SplitPathForDialog(nullptr, 0, "C:\\a"), -1) << "no room at all: nothing written";
}

}  // namespace
