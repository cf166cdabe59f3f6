#include "app/ClockFace.h"

#include "app/ClockPlace.h"
#include "app/TextRegion.h"
#include "framework/GdiScope.h"

namespace {

// The text is drawn this far below control 1001's top.
const int kTextDrop = 2;

}  // namespace

void ClockFace::Attach(HWND window, HWND control)
{
    m_hWnd = window;
    m_hWndText = control;
    RECT outer, text;
    GetWindowRect(window, &outer);
    GetWindowRect(control, &text);
    m_ptText = {text.left - outer.left, text.top - outer.top};
    WindowDC dc(window);
    m_memDC.reset(CreateCompatibleDC(dc.get()));
    // Glyph outlines only, no character-cell boxes, in the path.
    SetBkMode(m_memDC.get(), TRANSPARENT);
}

void ClockFace::MakeFont(const LOGFONTA& stored)
{
    const LOGFONTA bounded = BoundedClockFont(stored, ScreenLogPixelsY());
    HFONT font = CreateFontIndirectA(&bounded);
    if (!font)
        return;
    // Select the new font before the old one is freed.
    SelectObject(m_memDC.get(), font);
    m_font.reset(font);
}

void ClockFace::SetColor(COLORREF color)
{
    m_brushFore.reset(CreateSolidBrush(color));
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void ClockFace::Resize(const char* text, int length)
{
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(m_memDC.get(), text, length, &extent);
    TEXTMETRICA metrics = {};
    if (GetTextMetricsA(m_memDC.get(), &metrics) && metrics.tmHeight > extent.cy)
        extent.cy = metrics.tmHeight;  // an empty text has no height of its own

    const ClockSize size = ClockSizeFor(extent.cx, extent.cy, m_ptText.x, m_ptText.y);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(m_hWnd, nullptr, 0, 0, size.windowWidth, size.windowHeight, flags);
    SetWindowPos(m_hWndText, nullptr, 0, 0, size.textWidth, size.textHeight, flags);
    m_rcGlyphs = GlyphBox(m_ptText.x, m_ptText.y + kTextDrop, extent.cx, extent.cy);
    m_bRepaintAll = true;
    Show(text, length);
}

void ClockFace::Show(const char* text, int length)
{
    UniqueRegion region(
        TextOutlineRegion(m_memDC.get(), text, length, m_ptText.x, m_ptText.y + kTextDrop, m_rcGlyphs));
    if (!region)
        return;
    // The face keeps its own copy of what the window shows: asking the
    // window for its region each second costs a round trip to the system.
    UniqueRegion shown(CreateRectRgn(0, 0, 0, 0)), came(CreateRectRgn(0, 0, 0, 0)), owed(CreateRectRgn(0, 0, 0, 0));
    const bool partial = !m_bRepaintAll && m_shown && came && owed &&
                         CombineRgn(came.get(), region.get(), m_shown.get(), RGN_DIFF) != ERROR;
    // A repaint control 1001 was already due is kept through the change.
    const bool owes = partial && GetUpdateRgn(m_hWndText, owed.get(), FALSE) > NULLREGION;
    if (shown && CombineRgn(shown.get(), region.get(), nullptr, RGN_COPY) == ERROR)
        shown.reset();
    // What the old glyphs alone covered is repainted by the system, in
    // whichever window shows there now, as for any window that shrinks:
    // it alone knows them all, however many other programs have.
    if (!SetWindowRgn(m_hWnd, region.get(), TRUE))
        return;
    region.release();  // the window's now: the system frees it at the next change
    m_shown = std::move(shown);
    m_bRepaintAll = !m_shown;
    if (!partial)
        return;
    // The glyphs that stayed are on the screen already: the clock's own
    // repaint is dropped and the new glyphs are painted at once, as control
    // 1001 would paint them, without a paint cycle through the dialog.
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOERASE | RDW_ALLCHILDREN);
    if (owes)
        InvalidateRgn(m_hWndText, owed.get(), FALSE);
    OffsetRgn(came.get(), -m_ptText.x, -m_ptText.y);
    WindowDC dc(m_hWndText);
    if (dc.get())
        FillRgn(dc.get(), came.get(), m_brushFore.get());
}

RECT ClockFace::Ink() const
{
    RECT box = m_rcGlyphs;
    if (m_shown)
        GetRgnBox(m_shown.get(), &box);
    return box;
}
