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
#include "support/WindowRegion.h"

namespace {

const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Zentik.exe";

class ClockExe : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        std::strcpy(m_stored.FontInfo.lfFaceName, "DejaVu Sans");
        m_stored.FontInfo.lfHeight = -48;
        m_stored.FontInfo.lfWeight = FW_BOLD;
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

TEST_F(ClockExe, ShowsATextShapeAtTheStoredPlace)
{
    Store();
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 200);
    const long long box = static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    EXPECT_GT(WindowRegion(hwnd).Area(), 0);
    EXPECT_LT(WindowRegion(hwnd).Area() * 4, box) << "the region is no text outline";
}

TEST_F(ClockExe, AStoredPlaceOffEveryScreenShowsOnOneAndStaysStored)
{
    m_stored.WindowLeft = 100000;
    Store();
    ClockProcess clock;
    HWND hwnd = clock.WaitForWindow("Zentik");
    ASSERT_NE(hwnd, nullptr);
    RECT r;
    GetWindowRect(GetDlgItem(hwnd, IDC_CLOCK_TEXT), &r);
    EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(r.left, 0);
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

}  // namespace
