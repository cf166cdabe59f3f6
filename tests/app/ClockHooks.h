// The clock window run on the test thread, its time behind the seam and
// the system calls it makes counted or steered through the import table.
#pragma once

#include <cstring>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "app/ClockDlg.h"
#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "core/ClockTime.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/Registry.h"
#include "support/ApiHook.h"
#include "support/TestTime.h"

// What the clock did with regions and fonts, and what it is told.
struct Ledger {
    std::set<HRGN> ours, handedOver;
    int deletedAfterHandOver = 0, fontsMade = 0, plays = 0;
    LOGFONTA lastFont = {};
    bool cursorFails = false, noMonitorFunctions = false, refuseRegions = false;
    POINT cursor = {0, 0};
    SYSTEMTIME now = {};
};
inline Ledger g_ledger;

namespace hooked {
inline ApiHook<HRGN(WINAPI*)(HDC)>* pathToRegion;
inline ApiHook<HRGN(WINAPI*)(const RECT*)>* rectRegion;
inline ApiHook<int(WINAPI*)(HWND, HRGN, BOOL)>* setWindowRgn;
inline ApiHook<BOOL(WINAPI*)(HGDIOBJ)>* deleteObject;
inline ApiHook<HFONT(WINAPI*)(const LOGFONTA*)>* createFont;
inline ApiHook<BOOL(WINAPI*)(POINT*)>* getCursorPos;
inline ApiHook<FARPROC(WINAPI*)(HMODULE, LPCSTR)>* getProcAddress;

inline HRGN Made(HRGN r)
{
    g_ledger.handedOver.erase(r);  // a number the system has reused
    if (r)
        g_ledger.ours.insert(r);
    return r;
}
inline HRGN WINAPI PathToRegion(HDC dc) { return Made(pathToRegion->original()(dc)); }
inline HRGN WINAPI RectRegion(const RECT* r) { return Made(rectRegion->original()(r)); }
inline int WINAPI SetWindowRgn(HWND w, HRGN r, BOOL redraw)
{
    if (g_ledger.refuseRegions)
        return 0;
    const int ok = setWindowRgn->original()(w, r, redraw);
    if (ok && g_ledger.ours.erase(r))
        g_ledger.handedOver.insert(r);
    return ok;
}
inline BOOL WINAPI DeleteObject(HGDIOBJ h)
{
    g_ledger.deletedAfterHandOver += g_ledger.handedOver.count(static_cast<HRGN>(h)) != 0;
    g_ledger.ours.erase(static_cast<HRGN>(h));
    return deleteObject->original()(h);
}
inline HFONT WINAPI CreateFont(const LOGFONTA* f)
{
    ++g_ledger.fontsMade;
    g_ledger.lastFont = *f;
    return createFont->original()(f);
}
inline BOOL WINAPI GetCursorPos(POINT* p)
{
    if (g_ledger.cursorFails)
        return FALSE;
    *p = g_ledger.cursor;
    return TRUE;
}
inline FARPROC WINAPI GetProcAddress(HMODULE m, LPCSTR name)
{
    const bool monitor = HIWORD(reinterpret_cast<ULONG_PTR>(name)) &&
                         (!lstrcmpA(name, "MonitorFromRect") || !lstrcmpA(name, "GetMonitorInfoA"));
    return g_ledger.noMonitorFunctions && monitor ? nullptr : getProcAddress->original()(m, name);
}
}  // namespace hooked

class ClockWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        g_ledger = Ledger();
        std::strcpy(m_stored.FontInfo.lfFaceName, "DejaVu Sans");
        m_stored.FontInfo.lfHeight = -32;
        m_stored.WindowLeft = 40;
        m_stored.WindowTop = 60;
        SetNow(9, 5, 7);
        SetClockTimeSource([](SYSTEMTIME* now) { *now = g_ledger.now; });
        // The chime worker runs inline, so each chime is counted when due.
        SetChimeThreadStarter([](unsigned (*proc)(void*), void* p) { return proc(p), true; });
        SetSoundPlayer([](LPCSTR, HMODULE, DWORD) { return ++g_ledger.plays, TRUE; });
    }

    void TearDown() override
    {
        SetClockTimeSource(nullptr);
        SetChimeThreadStarter(nullptr);
        SetSoundPlayer(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
    }

    static void SetNow(WORD hour, WORD minute, WORD second)
    {
        g_ledger.now = MakeTime(2026, 12, 6, 0, hour, minute, second);
    }
    static void Tick(HWND clock) { SendMessageA(clock, WM_TIMER, 1, 0); }

    // Runs the clock on this thread; `script` runs inside its message loop
    // once it shows, then the Exit command ends it.
    void Run(std::function<void(CClockDlg& dlg, HWND clock)> script)
    {
        ASSERT_EQ(SaveSettings(m_stored, "#32770"), 1);
        g_settings = ClockSettings();
        g_settings.OsVersion.dwMajorVersion = 5;
        CClockDlg dlg;
        m_app.m_pMainWnd = &dlg;
        s_dlg = &dlg;
        s_script = std::move(script);
        SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            s_script(*s_dlg, s_dlg->m_hWnd);
            SendMessageA(s_dlg->m_hWnd, WM_COMMAND, ID_POPUP_EXIT, 0);
        });
        dlg.DoModal();
        m_app.m_pMainWnd = nullptr;
    }

    ClockSettings m_stored;

private:
    CWinApp m_app;
    ApiHook<HRGN(WINAPI*)(HDC)> m_h1{"gdi32.dll", "PathToRegion", &hooked::PathToRegion};
    ApiHook<HRGN(WINAPI*)(const RECT*)> m_h2{"gdi32.dll", "CreateRectRgnIndirect", &hooked::RectRegion};
    ApiHook<int(WINAPI*)(HWND, HRGN, BOOL)> m_h3{"user32.dll", "SetWindowRgn", &hooked::SetWindowRgn};
    ApiHook<BOOL(WINAPI*)(HGDIOBJ)> m_h4{"gdi32.dll", "DeleteObject", &hooked::DeleteObject};
    ApiHook<HFONT(WINAPI*)(const LOGFONTA*)> m_h5{"gdi32.dll", "CreateFontIndirectA", &hooked::CreateFont};
    ApiHook<BOOL(WINAPI*)(POINT*)> m_h6{"user32.dll", "GetCursorPos", &hooked::GetCursorPos};
    ApiHook<FARPROC(WINAPI*)(HMODULE, LPCSTR)> m_h7{"kernel32.dll", "GetProcAddress", &hooked::GetProcAddress};
    struct Wire {
        explicit Wire(ClockWindow* w)
        {
            hooked::pathToRegion = &w->m_h1;
            hooked::rectRegion = &w->m_h2;
            hooked::setWindowRgn = &w->m_h3;
            hooked::deleteObject = &w->m_h4;
            hooked::createFont = &w->m_h5;
            hooked::getCursorPos = &w->m_h6;
            hooked::getProcAddress = &w->m_h7;
        }
    } m_wire{this};
    static inline CClockDlg* s_dlg;
    static inline std::function<void(CClockDlg&, HWND)> s_script;
};
