// Settings blocks compared by what they write (padding and run-time members
// left out), and a block with every persisted field away from its default.
#pragma once

#include <cstdio>
#include <cstring>

#include "support/MemoryStore.h"

inline StoredValues Written(const ClockSettings& s)
{
    MemoryStore store;
    WriteSettings(store, s);
    return store.values;
}

inline ClockSettings SampleSettings()
{
    ClockSettings s;
    s.ForeColor = 0x00123456;
    s.ZOrder = s.ChimeHalf = 0;
    s.WindowLeft = -120;
    s.WindowTop = 4000;
    s.ChimeHour = 2;
    for (int i = 0; i < 16; ++i)
        s.ColorTable[i] = 0x00010101u * static_cast<COLORREF>(i);
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
