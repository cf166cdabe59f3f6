// Handling the clock as a user does: real mouse input through the X server,
// its menu, its commands, the about box and the home page.
#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/AboutDlg.h"
#include "app/ClockFixture.h"
#include "framework/PropertySheet.h"
#include "options/ShowOptions.h"
#include "support/CommonDialogs.h"
#include "support/Mouse.h"
#include "support/Screenshot.h"

namespace {

bool ValueExists(const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

void DeleteValue(const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
}

LONG StoredNumber(const char* name)
{
    ClockSettings s;
    LoadSettings(s);
    const std::string n = name;
    return n == "WindowLeft" ? s.WindowLeft : n == "WindowTop" ? s.WindowTop : static_cast<LONG>(s.ForeColor);
}

// A screen point on a glyph: the middle of the largest rectangle of the
// region, among those right of `minX` on the screen.
POINT GlyphPoint(HWND clock, LONG minX = LONG_MIN)
{
    RECT w;
    GetWindowRect(clock, &w);
    RECT best = {0, 0, 0, 0};
    for (const RECT& r : WindowRegion(clock).Rects())
        if (w.left + r.left >= minX &&
            (r.right - r.left) * (r.bottom - r.top) > (best.right - best.left) * (best.bottom - best.top))
            best = r;
    return {w.left + (best.left + best.right) / 2, w.top + (best.top + best.bottom) / 2};
}

POINT Offset(POINT p, LONG dx, LONG dy) { return {p.x + dx, p.y + dy}; }

// Whether the clock's thread holds the mouse capture for it.
bool Captured(HWND clock)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(clock, nullptr), &info) && info.hwndCapture == clock;
}

class ClockUse : public ClockWindow {
protected:
    void SetUp() override
    {
        ClockWindow::SetUp();
        SetNow(9, 5, 7);
    }
};

TEST_F(ClockUse, DragMovesTheClockAndSavesWhereItWent)
{
    Run([](CClockDlg&, HWND clock) {
        const POINT grab = GlyphPoint(clock);
        ASSERT_TRUE(MouseMove(grab));
        ASSERT_TRUE(MouseDown(1));
        ASSERT_TRUE(WaitUntil([clock] { return Captured(clock); }, 3000)) << "the press did not start a drag";
        ASSERT_TRUE(MouseMove(Offset(grab, 60, 30)));
        ASSERT_TRUE(MouseMove(Offset(grab, 120, 70)));
        WaitTicks(3);  // the window follows on the tick
        RECT during;
        GetWindowRect(clock, &during);
        EXPECT_EQ(during.left, 40 + 120);
        ASSERT_TRUE(MouseUp(1));
        EXPECT_TRUE(WaitUntil([] { return StoredNumber("WindowLeft") == 160; }, 3000));
        EXPECT_EQ(StoredNumber("WindowTop"), 60 + 70);
        RECT after;
        GetWindowRect(clock, &after);
        EXPECT_EQ(after.left, 160);
        EXPECT_EQ(after.top, 130);
    });
}

TEST_F(ClockUse, ClickWithoutMovingStillSaves)
{
    Run([](CClockDlg&, HWND clock) {
        DeleteValue("MonthName12");
        const POINT p = GlyphPoint(clock);
        // Arrive by a short move of our own: the pointer may still be where
        // the last test left it, and the press must read this place.
        ASSERT_TRUE(MouseMove(Offset(p, 3, 3)));
        ASSERT_TRUE(MouseMove(p));
        ASSERT_TRUE(MouseDown(1));
        ASSERT_TRUE(WaitUntil([clock] { return Captured(clock); }, 3000));
        ASSERT_TRUE(MouseUp(1));
        EXPECT_TRUE(WaitUntil([] { return ValueExists("MonthName12"); }, 3000)) << "not saved";
        EXPECT_EQ(StoredNumber("WindowLeft"), 40);
        EXPECT_EQ(StoredNumber("WindowTop"), 60);
    });
}

