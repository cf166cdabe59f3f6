// Stores the default settings with a chosen font (DejaVu Sans, 36 points,
// bold) in the registry, so the clock starts without asking for one.
#include <cstring>

#include "settings/Registry.h"

int main()
{
    ClockSettings s;
    s.FontInfo.lfHeight = -48;
    s.FontInfo.lfWeight = FW_BOLD;
    std::strcpy(s.FontInfo.lfFaceName, "DejaVu Sans");
    return SaveSettings(s, "#32770") == 1 ? 0 : 1;
}
