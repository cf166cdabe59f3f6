#include "settings/ClockSettings.h"

ClockSettings g_settings;

ClockSettings::ClockSettings()
{
    // The custom-colour slots start with a high byte of 0x0F, not 0: tables
    // stored by earlier runs look like this, so new ones do too.
    for (COLORREF& c : ColorTable)
        c = 0x0FFFFFFF;

    // The face name stays empty (the first-run sign); the rest describes the
    // 12-point regular font the font dialog starts on.
    FontInfo.lfHeight = -16;
    FontInfo.lfWeight = FW_NORMAL;
    FontInfo.lfCharSet = DEFAULT_CHARSET;
}
