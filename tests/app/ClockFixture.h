// The clock window run in the test's own process, its time behind the seam,
// looked at and handled from a script thread.
#pragma once

#include <cstring>
#include <functional>
#include "support/Threads.h"

#include <gtest/gtest.h>

#include "app/ClockDlg.h"
#include "core/ClockTime.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"
#include "support/DialogDriver.h"
#include "support/TestTime.h"
#include "support/WindowRegion.h"


inline TestLock g_timeLock;
inline SYSTEMTIME g_now;

inline void SimulatedTime(SYSTEMTIME* now)
{
    TestLockGuard lock(g_timeLock);
    *now = g_now;
}

inline void SetNow(WORD hour, WORD minute, WORD second)
{
    TestLockGuard lock(g_timeLock);
    g_now = MakeTime(2026, 12, 6, 0, hour, minute, second);
}

inline void WaitTicks(int ticks) { Sleep(ticks * 100 + 50); }

class ClockWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        ClockSettings stored;
        std::strcpy(stored.FontInfo.lfFaceName, "DejaVu Sans");
        stored.FontInfo.lfHeight = -32;
        stored.WindowLeft = 40;
        stored.WindowTop = 60;
        m_stored = stored;
        SetClockTimeSource(&SimulatedTime);
    }

    void TearDown() override
    {
        SetClockTimeSource(nullptr);
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
    }

    // Runs the clock on this thread while `script` looks at it from another,
    // then ends it with the Exit command.
    void Run(std::function<void(CClockDlg& dlg, HWND clock)> script)
    {
        ASSERT_EQ(SaveSettings(m_stored, "#32770"), 1);
        g_settings = ClockSettings();
        g_settings.OsVersion.dwMajorVersion = 5;
        CClockDlg dlg;
        m_app.m_pMainWnd = &dlg;
        {
            DialogScript driver([&dlg, script] {
                HWND clock = WaitForWindow("Zentik");
                if (!clock) {
                    ADD_FAILURE() << "the clock did not show";
                    return;
                }
                script(dlg, clock);
                PostMessageA(clock, WM_COMMAND, ID_POPUP_EXIT, 0);
            });
            dlg.DoModal();
        }
        m_app.m_pMainWnd = nullptr;
    }

    CWinApp m_app;
    ClockSettings m_stored;
};

