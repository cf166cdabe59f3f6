// Steering the system calls the product makes from this program.
#pragma once

#include <utility>

#include "core/WinTypes.h"

// Puts `replacement` in place of `dll`!`name` in this program's import table,
// where the product's calls go too, and returns what was there (nullptr when
// not imported). Hand the result back to undo.
inline void* HookImport(const char* dll, const char* name, void* replacement)
{
    void* first = nullptr;
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), dll) != 0 || !imp->OriginalFirstThunk)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) || lstrcmpA(reinterpret_cast<const char*>(byName->Name), name))
                continue;
            DWORD old = 0;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
            const ULONG_PTR was = std::exchange(slots->u1.Function, reinterpret_cast<ULONG_PTR>(replacement));
            VirtualProtect(&slots->u1.Function, sizeof(void*), old, &old);
            first = first ? first : reinterpret_cast<void*>(was);
        }
    }
    return first;
}

// `hook` in place of `dll`!`name` for a scope; `*real` holds what it replaced.
template <typename Fn>
class ScopedHook {
public:
    ScopedHook(const char* dll, const char* name, Fn hook, Fn* real) : m_dll(dll), m_name(name), m_real(real)
    {
        *real = reinterpret_cast<Fn>(HookImport(dll, name, reinterpret_cast<void*>(hook)));
    }
    ~ScopedHook() { HookImport(m_dll, m_name, reinterpret_cast<void*>(*m_real)); }
    ScopedHook(const ScopedHook&) = delete;
    ScopedHook& operator=(const ScopedHook&) = delete;

private:
    const char *m_dll, *m_name;
    Fn* m_real;
};
