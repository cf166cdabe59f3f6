// Where the clock reads the local time: GetLocalTime, unless a test has put
// its own source in, to run the display and the chimes at any time of day.
#pragma once

#include "framework/WinTypes.h"

using ClockTimeSource = void (*)(SYSTEMTIME* now);

void ReadClockTime(SYSTEMTIME* now);

// nullptr restores GetLocalTime.
void SetClockTimeSource(ClockTimeSource source);
