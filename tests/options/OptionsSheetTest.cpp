// The options sheet as the program runs it, on the real resources, owned by
// a hidden stand-in for the clock that counts the change messages posted to
// it, while a script thread drives the pages as a user would. Each page's
// decisions are tested on the host; here that the page takes them up.
#include <cstdio>

#include "chime/Sound.h"
#include "core/ClockTime.h"
#include "framework/DialogResource.h"
#include "framework/GdiScope.h"
#include "framework/WinApp.h"
#include "options/ShowOptions.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "support/DialogDriver.h"

#include <colordlg.h>
#include <commdlg.h>
#include <dlgs.h>
#include <prsht.h>

namespace {

const int kApply = 0x3021;  // the sheet's Apply button

using Action = std::function<void(HWND page)>;

void Click(HWND page, int id) { SendDlgItemMessageA(page, id, BM_CLICK, 0, 0); }
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }
std::string Text(HWND page, int id) { return WindowText(GetDlgItem(page, id)); }
void Ok(HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0); }
Action Clicks(int id) { return [=](HWND page) { Click(page, id); }; }
Action Types(int id, const char* text) { return [=](HWND page) { SetDlgItemTextA(page, id, text); }; }

// Something a user does on a page, whether it lights Apply, and what the page shows afterwards.
struct Step { const char* what; Action act; bool lightsApply; std::string shown; };

// Takes each step from a grey Apply (pressed first): the step lights it or
// leaves it grey, and the page shows what the user chose at once.
void Walk(HWND sheet, HWND page, std::string (*shown)(HWND page), std::initializer_list<Step> steps)
{
    for (const Step& s : steps) {
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
        EXPECT_FALSE(Enabled(sheet, kApply)) << "Apply did not grey before: " << s.what;
        s.act(page);
        SendMessageA(page, WM_NULL, 0, 0);  // the page has taken the step
        EXPECT_EQ(Enabled(sheet, kApply), s.lightsApply) << s.what;
        EXPECT_EQ(shown ? shown(page) : "", s.shown) << s.what;
    }
}

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
        Settle(10);
    }

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

// The font's name and size, and the swatch's colour as a COLORREF.
std::string DisplayShown(HWND page)
{
    HWND swatch = GetDlgItem(page, IDC_COLOR);
    UpdateWindow(page);  // paints what the page invalidated, nothing more
    HDC dc = GetDC(swatch);
    RECT r;
    GetClientRect(swatch, &r);
    char colour[8];
    std::snprintf(colour, sizeof(colour), "%06lX", static_cast<unsigned long>(GetPixel(dc, r.right / 2, r.bottom / 2)));
    ReleaseDC(swatch, dc);
    return Text(page, IDC_FONT_NAME) + " " + Text(page, IDC_FONT_SIZE) + " " + colour;
}

Action FontDialog(const char* face, const char* size, int end)
{
    return [=](HWND page) {
        RunCommonDialog(page, IDC_FONT_REF, cmb1, [=](HWND fonts) {
            char smallest[8] = {};  // the sizes offered start at 8 points
            SendDlgItemMessageA(fonts, cmb3, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(smallest));
            EXPECT_STREQ(smallest, "8");
            EXPECT_TRUE(PickListed(fonts, cmb1, face) && PickListed(fonts, cmb3, size)) << face << " " << size;
        }, end);
    };
}

