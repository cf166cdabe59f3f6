#include <cstring>

#include <gtest/gtest.h>

#include "settings/ClockSettings.h"

namespace {

// A new block is what a first run without any stored settings shows.
TEST(ClockSettings, NewBlockHoldsTheDefaults)
{
    const ClockSettings s;
    EXPECT_EQ(s.ForeColor, 0x00FFFFFFu);
    EXPECT_EQ(s.ZOrder, 1);
    EXPECT_EQ(s.WindowLeft, 0);
    EXPECT_EQ(s.WindowTop, 0);
    for (COLORREF c : s.ColorTable)
        EXPECT_EQ(c, 0x0FFFFFFFu);
    EXPECT_EQ(s.ChimeHour, 3);
    EXPECT_STREQ(s.ChimeHourSound, "C:\\WINDOWS\\MEDIA\\CHIMES.WAV");
    EXPECT_EQ(s.ChimeHalf, 1);
    EXPECT_STREQ(s.ChimeHalfSound, "C:\\WINDOWS\\MEDIA\\CHIMES.WAV");
    EXPECT_STREQ(s.FontInfo.lfFaceName, "");
    EXPECT_EQ(s.ChangeFlags, 0u);
    EXPECT_EQ(s.ClockRegion, nullptr);
    EXPECT_EQ(s.OsVersion.dwMajorVersion, 0u);

    const DisplayFormat& f = s.Format;
    EXPECT_STREQ(f.DispFormat, "yyyy/MM/dd(ddd) HH:mm:ss");
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i)
        EXPECT_STREQ(f.MonthName[i], months[i]);
    const char* days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(f.DayOfWeek[i], days[i]);
    EXPECT_STREQ(f.HourMarker[0], "AM");
    EXPECT_STREQ(f.HourMarker[1], "PM");
    EXPECT_EQ(f.Conv0to12, 0);
}

}  // namespace
