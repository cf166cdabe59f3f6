// The options sheet as the program runs it, on the real resources, owned by
// a hidden stand-in for the clock that counts the change messages posted to
// it, while a script thread drives the pages. Each page's decisions are
// tested on the host; here only that the page takes them up.
#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/ClockTime.h"
#include "framework/DialogTemplate.h"
#include "framework/GdiScope.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "support/DialogDriver.h"
#include "support/TestTime.h"

#include <commdlg.h>
#include <prsht.h>

namespace {

enum {
    kOpenFileName = 0x47c,  // the open dialog's file-name field
    kAddCustomColor = 0x2c8,  // the colour dialog's "Add to Custom Colors"
};

class OptionsSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings = ClockSettings();
        s_messages = 0;
        m_clock = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CLOCK), nullptr, &ClockProc, 0);
        ASSERT_NE(m_clock, nullptr);
        m_mainWnd.m_hWnd = m_clock;
        m_app.m_pMainWnd = &m_mainWnd;
        SetClockTimeSource([](SYSTEMTIME* now) { *now = MakeTime(2026, 12, 6, 0, 9, 5, 7); });
    }

    void TearDown() override { SetClockTimeSource(nullptr); DestroyWindow(m_clock); }

    // Runs the sheet on this thread, opens page `index` and runs `script`
    // on it from a second thread; then delivers what was posted to the clock.
    void Run(int index, const char* title, std::function<void(HWND sheet, HWND page)> script)
    {
        {
            DialogScript driver([=] {
                HWND sheet = WaitForWindow("Propaties of Zentik");
                HWND page = sheet ? ShowSheetPage(sheet, index, title) : nullptr;
                ASSERT_NE(page, nullptr) << "the page did not open";
                script(sheet, page);
            });
            m_result = ShowOptions(m_clock);
        }
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    static void Click(HWND page, int id) { SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }
    static bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
    static std::string Text(HWND page, int id) { return WindowText(GetDlgItem(page, id)); }
    static void Ok(HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); }

    static INT_PTR CALLBACK ClockProc(HWND, UINT msg, WPARAM, LPARAM)
    {
        s_messages += msg == WM_SETTINGS_CHANGED;
        return FALSE;
    }

    CWinApp m_app;
    CWnd m_mainWnd;
    HWND m_clock = nullptr;
    INT_PTR m_result = 0;
    static inline int s_messages = 0;
};

TEST_F(OptionsSheet, DisplayPageShowsTheFontAndStoresTheTopMostBoxAndCustomColours)
{
    std::strcpy(g_settings.FontInfo.lfFaceName, "Liberation Sans");
    g_settings.FontInfo.lfHeight = -24;
    // A clock in the bottom-right corner.
    SetWindowPos(m_clock, nullptr, GetSystemMetrics(SM_CXSCREEN) - 30, GetSystemMetrics(SM_CYSCREEN) - 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Run(0, "Display", [](HWND sheet, HWND page) {
        RECT r, work;
        GetWindowRect(sheet, &r);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_TRUE(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom)
            << "the sheet reaches out of the work area";

        EXPECT_EQ(Text(page, IDC_FONT_NAME), "Liberation Sans");
        EXPECT_EQ(Text(page, IDC_FONT_SIZE), "18");
        EXPECT_TRUE(Checked(page, IDC_TOPMOST));
        // The page is rebuilt in the sheet's font.
        DialogFont sheetFont;
        ASSERT_TRUE(SheetFont(&sheetFont));
        LOGFONTW pageFont = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), sizeof(pageFont), &pageFont);
        EXPECT_EQ(pageFont.lfFaceName, sheetFont.face);
        Click(page, IDC_TOPMOST);

        // A custom colour added, the colour kept: saved all the same.
        PostClick(page, IDC_COLOR_REF);
        HWND colours = WaitForWindowWhere([](HWND w) { return GetDlgItem(w, kAddCustomColor) != nullptr; });
        ASSERT_NE(colours, nullptr);
        SendMessageA(colours, WM_COMMAND, kAddCustomColor, 0);
        PostMessageA(colours, WM_COMMAND, IDOK, 0);
        WaitUntil([colours] { return !IsWindow(colours); });
        Ok(sheet);
    });
    EXPECT_EQ(m_result, IDOK) << "the sheet did not close on OK";
    EXPECT_EQ(g_settings.ZOrder, 0);
    EXPECT_EQ(g_settings.ColorTable[0], g_settings.ForeColor);
    EXPECT_EQ(g_settings.ChangeFlags, DWORD{CHANGED_ZORDER | CHANGED_CUSTOM_COLORS});
    EXPECT_EQ(s_messages, 2);
}

