// Scope guards for borrowed device contexts and selected objects, so a
// context is always released and an object is never freed while selected.
#pragma once

#include "core/WinTypes.h"

class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(GetDC(hwnd)) {}
    ~WindowDC()
    {
        if (m_hdc)
            ReleaseDC(m_hwnd, m_hdc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return m_hdc; }

private:
    HWND m_hwnd;
    HDC m_hdc;
};

// The screen's pixels per inch down, the scale of font heights; 96 when no
// screen DC can be had.
inline int ScreenLogPixelsY()
{
    WindowDC screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

class SelectedObject {
public:
    SelectedObject(HDC hdc, HGDIOBJ obj) : m_hdc(hdc), m_old(obj ? SelectObject(hdc, obj) : nullptr) {}
    ~SelectedObject()
    {
        if (m_old)
            SelectObject(m_hdc, m_old);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_old;
};
