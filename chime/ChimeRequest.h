// A chime event handed from the clock's tick to a worker thread, which
// plays it synchronously so the tick never waits for sound.
#pragma once

#include "core/WinTypes.h"
#include "settings/ClockSettings.h"

// The worker's whole input, in a movable zero-filled global block that
// belongs to the worker once it is started.
struct ChimeRequest {
    LONG RepeatCount;                 // 0 or less plays nothing
    char SoundPath[SOUND_PATH_SIZE];  // ANSI, terminated
};
static_assert(sizeof(ChimeRequest) == 260, "the block the worker is handed");

// The worker: plays SoundPath RepeatCount times, one after the other, then
// frees the block. `block` is the request's HGLOBAL. Returns 0.
unsigned ChimeThreadProc(void* block);

// Fills a request and starts its worker. False when the block could not be
// allocated or the thread not started; nothing is left allocated then.
bool StartChime(LONG repeatCount, const char* soundPath);

// How workers are started: BeginWorkerThread, unless a test has put its own
// starter in (nullptr restores it).
using WorkerStarter = bool (*)(unsigned (*proc)(void*), void* param);
void SetChimeThreadStarter(WorkerStarter starter);
