#include "app/ClockDlg.h"

#include "app/AboutDlg.h"
#include "app/ClockTick.h"
#include "app/ScreenArea.h"
#include "app/TextRegion.h"
#include "core/ClockTime.h"
#include "chime/ChimeRequest.h"
#include "chime/ChimeSchedule.h"
#include "format/DisplayFormat.h"
#include "framework/DataExchange.h"
#include "framework/GdiScope.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"

namespace {

const char kUnsupportedSystem[] = "This program needs Win98 or NT4.0 later.";

const POINT* ReadCursor(POINT* pt) { return GetCursorPos(pt) ? pt : nullptr; }

}  // namespace

CClockDlg::CClockDlg() : CDialog(IDD_CLOCK)
{
    m_stLast = SYSTEMTIME();
    m_stLast.wMinute = 0xFFFF;  // no reading has it: the first update rebuilds
    m_stLast.wSecond = 0xFFFF;
}

void CClockDlg::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_CLOCK_TEXT, m_wndText); }

const MessageMap* CClockDlg::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        OnTimerMessage<CClockDlg, &CClockDlg::OnTimer>(),
        OnCtlColorMessage<CClockDlg, &CClockDlg::OnCtlColor>(),
        OnCommand<CClockDlg, &CClockDlg::OnProperties>(ID_POPUP_PROPERTIES),
        OnCommand<CClockDlg, &CClockDlg::OnHomePage>(ID_POPUP_HOMEPAGE),
        OnCommand<CClockDlg, &CClockDlg::OnAbout>(ID_POPUP_ABOUT),
        OnCommand<CClockDlg, &CClockDlg::OnExit>(ID_POPUP_EXIT),
        OnMouseMessage<CClockDlg, &CClockDlg::OnLButtonDown>(WM_LBUTTONDOWN),
        OnMouseMessage<CClockDlg, &CClockDlg::OnLButtonUp>(WM_LBUTTONUP),
        OnMouseMessage<CClockDlg, &CClockDlg::OnRButtonUp>(WM_RBUTTONUP),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

bool CClockDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    switch (msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        // The window region lets through only glyphs inside control 1001,
        // which paints them: the frame and the dialog's own background are
        // never seen, so each new region repaints only the control.
        *result = msg == WM_ERASEBKGND;
        return true;
    case WM_PAINT:
        // For the same reason the dialog's part of the update region is
        // dropped without a paint cycle of its own; the control keeps its
        // part and paints it.
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOFRAME | RDW_NOERASE);
        *result = 0;
        return true;
    case WM_SETTINGS_CHANGED:
        OnSettingsChanged();
        *result = 0;
        return true;
    case WM_CAPTURECHANGED:
        OnCaptureChanged();
        *result = 0;
        return true;
    case WM_SETTINGCHANGE:
        if (wp != SPI_SETWORKAREA)
            break;
        [[fallthrough]];
    case WM_DISPLAYCHANGE:
        Place(nullptr, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        *result = 0;
        return true;
    }
    return CDialog::WindowProc(msg, wp, lp, result);
}

BOOL CClockDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const OSVERSIONINFOA& os = g_settings.OsVersion;
    if (!IsSupportedSystem(os.dwMajorVersion, os.dwMinorVersion, os.dwPlatformId)) {
        AppMessageBox(kUnsupportedSystem, MB_ICONHAND);
        // The rest still runs; the window is never shown.
        CDialog::OnCancel();
    }

    RECT window, text;
    GetWindowRect(m_hWnd, &window);
    GetWindowRect(m_wndText.m_hWnd, &text);
    m_nOffsetX = text.left - window.left;
    m_nOffsetY = text.top - window.top;

    SetClassCursor(m_hWnd, IDC_UPARROW);
    LoadSettings(g_settings);
    Place(g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, SWP_NOSIZE | SWP_NOACTIVATE);
    m_brushFore.reset(CreateSolidBrush(g_settings.ForeColor));
    {
        WindowDC dc(m_hWnd);
        m_memDC.reset(CreateCompatibleDC(dc.get()));
    }
    // Glyph outlines only, no character-cell boxes, in the path.
    SetBkMode(m_memDC.get(), TRANSPARENT);
    SYSTEMTIME now;
    ReadClockTime(&now);
    m_nNextChimeMinute = FirstChimeMinute(now.wMinute);

    // First run: no face name yet. Apply in the sheet may already have made
    // a font through the change message.
    while (g_settings.FontInfo.lfFaceName[0] == '\0') {
        const INT_PTR result = ShowOptions();
        if (g_settings.FontInfo.lfFaceName[0] != '\0')
            break;
        // Cancelled, or the sheet could not be shown at all: end rather
        // than ask again for ever.
        if (result != IDOK) {
            OnExit();
            break;
        }
    }

    MakeFont();
    ResizeToText();
    m_nTimerId = SetTimer(m_hWnd, 1, 100, nullptr);
    return TRUE;
}

void CClockDlg::Place(HWND insertAfter, UINT flags)
{
    POINT at = {g_settings.WindowLeft, g_settings.WindowTop};
    const RECT glyphs = GlyphsAt(at, m_rcText);
    RECT work;
    if (!IsOnAScreen(glyphs, &work))
        at = MoveInto(at, m_rcText, work);
    SetWindowPos(m_hWnd, insertAfter, at.x, at.y, 0, 0, flags);
}

void CClockDlg::MakeFont()
{
    const LOGFONTA bounded = BoundedClockFont(g_settings.FontInfo, ScreenLogPixelsY());
    HFONT font = CreateFontIndirectA(&bounded);
    if (!font)
        return;
    // Select the new font before the old one is freed.
    SelectObject(m_memDC.get(), font);
    m_font.reset(font);
}

