#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "format/DisplayFormat.h"
#include "support/CodePageFixture.h"
#include "support/TestTime.h"

namespace {

// Year, month, day, day of week, hour, minute, second.
SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD dayOfWeek, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME t = MakeTime(year, month, day, dayOfWeek, hour, minute, second);
    t.wMilliseconds = 999;  // never read
    return t;
}

// Sunday 2026-12-06 09:05:07.
const SYSTEMTIME kSunday = Time(2026, 12, 6, 0, 9, 5, 7);

DisplayFormat WithFormat(const char* format, LONG conv0to12 = 0)
{
    DisplayFormat f = DefaultDisplayFormat();
    std::memset(f.DispFormat, 0, sizeof(f.DispFormat));
    std::strncpy(f.DispFormat, format, sizeof(f.DispFormat) - 1);
    f.Conv0to12 = conv0to12;
    return f;
}

struct Result {
    std::string text;
    LONG length;
    LONG secondsUsed;
};

Result Format(DisplayFormat f, const SYSTEMTIME& t)
{
    char out[CLOCK_TEXT_SIZE];
    std::memset(out, 'x', sizeof(out));
    f.SecondsUsed = 7;
    const LONG length = FormatClockText(out, &f, sizeof(out), &t);
    return {std::string(out), length, f.SecondsUsed};
}

struct Case {
    const char* format;
    SYSTEMTIME time;
    LONG conv0to12;
    const char* text;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.format << "\" -> \"" << c.text << '"'; }

void ExpectCase(const Case& c)
{
    const Result r = Format(WithFormat(c.format, c.conv0to12), c.time);
    EXPECT_EQ(r.text, c.text);
    EXPECT_EQ(r.length, static_cast<LONG>(std::strlen(c.text)));
}

