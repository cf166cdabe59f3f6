// Field-by-field comparison of the persisted part of two settings blocks
// (padding and run-time members left out).
#pragma once

#include <cstring>

#include <gtest/gtest.h>

#include "settings/ClockSettings.h"

inline void ExpectSamePersisted(const ClockSettings& a, const ClockSettings& b)
{
    EXPECT_EQ(a.ForeColor, b.ForeColor);
    EXPECT_EQ(a.ZOrder, b.ZOrder);
    EXPECT_EQ(a.WindowLeft, b.WindowLeft);
    EXPECT_EQ(a.WindowTop, b.WindowTop);
    EXPECT_EQ(0, std::memcmp(a.ColorTable, b.ColorTable, sizeof(a.ColorTable))) << "ColorTable";
    EXPECT_EQ(a.ChimeHour, b.ChimeHour);
    EXPECT_EQ(a.ChimeHalf, b.ChimeHalf);
    EXPECT_STREQ(a.ChimeHourSound, b.ChimeHourSound);
    EXPECT_STREQ(a.ChimeHalfSound, b.ChimeHalfSound);
    EXPECT_STREQ(a.Format.DispFormat, b.Format.DispFormat);
    for (int i = 0; i < 12; ++i)
        EXPECT_STREQ(a.Format.MonthName[i], b.Format.MonthName[i]) << "month " << i + 1;
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(a.Format.DayOfWeek[i], b.Format.DayOfWeek[i]) << "day " << i + 1;
    for (int i = 0; i < 2; ++i)
        EXPECT_STREQ(a.Format.HourMarker[i], b.Format.HourMarker[i]) << "marker " << i + 1;
    EXPECT_EQ(a.Format.Conv0to12, b.Format.Conv0to12);
    EXPECT_EQ(0, std::memcmp(&a.FontInfo, &b.FontInfo, sizeof(a.FontInfo))) << "FontInfo";
}

// A block with every persisted field away from its default.
inline ClockSettings SampleSettings()
{
    ClockSettings s;
    s.ForeColor = 0x00123456;
    s.ZOrder = 0;
    s.WindowLeft = -120;
    s.WindowTop = 4000;
    for (int i = 0; i < 16; ++i)
        s.ColorTable[i] = 0x00010101u * static_cast<COLORREF>(i);
    s.ChimeHour = 1;
    s.ChimeHalf = 0;
    std::strcpy(s.ChimeHourSound, "D:\\sounds\\hour.wav");
    std::strcpy(s.ChimeHalfSound, "half.wav");
    std::strcpy(s.Format.DispFormat, "h:mm t");
    std::strcpy(s.Format.MonthName[0], "January");
    std::strcpy(s.Format.MonthName[11], "December");
    std::strcpy(s.Format.DayOfWeek[0], "Sunday");
    std::strcpy(s.Format.DayOfWeek[6], "Saturday");
    std::strcpy(s.Format.HourMarker[0], "a.m.");
    std::strcpy(s.Format.HourMarker[1], "p.m.");
    s.Format.Conv0to12 = 1;
    s.FontInfo.lfHeight = -24;
    s.FontInfo.lfWeight = 700;
    s.FontInfo.lfItalic = 1;
    std::strcpy(s.FontInfo.lfFaceName, "Liberation Sans");
    return s;
}
