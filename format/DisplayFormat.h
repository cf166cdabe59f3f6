// The display-format record and the formatter that turns a local time into
// the clock text.
#pragma once

#include "core/WinTypes.h"

enum {
    FORMAT_SIZE = 64,  // the format field, terminator included
    NAME_SIZE = 16,    // each month name, day name and hour marker
    CLOCK_TEXT_SIZE = 128,
};

struct DisplayFormat {
    char DispFormat[FORMAT_SIZE];
    char MonthName[12][NAME_SIZE];  // January first
    char DayOfWeek[7][NAME_SIZE];   // Sunday first
    char HourMarker[2][NAME_SIZE];  // hours 0-11, hours 12-23
    LONG Conv0to12;                 // nonzero: 12-hour tokens show 12 for 0
    LONG SecondsUsed;               // set by each formatting
};

// The record every new settings block starts with, and the Format page's
// "Default" buttons restore from.
const DisplayFormat& DefaultDisplayFormat();

// Writes the clock text for `time` into `out` (zero-filled first, always
// terminated when outSize > 0, never written beyond outSize) and returns its
// length. Sets fmt->SecondsUsed when the text shows seconds.
LONG FormatClockText(char* out, DisplayFormat* fmt, UINT outSize, const SYSTEMTIME* time);

// Number of consecutive bytes equal to `letter` from `p` on (at least 1).
LONG CountRun(const char* p, char letter);