class Examples : public ::testing::TestWithParam<Case> {};
TEST_P(Examples, GiveTheText) { ExpectCase(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Documented, Examples, ::testing::Values(
    Case{"yyyy/MM/dd(ddd) HH:mm:ss", kSunday, 0, "2026/12/06(Sun) 09:05:07"},
    Case{"h:mm t", Time(2026, 1, 1, 4, 0, 30, 0), 0, "0:30 AM"},
    Case{"h:mm t", Time(2026, 1, 1, 4, 0, 30, 0), 1, "12:30 AM"},
    Case{"hh t", Time(2026, 1, 1, 4, 13, 5, 0), 1, "01 PM"},
    Case{"y M/d", Time(2005, 1, 2, 0, 0, 0, 0), 0, "05 1/2"},
    Case{"yyy MMM", Time(2005, 1, 2, 0, 0, 0, 0), 0, "2005 Jan"},
    Case{"MMMM", Time(2026, 12, 24, 4, 0, 0, 0), 0, "Dec"},
    Case{"'Time' HHH", Time(2026, 1, 1, 4, 9, 0, 0), 0, "Time 09"},
    Case{"''HH''", Time(2026, 1, 1, 4, 9, 0, 0), 0, "'09'"}));

// Every letter with every run length that means something different.
class Tokens : public ::testing::TestWithParam<Case> {};
TEST_P(Tokens, ExpandByRunLength) { ExpectCase(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Letters, Tokens, ::testing::Values(
    Case{"y|yy|yyy|yyyy|yyyyy", Time(2005, 3, 4, 5, 6, 7, 8), 0, "05|05|2005|2005|2005"},
    Case{"y yyy", Time(987, 1, 1, 0, 0, 0, 0), 0, "87 0987"},
    Case{"M|MM|MMM|MMMM", Time(2005, 3, 4, 5, 6, 7, 8), 0, "3|03|Mar|Mar"},
    Case{"MMM", Time(2005, 1, 4, 5, 6, 7, 8), 0, "Jan"},
    Case{"d|dd|ddd|dddd", Time(2005, 3, 4, 5, 6, 7, 8), 0, "4|04|Fri|Fri"},
    Case{"ddd", Time(2005, 3, 6, 0, 6, 7, 8), 0, "Sun"},
    Case{"ddd", Time(2005, 3, 5, 6, 6, 7, 8), 0, "Sat"},
    Case{"H|HH|HHHH", Time(2005, 3, 4, 5, 9, 7, 8), 0, "9|09|09"},
    Case{"H|HH", Time(2005, 3, 4, 5, 23, 7, 8), 0, "23|23"},
    Case{"m|mm|mmm", Time(2005, 3, 4, 5, 6, 7, 8), 0, "7|07|07"},
    Case{"s|ss|sss", Time(2005, 3, 4, 5, 6, 7, 8), 0, "8|08|08"},
    Case{"t|tt|ttt", Time(2005, 3, 4, 5, 11, 7, 8), 0, "AM|AM|AM"},
    Case{"t", Time(2005, 3, 4, 5, 12, 7, 8), 0, "PM"},
    Case{"Y D S T xyz 09", Time(2005, 3, 4, 5, 6, 7, 8), 0, "Y D S T x05z 09"}));

// The twelve-hour value and the marker around midnight and noon.
INSTANTIATE_TEST_SUITE_P(TwelveHour, Tokens, ::testing::Values(
    Case{"h|hh t", Time(2005, 3, 4, 5, 0, 0, 0), 0, "0|00 AM"},
    Case{"h|hh t", Time(2005, 3, 4, 5, 12, 0, 0), 0, "0|00 PM"},
    Case{"h|hh t", Time(2005, 3, 4, 5, 0, 0, 0), 1, "12|12 AM"},
    Case{"h|hh t", Time(2005, 3, 4, 5, 12, 0, 0), 1, "12|12 PM"},
    Case{"h|hh t", Time(2005, 3, 4, 5, 11, 0, 0), 1, "11|11 AM"},
    Case{"h|hh t", Time(2005, 3, 4, 5, 23, 0, 0), 0, "11|11 PM"},
    Case{"hhh", Time(2005, 3, 4, 5, 13, 0, 0), 0, "01"}));

class Quotes : public ::testing::TestWithParam<Case> {};
TEST_P(Quotes, MakeLiterals) { ExpectCase(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Literals, Quotes, ::testing::Values(
    Case{"'abc", kSunday, 0, "abc"},
    Case{"HH'", kSunday, 0, "09"},
    Case{"'", kSunday, 0, ""},
    Case{"''", kSunday, 0, "'"},
    Case{"''''", kSunday, 0, "''"},
    Case{"'it''s'", kSunday, 0, "its"},
    Case{"'HH:mm ss' HH", kSunday, 0, "HH:mm ss 09"},
    Case{"'' ss ''", kSunday, 0, "' 07 '"},
    Case{"'a'b'c'", kSunday, 0, "abc"}));

TEST(FormatClockText, EmptyFormatZeroesTheWholeBuffer)
{
    DisplayFormat f = WithFormat("");
    f.SecondsUsed = 1;
    char out[CLOCK_TEXT_SIZE];
    std::memset(out, 'x', sizeof(out));
    EXPECT_EQ(FormatClockText(out, &f, sizeof(out), &kSunday), 0);
    EXPECT_EQ(f.SecondsUsed, 0);
    for (char c : out)
        ASSERT_EQ(c, '\0');
}

TEST(FormatClockText, SecondsUsedFollowsTheLastFormatting)
{
    EXPECT_EQ(Format(WithFormat("ss"), kSunday).secondsUsed, 1);
    EXPECT_EQ(Format(WithFormat("s"), kSunday).secondsUsed, 1);
    EXPECT_EQ(Format(WithFormat("'ss'"), kSunday).secondsUsed, 0);
    EXPECT_EQ(Format(WithFormat("HH:mm"), kSunday).secondsUsed, 0);

    // The same record: set by one formatting, cleared by the next.
    DisplayFormat f = WithFormat("HH:mm:ss");
    char out[CLOCK_TEXT_SIZE];
    FormatClockText(out, &f, sizeof(out), &kSunday);
    ASSERT_EQ(f.SecondsUsed, 1);
    std::strcpy(f.DispFormat, "HH:mm");
    FormatClockText(out, &f, sizeof(out), &kSunday);
    EXPECT_EQ(f.SecondsUsed, 0);
}

TEST(FormatClockText, EmptyNamesAddNothing)
{
    DisplayFormat f = WithFormat("[MMM][ddd][t]");
    f.MonthName[11][0] = '\0';
    f.DayOfWeek[0][0] = '\0';
    f.HourMarker[0][0] = '\0';
    const Result r = Format(f, kSunday);
    EXPECT_EQ(r.text, "[][][]");
    EXPECT_EQ(r.length, 6);
}

TEST(FormatClockText, NamesComeFromTheRecord)
{
    DisplayFormat f = WithFormat("MMM ddd t");
    std::strcpy(f.MonthName[11], "December");
    std::strcpy(f.DayOfWeek[0], "Sunday");
    std::strcpy(f.HourMarker[0], "morning");
    EXPECT_EQ(Format(f, kSunday).text, "December Sunday morning");
}

// 32 markers of 15 bytes would make 510 bytes of text.
TEST(FormatClockText, LongExpansionIsCutAtTheOutputSize)
{
    std::string format;
    for (int i = 0; i < 32; ++i)
        format += i ? " t" : "t";
    DisplayFormat f = WithFormat(format.c_str());
    std::strcpy(f.HourMarker[0], "ABCDEFGHIJKLMNO");

    char out[CLOCK_TEXT_SIZE + 16];
    std::memset(out, 'x', sizeof(out));
    const LONG length = FormatClockText(out, &f, CLOCK_TEXT_SIZE, &kSunday);
    EXPECT_EQ(length, CLOCK_TEXT_SIZE - 1);
    EXPECT_EQ(std::strlen(out), static_cast<size_t>(CLOCK_TEXT_SIZE - 1));
    EXPECT_EQ(std::string(out, 20), "ABCDEFGHIJKLMNO ABCD");
    for (size_t i = CLOCK_TEXT_SIZE; i < sizeof(out); ++i)
        ASSERT_EQ(out[i], 'x') << "byte " << i << " written beyond the output";
}

TEST(FormatClockText, TinyOutputSizes)
{
    DisplayFormat f = WithFormat("HH:mm");
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(FormatClockText(out, &f, 3, &kSunday), 2);
    EXPECT_STREQ(out, "09");
    EXPECT_EQ(out[3], 'x');
    EXPECT_EQ(FormatClockText(out, &f, 1, &kSunday), 0);
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], '9');  // untouched
    EXPECT_EQ(FormatClockText(out, &f, 0, &kSunday), 0);
    EXPECT_EQ(out[0], '\0');
}

// Fields that lost their terminators (a damaged record) end at their size.
TEST(FormatClockText, UnterminatedFieldsStopAtTheirEnd)
{
    DisplayFormat f = DefaultDisplayFormat();
    std::memset(f.DispFormat, 'Z', sizeof(f.DispFormat));
    std::memset(f.MonthName[0], 'Q', sizeof(f.MonthName[0]));
    Result r = Format(f, kSunday);
    EXPECT_EQ(r.text, std::string(FORMAT_SIZE, 'Z'));

    f = WithFormat("MMM");
    std::memset(f.MonthName[0], 'Q', sizeof(f.MonthName[0]));
    r = Format(f, Time(2005, 1, 4, 5, 6, 7, 8));
    EXPECT_EQ(r.text, std::string(NAME_SIZE, 'Q'));
}

// Dates no clock reading has must not index outside the name tables.
TEST(FormatClockText, OutOfRangeDatesGiveNoName)
{
    EXPECT_EQ(Format(WithFormat("[MMM]"), Time(2005, 0, 4, 5, 6, 7, 8)).text, "[]");
    EXPECT_EQ(Format(WithFormat("[MMM]"), Time(2005, 13, 4, 5, 6, 7, 8)).text, "[]");
    EXPECT_EQ(Format(WithFormat("[ddd]"), Time(2005, 1, 4, 7, 6, 7, 8)).text, "[]");
    EXPECT_EQ(Format(WithFormat("yyyy H"), Time(65535, 1, 4, 5, 65535, 7, 8)).text, "65535 65535");
}

TEST(CountRun, CountsEqualBytesUpToTheFirstOther)
{
    EXPECT_EQ(CountRun("y", 'y'), 1);
    EXPECT_EQ(CountRun("yyyy/", 'y'), 4);
    EXPECT_EQ(CountRun("HHhh", 'H'), 2);
    EXPECT_EQ(CountRun("ss", 's'), 2);
}

// Code page 932: a double-byte character whose trail byte is a token letter.
// "\x82\x73" is a full-width letter whose second byte is 's'; "\x83\x64"'s is 'd'.
class DoubleByte : public CodePageTest {};

TEST_F(DoubleByte, TrailByteIsNeverAToken)
{
    REQUIRE_CODE_PAGE(932);
    Result r = Format(WithFormat("\x82\x73"), kSunday);
    EXPECT_EQ(r.text, "\x82\x73");
    EXPECT_EQ(r.secondsUsed, 0);

    r = Format(WithFormat("\x83\x64\x83\x64 dd"), kSunday);
    EXPECT_EQ(r.text, "\x83\x64\x83\x64 06");
    EXPECT_EQ(r.length, 7);
}

TEST_F(DoubleByte, SingleBytePageTakesTheSameBytesAsTokens)
{
    REQUIRE_CODE_PAGE(1252);
    const Result r = Format(WithFormat("\x82\x73"), kSunday);
    EXPECT_EQ(r.text, "\x82" "7");
    EXPECT_EQ(r.secondsUsed, 1);
}

TEST_F(DoubleByte, LiteralsAndNamesKeepTheirCharacters)
{
    REQUIRE_CODE_PAGE(932);
    // "\x8e\x9e" and "\x95\xaa" are hour and minute in kanji.
    DisplayFormat f = WithFormat("H'\x8e\x9e'm'\x95\xaa' MMM");
    std::strcpy(f.MonthName[11], "\x82\x50\x82\x51\x8c\x8e");
    const Result r = Format(f, kSunday);
    EXPECT_EQ(r.text, "9\x8e\x9e" "5\x95\xaa \x82\x50\x82\x51\x8c\x8e");
}

// A lead byte just before the terminator: nothing after the terminator is
// read (here a stale "ss" left in the field).
TEST_F(DoubleByte, LeadByteAtTheEndReadsNothingBeyond)
{
    REQUIRE_CODE_PAGE(932);
    DisplayFormat f = WithFormat("HH\x82");
    f.DispFormat[4] = 's';
    f.DispFormat[5] = 's';
    const Result r = Format(f, kSunday);
    EXPECT_EQ(r.text, "09\x82");
    EXPECT_EQ(r.length, 3);
    EXPECT_EQ(r.secondsUsed, 0);

    f = WithFormat("'\x82");
    f.DispFormat[3] = 's';
    EXPECT_EQ(Format(f, kSunday).text, "\x82");
}

}  // namespace
