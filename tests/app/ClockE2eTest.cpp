// The real Zentik.exe, started beside the test program and looked at from
// outside as the system would.
#include <cstring>

#include <gtest/gtest.h>

#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "settings/Registry.h"
#include "support/ClockProcess.h"

namespace {

// Where Wine takes the Windows version it reports to Zentik.exe alone.
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Zentik.exe";

class ClockExe : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY); }
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppDefaults);
    }
    // A clock in DejaVu Sans at (left, 200).
    static void Store(LONG left)
    {
        ClockSettings stored;
        std::strcpy(stored.FontInfo.lfFaceName, "DejaVu Sans");
        stored.FontInfo.lfHeight = -48;
        stored.WindowLeft = left;
        stored.WindowTop = 200;
        ASSERT_EQ(SaveSettings(stored, "#32770"), 1);
    }
    static RECT Rect(HWND hwnd)
    {
        RECT r = {};
        GetWindowRect(hwnd, &r);
        return r;
    }
};

TEST_F(ClockExe, ShowsATextShapeAtTheStoredPlace)
{
    Store(60);
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    const RECT r = Rect(hwnd);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 200);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(hwnd, region), COMPLEXREGION) << "no text outline";
    DeleteObject(region);
}

TEST_F(ClockExe, AStoredPlaceOffEveryScreenShowsOnOneAndStaysStored)
{
    Store(100000);
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    const RECT glyphs = Rect(GetDlgItem(hwnd, IDC_CLOCK_TEXT));
    EXPECT_GE(glyphs.left, 0);
    EXPECT_LE(glyphs.right, GetSystemMetrics(SM_CXSCREEN));
    ClockSettings stored;
    LoadSettings(stored);
    EXPECT_EQ(stored.WindowLeft, 100000);
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
    Store(60);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win95"), 6);
    RegCloseKey(key);
    ClockProcess clock;
    HWND box = clock.WaitForWindow("Zentik");
    ASSERT_NE(box, nullptr);
    char text[128] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    EXPECT_STREQ(text, "This program needs Win98 or NT4.0 later.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(clock.WaitForExit());
}

}  // namespace
