// Reading the program's dialog templates (classic or extended): where a
// dialog asks to be placed, and a copy in another font for property pages,
// which the system sizes by the sheet's font: a page keeping a larger font
// of its own would be cut off at the right and the bottom.
#pragma once

#include <string>
#include <vector>

#include "core/WinTypes.h"

struct TemplateBytes {
    const BYTE* data = nullptr;  // nullptr: no such template
    size_t size = 0;
};

// The dialog template `id` of `module`.
TemplateBytes DialogResource(HMODULE module, LPCSTR id);

// Whether the template asks for a position of its own: DS_ABSALIGN, or a
// position other than (0, 0). An unreadable template counts as placed.
bool TemplateFixesPosition(TemplateBytes t);

struct DialogFont {
    WORD pointSize = 0;
    std::wstring face;
};

// The font of the system's own property-sheet template; false when it
// cannot be read.
bool SheetFont(DialogFont* font);

// A copy of the template with its font set to `font`; empty when the
// template is malformed or names no font.
std::vector<BYTE> TemplateWithFont(TemplateBytes t, const DialogFont& font);
