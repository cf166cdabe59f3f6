#include "app/ClockDlg.h"

#include "app/AboutDlg.h"
#include "app/SingleClock.h"
#include "app/ClockTick.h"
#include "app/TextRegion.h"
#include "core/ClockTime.h"
#include "chime/ChimeRequest.h"
#include "chime/ChimeSchedule.h"
#include "format/DisplayFormat.h"
#include "framework/DataExchange.h"
#include "framework/GdiScope.h"
#include "framework/ScreenArea.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"

namespace {

const char kUnsupportedSystem[] = "This program needs Win98 or NT4.0 later.";
const char kNotSaved[] = "The settings could not be saved. They stay in use and are saved again at the next change.";

const UINT_PTR kTimerId = 1;
// The text is drawn this far below control 1001's top.
const int kTextDrop = 2;

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
        OnMouseMessage<CClockDlg, &CClockDlg::OnMouseMove>(WM_MOUSEMOVE),
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
    case WM_TIMECHANGE:
        OnTimeChanged();
        *result = 0;
        return true;
    case WM_POWERBROADCAST:
        if (wp == PBT_APMRESUMESUSPEND || wp == PBT_APMRESUMECRITICAL || wp == PBT_APMRESUMEAUTOMATIC)
            OnTimeChanged();
        *result = TRUE;
        return true;
    case WM_DESTROY:
        UnmarkClock(m_hWnd);
        break;
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
        // The window is never shown, so nothing is asked or started.
        CDialog::OnCancel();
        return TRUE;
    }
    MarkClock(m_hWnd);

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
    // The schedule starts after any first-run sheet, from the time it closed.
    SYSTEMTIME now;
    ReadClockTime(&now);
    m_pace.Restart(now);
    ArmTimer(now);
    return TRUE;
}

void CClockDlg::Place(HWND insertAfter, UINT flags)
{
    POINT at = {g_settings.WindowLeft, g_settings.WindowTop};
    const RECT glyphs = GlyphsAt(at, m_rcGlyphs);
    RECT work;
    if (!IsOnAScreen(glyphs, &work))
        at = MoveInto(at, m_rcGlyphs, work);
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
    TEXTMETRICA metrics = {};
    if (GetTextMetricsA(m_memDC.get(), &metrics) && metrics.tmHeight > extent.cy)
        extent.cy = metrics.tmHeight;  // an empty text has no height of its own

    const ClockSize size = ClockSizeFor(extent.cx, extent.cy, m_nOffsetX, m_nOffsetY);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(m_hWnd, nullptr, 0, 0, size.windowWidth, size.windowHeight, flags);
    SetWindowPos(m_wndText.m_hWnd, nullptr, 0, 0, size.textWidth, size.textHeight, flags);
    m_rcGlyphs = GlyphBox(m_nOffsetX, m_nOffsetY + kTextDrop, extent.cx, extent.cy);
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
    UniqueRegion region(
        TextOutlineRegion(m_memDC.get(), text, length, m_nOffsetX, m_nOffsetY + kTextDrop, m_rcGlyphs));
    if (region)
        ShowRegion(std::move(region));
    return TRUE;
}

void CClockDlg::ShowRegion(UniqueRegion region)
{
    RECT window;
    GetWindowRect(m_hWnd, &window);
    // The clock keeps its own copy of what the window shows: asking the
    // window for its region each second costs a round trip to the system.
    UniqueRegion shown(CreateRectRgn(0, 0, 0, 0)), gone(CreateRectRgn(0, 0, 0, 0)), came(CreateRectRgn(0, 0, 0, 0));
    const bool partial = !m_bRepaintAll && m_shown && gone && came &&
                         RepaintSplit(m_shown.get(), region.get(), {window.left, window.top},
                                      {m_nOffsetX, m_nOffsetY}, gone.get(), came.get());
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
    // Nothing else repaints what the old glyphs covered on the desktop and
    // the windows beneath; the control paints only what the new ones add.
    RedrawWindow(nullptr, nullptr, gone.get(), RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    InvalidateRgn(m_wndText.m_hWnd, came.get(), FALSE);
}

INT_PTR CClockDlg::ShowOptions() { return ::ShowOptions(m_hWnd); }

LONG CClockDlg::SaveSettings()
{
    char className[256] = {};
    GetClassNameA(m_hWnd, className, sizeof(className));
    const LONG result = ::SaveSettings(g_settings, className);
    // Once: a registry that stays full would otherwise ask at every drag.
    if (result != 1 && !m_bToldSaveFailed) {
        m_bToldSaveFailed = true;
        AppMessageBox(kNotSaved, MB_ICONEXCLAMATION);
    }
    return result;
}

void CClockDlg::OnTimer(UINT_PTR)
{
    SYSTEMTIME now;
    ReadClockTime(&now);
    // The schedule moves on even when the worker cannot start: retrying on
    // every tick of the minute would not help a machine out of memory.
    ChimeEvent event;
    if (m_pace.Read(now, g_settings, &event) == ClockPace::kChime)
        StartChime(event.repeatCount, event.soundPath);
    UpdateClockRegion(now);
    ArmTimer(now);
}

void CClockDlg::OnTimeChanged()
{
    SYSTEMTIME now;
    ReadClockTime(&now);
    m_pace.Restart(now);
    UpdateClockRegion(now);
    ArmTimer(now);
}

void CClockDlg::ArmTimer(const SYSTEMTIME& now)
{
    SetTimer(m_hWnd, kTimerId, m_pace.Arm(now, g_settings.Format.SecondsUsed), nullptr);
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
    m_stLast.wMinute = 0xFFFF;  // a new text or font: rebuild now, all of it
    m_bRepaintAll = true;
    ResizeToText();
    // A format with seconds now, or without them: the next boundary moved.
    SYSTEMTIME now;
    ReadClockTime(&now);
    ArmTimer(now);
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
    KillTimer(m_hWnd, kTimerId);
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

void CClockDlg::OnMouseMove(UINT, POINT)
{
    POINT pt, to;
    if (m_drag.Active() && m_drag.Follow(ReadCursor(&pt), &to))
        SetWindowPos(m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
