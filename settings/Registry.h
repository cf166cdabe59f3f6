// The settings' home: values under one key of the current user's hive.
#pragma once

#include "settings/ClockSettings.h"

#define ZENTIK_REG_KEY "Software\\Pelmo\\Zentik"

// 1 when the key was opened, -1 when it could not be (nothing is read then).
LONG LoadSettings(ClockSettings& s);

// 1 when every value was written, -1 when the key could not be opened or
// created (nothing is written) or any value could not be written.
// `keyClass` is stored as the key's class string.
LONG SaveSettings(const ClockSettings& s, const char* keyClass);
