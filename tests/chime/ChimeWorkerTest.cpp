// The chime workers on real threads: never more than one alive, and a new
// request superseding the one still playing.
#include <atomic>
#include <climits>
#include <iterator>

#include <process.h>

#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "framework/WinApp.h"
#include "support/DialogDriver.h"
#include "support/ImportHook.h"

namespace {

std::atomic<int> g_alive{0}, g_started{0};
unsigned (*g_proc)(void*);
HANDLE g_release;  // each play waits for it
// Plays of each sound the test requests, by its whole name.
const char* const kSounds[] = {"endless", "superseded", "last", "again", "refused", "after"};
std::atomic<int> g_played[std::size(kSounds) + 1];
std::atomic<int>& Played(const char* sound)
{
    return g_played[std::find_if(std::begin(kSounds), std::end(kSounds),
                                 [sound](const char* s) { return !std::strcmp(s, sound); }) - kSounds];
}

TEST(ChimeWorker, ANewRequestSupersedesWhatIsLeftAndNoWorkerPilesUp)
{
    g_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    static std::atomic<DWORD> flags{0};  // of every play: each to its end before the next
    SetSoundPlayer([](LPCSTR sound, HMODULE, DWORD f) {
        WaitForSingleObject(g_release, INFINITE);
        return flags |= f, ++Played(sound), FALSE;
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

    // A thread the system refuses leaves no worker counted alive; one it
    // starts is let go at once, its handle closed.
    static decltype(&_beginthreadex) realBegin;
    static decltype(&CloseHandle) realClose;
    static uintptr_t started;
    static bool closed;
    {
        const ScopedHook refuse("msvcrt.dll", "_beginthreadex", +[](void*, unsigned, unsigned(__stdcall*)(void*), void*,
                                                                    unsigned, unsigned*) -> uintptr_t { return 0; },
                                &realBegin);
        EXPECT_FALSE(StartChime(1, "refused"));
    }
    {
        const ScopedHook record("msvcrt.dll", "_beginthreadex", +[](void* s, unsigned n, unsigned(__stdcall * f)(void*),
                                                                    void* p, unsigned i, unsigned* id) {
            return started = realBegin(s, n, f, p, i, id);
        }, &realBegin);
        const ScopedHook noting("kernel32.dll", "CloseHandle", +[](HANDLE h) -> BOOL WINAPI {
            return closed |= h == HANDLE(started), realClose(h);
        }, &realClose);
        EXPECT_TRUE(StartChime(1, "after"));
        EXPECT_TRUE(WaitUntil([] { return Played("after") == 1 && g_alive == 0; }));
    }
    EXPECT_TRUE(closed) << "the worker's handle was kept";

    EXPECT_EQ(flags, 0u) << "a chime not played synchronously";
    SetSoundPlayer(nullptr);
    SetChimeThreadStarter(nullptr);
    CloseHandle(g_release);
}

}  // namespace
