#include "chime/ChimeRequest.h"

#include "chime/Sound.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"

namespace {

WorkerStarter g_starter = nullptr;  // the user-interface thread's alone

}  // namespace

unsigned ChimeThreadProc(void* block)
{
    UniqueGlobal owner(static_cast<HGLOBAL>(block));
    auto* request = static_cast<ChimeRequest*>(GlobalLock(owner.get()));
    if (!request)
        return 0;
    // Failures are not reported and do not shorten the run.
    for (LONG played = 0; played < request->RepeatCount; ++played)
        PlayWave(request->SoundPath, 0);
    GlobalUnlock(owner.get());
    return 0;
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

    const WorkerStarter start = g_starter ? g_starter : &BeginWorkerThread;
    if (!start(&ChimeThreadProc, block.get()))
        return false;  // still ours: freed on the way out
    block.release();   // the worker's now
    return true;
}

void SetChimeThreadStarter(WorkerStarter starter) { g_starter = starter; }
