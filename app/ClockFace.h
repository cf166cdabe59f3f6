// What the clock shows: its text in the clock font, as the outline the
// window takes for its shape, painted in the fore-colour by control 1001.
// It owns the font, the memory context that measures and outlines the
// text, the brush, and a copy of the shape the window has, and hands each
// new shape to the window repainting only what changed.
#pragma once

#include "app/ClockSize.h"
#include "framework/Handles.h"

class ClockFace {
public:
    // Ties the face to the clock window and its glyph control, which
    // covers the client area.
    void Attach(HWND window, HWND control);

    // Makes the clock font from the stored one and selects it; a failure
    // keeps the font selected before.
    void MakeFont(const LOGFONTA& stored);
    // A brush of `color` for the glyphs, repainting all of them.
    void SetColor(COLORREF color);
    HBRUSH Brush() const { return m_brushFore.get(); }

    // Sizes the window and the control for `text` and shows it whole.
    void Resize(const char* text, int length);
    // Hands the outline of `text` to the window: the windows beneath
    // repaint what the old glyphs alone covered, the control paints what
    // the new ones alone cover, and nothing else is touched.
    void Show(const char* text, int length);

    // The box of the shape shown (window-relative), and the height of a
    // line of text.
    RECT Ink() const;
    LONG LineHeight() const { return m_rcGlyphs.bottom - m_rcGlyphs.top; }

private:
    HWND m_hWnd = nullptr;
    HWND m_hWndText = nullptr;
    POINT m_ptText = {0, 0};  // control 1001's top-left in the window
    UniqueFont m_font;
    UniqueDC m_memDC;  // destroyed before the font selected into it
    UniqueBrush m_brushFore;
    UniqueRegion m_shown;  // a copy of the window's region
    bool m_bRepaintAll = true;
    RECT m_rcGlyphs = {0, 0, 0, 0};  // the text where it is drawn, window-relative
};
