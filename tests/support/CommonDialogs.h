// The platform's font and colour dialogs, used as a person would.
#pragma once

#include "core/WinTypes.h"

// The colour dialog's first basic colour, and its controls: the basic
// colour grid, "Define Custom Colors >>" and "Add to Custom Colors".
const COLORREF kFirstBasicColor = 0x008080FF;
enum { kBasicColors = 0x2d0, kDefineCustom = 0x2cf, kAddCustom = 0x2c8 };

// The property sheet's Apply button.
enum { kApplyButton = 0x3021 };

// Picks the first basic colour in an open colour dialog, as a click in its
// cell would.
void PickFirstBasicColor(HWND colorDialog);

// On the options sheet's Display page: "Ref..." for the colour, the first
// basic colour, OK; returns once the page has taken it (Apply enabled).
bool ChooseFirstBasicColor(HWND sheet);

// Picks a face and a size in an open font dialog: the list selections and
// their notifications. False when either is not offered.
bool PickFont(HWND fontDialog, const char* face, const char* points);
