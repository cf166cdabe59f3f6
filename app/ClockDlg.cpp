#include "app/ClockDlg.h"

#include "app/AboutDlg.h"
#include "app/ClockPace.h"
#include "app/SingleClock.h"
#include "core/ClockTime.h"
#include "chime/ChimeRequest.h"
#include "format/DisplayFormat.h"
#include "framework/DataExchange.h"
#include "framework/PopupMenu.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"

namespace {

const char kUnsupportedSystem[] = "This program needs Win98 or NT4.0 later.";
const char kNotSaved[] = "The settings could not be saved. They stay in use and are saved again at the next change.";

const UINT_PTR kTimerId = 1;

}  // namespace

CClockDlg::CClockDlg() : CDialog(IDD_CLOCK)
{
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
        // The region lets through only glyphs inside control 1001, which
        // paints them: the dialog's frame and background are never seen.
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
        // Shown, clicked or activated, a clock at the bottom stays there.
        m_position.KeepAtBottom(reinterpret_cast<WINDOWPOS*>(lp));
        break;
    case WM_CLOCK_STAYS:
        *result = !m_bClosing;
        return true;
    case WM_SETTINGS_CHANGED:
        OnSettingsChanged();
        *result = 0;
        return true;
    case WM_CONTEXTMENU:
        OnContextMenu(lp);
        *result = 0;
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        // Not every system turns the menu key into a context menu.
        if (wp != VK_APPS)
            break;
        OnContextMenu(-1);
        *result = 0;
        return true;
    case WM_EXITSIZEMOVE:
        // A move with the system menu, or any other move loop, ended.
        m_position.EndMoveLoop();
        SaveSettings();
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
        m_position.PlaceStored();
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
    m_position.Attach(m_hWnd, &m_face);
    m_face.SetColor(g_settings.ForeColor);
    // Where any first-run sheet opens beside; the glyphs are placed once there is a text.
    SetWindowPos(m_hWnd, g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, g_settings.WindowLeft,
                 g_settings.WindowTop, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

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

void CClockDlg::ResizeToText()
{
    SYSTEMTIME now;
    ReadClockTime(&now);
    char text[CLOCK_TEXT_SIZE];
    m_stLast = now;
    m_face.Resize(text, FormatClockText(text, &g_settings.Format, sizeof(text), &now));
    m_position.PlaceStored();
}

void CClockDlg::UpdateClockRegion(const SYSTEMTIME& now)
{
    if (!NeedsRebuild(now, m_stLast, g_settings.Format.SecondsUsed))
        return;
    m_stLast = now;
    char text[CLOCK_TEXT_SIZE];
    m_face.Show(text, FormatClockText(text, &g_settings.Format, sizeof(text), &now));
}

INT_PTR CClockDlg::ShowOptions() { return ::ShowOptions(m_hWnd); }

void CClockDlg::SaveSettings()
{
    char className[256] = {};
    GetClassNameA(m_hWnd, className, sizeof(className));
    // Once: a registry that stays full would otherwise ask at every drag.
    if (::SaveSettings(g_settings, className) != 1 && !m_bToldSaveFailed) {
        m_bToldSaveFailed = true;
        AppMessageBox(kNotSaved, MB_ICONEXCLAMATION);
    }
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
        m_position.PlaceStored(g_settings.ZOrder ? HWND_TOPMOST : HWND_BOTTOM, SWP_NOSIZE | SWP_NOACTIVATE);
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

void CClockDlg::OnLButtonDown(UINT, POINT) { m_position.Press(); }

void CClockDlg::OnMouseMove(UINT, POINT) { m_position.Follow(); }

void CClockDlg::OnLButtonUp(UINT, POINT)
{
    if (m_position.EndDrag(true))
        SaveSettings();
}

void CClockDlg::OnCaptureChanged()
{
    if (m_position.EndDrag(false))
        SaveSettings();
}

void CClockDlg::OnRButtonUp(UINT, POINT)
{
    POINT pt;
    GetCursorPos(&pt);
    TrackResourceMenu(m_hWnd, MAKEINTRESOURCEA(IDR_POPUP), pt);
}

// Shift+F10 or the menu key: the menu opens at the glyphs. A right-click
// opened it already, on the button's release.
void CClockDlg::OnContextMenu(LPARAM lp)
{
    if (lp == -1)
        TrackResourceMenu(m_hWnd, MAKEINTRESOURCEA(IDR_POPUP), m_position.AtTheGlyphs());
}
