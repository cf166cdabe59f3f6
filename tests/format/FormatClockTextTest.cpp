#include "format/DisplayFormat.h"
#include "support/Prelude.h"

namespace {

// Sunday 2026-12-06 09:05:07, and 00:00:00 on Saturday 2001-01-02.
const SYSTEMTIME kSunday = MakeTime(2026, 12, 6, 0, 9, 5, 7);
const SYSTEMTIME kMidnight = MakeTime(2001, 1, 2, 6, 0, 0, 0);

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

// 0x83 0x73 is one character in code page 932 whose trail byte is an "s";
// 0x82 0xA0 is one whose lead byte fills the output's last free byte.
TEST_F(CodePageTest, FormatClockTextTokensQuotesAndOtherBytes)
{
    const std::string full = "'a'" + std::string(FORMAT_SIZE - 3, 'm');  // no terminator: ends at the field
    const struct {
        std::string format;
        SYSTEMTIME time;
        const char* text;
        LONG conv0to12 = 0;
        UINT size = CLOCK_TEXT_SIZE;
        UINT codePage = 0;  // any; rows for one code page come last
    } cases[] = {
        {"yyyy/MM/dd(ddd) HH:mm:ss", kSunday, "2026/12/06(Sun) 09:05:07"},
        {"y yy yyy yyyyy", kSunday, "26 26 2026 2026"},
        {"y", MakeTime(2005, 1, 1, 6, 0, 0, 0), "05"},
        {"yyyy", MakeTime(987, 1, 1, 6, 0, 0, 0), "0987"},
        {"M MM MMM MMMM", kSunday, "12 12 Dec Dec"},
        {"d dd ddd", kMidnight, "2 02 Sat"},
        {"H HH HHH m mm s ss", kSunday, "9 09 09 5 05 7 07"},
        {"h hh t", kMidnight, "0 00 AM"},
        {"h hh t", kMidnight, "12 12 AM", 1},
        {"h t", MakeTime(2026, 12, 6, 0, 23, 5, 7), "11 PM"},
        {"h t", MakeTime(2026, 1, 1, 4, 12, 0, 0), "0 PM"},
        {"h t", MakeTime(2026, 1, 1, 4, 11, 59, 0), "11 AM"},
        {"h", MakeTime(2026, 1, 1, 4, 12, 0, 0), "12", 1},
        {"abc xz AZ [HH]", kSunday, "abc xz AZ [09]"},
        {"'HH:mm' HH", kSunday, "HH:mm 09"},
        {"A''B ''", kSunday, "A'B '"},
        {"'open HH", kSunday, "open HH"},
        {"a''b'c''d'e", kSunday, "a'bcde"},
        {"MMM ddd", MakeTime(2026, 13, 1, 7, 0, 0, 0), " "},
        {"", kSunday, ""},
        {full, kSunday, "a05"},
        {"HH:mm:ss", kSunday, "09:05", 0, 6},
        {"HH:mm:ss", kSunday, "", 0, 1},
        {"HH", kSunday, "", 0, 0},
        {"\x83\x73 ss", kSunday, "\x83" "7 07", 0, CLOCK_TEXT_SIZE, 1252},
        {"HH\x82\xA0", kSunday, "09\x82", 0, 4, 1252},
        {"\x83\x73 ss", kSunday, "\x83\x73 07", 0, CLOCK_TEXT_SIZE, 932},
        {"'\x83\x73'ss\x82", kSunday, "\x83\x73" "07\x82", 0, CLOCK_TEXT_SIZE, 932},
        {"HH\x82\xA0", kSunday, "09", 0, 4, 932},
        {"'HH\x82\xA0'", kSunday, "HH", 0, 4, 932},
    };
    for (const auto& c : cases) {
        if (c.codePage && !UseCodePage(c.codePage))
            continue;
        EXPECT_EQ(Format(WithFormat(c.format.c_str(), c.conv0to12), c.time, c.size), c.text) << c.format;
    }
}

TEST_F(CodePageTest, FormatClockTextNamesComeFromTheRecordAndStopAtTheirFieldEnd)
{
    DisplayFormat f = WithFormat("MMM|ddd|t");
    std::memset(f.MonthName[10], 'N', NAME_SIZE);  // no terminator
    std::strcpy(f.DayOfWeek[0], "");
    std::strcpy(f.HourMarker[0], "am");
    EXPECT_EQ(Format(f, MakeTime(2026, 11, 1, 0, 9, 0, 0)), std::string(NAME_SIZE, 'N') + "||am");
    EXPECT_EQ(Format(WithFormat("MMM"), kSunday, 3), "De") << "a name cut short of the text's end";
    if (UseCodePage(932)) {
        f = WithFormat("MMM");
        std::strcpy(f.MonthName[11], "\x82\xA0" "a\x82\xA0");
        EXPECT_EQ(Format(f, kSunday, 4), "\x82\xA0" "a");
        // A lead byte ends November's field; the next field's first byte is not its trail.
        std::memset(f.MonthName[10], 'N', NAME_SIZE - 1);
        f.MonthName[10][NAME_SIZE - 1] = '\x82';
        std::strcpy(f.MonthName[11], "\xA0");
        EXPECT_EQ(Format(f, MakeTime(2026, 11, 1, 0, 9, 0, 0)), std::string(NAME_SIZE - 1, 'N') + "\x82");
    }
}

}  // namespace
