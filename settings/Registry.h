// The settings' home: values under one key of the current user's hive.
#pragma once

#include "settings/ClockSettings.h"

#define ZENTIK_REG_KEY "Software\\Pelmo\\Zentik"

// 1 when the key was opened, -1 when it could not be (nothing is read then).
LONG LoadSettings(ClockSettings& s);

// 1 when the key was opened or created, -1 when not (nothing is written).
// `keyClass` is stored as the key's class string.
LONG SaveSettings(const ClockSettings& s, const char* keyClass);
