// Reading the program's dialog templates (classic or extended) as bytes:
// where a dialog asks to be placed, and a copy in another font for property
// pages, which the system sizes by the sheet's font: a page keeping a larger
// font of its own would be cut off at the right and the bottom.
#pragma once

#include <string>
#include <vector>

#include "core/WinTypes.h"

struct TemplateBytes {
    const BYTE* data = nullptr;  // nullptr: no such template
    size_t size = 0;
};

// Whether the template asks for a position of its own: DS_ABSALIGN, or a
// position other than (0, 0). An unreadable template counts as placed.
bool TemplateFixesPosition(TemplateBytes t);

struct DialogFont {
    WORD pointSize = 0;
    std::wstring face;
};

// The font the template names; false when it names none or is malformed.
bool TemplateFont(TemplateBytes t, DialogFont* font);

// A copy of the template with its font set to `font`; empty when the
// template is malformed or names no font.
std::vector<BYTE> TemplateWithFont(TemplateBytes t, const DialogFont& font);
