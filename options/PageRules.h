// The option pages' decisions that need no window: what changed, how the
// chime boxes map to the stored values, whether a format may be kept.
#pragma once

#include "format/DisplayFormat.h"
#include "settings/ClockSettings.h"

// The Display page's font, colour and z-order, before or after editing.
struct DisplayChoice {
    LOGFONTA font;
    COLORREF color;
    LONG zOrder;
};

// The CHANGED_FONT / CHANGED_COLOR / CHANGED_ZORDER bits for what differs.
DWORD DisplayChanges(const DisplayChoice& before, const DisplayChoice& after);

// The point size the Display page shows for a font height in pixels at `dpi`
// pixels per inch (the screen's), rounded half up; the sign (cell or character
// height) is ignored. A dpi below 1, which no screen has, counts as 96.
LONG PointSize(LONG lfHeight, int dpi);

// The Chimes page's boxes.
struct ChimeBoxes {
    bool hourChime;
    bool oncePerHour;
    bool halfChime;
};

// "Once for each hour" alone opens clear: without the hour chime it does nothing.
ChimeBoxes BoxesFromChimes(LONG chimeHour, LONG chimeHalf);
// ChimeHour: bit 0 the hour chime, bit 1 "once for each hour"; ChimeHalf: 0 or 1.
void ChimesFromBoxes(const ChimeBoxes& boxes, LONG* chimeHour, LONG* chimeHalf);

// "Test 2"'s time: 2 January of this year at 00:01:02, taken as a Sunday:
// single digits everywhere, hour 0 for the twelve-hour box, the first names
// and marker.
SYSTEMTIME SampleTime(SYSTEMTIME now);

// Whether `fmt` gives any text at `now`: a format that shows nothing would
// leave no clock to click on, so the Format page keeps the stored one then.
bool FormatGivesText(const DisplayFormat& fmt, const SYSTEMTIME& now);
