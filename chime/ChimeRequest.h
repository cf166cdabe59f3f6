// A chime event handed from the clock's tick to a worker thread, which
// plays it synchronously so the tick never waits for sound.
//
// At most one worker lives at a time. A request made while one plays
// supersedes whatever that worker has left: it waits in a one-place
// mailbox (replacing, and freeing, any request not yet started), and the
// worker takes it once the sound now playing ends, abandoning the rest of
// the older request's repetitions. Only when no worker is alive is one
// started. A long or endless chime thus never piles up threads.
#pragma once

#include "core/WinTypes.h"
#include "settings/ClockSettings.h"

// The worker's input, in a movable zero-filled global block that belongs
// to the mailbox, then to the worker that takes it.
struct ChimeRequest {
    LONG RepeatCount;                 // 0 or less plays nothing
    char SoundPath[SOUND_PATH_SIZE];  // ANSI, terminated
};
static_assert(sizeof(ChimeRequest) == 260, "the block the worker is handed");

// The worker: plays the requests it finds in the mailbox until it is empty,
// freeing each block. Its parameter is unused. Returns 0.
unsigned ChimeThreadProc(void*);

// Fills a request and leaves it in the mailbox, starting a worker when none
// is alive. False when the block could not be allocated or the worker not
// started; nothing is left allocated then.
bool StartChime(LONG repeatCount, const char* soundPath);

// How workers are started: BeginWorkerThread, unless a test has put its own
// starter in (nullptr restores it).
using WorkerStarter = bool (*)(unsigned (*proc)(void*), void* param);
void SetChimeThreadStarter(WorkerStarter starter);
