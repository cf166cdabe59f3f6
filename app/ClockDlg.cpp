#include "app/ClockDlg.h"

#include "app/AboutDlg.h"
#include "app/ClockPace.h"
#include "app/SingleClock.h"
#include "core/ClockTime.h"
#include "chime/ChimeRequest.h"
#include "format/DisplayFormat.h"
#include "framework/DataExchange.h"
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

const POINT* ReadCursor(POINT* pt) { return GetCursorPos(pt) ? pt : nullptr; }

}  // namespace

CClockDlg::CClockDlg() : CDialog(IDD_CLOCK)
{
    m_stLast = SYSTEMTIME();
    m_stLast.wMinute = 0xFFFF;  // no reading has it: the first update rebuilds
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
        // never seen.
        *result = msg == WM_ERASEBKGND;
        return true;
    case WM_PAINT:
        // For the same reason the dialog's part of the update region is
        // dropped without a paint cycle of its own; the control keeps its
        // part and paints it.
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOFRAME | RDW_NOERASE);
        *result = 0;
        return true;
    case WM_WINDOWPOSCHANGING:
        // A clock at the bottom stays there when it is shown, clicked or
        // activated: any move up the z-order is dropped, and so is the
        // activation that comes with it, since some systems raise every
        // window they activate this way. While a dialog of its own is open
        // (the clock is then disabled) it may come up with it.
        if (!g_settings.ZOrder && IsWindowEnabled(m_hWnd)) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
            if (!(pos->flags & SWP_NOZORDER) && pos->hwndInsertAfter != HWND_BOTTOM)
                pos->flags |= SWP_NOZORDER | SWP_NOACTIVATE;
        }
        break;
    case WM_CLOCK_STAYS:
        *result = !m_bClosing;
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
        OnReading();
        *result = 0;
        return true;
    case WM_POWERBROADCAST:
        if (wp == PBT_APMRESUMESUSPEND || wp == PBT_APMRESUMECRITICAL || wp == PBT_APMRESUMEAUTOMATIC)
            OnReading();
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
    SetClassCursor(m_hWnd, IDC_UPARROW);
    LoadSettings(g_settings);
    SYSTEMTIME now;
    ReadClockTime(&now);
    m_chimes.Start(now);
    m_face.Attach(m_hWnd, m_wndText.m_hWnd);
    m_face.SetColor(g_settings.ForeColor);
    Place(g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, SWP_NOSIZE | SWP_NOACTIVATE);

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

    m_face.MakeFont(g_settings.FontInfo);
    ResizeToText();
    // The clock starts over when any first-run sheet closes.
    ReadClockTime(&now);
    m_chimes.Start(now);
    SetTimer(m_hWnd, kTimerId, DelayToBoundary(now, g_settings.Format.SecondsUsed), nullptr);
    return TRUE;
}

void CClockDlg::Place(HWND insertAfter, UINT flags)
{
    POINT at = {g_settings.WindowLeft, g_settings.WindowTop};
    const RECT ink = m_face.Ink();
    RECT work;
    if (!IsOnAScreen(GlyphsAt(at, ink), &work))
        at = MoveInto(at, ink, work);
    SetWindowPos(m_hWnd, insertAfter, at.x, at.y, 0, 0, flags);
}

BOOL CClockDlg::ResizeToText()
{
    SYSTEMTIME now;
    ReadClockTime(&now);
    char text[CLOCK_TEXT_SIZE];
    m_stLast = now;
    m_face.Resize(text, FormatClockText(text, &g_settings.Format, sizeof(text), &now));
    Place(nullptr, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CClockDlg::UpdateClockRegion(const SYSTEMTIME& now)
{
    if (!NeedsRebuild(now, m_stLast, g_settings.Format.SecondsUsed))
        return TRUE;
    m_stLast = now;
    char text[CLOCK_TEXT_SIZE];
    m_face.Show(text, FormatClockText(text, &g_settings.Format, sizeof(text), &now));
    return TRUE;
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

void CClockDlg::OnTimer(UINT_PTR) { OnReading(); }

void CClockDlg::OnReading()
{
    SYSTEMTIME now;
    ReadClockTime(&now);
    // The event counts even when the worker cannot start: retrying on
    // every tick of the minute would not help a machine out of memory.
    ChimeEvent event;
    if (m_chimes.Take(now, g_settings, &event))
        StartChime(event.repeatCount, event.soundPath);
    UpdateClockRegion(now);
    SetTimer(m_hWnd, kTimerId, DelayToBoundary(now, g_settings.Format.SecondsUsed), nullptr);
}

HBRUSH CClockDlg::OnCtlColor(HDC hdc, HWND ctl, UINT ctlType)
{
    HBRUSH brush = CDialog::OnCtlColor(hdc, ctl, ctlType);
    return ctl == m_wndText.m_hWnd ? m_face.Brush() : brush;
}

void CClockDlg::OnSettingsChanged()
{
    if (g_settings.ChangeFlags == 0)
        return;
    if (g_settings.ChangeFlags & CHANGED_FONT)
        m_face.MakeFont(g_settings.FontInfo);
    if (g_settings.ChangeFlags & CHANGED_COLOR)
        m_face.SetColor(g_settings.ForeColor);
    if (g_settings.ChangeFlags & CHANGED_ZORDER)
        Place(g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, SWP_NOSIZE | SWP_NOACTIVATE);
    SaveSettings();
    ResizeToText();
    // A format with seconds now, or without them: the next boundary moved.
    OnReading();
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
    // A second start from now on waits for this clock to end, then runs.
    m_bClosing = true;
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