// The colour typed in, optionally added to the custom colours; the dialog
// then ends away from the page, so only the page can repaint its swatch.
Action ColourDialog(COLORREF colour, bool addCustom, int end)
{
    return [=](HWND page) {
        RunCommonDialog(page, IDC_COLOR_REF, COLOR_ADD, [=](HWND colours) {
            for (int i = 0; i < 3; ++i)
                SetDlgItemInt(colours, COLOR_RED + i, (colour >> (8 * i)) & 0xFF, FALSE);
            if (addCustom)
                SendMessageA(colours, WM_COMMAND, COLOR_ADD, 0);
            SetWindowPos(colours, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            UpdateWindow(GetParent(page));
        }, end);
    };
}

TEST_F(OptionsSheet, DisplayPageShowsEachChoiceAndOffersApply)
{
    std::strcpy(g_settings.FontInfo.lfFaceName, "Liberation Sans");
    g_settings.FontInfo.lfHeight = -24;
    g_settings.ForeColor = RGB(0, 128, 0);
    // A clock at the bottom edge, near the left: the sheet opened at it goes up, and only up.
    SetWindowPos(m_clock, nullptr, 30, GetSystemMetrics(SM_CYSCREEN) - 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Run(0, "Display", [](HWND sheet, HWND page) {
        RECT r, work;
        GetWindowRect(sheet, &r);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_TRUE(r.left > work.left && r.right < work.right && r.bottom == work.bottom)
            << "not moved the least into the work area";
        EXPECT_TRUE(Checked(page, IDC_TOPMOST));
        // The page is rebuilt in the sheet's font.
        DialogFont sheetFont;
        ASSERT_TRUE(SheetFont(&sheetFont));
        LOGFONTW pageFont = {};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), sizeof(pageFont), &pageFont);
        EXPECT_EQ(pageFont.lfFaceName, sheetFont.face);

        EXPECT_EQ(DisplayShown(page), "Liberation Sans 18 008000");
        Walk(sheet, page, &DisplayShown, {
            {"a font chosen", FontDialog("DejaVu Sans", "20", IDOK), true, "DejaVu Sans 20 008000"},
            {"the font dialog cancelled", FontDialog("Liberation Serif", "28", IDCANCEL), false,
             "DejaVu Sans 20 008000"},
            {"the same font again", FontDialog("DejaVu Sans", "20", IDOK), false, "DejaVu Sans 20 008000"},
            {"a colour chosen", ColourDialog(RGB(32, 64, 128), false, IDOK), true, "DejaVu Sans 20 804020"},
            {"the same colour again", ColourDialog(RGB(32, 64, 128), false, IDOK), false, "DejaVu Sans 20 804020"},
            // The custom colours are kept at once all the same.
            {"the colour dialog cancelled", ColourDialog(RGB(255, 0, 0), true, IDCANCEL), false,
             "DejaVu Sans 20 804020"},
            {"TopMost", Clicks(IDC_TOPMOST), true, "DejaVu Sans 20 804020"},
        });
        Ok(sheet);
    });
    EXPECT_EQ(m_result, IDOK) << "the sheet did not close on OK";
    EXPECT_STREQ(g_settings.FontInfo.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(g_settings.ForeColor, RGB(32, 64, 128));
    EXPECT_EQ(g_settings.ZOrder, 0);
    EXPECT_EQ(g_settings.ColorTable[0], RGB(255, 0, 0));
    EXPECT_EQ(g_settings.ChangeFlags, DWORD{CHANGED_FONT | CHANGED_COLOR | CHANGED_ZORDER | CHANGED_CUSTOM_COLORS});
    EXPECT_EQ(s_messages, 9);  // at each of seven Applies, for the custom colours, at OK
}

// Each wave's path, "off" while it cannot be changed.
std::string ChimesShown(HWND page)
{
    auto wave = [page](int path, int ref) { return (Enabled(page, ref) ? "" : "off ") + Text(page, path); };
    return wave(IDC_HOUR_SOUND, IDC_HOUR_REF) + " | " + wave(IDC_HALF_SOUND, IDC_HALF_REF);
}

TEST_F(OptionsSheet, FormatPageShowsItsHelpWholeTestsAppliesAndRestoresDefaults)
{
    g_settings.Format.Conv0to12 = 1;
    g_settings.ChimeHour = 0;  // the Chimes page, looked at last, opens with only the half hour ticked
    g_settings.ChimeHalf = 1;
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
        EXPECT_TRUE(Checked(page, IDC_CONV0TO12));
        // Each field shows as stored, its edit holding what the field holds.
        std::string shown;
        for (int id : {IDC_DISP_FORMAT, IDC_DAY1, IDC_DAY7, IDC_MONTH1, IDC_MONTH12, IDC_AM, IDC_PM})
            shown += Text(page, id) + " " + std::to_string(SendDlgItemMessageA(page, id, EM_GETLIMITTEXT, 0, 0)) + " ";
        EXPECT_EQ(shown, "yyyy/MM/dd(ddd) HH:mm:ss 63 Sun 15 Sat 15 Jan 15 Dec 15 AM 15 PM 15 ");
        Walk(sheet, page, nullptr, {
            {"a marker, as long as its field holds", Types(IDC_PM, "xxxxxxxxxxxxxx."), true, ""},
            {"a day's name, as long", Types(IDC_DAY7, "yyyyyyyyyyyyyy."), true, ""},
            {"the twelve-hour box", Clicks(IDC_CONV0TO12), true, ""},
            {"the format", Types(IDC_DISP_FORMAT, "MMM d"), true, ""},
            {"a month's name, as long", Types(IDC_MONTH12, "Dezember-------"), true, ""},
        });
        PostClick(page, IDC_TEST1);
        EXPECT_EQ(CloseMessageBox("Zentik Test1"), "Dezember------- 6");
        EXPECT_STREQ(g_settings.Format.MonthName[11], "Dec") << "tested before applying";

        // A day's name too long for its field (pasted past the edit's limit, say) is
        // refused and left selected, to be typed over.
        SetDlgItemTextA(page, IDC_DAY2, "Montag, der Erste");
        PostMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 15 characters.");
        SendMessageA(page, WM_NULL, 0, 0);
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_DAY2, EM_GETSEL, 0, 0), MAKELRESULT(0, 17));
        SetDlgItemTextA(page, IDC_DAY2, "Mon");
        // A format that shows nothing now keeps the stored one; the names are taken.
        SetDlgItemTextA(page, IDC_DISP_FORMAT, "MMM");
        SetDlgItemTextA(page, IDC_MONTH12, "");
        SendMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_STREQ(g_settings.Format.DispFormat, "MMM d");
        EXPECT_EQ(Text(page, IDC_DISP_FORMAT), "MMM d") << "the page shows a format not in effect";
        EXPECT_STREQ(g_settings.Format.MonthName[11], "");

        SetDlgItemTextA(page, IDC_DISP_FORMAT, "yyyy MMM d");
        PostClick(page, IDC_TEST2);
        EXPECT_EQ(CloseMessageBox("Zentik Test2"), "2026 Jan 2") << "not at the sample time of this year";
        SetDlgItemTextA(page, IDC_DISP_FORMAT, "MMM");

        // "Default" keeps the page's other unapplied edits.
        SetDlgItemTextA(page, IDC_DAY1, "So");
        SetDlgItemTextA(page, IDC_MONTH1, "Jnr");
        Click(page, IDC_DEFAULT_MONTH);
        EXPECT_EQ(Text(page, IDC_MONTH1) + Text(page, IDC_MONTH12), "JanDec");
        EXPECT_EQ(Text(page, IDC_DAY1), "So");
        HWND chimes = ShowSheetPage(sheet, 2, "Chimes");
        EXPECT_TRUE(!Checked(chimes, IDC_HOUR_CHIME) && Checked(chimes, IDC_HALF_CHIME));
        EXPECT_EQ(ChimesShown(chimes), "off C:\\WINDOWS\\MEDIA\\CHIMES.WAV | C:\\WINDOWS\\MEDIA\\CHIMES.WAV");
        Ok(sheet);
    });
    const DisplayFormat& f = g_settings.Format;
    EXPECT_EQ(std::string(f.DayOfWeek[6]) + f.HourMarker[1] + f.MonthName[11] + f.DayOfWeek[0],
              "yyyyyyyyyyyyyy.xxxxxxxxxxxxxx.DecSo");
    EXPECT_EQ(f.Conv0to12, 0);
    EXPECT_STREQ(f.DispFormat, "MMM");
    EXPECT_EQ(g_settings.ChangeFlags, DWORD{CHANGED_GENERAL});
    EXPECT_EQ(s_messages, 15);  // from the Display page too, opened first, at each Apply, and from both at OK
}