BOOL CClockDlg::ResizeToText()
{
    SYSTEMTIME now;
    ReadClockTime(&now);
    char text[CLOCK_TEXT_SIZE];
    const LONG length = FormatClockText(text, &g_settings.Format, sizeof(text), &now);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(m_memDC.get(), text, length, &extent);

    const ClockSize size = ClockSizeFor(extent.cx, extent.cy, m_nOffsetX, m_nOffsetY);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(m_hWnd, nullptr, 0, 0, size.windowWidth, size.windowHeight, flags);
    SetWindowPos(m_wndText.m_hWnd, nullptr, 0, 0, size.textWidth, size.textHeight, flags);
    m_rcText = {m_nOffsetX, m_nOffsetY, m_nOffsetX + size.textWidth, m_nOffsetY + size.textHeight};
    Place(nullptr, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateClockRegion(now);
    return TRUE;
}

BOOL CClockDlg::UpdateClockRegion(const SYSTEMTIME& now)
{
    if (!NeedsRebuild(now, m_stLast, g_settings.Format.SecondsUsed))
        return TRUE;
    m_stLast = now;

    char text[CLOCK_TEXT_SIZE];
    const LONG length = FormatClockText(text, &g_settings.Format, sizeof(text), &now);
    UniqueRegion region(TextOutlineRegion(m_memDC.get(), text, length, m_nOffsetX, m_nOffsetY + 2, m_rcText));
    // Once the window has taken the region it is the system's: the program
    // keeps its handle only to know it, and never frees it.
    if (region && SetWindowRgn(m_hWnd, region.get(), TRUE))
        g_settings.ClockRegion = region.release();
    return TRUE;
}

void CClockDlg::CheckChime(const SYSTEMTIME& now)
{
    // The schedule moves on even when the worker cannot start: retrying on
    // every tick of the minute would not help a machine out of memory.
    ChimeEvent event;
    if (TakeDueChime(&m_nNextChimeMinute, now, g_settings, &event))
        StartChime(event.repeatCount, event.soundPath);
}

INT_PTR CClockDlg::ShowOptions() { return ::ShowOptions(m_hWnd); }

LONG CClockDlg::SaveSettings()
{
    char className[256] = {};
    GetClassNameA(m_hWnd, className, sizeof(className));
    return ::SaveSettings(g_settings, className);
}

void CClockDlg::OnTimer(UINT_PTR)
{
    POINT pt, to;
    if (m_drag.Active() && m_drag.Follow(ReadCursor(&pt), &to))
        SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    SYSTEMTIME now;
    ReadClockTime(&now);
    // Against the second of the last rebuild, not of the last tick.
    if (now.wSecond != m_stLast.wSecond)
        CheckChime(now);
    UpdateClockRegion(now);
}

HBRUSH CClockDlg::OnCtlColor(HDC hdc, HWND ctl, UINT ctlType)
{
    HBRUSH brush = CDialog::OnCtlColor(hdc, ctl, ctlType);
    return ctl == m_wndText.m_hWnd ? m_brushFore.get() : brush;
}

void CClockDlg::OnSettingsChanged()
{
    if (g_settings.ChangeFlags == 0)
        return;
    if (g_settings.ChangeFlags & CHANGED_FONT)
        MakeFont();
    if (g_settings.ChangeFlags & CHANGED_COLOR) {
        m_brushFore.reset(CreateSolidBrush(g_settings.ForeColor));
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    }
    if (g_settings.ChangeFlags & CHANGED_ZORDER)
        Place(g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, SWP_NOSIZE | SWP_NOACTIVATE);
    SaveSettings();
    m_stLast.wMinute = 0xFFFF;  // a new text or font: rebuild now
    ResizeToText();
    g_settings.ChangeFlags = 0;
}

void CClockDlg::OnProperties() { ShowOptions(); }

void CClockDlg::OnHomePage() { OpenHomePage(m_hWnd); }

void CClockDlg::OnAbout()
{
    CAboutDlg about;
    SetClassCursor(m_hWnd, IDC_ARROW);
    about.DoModal();
    SetClassCursor(m_hWnd, IDC_UPARROW);
}

void CClockDlg::OnExit()
{
    if (m_nTimerId != 0)
        KillTimer(m_hWnd, m_nTimerId);
    CDialog::OnOK();
}

void CClockDlg::OnLButtonDown(UINT, POINT)
{
    RECT r;
    GetWindowRect(m_hWnd, &r);
    POINT pt;
    m_drag.Press(ReadCursor(&pt), {r.left, r.top});
    if (m_drag.Active())
        SetCapture(m_hWnd);
}

void CClockDlg::OnLButtonUp(UINT, POINT)
{
    POINT pt;
    EndDrag(ReadCursor(&pt));
}

void CClockDlg::OnCaptureChanged() { EndDrag(nullptr); }

// The place a drag ends at is stored; without a cursor reading that is
// where the window already is.
void CClockDlg::EndDrag(const POINT* cursor)
{
    POINT to;
    const ClockDrag::End end = m_drag.Release(cursor, &to);
    if (end == ClockDrag::kNoDrag)
        return;
    if (end == ClockDrag::kMoveTo) {
        SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RECT r;
        GetWindowRect(m_hWnd, &r);
        to = {r.left, r.top};
    }
    g_settings.WindowLeft = to.x;
    g_settings.WindowTop = to.y;
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    SaveSettings();
}

void CClockDlg::OnRButtonUp(UINT, POINT)
{
    const LPCSTR name = MAKEINTRESOURCEA(IDR_POPUP);
    UniqueMenu menu(LoadMenuA(FindResourceModule(name, RT_MENU), name));
    HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup)
        return;
    POINT pt;
    GetCursorPos(&pt);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
}
