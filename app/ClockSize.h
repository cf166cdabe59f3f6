// The clock window's size for a text, and the font it makes for it. No
// window code, so it is tested on its own.
#pragma once

#include <algorithm>

#include "core/WinTypes.h"

struct ClockSize {
    LONG windowWidth, windowHeight;
    LONG textWidth, textHeight;  // control 1001
};

// Beyond any screen, and small enough that sums of a few stay in a LONG.
const long long kMaxClockExtent = 0x7FFF;

inline LONG ClampExtent(long long v) { return static_cast<LONG>(std::clamp(v, 0LL, kMaxClockExtent)); }

// For a text of W x H pixels: room for 4 H more text in width, H / 4 under
// it, and frames taken as wide as the left one. Computed wide and clamped,
// whatever extent a font reports.
inline ClockSize ClockSizeFor(LONG w, LONG h, LONG offsetX, LONG offsetY)
{
    const long long W = w, H = h, X = offsetX, Y = offsetY;
    return {ClampExtent(W + 4 * H + 2 * X), ClampExtent(Y + H + H / 4 + X), ClampExtent(W + 4 * H),
            ClampExtent(H + H / 4)};
}

// The font the clock makes from the stored one: a height or width beyond
// what the font dialog offers (8 to 128 points) is brought to its nearest
// bound, and no rotation, since the window is sized for level text. The
// stored value stays as it is.
inline LOGFONTA BoundedClockFont(const LOGFONTA& stored, int logPixelsY)
{
    const long long lo = 8LL * logPixelsY / 72, hi = 128LL * logPixelsY / 72;
    const auto bound = [lo, hi](LONG v) -> LONG {
        if (v == 0)
            return 0;  // the font's own default
        const long long m = std::clamp(v < 0 ? -static_cast<long long>(v) : v, lo, hi);
        return static_cast<LONG>(v < 0 ? -m : m);
    };
    LOGFONTA font = stored;
    font.lfHeight = bound(stored.lfHeight);
    font.lfWidth = bound(stored.lfWidth);
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    return font;
}