TEST_F(OptionsSheet, FormatPageShowsItsHelpWholeTestsAppliesAndRestoresDefaults)
{
    g_settings.Format.Conv0to12 = 1;
    Run(1, "Format", [](HWND sheet, HWND page) {
        // Every help line shows whole in the page's font: the sunken help boxes and the 12-hour box's text.
        for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT room, text;
            GetClientRect(c, &room);
            room.left = GetDlgCtrlID(c) == IDC_CONV0TO12 ? 16 : 0;  // past the check box: 13 pixels at 96 dpi, a gap
            if (!room.left && !(GetWindowLongA(c, GWL_STYLE) & SS_SUNKEN))
                continue;
            WindowDC dc(c);
            SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(c, WM_GETFONT, 0, 0)));
            DrawTextA(dc.get(), WindowText(c).c_str(), -1, &(text = room), DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
            EXPECT_LE(text.bottom, room.bottom) << WindowText(c);
        }
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), "yyyy/MM/dd(ddd) HH:mm:ss");
        EXPECT_TRUE(Checked(page, IDC_CONV0TO12));
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_DISP_FORMAT, EM_GETLIMITTEXT, 0, 0), FORMAT_SIZE - 1);
        SetDlgItemTextA(page, IDC_DISP_FORMAT, "MMM d");
        SetDlgItemTextA(page, IDC_MONTH12, "Dez");
        PostClick(page, IDC_TEST1);
        EXPECT_EQ(CloseMessageBox("Zentik Test1"), "Dez 6");
        EXPECT_STREQ(g_settings.Format.MonthName[11], "Dec") << "tested before applying";

        // A format that shows nothing now keeps the stored one; the names are taken.
        SetDlgItemTextA(page, IDC_DISP_FORMAT, "MMM");
        SetDlgItemTextA(page, IDC_MONTH12, "");
        SendMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_STREQ(g_settings.Format.DispFormat, "yyyy/MM/dd(ddd) HH:mm:ss");
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), "yyyy/MM/dd(ddd) HH:mm:ss") << "the page shows a format not in effect";
        EXPECT_STREQ(g_settings.Format.MonthName[11], "");

        SetDlgItemTextA(page, IDC_DISP_FORMAT, "yyyy MMM d");
        PostClick(page, IDC_TEST2);
        EXPECT_EQ(CloseMessageBox("Zentik Test2"), "2026 Jan 2") << "not at the sample time of this year";
        SetDlgItemTextA(page, IDC_DISP_FORMAT, "MMM");

        // "Default" keeps the page's other unapplied edits.
        SetDlgItemTextA(page, IDC_DAY1, "So");
        Click(page, IDC_DEFAULT_MONTH);
        EXPECT_EQ(Text(page, IDC_MONTH12), "Dec");
        EXPECT_EQ(Text(page, IDC_DAY1), "So");
        for (int id : {IDC_MONTH1, IDC_DAY7, IDC_PM})
            SetDlgItemTextA(page, id, "x.");
        Ok(sheet);
    });
    const DisplayFormat& f = g_settings.Format;
    EXPECT_EQ(std::string(f.MonthName[0]) + f.DayOfWeek[6] + f.HourMarker[1], "x.x.x.");
    EXPECT_STREQ(g_settings.Format.MonthName[11], "Dec");
    EXPECT_STREQ(g_settings.Format.DispFormat, "MMM");
    EXPECT_STREQ(g_settings.Format.DayOfWeek[0], "So");
    EXPECT_EQ(g_settings.ChangeFlags, DWORD{CHANGED_GENERAL});
    EXPECT_EQ(s_messages, 4);  // from the Display page too, opened first, at Apply and at OK
}

TEST_F(OptionsSheet, ChimesPageBoxesBrowsingAndTooLongPaths)
{
    CreateDirectoryA("C:\\WINDOWS\\MEDIA", nullptr);
    g_settings.ChimeHour = 2;
    g_settings.ChimeHalf = 0;
    Run(2, "Chimes", [](HWND sheet, HWND page) {
        EXPECT_FALSE(Checked(page, IDC_HOUR_CHIME) || Checked(page, IDC_EACH_HOUR));
        EXPECT_FALSE(Enabled(page, IDC_HOUR_REF) || Enabled(page, IDC_HALF_SOUND));
        Click(page, IDC_HOUR_CHIME);
        Click(page, IDC_HALF_CHIME);
        EXPECT_TRUE(Enabled(page, IDC_HOUR_REF) && Enabled(page, IDC_HALF_SOUND));

        // "Ref.." starts in the stored path's folder, on its file name, not
        // from a path the page holds but has not applied.
        SetDlgItemTextA(page, IDC_HOUR_SOUND, "D:\\elsewhere\\new.wav");
        ShowSheetPage(sheet, 0, "Display");  // leaving the page takes its edits
        ASSERT_EQ(ShowSheetPage(sheet, 2, "Chimes"), page);
        PostClick(page, IDC_HOUR_REF);
        HWND open = WaitForWindowWhere([](HWND w) { return GetDlgItem(w, kOpenFileName) != nullptr; });
        ASSERT_NE(open, nullptr);
        char folder[MAX_PATH] = {};
        SendMessageA(open, CDM_GETFOLDERPATH, sizeof(folder), reinterpret_cast<LPARAM>(folder));
        EXPECT_EQ(_stricmp(folder, "C:\\WINDOWS\\MEDIA"), 0) << folder;
        EXPECT_EQ(WindowText(GetDlgItem(open, kOpenFileName)), "CHIMES.WAV");
        PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
        WaitUntil([open] { return !IsWindow(open); });

        // A path longer than its field is refused, and nothing is stored.
        SetDlgItemTextA(page, IDC_HALF_SOUND, std::string(SOUND_PATH_SIZE, 'a').c_str());
        PostMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 255 characters.");
        EXPECT_EQ(g_settings.ChimeHour, 2);

        SetDlgItemTextA(page, IDC_HALF_SOUND, "half.wav");
        Ok(sheet);
    });
    EXPECT_EQ(g_settings.ChimeHour, 1);
    EXPECT_EQ(g_settings.ChimeHalf, 1);
    EXPECT_STREQ(g_settings.ChimeHourSound, "D:\\elsewhere\\new.wav");
    EXPECT_STREQ(g_settings.ChimeHalfSound, "half.wav");
    EXPECT_EQ(g_settings.ChangeFlags, DWORD{CHANGED_GENERAL});
    EXPECT_EQ(s_messages, 2);  // from the Display page too
}

}  // namespace
