#include "options/PageRules.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

DWORD DisplayChanges(const DisplayChoice& before, const DisplayChoice& after)
{
    DWORD flags = 0;
    if (std::memcmp(&before.font, &after.font, sizeof(LOGFONTA)) != 0)
        flags |= CHANGED_FONT;
    if (before.color != after.color)
        flags |= CHANGED_COLOR;
    if (before.zOrder != after.zOrder)
        flags |= CHANGED_ZORDER;
    return flags;
}

LONG PointSize(LONG lfHeight, int dpi)
{
    if (dpi < 1)
        dpi = 96;
    // In 64 bits, so the most negative height has a magnitude and 72 times any fits.
    const long long pixels = std::llabs(static_cast<long long>(lfHeight));
    const long long points = (pixels * 72 + dpi / 2) / dpi;
    // Under 72 dpi the points outnumber the pixels and may pass a LONG.
    return static_cast<LONG>(std::min<long long>(points, std::numeric_limits<LONG>::max()));
}

ChimeBoxes BoxesFromChimes(LONG chimeHour, LONG chimeHalf)
{
    const bool hour = (chimeHour & 1) != 0;
    return ChimeBoxes{hour, hour && (chimeHour & 2) != 0, chimeHalf != 0};
}

void ChimesFromBoxes(const ChimeBoxes& boxes, LONG* chimeHour, LONG* chimeHalf)
{
    *chimeHour = (boxes.hourChime ? 1 : 0) + (boxes.oncePerHour ? 2 : 0);
    *chimeHalf = boxes.halfChime ? 1 : 0;
}

SYSTEMTIME SampleTime(SYSTEMTIME now)
{
    now.wMonth = 1;
    now.wDay = 2;
    now.wDayOfWeek = 0;
    now.wHour = 0;
    now.wMinute = 1;
    now.wSecond = 2;
    return now;
}

bool FormatGivesText(const DisplayFormat& fmt, const SYSTEMTIME& now)
{
    DisplayFormat copy = fmt;
    char text[CLOCK_TEXT_SIZE];
    return FormatClockText(text, &copy, sizeof(text), &now) != 0;
}
