// What the screen shows, for tests to look at pixel by pixel and for a
// person to look at: saved as a 24-bit BMP in the folder named by
// ZENTIK_SCREENSHOT_DIR (nothing is saved when it is unset).
#pragma once

#include <vector>

#include "core/WinTypes.h"

class ScreenImage {
public:
    // The screen's pixels inside `rect` (screen coordinates); what lies
    // off the screen is not taken.
    static ScreenImage Capture(const RECT& rect);

    // Whether (x, y), relative to the rectangle's top-left corner, was taken.
    bool Contains(int x, int y) const;
    // The colour there.
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    bool Save(const char* name) const;

private:
    bool CaptureX(const RECT& rect, int w, int h);

    int m_originX = 0;  // the part taken, within the rectangle asked for
    int m_originY = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<BYTE> m_bgr;  // bottom-up rows of 24-bit pixels, as in a BMP
};

// Saves what the screen shows of a window.
inline bool SaveScreenshot(HWND hwnd, const char* name)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return ScreenImage::Capture(r).Save(name);
}
