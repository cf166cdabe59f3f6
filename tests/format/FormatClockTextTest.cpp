#include <algorithm>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "format/DisplayFormat.h"
#include "support/CodePageFixture.h"
#include "support/TestTime.h"

namespace {

// Sunday 2026-12-06 09:05:07, and 00:00:00 on Saturday 2001-01-02.
const SYSTEMTIME kSunday = MakeTime(2026, 12, 6, 0, 9, 5, 7);
const SYSTEMTIME kMidnight = MakeTime(2001, 1, 2, 6, 0, 0, 0);
const SYSTEMTIME kEvening = MakeTime(2026, 12, 6, 0, 23, 5, 7);

DisplayFormat WithFormat(const char* format, LONG conv0to12 = 0)
{
    DisplayFormat f = DefaultDisplayFormat();
    std::memset(f.DispFormat, 0, sizeof(f.DispFormat));
    std::memcpy(f.DispFormat, format, std::min(std::strlen(format), sizeof(f.DispFormat)));
    f.Conv0to12 = conv0to12;
    return f;
}

// The text and its returned length, from a buffer of `size` bytes that
// must not be written beyond.
std::string Format(DisplayFormat f, const SYSTEMTIME& t, UINT size = CLOCK_TEXT_SIZE)
{
    char out[CLOCK_TEXT_SIZE + 1];
    std::memset(out, 'x', sizeof(out));
    const LONG length = FormatClockText(out, &f, size, &t);
    EXPECT_EQ(out[size], 'x') << "wrote beyond the output size";
    if (size == 0)
        return std::string();
    EXPECT_EQ(out[size - 1], '\0');
    EXPECT_EQ(length, static_cast<LONG>(std::strlen(out)));
    return out;
}

struct Case {
    const char* format;
    SYSTEMTIME time;
    LONG conv0to12;
    const char* text;
};

TEST(FormatClockText, TokensQuotesAndOtherBytes)
{
    const Case cases[] = {
        {"yyyy/MM/dd(ddd) HH:mm:ss", kSunday, 0, "2026/12/06(Sun) 09:05:07"},
        {"y yy yyy yyyyy", kSunday, 0, "26 26 2026 2026"},
        {"y", MakeTime(2005, 1, 1, 6, 0, 0, 0), 0, "05"},
        {"M MM MMM MMMM", kSunday, 0, "12 12 Dec Dec"},
        {"d dd ddd", kMidnight, 0, "2 02 Sat"},
        {"H HH HHH m mm s ss", kSunday, 0, "9 09 09 5 05 7 07"},
        {"h hh t", kMidnight, 0, "0 00 AM"},
        {"h hh t", kMidnight, 1, "12 12 AM"},
        {"h t", kEvening, 0, "11 PM"},
        {"h t", MakeTime(2026, 1, 1, 4, 12, 0, 0), 0, "0 PM"},
        {"h", MakeTime(2026, 1, 1, 4, 12, 0, 0), 1, "12"},
        {"abc xz AZ [HH]", kSunday, 0, "abc xz AZ [09]"},
        {"'HH:mm' HH", kSunday, 0, "HH:mm 09"},
        {"A''B ''", kSunday, 0, "A'B '"},
        {"'open HH", kSunday, 0, "open HH"},
        {"a''b'c''d'e", kSunday, 0, "a'bcde"},
        {"MMM ddd", MakeTime(2026, 13, 1, 7, 0, 0, 0), 0, " "},
        {"", kSunday, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(WithFormat(c.format, c.conv0to12), c.time), c.text) << c.format;
}

TEST(FormatClockText, SecondsUsedOnlyWhenSecondsAreShown)
{
    for (const char* format : {"ss", "HH:mm", "'ss'", "s"}) {
        DisplayFormat f = WithFormat(format);
        f.SecondsUsed = 7;
        char out[CLOCK_TEXT_SIZE];
        FormatClockText(out, &f, sizeof(out), &kSunday);
        EXPECT_EQ(f.SecondsUsed, format[0] == 's' ? 1 : 0) << format;
    }
}

TEST(FormatClockText, NamesComeFromTheRecordAndStopAtTheirFieldEnd)
{
    DisplayFormat f = WithFormat("MMM|ddd|t");
    std::memset(f.MonthName[10], 'N', NAME_SIZE);  // no terminator
    std::strcpy(f.DayOfWeek[0], "");
    std::strcpy(f.HourMarker[0], "am");
    EXPECT_EQ(Format(f, MakeTime(2026, 11, 1, 0, 9, 0, 0)), std::string(NAME_SIZE, 'N') + "||am");
}

TEST(FormatClockText, TextIsCutAtTheOutputSize)
{
    EXPECT_EQ(Format(WithFormat("HH:mm:ss"), kSunday, 6), "09:05");
    EXPECT_EQ(Format(WithFormat("HH:mm:ss"), kSunday, 1), "");
    EXPECT_EQ(Format(WithFormat("HH"), kSunday, 0), "");
    // A format filling its field without a terminator ends at the field.
    std::string full(FORMAT_SIZE, 'm');
    full.replace(0, 3, "'a'");
    EXPECT_EQ(Format(WithFormat(full.c_str()), kSunday), "a05");
}

class DoubleByte : public CodePageTest {};

// 0x83 0x73 is one character in code page 932 whose trail byte is an "s";
// 0x82 0xA0 is one whose lead byte fills the output's last free byte.
TEST_F(DoubleByte, CharactersStayWhole)
{
    REQUIRE_CODE_PAGE(932);
    EXPECT_EQ(Format(WithFormat("\x83\x73 ss"), kSunday), "\x83\x73 07");
    EXPECT_EQ(Format(WithFormat("'\x83\x73'ss\x82"), kSunday), "\x83\x73" "07\x82");
    EXPECT_EQ(Format(WithFormat("HH\x82\xA0"), kSunday, 4), "09");
    EXPECT_EQ(Format(WithFormat("'HH\x82\xA0'"), kSunday, 4), "HH");
    DisplayFormat f = WithFormat("MMM");
    std::memset(f.MonthName[11], 'a', NAME_SIZE);
    f.MonthName[11][2] = '\x82';
    f.MonthName[11][3] = '\xA0';
    EXPECT_EQ(Format(f, kSunday, 4), "aa");
}

TEST_F(DoubleByte, SingleBytePageTakesEachByteAlone)
{
    REQUIRE_CODE_PAGE(1252);
    EXPECT_EQ(Format(WithFormat("\x83\x73 ss"), kSunday), "\x83" "7 07");
    EXPECT_EQ(Format(WithFormat("HH\x82\xA0"), kSunday, 4), "09\x82");
}

}  // namespace