TEST_F(ClockUse, RightClickShowsTheMenu)
{
    Run([](CClockDlg&, HWND clock) {
        ASSERT_TRUE(MouseMove(GlyphPoint(clock)));
        ASSERT_TRUE(Xdotool("click 3"));
        HWND menuWnd = nullptr;
        WaitUntil([&] { return (menuWnd = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menuWnd); }, 5000);
        ASSERT_NE(menuWnd, nullptr) << "no menu";
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWnd, MN_GETHMENU, 0, 0));
        ASSERT_NE(menu, nullptr);
        const struct {
            const char* text;
            UINT id;
        } items[] = {{"&About...", ID_POPUP_ABOUT}, {"HomePage", ID_POPUP_HOMEPAGE}, {"", 0},
                     {"&Propaties...", ID_POPUP_PROPERTIES}, {"", 0}, {"E&xit", ID_POPUP_EXIT}};
        ASSERT_EQ(GetMenuItemCount(menu), 6);
        for (int i = 0; i < 6; ++i) {
            char text[64] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
            EXPECT_STREQ(text, items[i].text) << "item " << i;
            EXPECT_EQ(GetMenuItemID(menu, i), items[i].id) << "item " << i;
        }
        // Dismissed, the menu sends no command.
        PostMessageA(clock, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menuWnd); }, 5000));
        EXPECT_TRUE(IsWindowVisible(clock));
    });
}

TEST_F(ClockUse, ColourAppliedFromTheSheetShowsAtOnceAndIsSaved)
{
    // The sheet opens over its owner and stays above it: look at a glyph
    // out on the right of a large text.
    m_stored.FontInfo.lfHeight = -64;
    Run([](CClockDlg&, HWND clock) {
        const POINT glyph = GlyphPoint(clock, 620);
        PostMessageA(clock, WM_COMMAND, ID_POPUP_PROPERTIES, 0);
        HWND sheet = WaitForWindow("Propaties of Zentik");
        ASSERT_NE(sheet, nullptr);
        ASSERT_TRUE(ChooseFirstBasicColor(sheet));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
        EXPECT_TRUE(WaitUntil([] { return StoredNumber("ForeColor") == kFirstBasicColor; }, 5000)) << "not saved";
        const RECT spot = {glyph.x, glyph.y, glyph.x + 1, glyph.y + 1};
        COLORREF seen = 0;
        EXPECT_TRUE(WaitUntil([&] { return (seen = ScreenImage::Capture(spot).At(0, 0)) == kFirstBasicColor; }, 5000))
            << "the clock was not recoloured while the sheet is open: " << std::hex << seen;
        EXPECT_TRUE(IsWindowVisible(sheet));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        WaitUntil([] { return WaitForWindow("Propaties of Zentik", 0) == nullptr; }, 5000);
    });
}

TEST_F(ClockUse, ChangeMessageWithoutFlagsDoesNothing)
{
    Run([](CClockDlg&, HWND clock) {
        DeleteValue("MonthName12");
        RECT before;
        GetWindowRect(clock, &before);
        g_settings.Format.DispFormat[2] = '\0';  // would resize, if anything ran
        g_settings.ChangeFlags = 0;
        PostMessageA(clock, WM_SETTINGS_CHANGED, 0, 0);
        WaitTicks(3);
        EXPECT_FALSE(ValueExists("MonthName12")) << "saved";
        RECT after;
        GetWindowRect(clock, &after);
        EXPECT_TRUE(EqualRect(&before, &after)) << "resized";
    });
}

TEST_F(ClockUse, ColourOnlyStillResizesRebuildsAndSaves)
{
    Run([](CClockDlg&, HWND clock) {
        RECT before;
        GetWindowRect(clock, &before);
        const WindowRegion shape(clock);
        std::strcpy(g_settings.Format.DispFormat, "HH:mm");
        g_settings.ForeColor = 0x00FF0000;
        g_settings.ChangeFlags = CHANGED_COLOR;
        PostMessageA(clock, WM_SETTINGS_CHANGED, 0, 0);
        EXPECT_TRUE(WaitUntil([] { return g_settings.ChangeFlags == 0; }, 3000));
        RECT after;
        GetWindowRect(clock, &after);
        EXPECT_LT(after.right - after.left, before.right - before.left) << "not resized";
        EXPECT_FALSE(WindowRegion(clock) == shape) << "not rebuilt";
        EXPECT_EQ(StoredNumber("ForeColor"), 0x00FF0000);
    });
}

