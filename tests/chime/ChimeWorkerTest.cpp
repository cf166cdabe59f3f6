// The chime workers on real threads: never more than one alive, and a new
// request superseding the one still playing.
#include <atomic>
#include <climits>
#include <cstring>
#include <iterator>

#include <gtest/gtest.h>

#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "framework/WinApp.h"
#include "support/DialogDriver.h"

namespace {

std::atomic<int> g_alive{0}, g_started{0};
unsigned (*g_proc)(void*);
HANDLE g_release;  // each play waits for it
// Plays of each sound the test requests, by its whole name.
const char* const kSounds[] = {"endless", "superseded", "last", "again", "refused", "after"};
std::atomic<int> g_played[std::size(kSounds) + 1];

std::atomic<int>& Played(const char* sound)
{
    size_t i = 0;
    while (i < std::size(kSounds) && std::strcmp(kSounds[i], sound) != 0)
        ++i;
    return g_played[i];
}

TEST(ChimeWorker, ANewRequestSupersedesWhatIsLeftAndNoWorkerPilesUp)
{
    g_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetSoundPlayer([](LPCSTR sound, HMODULE, DWORD) {
        WaitForSingleObject(g_release, INFINITE);
        return ++Played(sound), FALSE;
    });
    const WorkerStarter counting = [](unsigned (*proc)(void*), void* p) {
        g_proc = proc;
        ++g_started;
        return BeginWorkerThread([](void* q) { ++g_alive; const unsigned r = g_proc(q); --g_alive; return r; }, p);
    };
    SetChimeThreadStarter(counting);

    ASSERT_TRUE(StartChime(INT_MAX, "endless"));
    EXPECT_TRUE(WaitUntil([] { return g_alive == 1; }));
    EXPECT_TRUE(StartChime(5, "superseded"));
    EXPECT_TRUE(StartChime(2, "last"));
    EXPECT_EQ(g_started, 1) << "a second worker while one plays";
    SetEvent(g_release);
    EXPECT_TRUE(WaitUntil([] { return g_alive == 0; }));
    EXPECT_EQ(Played("endless"), 1) << "the older request went on";
    EXPECT_EQ(Played("superseded"), 0);
    EXPECT_EQ(Played("last"), 2);

    EXPECT_TRUE(StartChime(1, "again"));
    EXPECT_TRUE(WaitUntil([] { return Played("again") == 1 && g_alive == 0; }));
    EXPECT_EQ(g_started, 2) << "no worker for a request made when none was alive";

    // A worker that could not start leaves none counted alive.
    SetChimeThreadStarter([](unsigned (*)(void*), void*) { return false; });
    EXPECT_FALSE(StartChime(1, "refused"));
    SetChimeThreadStarter(counting);
    EXPECT_TRUE(StartChime(1, "after"));
    EXPECT_TRUE(WaitUntil([] { return Played("after") == 1 && g_alive == 0; }));

    SetSoundPlayer(nullptr);
    SetChimeThreadStarter(nullptr);
    CloseHandle(g_release);
}

}  // namespace
