// The screens windows may be shown on.
#pragma once

#include "core/WinTypes.h"

// Whether `r` (screen coordinates) is at least partly on some monitor;
// when it is not, `*workArea` is the work area of the nearest one. Systems
// without the multi-monitor functions have the primary screen alone.
bool IsOnAScreen(const RECT& r, RECT* workArea);

// The work area of the monitor `hwnd` is on (or nearest to).
RECT WorkAreaOf(HWND hwnd);

// Moves `hwnd` the least that brings it wholly inside the work area of the
// monitor `beside` is on.
void KeepInWorkArea(HWND hwnd, HWND beside);
