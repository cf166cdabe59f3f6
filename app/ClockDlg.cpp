#include "app/ClockDlg.h"

#include "app/AboutDlg.h"
#include "app/ClockPace.h"
#include "app/ClockStart.h"
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
    using D = CClockDlg;
    static const MessageMapEntry entries[] = {
        OnTimerMessage<D, &D::OnTimer>(),
        OnCtlColorMessage<D, &D::OnCtlColor>(),
        OnCommand<D, &D::OnProperties>(ID_POPUP_PROPERTIES),
        OnCommand<D, &D::OnHomePage>(ID_POPUP_HOMEPAGE),
        OnCommand<D, &D::OnAbout>(ID_POPUP_ABOUT),
        OnCommand<D, &D::OnExit>(ID_POPUP_EXIT),
        OnMouseMessage<D, &D::OnLButtonDown>(WM_LBUTTONDOWN),
        OnMouseMessage<D, &D::OnMouseMove>(WM_MOUSEMOVE),
        OnMouseMessage<D, &D::OnLButtonUp>(WM_LBUTTONUP),
        OnMouseMessage<D, &D::OnRButtonUp>(WM_RBUTTONUP),
        OnMessage<D, &D::OnNoPaint>(WM_ERASEBKGND),
        OnMessage<D, &D::OnNoPaint>(WM_NCPAINT),
        OnMessage<D, &D::OnPaint>(WM_PAINT),
        OnMessage<D, &D::OnWindowPosChanging>(WM_WINDOWPOSCHANGING),
        OnMessage<D, &D::OnActivate>(WM_ACTIVATE),
        OnMessage<D, &D::OnClockStays>(WM_CLOCK_STAYS),
        OnMessage<D, &D::OnSettingsChanged>(WM_SETTINGS_CHANGED),
        OnMessage<D, &D::OnContextMenu>(WM_CONTEXTMENU),
        OnMessage<D, &D::OnKeyUp>(WM_KEYUP),
        OnMessage<D, &D::OnKeyUp>(WM_SYSKEYUP),
        OnMessage<D, &D::OnExitSizeMove>(WM_EXITSIZEMOVE),
        OnMessage<D, &D::OnCaptureChanged>(WM_CAPTURECHANGED),
        OnMessage<D, &D::OnTimeChange>(WM_TIMECHANGE),
        OnMessage<D, &D::OnPowerBroadcast>(WM_POWERBROADCAST),
        OnMessage<D, &D::OnDestroy>(WM_DESTROY),
        OnMessage<D, &D::OnSettingChange>(WM_SETTINGCHANGE),
        OnMessage<D, &D::OnDisplayChange>(WM_DISPLAYCHANGE),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
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
    m_layer.Attach(m_hWnd);
    m_face.SetColor(g_settings.ForeColor);
    m_layer.Reset();
    // Where any first-run sheet opens beside; the glyphs are placed once there is a text.
    SetWindowPos(m_hWnd, nullptr, g_settings.WindowLeft, g_settings.WindowTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // First run: no face name yet. Apply in the sheet may already have made
    // a font through the change message.
    while (g_settings.FontInfo.lfFaceName[0] == '\0') {
        const bool ok = ShowOptions() == IDOK;
        if (AfterFirstRunSheet(g_settings.FontInfo.lfFaceName[0] != '\0', ok) == FirstRun::kEnd) {
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

void CClockDlg::OnTimer(UINT_PTR id)
{
    if (!m_layer.OnTimer(id))
        OnReading();
}

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
    m_layer.Check();
}

HBRUSH CClockDlg::OnCtlColor(HDC hdc, HWND ctl, UINT ctlType)
{
    HBRUSH brush = CDialog::OnCtlColor(hdc, ctl, ctlType);
    return ctl == m_wndText.m_hWnd ? m_face.Brush() : brush;
}

bool CClockDlg::OnSettingsChanged(WPARAM, LPARAM, LRESULT* result)
{
    *result = 0;
    if (g_settings.ChangeFlags == 0)
        return true;
    if (g_settings.ChangeFlags & CHANGED_FONT)
        m_face.MakeFont(g_settings.FontInfo);
    if (g_settings.ChangeFlags & CHANGED_COLOR)
        m_face.SetColor(g_settings.ForeColor);
    if (g_settings.ChangeFlags & CHANGED_ZORDER)
        m_layer.Reset();
    SaveSettings();
    ResizeToText();
    // A format with seconds now, or without them: the next boundary moved.
    OnReading();
    g_settings.ChangeFlags = 0;
    return true;
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

void CClockDlg::OnRButtonUp(UINT, POINT)
{
    POINT pt;
    GetCursorPos(&pt);
    TrackResourceMenu(m_hWnd, MAKEINTRESOURCEA(IDR_POPUP), pt);
}

void CClockDlg::OpenMenuAtGlyphs() { TrackResourceMenu(m_hWnd, MAKEINTRESOURCEA(IDR_POPUP), m_position.AtTheGlyphs()); }

// The region lets through only glyphs inside control 1001, which paints
// them: the dialog's frame and background are never seen.
bool CClockDlg::OnNoPaint(WPARAM, LPARAM, LRESULT* result)
{
    *result = TRUE;
    return true;
}

// For the same reason the dialog's part of the update region is dropped
// without a paint cycle of its own; the control keeps its part and paints it.
bool CClockDlg::OnPaint(WPARAM, LPARAM, LRESULT* result)
{
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOFRAME | RDW_NOERASE);
    *result = 0;
    return true;
}

bool CClockDlg::OnWindowPosChanging(WPARAM, LPARAM lp, LRESULT*)
{
    m_layer.KeepDown(reinterpret_cast<WINDOWPOS*>(lp));
    return false;
}

bool CClockDlg::OnActivate(WPARAM wp, LPARAM, LRESULT*)
{
    if (LOWORD(wp) != WA_INACTIVE)
        m_layer.Settle();
    return false;
}

bool CClockDlg::OnClockStays(WPARAM, LPARAM, LRESULT* result)
{
    *result = !m_bClosing;
    return true;
}

// Shift+F10 or the menu key: the menu opens at the glyphs. A right-click
// opened it already, on the button's release.
bool CClockDlg::OnContextMenu(WPARAM, LPARAM lp, LRESULT* result)
{
    if (lp == -1)
        OpenMenuAtGlyphs();
    *result = 0;
    return true;
}

// Not every system turns the menu key into a context menu.
bool CClockDlg::OnKeyUp(WPARAM wp, LPARAM, LRESULT* result)
{
    if (wp != VK_APPS)
        return false;
    OpenMenuAtGlyphs();
    *result = 0;
    return true;
}

// A move with the system menu, or any other move loop, ended.
bool CClockDlg::OnExitSizeMove(WPARAM, LPARAM, LRESULT* result)
{
    m_position.EndMoveLoop();
    SaveSettings();
    *result = 0;
    return true;
}

bool CClockDlg::OnCaptureChanged(WPARAM, LPARAM, LRESULT* result)
{
    if (m_position.EndDrag(false))
        SaveSettings();
    *result = 0;
    return true;
}

bool CClockDlg::OnTimeChange(WPARAM, LPARAM, LRESULT* result)
{
    OnReading();
    *result = 0;
    return true;
}

bool CClockDlg::OnPowerBroadcast(WPARAM wp, LPARAM, LRESULT* result)
{
    if (IsWake(static_cast<UINT>(wp)))
        OnReading();
    *result = TRUE;  // nothing refused
    return true;
}

bool CClockDlg::OnDestroy(WPARAM, LPARAM, LRESULT*)
{
    UnmarkClock(m_hWnd);
    return false;
}

bool CClockDlg::OnSettingChange(WPARAM wp, LPARAM, LRESULT* result)
{
    if (wp != SPI_SETWORKAREA)
        return false;
    m_position.PlaceStored();
    *result = 0;
    return true;
}

bool CClockDlg::OnDisplayChange(WPARAM, LPARAM, LRESULT* result)
{
    m_position.PlaceStored();
    *result = 0;
    return true;
}
