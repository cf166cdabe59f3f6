// Move-only owners for the platform handles the program creates, so every
// handle is freed exactly once, by whoever holds it last.
#pragma once

#include "core/WinTypes.h"

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : m_h(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return m_h; }
    explicit operator bool() const { return m_h != Handle(); }

    // Gives the handle up, for hand-overs such as a region to SetWindowRgn.
    Handle release()
    {
        Handle h = m_h;
        m_h = Handle();
        return h;
    }

    void reset(Handle h = Handle())
    {
        if (m_h != Handle())
            Traits::Close(m_h);
        m_h = h;
    }

private:
    Handle m_h = Handle();
};

#ifdef _WIN32

struct RegKeyTraits {
    using Handle = HKEY;
    static void Close(HKEY h) { RegCloseKey(h); }
};
using UniqueRegKey = UniqueHandle<RegKeyTraits>;

template <typename T>
struct GdiTraits {
    using Handle = T;
    static void Close(T h) { DeleteObject(h); }
};
using UniqueFont = UniqueHandle<GdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<GdiTraits<HBRUSH>>;
using UniqueRegion = UniqueHandle<GdiTraits<HRGN>>;

struct DcTraits {
    using Handle = HDC;
    static void Close(HDC h) { DeleteDC(h); }
};
using UniqueDC = UniqueHandle<DcTraits>;

struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU h) { DestroyMenu(h); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

struct GlobalTraits {
    using Handle = HGLOBAL;
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
using UniqueGlobal = UniqueHandle<GlobalTraits>;

#endif