// The shell's handler for web addresses, in this prefix, records them
// instead of starting a browser.
class HomePage : public ClockUse {
protected:
    static constexpr const char* kHandlerKeys[] = {"Software\\Classes\\http\\shell\\open\\command",
                                                   "Software\\Classes\\https\\shell\\open\\command"};

    void SetUp() override
    {
        ClockUse::SetUp();
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, sizeof(exe) - 1);
        std::string dir(exe);
        dir.erase(dir.find_last_of("\\/") + 1);
        const std::string command = "\"" + dir + "url_recorder.exe\" \"%1\"";
        for (int i = 0; i < 2; ++i) {
            LONG size = sizeof(m_saved[i]);
            if (RegQueryValueA(HKEY_LOCAL_MACHINE, kHandlerKeys[i], m_saved[i], &size) != ERROR_SUCCESS)
                m_saved[i][0] = '\0';
            RegSetValueA(HKEY_LOCAL_MACHINE, kHandlerKeys[i], REG_SZ, command.c_str(), static_cast<DWORD>(command.size()));
        }
        std::snprintf(m_log, sizeof(m_log), "C:\\zentik-urls-%lu.txt", GetCurrentProcessId());
        DeleteFileA(m_log);
        SetEnvironmentVariableA("ZENTIK_URL_LOG", m_log);
    }

    void TearDown() override
    {
        for (int i = 0; i < 2; ++i)
            if (m_saved[i][0])
                RegSetValueA(HKEY_LOCAL_MACHINE, kHandlerKeys[i], REG_SZ, m_saved[i], static_cast<DWORD>(std::strlen(m_saved[i])));
        DeleteFileA(m_log);
        ClockUse::TearDown();
    }

    std::vector<std::string> Opened() const
    {
        std::vector<std::string> lines;
        std::ifstream in(m_log);
        for (std::string line; std::getline(in, line);)
            if (!line.empty())
                lines.push_back(line);
        return lines;
    }

    char m_log[MAX_PATH];
    char m_saved[2][MAX_PATH];
};

TEST_F(HomePage, MenuCommandOpensThePage)
{
    Run([this](CClockDlg&, HWND clock) {
        PostMessageA(clock, WM_COMMAND, ID_POPUP_HOMEPAGE, 0);
        EXPECT_TRUE(WaitUntil([this] { return Opened().size() == 1; }, 10000));
    });
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_NE(Opened()[0].find(kHomePageUrl), std::string::npos) << Opened()[0];
}

TEST_F(HomePage, AboutBoxOpensThePageAndStaysOpen)
{
    Run([this](CClockDlg&, HWND clock) {
        PostMessageA(clock, WM_COMMAND, ID_POPUP_ABOUT, 0);
        HWND about = WaitForWindow("About Zentik");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(GetClassLongPtrA(clock, GCLP_HCURSOR), reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, IDC_ARROW)));
        PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 0);  // Esc
        EXPECT_TRUE(WaitUntil([this] { return Opened().size() == 1; }, 10000));
        PostClick(about, IDCANCEL);  // "HpmePage"
        EXPECT_TRUE(WaitUntil([this] { return Opened().size() == 2; }, 10000));
        EXPECT_TRUE(IsWindowVisible(about)) << "the box closed";
        PostClick(about, IDOK);
        EXPECT_TRUE(WaitUntil([] { return WaitForWindow("About Zentik", 0) == nullptr; }, 5000));
        EXPECT_EQ(GetClassLongPtrA(clock, GCLP_HCURSOR), reinterpret_cast<LONG_PTR>(LoadCursorA(nullptr, IDC_UPARROW)));
    });
}

}  // namespace
