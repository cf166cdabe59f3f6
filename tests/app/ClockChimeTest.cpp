// When the clock chimes, run at simulated times of day in the real clock
// window; the sound output and the worker start are recorded.
#include <cstring>

#include "app/ClockFixture.h"
#include "framework/PropertySheet.h"
#include "options/ShowOptions.h"
#include "support/ChimeRecorder.h"

namespace {

const char kHourWave[] = "C:\\chimes\\hour.wav";
const char kHalfWave[] = "C:\\chimes\\half.wav";

class ClockChimes : public ClockWindow {
protected:
    void SetUp() override
    {
        ClockWindow::SetUp();
        std::strcpy(m_stored.ChimeHourSound, kHourWave);
        std::strcpy(m_stored.ChimeHalfSound, kHalfWave);
    }

    // Puts the clock at a time and lets it tick there, coming from the
    // second before as a running clock does (a jump to the very second of
    // the last rebuild would not be checked).
    static void At(WORD hour, WORD minute, WORD second = 0)
    {
        if (second > 0)
            SetNow(hour, minute, second - 1);
        else
            SetNow(minute > 0 ? hour : (hour + 23) % 24, minute > 0 ? minute - 1 : 59, 59);
        WaitTicks(2);
        SetNow(hour, minute, second);
        WaitTicks(3);
    }

    // Waits for the n-th worker and for what it plays.
    static bool WaitForEvent(size_t starts, int hourPlays, int halfPlays)
    {
        return WaitUntil([=] {
            return ChimeRecorder::Starts() == starts && ChimeRecorder::PlayCount(kHourWave) == hourPlays &&
                   ChimeRecorder::PlayCount(kHalfWave) == halfPlays;
        }, 5000);
    }

