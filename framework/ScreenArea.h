// The screens windows may be shown on.
#pragma once

#include "core/WinTypes.h"

// The monitor nearest to `r` (screen coordinates): its whole screen and its
// work area. Systems without the multi-monitor functions have the primary
// screen alone.
struct ScreenAreas {
    RECT screen, work;
};
ScreenAreas NearestScreen(const RECT& r);

// The work area of the monitor `hwnd` is on (or nearest to).
RECT WorkAreaOf(HWND hwnd);

// Moves `hwnd` the least that brings it wholly inside the work area of the
// monitor `beside` is on.
void KeepInWorkArea(HWND hwnd, HWND beside);
