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
