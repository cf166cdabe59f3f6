#include "app/ClockFace.h"

#include "app/ClockPlace.h"
#include "app/TextRegion.h"
#include "framework/GdiScope.h"
#include "settings/ClockSettings.h"

namespace {

// The text is drawn this far below control 1001's top.
const int kTextDrop = 2;
// Composed by the system from their own image: they neither cover what
// lies beneath nor repaint through messages. Windows 2000 and later.
const LONG kLayered = 0x00080000;

// A walk down the windows in z-order, handing out what the old glyphs
// uncovered (screen coordinates) to whichever window shows each part.
struct Uncovered {
    HWND clock;
    HRGN rest;   // not yet handed out
    HRGN part;   // scratch
    HRGN shape;  // scratch
    bool beneath;
};

BOOL CALLBACK HandOut(HWND w, LPARAM param)
{
    Uncovered& u = *reinterpret_cast<Uncovered*>(param);
    RECT r;
    if (w == u.clock) {
        u.beneath = true;
        return TRUE;
    }
    if (!GetWindowRect(w, &r) || !RectInRegion(u.rest, &r) || !IsWindowVisible(w) ||
        (GetWindowLongA(w, GWL_EXSTYLE) & kLayered))
        return TRUE;
    SetRectRgn(u.part, r.left, r.top, r.right, r.bottom);
    if (GetWindowRgn(w, u.shape) != ERROR) {
        OffsetRgn(u.shape, r.left, r.top);
        CombineRgn(u.part, u.part, u.shape, RGN_AND);
    }
    CombineRgn(u.part, u.part, u.rest, RGN_AND);
    // A window above the clock hid that part of it: nothing changed there.
    if (u.beneath) {
        POINT client = {0, 0};
        ClientToScreen(w, &client);
        OffsetRgn(u.part, -client.x, -client.y);
        RedrawWindow(w, nullptr, u.part, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        OffsetRgn(u.part, client.x, client.y);
    }
    return CombineRgn(u.rest, u.rest, u.part, RGN_DIFF) > NULLREGION;
}

// Each part of `gone` goes to the window beneath the clock that shows
// there, what is left to the desktop; windows above the clock and the
// clock's own get nothing. A region set without a redraw leaves this to
// the program, and each paint of a window above would flicker.
void RepaintBeneath(HWND clock, HRGN gone)
{
    UniqueRegion part(CreateRectRgn(0, 0, 0, 0)), shape(CreateRectRgn(0, 0, 0, 0));
    if (!part || !shape) {
        RedrawWindow(nullptr, nullptr, gone, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    Uncovered u = {clock, gone, part.get(), shape.get(), false};
    EnumWindows(&HandOut, reinterpret_cast<LPARAM>(&u));
    RECT box;
    if (GetRgnBox(gone, &box) > NULLREGION)
        RedrawWindow(nullptr, nullptr, gone, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
}

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
    UniqueRegion shown(CreateRectRgn(0, 0, 0, 0)), gone(CreateRectRgn(0, 0, 0, 0)), came(CreateRectRgn(0, 0, 0, 0));
    const bool partial = !m_bRepaintAll && m_shown && gone && came &&
                         CombineRgn(gone.get(), m_shown.get(), region.get(), RGN_DIFF) != ERROR &&
                         CombineRgn(came.get(), region.get(), m_shown.get(), RGN_DIFF) != ERROR;
    if (shown && CombineRgn(shown.get(), region.get(), nullptr, RGN_COPY) == ERROR)
        shown.reset();
    // Once the window has taken the region it is the system's: the program
    // keeps its handle only to know it, and never frees it.
    if (!SetWindowRgn(m_hWnd, region.get(), !partial))
        return;
    g_settings.ClockRegion = region.release();
    m_shown = std::move(shown);
    m_bRepaintAll = !m_shown;
    if (!partial)
        return;
    RECT window;
    GetWindowRect(m_hWnd, &window);
    OffsetRgn(gone.get(), window.left, window.top);
    RepaintBeneath(m_hWnd, gone.get());
    // The new glyphs are painted at once, as control 1001 would paint them,
    // without a paint cycle through the dialog.
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
