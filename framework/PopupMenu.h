// A popup menu from a menu resource, loaded fresh for each opening.
#pragma once

#include "core/WinTypes.h"

// Shows the first popup of menu resource `name` at `at` (screen
// coordinates), owned by `owner`, which gets the chosen command as
// WM_COMMAND once the menu has closed. Nothing happens without the menu.
void TrackResourceMenu(HWND owner, LPCSTR name, POINT at);
