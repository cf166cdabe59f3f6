// Replaces a system function for the code linked into the test program, by
// patching the program's own import table; the product's calls go there too.
#pragma once

#include "core/WinTypes.h"

// Puts `replacement` in place of `dll`!`name` and returns what was there
// (nullptr when the program does not import it). Hand the result back to undo.
void* HookImport(const char* dll, const char* name, void* replacement);

// A hook for the life of a scope.
template <typename Fn>
class ApiHook {
public:
    ApiHook(const char* dll, const char* name, Fn replacement)
        : m_dll(dll), m_name(name), m_original(reinterpret_cast<Fn>(HookImport(dll, name, reinterpret_cast<void*>(replacement))))
    {
    }
    ~ApiHook() { HookImport(m_dll, m_name, reinterpret_cast<void*>(m_original)); }
    ApiHook(const ApiHook&) = delete;
    ApiHook& operator=(const ApiHook&) = delete;
    Fn original() const { return m_original; }

private:
    const char* m_dll;
    const char* m_name;
    Fn m_original;
};