    ChimeRecorder m_recorder;
};

TEST_F(ClockChimes, StrikesTheHourOnATwelveHourDialAndChimesEachHalfHour)
{
    m_stored.ChimeHour = 3;
    m_stored.ChimeHalf = 1;
    SetNow(23, 45, 0);
    Run([](CClockDlg& dlg, HWND) {
        const struct {
            WORD hour, minute;
            int hourPlays, halfPlays;  // in all, so far
        } events[] = {{0, 0, 12, 0},  {0, 30, 12, 1},  {1, 0, 13, 1},  {11, 30, 13, 2}, {12, 0, 25, 2},
                      {12, 30, 25, 3}, {13, 0, 26, 3}, {22, 30, 26, 4}, {23, 0, 37, 4}};
        size_t starts = 0;
        for (const auto& e : events) {
            At(e.hour, e.minute);
            EXPECT_TRUE(WaitForEvent(++starts, e.hourPlays, e.halfPlays))
                << e.hour << ":" << e.minute << ": " << ChimeRecorder::Starts() << " events, "
                << ChimeRecorder::PlayCount(kHourWave) << " hour plays, " << ChimeRecorder::PlayCount(kHalfWave)
                << " half plays";
            EXPECT_EQ(dlg.NextChimeMinute(), e.minute == 0 ? 30 : 0);
        }
        for (const RecordedPlay& play : ChimeRecorder::Plays())
            EXPECT_NE(play.threadId, GetCurrentThreadId());
        EXPECT_TRUE(WaitUntil([] { return ChimeRecorder::AllBlocksFreed(); }, 5000)) << "a worker kept its block";
    });
}

TEST_F(ClockChimes, SilentSettingsStillCountTheirEvents)
{
    const struct {
        LONG chimeHour, chimeHalf;
        int hourPlays, halfPlays;  // at 10:00 and at 10:30
    } cases[] = {{1, 0, 1, 0}, {2, 0, 0, 0}, {0, 1, 0, 1}, {5, 3, 1, 3}};
    for (const auto& c : cases) {
        ChimeRecorder::Reset();
        m_stored.ChimeHour = c.chimeHour;
        m_stored.ChimeHalf = c.chimeHalf;
        SetNow(9, 45, 0);
        Run([&c](CClockDlg&, HWND) {
            At(10, 0);
            EXPECT_TRUE(WaitForEvent(1, c.hourPlays, 0)) << "ChimeHour " << c.chimeHour;
            At(10, 30);
            EXPECT_TRUE(WaitForEvent(2, c.hourPlays, c.halfPlays)) << "ChimeHalf " << c.chimeHalf;
        });
    }
}

TEST_F(ClockChimes, ChecksThroughoutAChimeMinuteChimeOnce)
{
    // Without seconds the check runs on nearly every tick of the minute.
    std::strcpy(m_stored.Format.DispFormat, "HH:mm");
    m_stored.ChimeHour = 1;
    SetNow(9, 45, 0);
    Run([](CClockDlg& dlg, HWND) {
        for (WORD second : {0, 1, 2, 17, 30, 59})
            At(10, 0, second);
        EXPECT_TRUE(WaitForEvent(1, 1, 0));
        EXPECT_EQ(dlg.NextChimeMinute(), 30);
    });
}

TEST_F(ClockChimes, TheStartUpMinuteNeverChimes)
{
    for (WORD minute : {0, 30}) {
        ChimeRecorder::Reset();
        SetNow(10, minute, 0);
        Run([minute](CClockDlg&, HWND) {
            for (WORD second : {1, 20, 59})
                At(10, minute, second);
            EXPECT_EQ(ChimeRecorder::Starts(), 0u) << "chimed in the start-up minute " << minute;
            At(minute == 0 ? 10 : 11, minute == 0 ? 30 : 0);
            EXPECT_TRUE(WaitUntil([] { return ChimeRecorder::Starts() == 1; }, 5000));
        });
    }
}

TEST_F(ClockChimes, ASleepOverTheHourSkipsTheHalfHourToo)
{
    m_stored.ChimeHour = 3;
    SetNow(11, 45, 0);
    Run([](CClockDlg& dlg, HWND) {
        At(11, 50);
        At(12, 40);  // woken up: 12:00 and 12:30 have passed unseen
        At(12, 59, 59);
        EXPECT_EQ(ChimeRecorder::Starts(), 0u);
        EXPECT_EQ(dlg.NextChimeMinute(), 0);
        At(13, 0);
        EXPECT_TRUE(WaitForEvent(1, 1, 0));
    });
}

TEST_F(ClockChimes, AChangeAppliedAtElevenFiftyNineCountsAtNoon)
{
    m_stored.ChimeHour = 3;
    SetNow(11, 45, 0);
    Run([](CClockDlg&, HWND clock) {
        At(11, 59);
        PostMessageA(clock, WM_COMMAND, ID_POPUP_PROPERTIES, 0);
        HWND sheet = WaitForWindow("Propaties of Zentik");
        ASSERT_NE(sheet, nullptr);
        HWND page = ShowSheetPage(sheet, 2, "Chimes");
        ASSERT_NE(page, nullptr);
        PostClick(page, IDC_HOUR_CHIME);  // off
        ASSERT_TRUE(WaitUntil([page] { return SendDlgItemMessageA(page, IDC_HOUR_CHIME, BM_GETCHECK, 0, 0) == 0; }));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        ASSERT_TRUE(WaitUntil([] { return WaitForWindow("Propaties of Zentik", 0) == nullptr; }));
        At(12, 0);
        EXPECT_TRUE(WaitForEvent(1, 0, 0)) << "the noon event used the old setting";
        ClockSettings stored;
        LoadSettings(stored);
        // "Once for each hour" stays set, disabled: striking without chiming.
        EXPECT_EQ(stored.ChimeHour, 2) << "the change was not saved";
    });
}

TEST_F(ClockChimes, TheTickNeverWaitsForTheSound)
{
    m_stored.ChimeHour = 3;
    SetNow(2, 45, 0);
    ChimeRecorder::PlayFor(400);  // three plays: more than a second of sound
    Run([](CClockDlg&, HWND clock) {
        At(3, 0);
        ASSERT_TRUE(WaitUntil([] { return ChimeRecorder::PlayCount(kHourWave) >= 1; }));
        const WindowRegion playing(clock);
        SetNow(3, 0, 1);
        EXPECT_TRUE(WaitUntil([clock, &playing] { return !(WindowRegion(clock) == playing); }, 350))
            << "the display waited for the sound";
        EXPECT_LT(ChimeRecorder::PlayCount(kHourWave), 3);
        EXPECT_TRUE(WaitForEvent(1, 3, 0));
    });
}

}  // namespace
