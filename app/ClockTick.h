// The clock window's arithmetic: its size for a text, the first chime
// minute, and when the display must be rebuilt. No window code, so it is
// tested on its own.
#pragma once

#include "core/WinTypes.h"

struct ClockSize {
    LONG windowWidth, windowHeight;
    LONG textWidth, textHeight;  // control 1001
};

// For a text of W x H pixels: room for 4 H more text in width, H / 4 under
// it, and frames taken as wide as the left one.
inline ClockSize ClockSizeFor(LONG w, LONG h, LONG offsetX, LONG offsetY)
{
    return {w + 4 * h + 2 * offsetX, offsetY + h + h / 4 + offsetX, w + 4 * h, h + h / 4};
}

// The start-up minute never chimes: the first event is in the other half.
inline int FirstChimeMinute(WORD minute) { return minute < 30 ? 30 : 0; }

// Rebuild each second while the text shows seconds, else each minute. Only
// the minute and second are compared: a change of exactly one hour waits
// for the next minute.
inline bool NeedsRebuild(const SYSTEMTIME& now, const SYSTEMTIME& last, LONG secondsUsed)
{
    return (secondsUsed && now.wSecond != last.wSecond) || now.wMinute != last.wMinute;
}

// Windows 95 (4.0 on the Windows platform) and anything before 4.0 are refused.
inline bool IsSupportedSystem(DWORD major, DWORD minor, DWORD platformId)
{
    if (major < 4)
        return false;
    return !(major == 4 && minor == 0 && platformId == 1);
}
