// The chime workers on real threads: never more than one alive, and a new
// request superseding the one still playing.
#include <algorithm>
#include <atomic>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "framework/WinApp.h"
#include "support/DialogDriver.h"
#include "support/Threads.h"

namespace {

std::atomic<int> g_alive{0}, g_started{0};
unsigned (*g_proc)(void*);
HANDLE g_release;  // each play waits for it
TestLock g_lock;
std::vector<std::string> g_played;

unsigned Counted(void* p)
{
    ++g_alive;
    const unsigned result = g_proc(p);
    --g_alive;
    return result;
}

size_t Played(const std::string& sound)
{
    TestLockGuard lock(g_lock);
    return std::count(g_played.begin(), g_played.end(), sound);
}

TEST(ChimeWorker, ANewRequestSupersedesWhatIsLeftAndNoWorkerPilesUp)
{
    g_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetSoundPlayer([](LPCSTR sound, HMODULE, DWORD) {
        WaitForSingleObject(g_release, INFINITE);
        TestLockGuard lock(g_lock);
        g_played.push_back(sound);
        return FALSE;
    });
    SetChimeThreadStarter([](unsigned (*proc)(void*), void* p) {
        g_proc = proc;
        ++g_started;
        return BeginWorkerThread(&Counted, p);
    });

    ASSERT_TRUE(StartChime(INT_MAX, "endless"));
    EXPECT_TRUE(WaitUntil([] { return g_alive == 1; }));
    EXPECT_TRUE(StartChime(5, "superseded"));
    EXPECT_TRUE(StartChime(2, "last"));
    EXPECT_EQ(g_started, 1) << "a second worker while one plays";
    SetEvent(g_release);
    EXPECT_TRUE(WaitUntil([] { return g_alive == 0; }));
    EXPECT_EQ(Played("endless"), 1u) << "the older request went on";
    EXPECT_EQ(Played("superseded"), 0u);
    EXPECT_EQ(Played("last"), 2u);

    EXPECT_TRUE(StartChime(1, "again"));
    EXPECT_TRUE(WaitUntil([] { return Played("again") == 1 && g_alive == 0; }));
    EXPECT_EQ(g_started, 2) << "no worker for a request made when none was alive";

    SetSoundPlayer(nullptr);
    SetChimeThreadStarter(nullptr);
    CloseHandle(g_release);
}

}  // namespace
