// Rectangle arithmetic for keeping windows on a screen, apart from any
// window, so it is tested on its own.
#pragma once

#include <algorithm>

#include "core/WinTypes.h"

// The window's top-left nearest to `window` that brings `part` (a
// window-relative rectangle: the glyphs, or the whole window) inside
// `area`; a part larger than the area keeps its top-left corner in it.
inline POINT MoveInto(POINT window, const RECT& part, const RECT& area)
{
    const auto to = [](long long origin, long long lo, long long hi, long long areaLo, long long areaHi) {
        lo += origin;
        hi += origin;
        long long shift = 0;
        if (hi > areaHi)
            shift = std::max(areaHi - hi, areaLo - lo);
        else if (lo < areaLo)
            shift = areaLo - lo;
        return static_cast<LONG>(origin + shift);
    };
    return {to(window.x, part.left, part.right, area.left, area.right),
            to(window.y, part.top, part.bottom, area.top, area.bottom)};
}

// A dialog `w` x `h` centred over `over` (its owner, or the work area), then
// moved the least into `area`, the work area of its owner's monitor.
inline POINT CenteredInside(const RECT& over, LONG w, LONG h, const RECT& area)
{
    const long long x = (static_cast<long long>(over.left) + over.right - w) / 2;
    const long long y = (static_cast<long long>(over.top) + over.bottom - h) / 2;
    return MoveInto({static_cast<LONG>(x), static_cast<LONG>(y)}, {0, 0, w, h}, area);
}
