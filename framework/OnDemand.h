// System functions looked up when first needed: the DLLs that only a menu
// command, the options sheet or a chime uses stay out of the idle clock.
#pragma once

#include <windows.h>

// Null when the DLL or the function is missing; the caller then does
// nothing. A loaded DLL stays for the life of the process: a sound played
// asynchronously, or a dialog's helpers, may still run in it.
template <typename Fn>
Fn OnDemand(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    if (!module)
        module = LoadLibraryA(dll);
    if (!module)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The function's own declaration gives the type, so a call cannot drift from it.
#define ON_DEMAND(dll, function) OnDemand<decltype(&function)>(dll, #function)
