// The real Zentik.exe, started beside the test program and looked at from
// outside as the system would.
#include <cstring>

#include <gtest/gtest.h>

#include "framework/PropertySheet.h"
#include "settings/Registry.h"
#include "support/DialogDriver.h"

#include <shlwapi.h>

namespace {

// Where Wine takes the Windows version it reports to Zentik.exe alone.
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Zentik.exe";

class ClockExe : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY); }
    void TearDown() override
    {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
        RegDeleteKeyA(HKEY_CURRENT_USER, ZENTIK_REG_KEY);
        RegDeleteKeyA(HKEY_CURRENT_USER, kAppDefaults);
    }
    // Zentik.exe from this program's folder, ended (if it still runs) when the test ends.
    void Start() { m_pi = Launch(); }
    static PROCESS_INFORMATION Launch()
    {
        char path[MAX_PATH + 16] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::strcpy(std::strrchr(path, '\\') + 1, "Zentik.exe");
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
        return pi;
    }
    // A visible top-level window of the clock with this caption, or nullptr after the time.
    HWND Window(const char* caption, DWORD timeoutMs = 10000) const
    {
        return WaitForWindowWhere([caption](HWND w) { return WindowText(w) == caption; }, timeoutMs, m_pi.dwProcessId);
    }
    bool Exits() const { return WaitForSingleObject(m_pi.hProcess, 10000) == WAIT_OBJECT_0; }

    PROCESS_INFORMATION m_pi = {};
};

// OK without a font asks again; Cancel ends.
TEST_F(ClockExe, WithoutAFontTheSheetComesFirstAndCancelEnds)
{
    Start();
    HWND sheet = Window("Propaties of Zentik");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(Window("Zentik", 0), nullptr) << "the clock showed before a font was chosen";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    ASSERT_TRUE(WaitUntil([sheet] { return !IsWindow(sheet); }));
    sheet = Window("Propaties of Zentik");
    ASSERT_NE(sheet, nullptr) << "OK without a font did not ask again";
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_TRUE(Exits());
}

TEST_F(ClockExe, ASecondStartLeavesTheRunningClockAlone)
{
    ClockSettings stored;
    std::strcpy(stored.FontInfo.lfFaceName, "DejaVu Sans");
    ASSERT_EQ(SaveSettings(stored, "#32770"), 1);
    Start();
    HWND clock = Window("Zentik");
    ASSERT_NE(clock, nullptr);
    // In front, and above the (topmost) clock in the z-order a second start walks.
    HWND front = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr,
                                 nullptr, 0);
    SetForegroundWindow(front);
    PROCESS_INFORMATION second = Launch();
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0) << "a second clock runs";
    DWORD code = 1;
    EXPECT_TRUE(GetExitCodeProcess(second.hProcess, &code) && code == 0) << code;
    // The running clock takes the activation on its own thread, a moment later.
    EXPECT_TRUE(WaitUntil([clock] { return GetForegroundWindow() == clock; }, 5000))
        << "the running clock was not brought to the front";
    DestroyWindow(front);
    TerminateProcess(second.hProcess, 1);
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
}

// A start while the clock ends (its window gone, the name it runs under not
// yet let go) waits for it and is the next clock.
TEST_F(ClockExe, AStartWhileTheClockEndsRunsInItsPlace)
{
    ClockSettings stored;
    std::strcpy(stored.FontInfo.lfFaceName, "DejaVu Sans");
    ASSERT_EQ(SaveSettings(stored, "#32770"), 1);
    HANDLE ending = CreateMutexA(nullptr, TRUE, "Zentik.Clock.Running");
    Start();
    EXPECT_EQ(Window("Zentik", 1000), nullptr) << "a clock beside the one ending";
    ReleaseMutex(ending);
    CloseHandle(ending);
    EXPECT_NE(Window("Zentik"), nullptr) << "no clock left";
}

// Without a font too: the refusal is all there is.
TEST_F(ClockExe, Windows95IsRefused)
{
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kAppDefaults, "Version", REG_SZ, "win95", 6), ERROR_SUCCESS);
    Start();
    HWND box = Window("Zentik");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "This program needs Win98 or NT4.0 later.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(Exits());
}

}  // namespace
