// Pages take the font of the sheet that holds them, as the system sizes a
// page by the sheet's font: a page keeping a larger font of its own would be
// cut off at the right and the bottom.
#pragma once

#include <string>
#include <vector>

#include "framework/WinTypes.h"

struct DialogFont {
    WORD pointSize = 0;
    std::wstring face;
};

// The font of the system's own property-sheet template; false when it
// cannot be read.
bool SheetFont(DialogFont* font);

// A copy of the dialog template (classic or extended) with its font set to
// `font`; empty when the template is malformed or names no font.
std::vector<BYTE> TemplateWithFont(const BYTE* tmpl, size_t size, const DialogFont& font);
