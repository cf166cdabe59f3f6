// The real Zentik.exe on the (virtual) display: started, looked at, and
// handled from outside as a user or the system would.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/Handles.h"
#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "settings/ClockSettings.h"
#include "settings/Registry.h"
#include "support/ClockProcess.h"
#include "support/DialogDriver.h"
#include "support/Screenshot.h"
#include "support/WindowRegion.h"

namespace {

const COLORREF kOrange = 0x0000A0FF;
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Zentik.exe";

class ClockExe : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        std::strcpy(m_stored.FontInfo.lfFaceName, "DejaVu Sans");
        m_stored.FontInfo.lfHeight = -48;
        m_stored.FontInfo.lfWeight = FW_BOLD;
        m_stored.ForeColor = kOrange;
        m_stored.WindowLeft = 60;
        m_stored.WindowTop = 200;
    }

    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppDefaults);
    }

    void Store() { ASSERT_EQ(SaveSettings(m_stored, "#32770"), 1); }

    // The Windows version Wine reports to Zentik.exe alone.
    static void PretendVersion(const char* version)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        UniqueRegKey owner(key);
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(std::strlen(version) + 1));
    }

    ClockSettings m_stored;
};

TEST_F(ClockExe, ShowsOnlyTheGlyphsAtTheStoredPlace)
{
    Store();
    const RECT area = {0, 150, 1024, 350};
    const ScreenImage before = ScreenImage::Capture(area);

    ClockProcess clock;
    ASSERT_TRUE(clock.Started());
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    Sleep(500);  // let it paint

    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 200);
    const WindowRegion region(hwnd);
    const long long box = static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    EXPECT_GT(region.Area(), 0);
    EXPECT_LT(region.Area() * 4, box) << "the region is no text outline";

    // Inside the outline the fore-colour, elsewhere what was there before.
    const ScreenImage shot = ScreenImage::Capture(r);
    shot.Save("clock");
    int glyph = 0, wrongGlyph = 0, background = 0, wrongBackground = 0;
    for (int y = 0; y < r.bottom - r.top; ++y) {
        for (int x = 0; x < r.right - r.left; ++x) {
            const int ax = r.left - area.left + x, ay = r.top - area.top + y;
            if (!shot.Contains(x, y))
                continue;
            if (PtInRegion(region.h.get(), x, y)) {
                ++glyph;
                wrongGlyph += shot.At(x, y) != kOrange;
            } else if (before.Contains(ax, ay)) {
                ++background;
                wrongBackground += shot.At(x, y) != before.At(ax, ay);
            }
        }
    }
    EXPECT_GT(glyph, 500);
    EXPECT_EQ(wrongGlyph, 0);
    EXPECT_GT(background, glyph);
    EXPECT_EQ(wrongBackground, 0);
}

TEST_F(ClockExe, DefaultFormatReshapesEverySecond)
{
    Store();
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    const WindowRegion first(hwnd);
    EXPECT_TRUE(WaitUntil([&] { return !(WindowRegion(hwnd) == first); }, 2500)) << "no new shape within two seconds";
}

TEST_F(ClockExe, MinuteFormatKeepsItsShapeWithinTheMinute)
{
    std::strcpy(m_stored.Format.DispFormat, "HH:mm");
    Store();
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    for (int attempt = 0; attempt < 2; ++attempt) {
        SYSTEMTIME start, end;
        GetLocalTime(&start);
        const WindowRegion first(hwnd);
        Sleep(2200);
        const bool same = WindowRegion(hwnd) == first;
        GetLocalTime(&end);
        if (start.wMinute != end.wMinute)
            continue;  // the minute turned meanwhile: look again
        EXPECT_TRUE(same) << "reshaped within a minute";
        return;
    }
}

TEST_F(ClockExe, WithoutAFontTheSheetComesFirstAndCancelEnds)
{
    ClockProcess clock;
    HWND sheet = clock.WaitForWindow("Propaties of Zentik");
    ASSERT_NE(sheet, nullptr);
    HWND hidden = clock.WaitForWindow("Zentik", false, 0);
    EXPECT_TRUE(hidden == nullptr || !IsWindowVisible(hidden)) << "the clock showed before a font was chosen";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(clock.WaitForExit());
}

TEST_F(ClockExe, Windows95IsRefused)
{
    Store();
    PretendVersion("win95");
    ClockProcess clock;
    HWND box = clock.WaitForWindow("Zentik");
    ASSERT_NE(box, nullptr);
    char text[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    EXPECT_STREQ(text, "This program needs Win98 or NT4.0 later.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(clock.WaitForExit());
}

TEST_F(ClockExe, LaterSystemsRun)
{
    Store();
    for (const char* version : {"win98", "nt40", "winxp"}) {
        PretendVersion(version);
        ClockProcess clock;
        HWND hwnd = clock.WaitForWindow("Zentik");
        ASSERT_NE(hwnd, nullptr) << version;
        EXPECT_NE(WindowRegion(hwnd).Area(), 0) << version << ": no clock but a message";
    }
}

TEST_F(ClockExe, EnterEscAndCloseLeaveItRunning)
{
    Store();
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageA(hwnd, WM_KEYDOWN, key, 0);
        PostMessageA(hwnd, WM_KEYUP, key, 0);
    }
    PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    Sleep(1000);
    EXPECT_TRUE(clock.Running());
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(ClockExe, ExitEndsItAndSavesNothing)
{
    Store();
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    UniqueRegKey owner(key);
    RegDeleteValueA(key, "MonthName12");
    PostMessageA(hwnd, WM_COMMAND, ID_POPUP_EXIT, 0);
    EXPECT_TRUE(clock.WaitForExit());
    EXPECT_NE(RegQueryValueExA(key, "MonthName12", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS)
        << "settings were saved at exit";
}

}  // namespace
