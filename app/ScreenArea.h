// The screens the clock may be shown on.
#pragma once

#include "core/WinTypes.h"

// Whether `r` (screen coordinates) is at least partly on some monitor;
// when it is not, `*workArea` is the work area of the nearest one. Systems
// without the multi-monitor functions have the primary screen alone.
bool IsOnAScreen(const RECT& r, RECT* workArea);
