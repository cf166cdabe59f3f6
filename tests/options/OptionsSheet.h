// The options sheet run as the program runs it, owned by a hidden stand-in
// for the clock window that counts the change messages it is posted, while
// a script thread drives it as a user would.
#pragma once

#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "support/CommonDialogs.h"
#include "support/DialogDriver.h"

inline constexpr char kSheet[] = "Propaties of Zentik";

// A hidden stand-in for the clock window: the sheet's owner, counting the
// change messages it is posted.
class OptionsSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings = ClockSettings();
        std::strcpy(g_settings.FontInfo.lfFaceName, "Liberation Sans");
        s_messages = 0;
        m_clock = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CLOCK), nullptr, &ClockProc, 0);
        ASSERT_NE(m_clock, nullptr);
        SetClassCursor(m_clock, IDC_UPARROW);
        // As in the program, the clock is the main window: the sheet's owner.
        m_mainWnd.m_hWnd = m_clock;
        m_app.m_pMainWnd = &m_mainWnd;
    }

    void TearDown() override { DestroyWindow(m_clock); }

    // Runs the sheet on this thread while `script` drives it; then lets the
    // clock stand-in receive what was posted to it.
    INT_PTR Run(std::function<void(HWND sheet)> script)
    {
        INT_PTR result;
        {
            DialogScript driver([script] {
                HWND sheet = WaitForWindow(kSheet);
                if (!sheet) {
                    ADD_FAILURE() << "the sheet did not open";
                    return;
                }
                script(sheet);
            });
            result = ShowOptions(m_clock);
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        return result;
    }

    static HWND Page(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }

    static void Press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); }

    // Waits until the page shows `id` with `text`.
    static bool WaitForText(HWND page, int id, const std::string& text)
    {
        return WaitUntil([&] { return WindowText(GetDlgItem(page, id)) == text; }, 5000);
    }

    static HCURSOR ClassCursor(HWND hwnd) { return reinterpret_cast<HCURSOR>(GetClassLongPtrA(hwnd, GCLP_HCURSOR)); }

    static INT_PTR CALLBACK ClockProc(HWND, UINT msg, WPARAM, LPARAM)
    {
        if (msg == WM_SETTINGS_CHANGED)
            ++s_messages;
        return FALSE;
    }

    CWinApp m_app;
    CWnd m_mainWnd;
    HWND m_clock = nullptr;
    static inline int s_messages = 0;
};

