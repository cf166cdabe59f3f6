// Where wave files are played: PlaySoundA, unless a test has put its own
// player in. Used by the chime workers and the Chimes page's "Test".
#pragma once

#include "core/WinTypes.h"

using SoundPlayer = BOOL (*)(LPCSTR sound, HMODULE module, DWORD flags);

// The result is the player's; callers ignore it.
BOOL PlayWave(LPCSTR sound, DWORD flags);

// nullptr restores PlaySoundA.
void SetSoundPlayer(SoundPlayer player);