std::string g_played;  // by the Test buttons, with their flags

// "Ref..": the open dialog starts on the stored wave (the default here), then
// `typed` is entered and the dialog ended with `end`.
Action WaveDialog(int button, const char* typed, int end)
{
    return [=](HWND page) {
        RunCommonDialog(page, button, cmb13, [=](HWND open) {
            char folder[MAX_PATH] = {};
            SendMessageA(open, CDM_GETFOLDERPATH, sizeof(folder), reinterpret_cast<LPARAM>(folder));
            EXPECT_EQ(_stricmp(folder, "C:\\WINDOWS\\MEDIA"), 0) << folder;
            EXPECT_EQ(WindowText(GetDlgItem(open, cmb13)), "CHIMES.WAV");
            SetDlgItemTextA(open, cmb13, typed);
        }, end);
    };
}

TEST_F(OptionsSheet, ChimesPageShowsEachChoiceOffersApplyAndRefusesTooLongPaths)
{
    CreateDirectoryA("C:\\WINDOWS\\MEDIA", nullptr);
    CreateDirectoryA("C:\\zentik", nullptr);
    for (const char* wave : {"C:\\zentik\\hour.wav", "C:\\zentik\\half.wav"})
        CloseHandle(CreateFileA(wave, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    g_settings.ChimeHour = 3;
    g_settings.ChimeHalf = 0;
    Run(2, "Chimes", [](HWND sheet, HWND page) {
        EXPECT_TRUE(Checked(page, IDC_HOUR_CHIME) && Checked(page, IDC_EACH_HOUR) && !Checked(page, IDC_HALF_CHIME));
        const std::string stored = "C:\\WINDOWS\\MEDIA\\CHIMES.WAV", half = " | C:\\zentik\\half.wav";
        EXPECT_EQ(ChimesShown(page), stored + " | off " + stored);
        Walk(sheet, page, &ChimesShown, {
            {"the hour chime off", Clicks(IDC_HOUR_CHIME), true, "off " + stored + " | off " + stored},
            {"the hour chime", Clicks(IDC_HOUR_CHIME), true, stored + " | off " + stored},
            {"not once for each hour", Clicks(IDC_EACH_HOUR), true, stored + " | off " + stored},
            {"the half-hour chime", Clicks(IDC_HALF_CHIME), true, stored + " | " + stored},
            {"a wave chosen", WaveDialog(IDC_HALF_REF, "C:\\zentik\\half.wav", IDOK), true, stored + half},
            {"Ref.. cancelled", WaveDialog(IDC_HOUR_REF, "C:\\zentik\\hour.wav", IDCANCEL), false, stored + half},
        });
        // Not from a choice the page holds but has not applied.
        WaveDialog(IDC_HOUR_REF, "C:\\zentik\\hour.wav", IDOK)(page);
        WaveDialog(IDC_HOUR_REF, "", IDCANCEL)(page);
        // "Test" plays what the page shows, without waiting for the end.
        SetSoundPlayer([](LPCSTR wave, HMODULE, DWORD flags) {
            return g_played += wave + std::to_string(flags), TRUE;
        });
        Click(page, IDC_HOUR_TEST);
        Click(page, IDC_HALF_TEST);
        SetSoundPlayer(nullptr);
        EXPECT_EQ(g_played, "C:\\zentik\\hour.wav1C:\\zentik\\half.wav1");  // 1: SND_ASYNC

        // A path longer than its field is refused, and nothing is stored.
        SetDlgItemTextA(page, IDC_HALF_SOUND, std::string(SOUND_PATH_SIZE, 'a').c_str());
        PostMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_EQ(CloseMessageBox(AppName()), "Please enter no more than 255 characters.");
        // The refused path has the focus, to be mended (once the page has taken the refusal).
        SendMessageA(page, WM_NULL, 0, 0);
        GUITHREADINFO gui = {sizeof(gui), 0, {}, {}, {}, {}, {}, {}, {}};
        GetGUIThreadInfo(GetWindowThreadProcessId(page, nullptr), &gui);
        EXPECT_EQ(gui.hwndFocus, GetDlgItem(page, IDC_HALF_SOUND));
        EXPECT_EQ(g_settings.ChimeHourSound, stored);

        SetDlgItemTextA(page, IDC_HALF_SOUND, "half.wav");
        Ok(sheet);
    });
    EXPECT_EQ(g_settings.ChimeHour, 1);
    EXPECT_EQ(g_settings.ChimeHalf, 1);
    EXPECT_STREQ(g_settings.ChimeHourSound, "C:\\zentik\\hour.wav");
    EXPECT_STREQ(g_settings.ChimeHalfSound, "half.wav");
    EXPECT_EQ(g_settings.ChangeFlags, DWORD{CHANGED_GENERAL});
    EXPECT_EQ(s_messages, 14);  // from the Display page too
}

}  // namespace
