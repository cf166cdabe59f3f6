// Where in the z-order the clock belongs: a topmost clock above every
// ordinary window; a clock at the bottom beneath them all, except while the
// user shows the desktop, when it stands just above the shell's desktop
// window so the desktop shows it. No window code, so it is tested on its own.
#pragma once

#include <cstring>

#include "core/WinTypes.h"

// What the window that has just come to the foreground is to the clock.
enum class Foreground {
    None,          // no window: between two
    Clock,         // the clock or a dialog of its own
    ShellDesktop,  // the shell's desktop, which Show desktop brings up
    Other,         // any other window
};

// The foreground window of another program is the shell's desktop when it
// is a WorkerW (Windows 7 to 11 23H2) or the Progman itself (Windows XP,
// Windows 11 24H2) holding a SHELLDLL_DefView, the desktop's icons.
inline Foreground ClassifyForeground(bool exists, bool ours, const char* className, bool holdsDesktopView)
{
    if (!exists)
        return Foreground::None;
    if (ours)
        return Foreground::Clock;
    const bool shell = std::strcmp(className, "WorkerW") == 0 || std::strcmp(className, "Progman") == 0;
    return shell && holdsDesktopView ? Foreground::ShellDesktop : Foreground::Other;
}

enum class LayerMove { Stay, AboveDesktop, ToBottom };

// What a clock does at a look at its place. `lifted`: it is to stand above
// the shell's desktop, else at the bottom; `strayed`: it is not where it is
// to stand (some systems raise a window they show or activate without
// asking it, and a desktop window may come up after the clock rose above
// it); `now`: what has come to the foreground since the last look (None:
// nothing new). A topmost clock stays; one at the bottom rises above the
// desktop when that comes up, and goes back beneath everything when another
// program's window does. Its own windows coming up (the clock clicked, a
// dialog of its own) leave it where it is.
inline LayerMove NextLayerMove(bool topmost, bool lifted, bool strayed, Foreground now)
{
    if (topmost)
        return LayerMove::Stay;
    if (now == Foreground::ShellDesktop)
        return lifted && !strayed ? LayerMove::Stay : LayerMove::AboveDesktop;
    if (lifted && now == Foreground::Other)
        return LayerMove::ToBottom;
    if (!strayed)
        return LayerMove::Stay;
    return lifted ? LayerMove::AboveDesktop : LayerMove::ToBottom;
}

// Where the clock goes to stand just above the desktop window, by the window
// above that one: right after it, or first among the ordinary windows when
// there is none or a topmost one (a clock put after a topmost window would
// stand among them); kAlready when that window is the clock.
enum class LiftAfter { kAlready, kTop, kWindowAbove };
inline LiftAfter LiftPlace(bool windowAbove, bool aboveIsClock, bool aboveIsTopmost)
{
    if (aboveIsClock)
        return LiftAfter::kAlready;
    return windowAbove && !aboveIsTopmost ? LiftAfter::kWindowAbove : LiftAfter::kTop;
}

// A move the system is about to make (WM_WINDOWPOSCHANGING) that changes the
// z-order of a clock at the bottom, other than down to the bottom, is
// dropped with the activation that comes with it: the clock stays beneath
// when shown, clicked or activated. Not the clock's own lift above the
// desktop, and not while a dialog of its own is open (the clock is then
// disabled and may come up with it).
inline bool DropsRaise(bool topmost, bool enabled, bool ownLift, bool changesOrder, bool toBottom)
{
    return !topmost && enabled && !ownLift && changesOrder && !toBottom;
}
