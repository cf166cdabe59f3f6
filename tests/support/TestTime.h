// Local times for tests, as GetLocalTime would fill them.
#pragma once

#include "core/WinTypes.h"

inline SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD dayOfWeek, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME t = {};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wDayOfWeek = dayOfWeek;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}
