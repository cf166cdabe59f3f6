#include "chime/Sound.h"

#include <mmsystem.h>

#include <atomic>

namespace {

// Read on every worker thread; set by tests while none runs.
std::atomic<SoundPlayer> g_player{nullptr};

}  // namespace

BOOL PlayWave(LPCSTR sound, DWORD flags)
{
    const SoundPlayer player = g_player.load();
    return player ? player(sound, nullptr, flags) : PlaySoundA(sound, nullptr, flags);
}

void SetSoundPlayer(SoundPlayer player) { g_player.store(player); }
