// The dialog templates of a module, and the font of the system's own
// property-sheet template.
#pragma once

#include "core/DialogTemplate.h"

// The dialog template `id` of `module`.
TemplateBytes DialogResource(HMODULE module, LPCSTR id);

// The font of the system's own property-sheet template; false when it
// cannot be read.
bool SheetFont(DialogFont* font);
