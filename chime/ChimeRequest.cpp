#include "chime/ChimeRequest.h"

#include "chime/Sound.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"

namespace {

WorkerStarter g_starter = nullptr;  // the user-interface thread's alone

// Shared with the worker, changed by interlocked operations only; no lock
// is ever held across a sound.
void* volatile g_mailbox = nullptr;  // an HGLOBAL request, or none
volatile LONG g_workerAlive = 0;

HGLOBAL TakeMail() { return static_cast<HGLOBAL>(InterlockedExchangePointer(&g_mailbox, nullptr)); }

bool MailWaiting() { return InterlockedCompareExchangePointer(&g_mailbox, nullptr, nullptr) != nullptr; }

void Play(HGLOBAL block)
{
    UniqueGlobal owner(block);
    auto* request = static_cast<ChimeRequest*>(GlobalLock(block));
    if (!request)
        return;
    // Failures are not reported and do not shorten the run; a newer
    // request does.
    for (LONG played = 0; played < request->RepeatCount && !MailWaiting(); ++played)
        PlayWave(request->SoundPath, 0);
    GlobalUnlock(block);
}

}  // namespace

unsigned ChimeThreadProc(void*)
{
    for (;;) {
        if (HGLOBAL block = TakeMail()) {
            Play(block);
            continue;
        }
        InterlockedExchange(&g_workerAlive, 0);
        // A request left after the mailbox was found empty saw this worker
        // alive and started none: take it on, unless a new worker already has.
        if (!MailWaiting() || InterlockedCompareExchange(&g_workerAlive, 1, 0) != 0)
            return 0;
    }
}

bool StartChime(LONG repeatCount, const char* soundPath)
{
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(ChimeRequest)));
    if (!block)
        return false;
    auto* request = static_cast<ChimeRequest*>(GlobalLock(block.get()));
    if (!request)
        return false;
    request->RepeatCount = repeatCount;
    // Bounded: the source is a settings field, terminated within it.
    lstrcpynA(request->SoundPath, soundPath, sizeof(request->SoundPath));
    GlobalUnlock(block.get());

    // A request still waiting is superseded, never started.
    UniqueGlobal superseded(static_cast<HGLOBAL>(InterlockedExchangePointer(&g_mailbox, block.release())));
    if (InterlockedCompareExchange(&g_workerAlive, 1, 0) != 0)
        return true;  // the living worker takes it
    const WorkerStarter start = g_starter ? g_starter : &BeginWorkerThread;
    if (start(&ChimeThreadProc, nullptr))
        return true;
    UniqueGlobal unplayed(TakeMail());
    InterlockedExchange(&g_workerAlive, 0);
    return false;
}

void SetChimeThreadStarter(WorkerStarter starter) { g_starter = starter; }
