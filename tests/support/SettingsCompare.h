// The persisted part of two settings blocks compared field by field (padding
// and run-time members left out), and a block away from the defaults.
#pragma once

#include <cstdio>
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
    const DisplayFormat &f = a.Format, &g = b.Format;
    EXPECT_STREQ(f.DispFormat, g.DispFormat);
    for (int i = 0; i < 12; ++i)
        EXPECT_STREQ(f.MonthName[i], g.MonthName[i]);
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(f.DayOfWeek[i], g.DayOfWeek[i]);
    for (int i = 0; i < 2; ++i)
        EXPECT_STREQ(f.HourMarker[i], g.HourMarker[i]);
    EXPECT_EQ(f.Conv0to12, g.Conv0to12);
    EXPECT_EQ(0, std::memcmp(&a.FontInfo, &b.FontInfo, sizeof(a.FontInfo))) << "FontInfo";
}

// Every persisted field away from its default, each name its own.
inline ClockSettings SampleSettings()
{
    ClockSettings s;
    s.ForeColor = 0x00123456;
    s.ZOrder = 0;
    s.WindowLeft = -120;
    s.WindowTop = 4000;
    for (int i = 0; i < 16; ++i)
        s.ColorTable[i] = 0x00010101u * static_cast<COLORREF>(i);
    s.ChimeHour = 2;
    s.ChimeHalf = 0;
    std::strcpy(s.ChimeHourSound, "D:\\sounds\\hour.wav");
    std::strcpy(s.ChimeHalfSound, "half.wav");
    DisplayFormat& f = s.Format;
    std::strcpy(f.DispFormat, "h:mm t");
    for (int i = 0; i < 12; ++i)
        std::snprintf(f.MonthName[i], NAME_SIZE, "month%d", i + 1);
    for (int i = 0; i < 7; ++i)
        std::snprintf(f.DayOfWeek[i], NAME_SIZE, "day%d", i + 1);
    std::strcpy(f.HourMarker[0], "a.m.");
    std::strcpy(f.HourMarker[1], "p.m.");
    f.Conv0to12 = 1;
    s.FontInfo.lfHeight = -24;
    s.FontInfo.lfWeight = 700;
    std::strcpy(s.FontInfo.lfFaceName, "Liberation Sans");
    return s;
}
