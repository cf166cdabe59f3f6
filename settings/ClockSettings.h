// The program-wide settings block: what the user can set, its defaults, and
// the little run-time state that goes with it.
#pragma once

#include "format/DisplayFormat.h"
#include "core/WinTypes.h"

enum {
    SOUND_PATH_SIZE = 256,  // each wave path, terminator included
    CUSTOM_COLOR_COUNT = 16,
};

// What the option pages changed, for the clock window to rebuild.
enum ChangeFlags : DWORD {
    CHANGED_GENERAL = 1,
    CHANGED_FONT = 2,
    CHANGED_COLOR = 4,
    CHANGED_ZORDER = 8,
    CHANGED_CUSTOM_COLORS = 16,  // only to be saved
};

struct ClockSettings {
    // Persisted.
    COLORREF ForeColor = 0x00FFFFFF;
    LONG ZOrder = 1;  // nonzero: topmost; zero: bottom of the z-order
    LONG WindowLeft = 0;
    LONG WindowTop = 0;
    COLORREF ColorTable[CUSTOM_COLOR_COUNT] = {};
    LONG ChimeHour = 3;  // bit 0: hour chime; with bit 0, bit 1 strikes the hour
    char ChimeHourSound[SOUND_PATH_SIZE] = "C:\\WINDOWS\\MEDIA\\CHIMES.WAV";
    LONG ChimeHalf = 1;  // repeat count at the half hour
    char ChimeHalfSound[SOUND_PATH_SIZE] = "C:\\WINDOWS\\MEDIA\\CHIMES.WAV";
    DisplayFormat Format = DefaultDisplayFormat();
    LOGFONTA FontInfo = {};  // an empty face name: no font chosen yet

    // Run time only.
    OSVERSIONINFOA OsVersion = {};
    DWORD ChangeFlags = 0;

    // A block holding exactly the defaults.
    ClockSettings();
};

// The one instance, read and written on the user-interface thread only.
extern ClockSettings g_settings;
