// Where the clock and the Format page read the local time: GetLocalTime,
// unless a test has put its own source in, to run them at any time of day.
#pragma once

#include "core/WinTypes.h"

using ClockTimeSource = void (*)(SYSTEMTIME* now);

void ReadClockTime(SYSTEMTIME* now);

// nullptr restores GetLocalTime.
void SetClockTimeSource(ClockTimeSource source);
