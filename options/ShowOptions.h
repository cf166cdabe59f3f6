// The options sheet and the message its pages send to the clock window.
#pragma once

#include "core/WinTypes.h"

// Posted (never sent) by each page after storing its values; what changed is
// in ChangeFlags of the settings block. Both parameters are 0.
#define WM_SETTINGS_CHANGED (WM_USER + 0x200)

// Runs the options sheet modally, owned by the clock window `clock`, and
// returns IDOK or IDCANCEL (or another value when it could not be shown).
INT_PTR ShowOptions(HWND clock);
