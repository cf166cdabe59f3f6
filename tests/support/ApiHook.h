// Replaces a system function for the code linked into the test program, by
// patching the program's own import table; the product's calls go there too.
#pragma once

#include "core/WinTypes.h"

// Puts `replacement` in place of `dll`!`name` and returns what was there
// (nullptr when the program does not import it). Hand the result back to undo.
void* HookImport(const char* dll, const char* name, void* replacement);
