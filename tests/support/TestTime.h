// Local times for tests, as GetLocalTime would fill them.
#pragma once

#include "core/WinTypes.h"

inline SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD dayOfWeek, WORD hour, WORD minute, WORD second)
{
    return {year, month, dayOfWeek, day, hour, minute, second, 0};
}
