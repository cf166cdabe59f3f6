// Stands in for the sound output and the worker start while a test runs:
// records every play (what, how, on which thread) and every worker started,
// with the block it was given, and can make starts fail or plays slow.
#pragma once

#include <atomic>
#include "support/Threads.h"
#include <string>
#include <vector>

#include "chime/ChimeRequest.h"
#include "chime/Sound.h"
#include "framework/WinApp.h"

#include <mmsystem.h>

struct RecordedPlay {
    std::string sound;
    DWORD flags;
    DWORD threadId;
    bool noModule;
};

class ChimeRecorder {
public:
    ChimeRecorder()
    {
        Reset();
        SetSoundPlayer(&Play);
        SetChimeThreadStarter(&Start);
    }
    ~ChimeRecorder()
    {
        SetSoundPlayer(nullptr);
        SetChimeThreadStarter(nullptr);
    }
    ChimeRecorder(const ChimeRecorder&) = delete;
    ChimeRecorder& operator=(const ChimeRecorder&) = delete;

    static std::vector<RecordedPlay> Plays()
    {
        TestLockGuard lock(s_lock);
        return s_plays;
    }
    static int PlayCount(const std::string& sound)
    {
        int n = 0;
        for (const RecordedPlay& p : Plays())
            n += p.sound == sound;
        return n;
    }
    static std::vector<HGLOBAL> Blocks()
    {
        TestLockGuard lock(s_lock);
        return s_blocks;
    }
    static size_t Starts() { return Blocks().size(); }

    // Whether every block handed out so far has been freed.
    static bool AllBlocksFreed()
    {
        for (HGLOBAL block : Blocks())
            if (GlobalFlags(block) != GMEM_INVALID_HANDLE)
                return false;
        return true;
    }

    static void FailStarts(bool fail) { s_failStarts = fail; }
    static void PlayFor(DWORD ms) { s_playMs = ms; }
    // Passes each play on to the system's PlaySoundA as well, as given.
    static void PlayForReal(bool real) { s_real = real; }
    static std::vector<BOOL> RealResults()
    {
        TestLockGuard lock(s_lock);
        return s_realResults;
    }

    static void Reset()
    {
        TestLockGuard lock(s_lock);
        s_plays.clear();
        s_blocks.clear();
        s_realResults.clear();
        s_failStarts = false;
        s_playMs = 0;
        s_real = false;
    }

private:
    static BOOL Play(LPCSTR sound, HMODULE module, DWORD flags)
    {
        {
            TestLockGuard lock(s_lock);
            s_plays.push_back({sound, flags, GetCurrentThreadId(), module == nullptr});
        }
        if (s_playMs)
            Sleep(s_playMs);
        if (s_real) {
            const BOOL result = PlaySoundA(sound, module, flags);
            TestLockGuard lock(s_lock);
            s_realResults.push_back(result);
        }
        return TRUE;
    }

    static bool Start(unsigned (*proc)(void*), void* param)
    {
        {
            TestLockGuard lock(s_lock);
            s_blocks.push_back(static_cast<HGLOBAL>(param));
        }
        return !s_failStarts && BeginWorkerThread(proc, param);
    }

    static inline TestLock s_lock;
    static inline std::vector<RecordedPlay> s_plays;
    static inline std::vector<HGLOBAL> s_blocks;
    static inline std::vector<BOOL> s_realResults;
    static inline std::atomic<bool> s_failStarts{false};
    static inline std::atomic<DWORD> s_playMs{0};
    static inline std::atomic<bool> s_real{false};
};
