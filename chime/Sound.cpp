#include "chime/Sound.h"

#include <mmsystem.h>

#include <atomic>

#include "framework/OnDemand.h"

namespace {

// Read on every worker thread; set by tests while none runs.
std::atomic<SoundPlayer> g_player{nullptr};

}  // namespace

BOOL PlayWave(LPCSTR sound, DWORD flags)
{
    const SoundPlayer player = g_player.load();
    if (player)
        return player(sound, nullptr, flags);
    const auto play = ON_DEMAND("winmm.dll", PlaySoundA);
    return play ? play(sound, nullptr, flags) : FALSE;
}

void SetSoundPlayer(SoundPlayer player) { g_player.store(player); }
