// The clock window's decisions, each as one table.
#include <climits>

#include "app/ClockDrag.h"
#include "app/ClockLayer.h"
#include "app/ClockPace.h"
#include "app/ClockPlace.h"
#include "app/ClockSize.h"
#include "app/ClockStart.h"
#include "core/ScreenRect.h"
#include "support/Prelude.h"

namespace {

TEST(ClockSize, WideEnoughNeverOverflowingAndWithinWhatTheFontDialogOffers)
{
    const struct { LONG w, h; RECT size; } sizes[] = {  // window width and height, control 1001's
        {100, 40, {266, 75, 260, 50}}, {0, 0, {6, 25, 0, 0}},
        {INT_MAX, INT_MAX, {0x7FFF, 0x7FFF, 0x7FFF, 0x7FFF}}, {-5, INT_MIN, {0, 0, 0, 0}},
    };
    for (const auto& c : sizes) {
        const ClockSize s = ClockSizeFor(c.w, c.h, 3, 22);
        EXPECT_EQ((RECT{s.windowWidth, s.windowHeight, s.textWidth, s.textHeight}), c.size) << c.w << "x" << c.h;
    }
    // At 96 dots per inch: 8 points are 10 pixels, 128 points 170; at 107, 11.9 and 190.2.
    const struct { LONG height, width, escapement, dpi, boundHeight, boundWidth; } fonts[] = {
        {-32, 0, 0, 96, -32, 0},          {0, 0, 0, 96, 0, 0},        {INT_MIN, INT_MIN, 900, 96, -170, -170},
        {INT_MAX, 1, 0, 96, 170, 10},     {-3, 200, -450, 96, -10, 170}, {45, -20, 3600, 96, 45, -20},
        {-3, 900, 0, 107, -11, 190},      {-3, 900, 0, 72, -8, 128},
    };
    for (const auto& c : fonts) {
        LOGFONTA stored = {};
        stored.lfHeight = c.height;
        stored.lfWidth = c.width;
        stored.lfEscapement = stored.lfOrientation = c.escapement;
        const LOGFONTA f = BoundedClockFont(stored, c.dpi);
        EXPECT_EQ(std::tie(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation),
                  std::make_tuple(c.boundHeight, c.boundWidth, 0L, 0L))
            << c.height << " " << c.width << " " << c.escapement << " at " << c.dpi;
    }
}

SYSTEMTIME At(WORD hour, WORD minute, WORD second, WORD ms = 0, WORD day = 6)
{
    return MakeTime(2026, 12, day, 0, hour, minute, second, ms);
}

TEST(ClockPace, RebuildsOnEachShownChangeAndWakesAtTheNextBoundary)
{
    const SYSTEMTIME last = At(10, 20, 5, 900);
    // Each field of the date and time changed alone, as a jump of the clock may.
    const struct { SYSTEMTIME now; LONG secondsUsed; bool rebuild; } rebuilds[] = {
        {At(10, 20, 5, 999), 1, false}, {At(10, 20, 6), 1, true},  {At(10, 20, 6), 0, false},
        {At(11, 20, 5), 0, true},       {At(10, 21, 5), 0, true},  {At(10, 20, 5, 0, 7), 0, true},
        {MakeTime(2026, 11, 6, 0, 10, 20, 5), 0, true},            {MakeTime(2027, 12, 6, 0, 10, 20, 5), 0, true},
        {At(10, 20, 4, 999), 1, true},
    };
    for (const auto& c : rebuilds)
        EXPECT_EQ(NeedsRebuild(c.now, last, c.secondsUsed), c.rebuild) << testing::PrintToString(c.now) << c.secondsUsed;
    const struct { SYSTEMTIME now; LONG secondsUsed; UINT delay; } delays[] = {
        {At(9, 5, 7, 250), 1, 750}, {At(9, 5, 7, 250), 0, 52750}, {At(9, 5, 0), 1, 1000},
        {At(9, 5, 59, 999), 1, 1},  {At(9, 5, 59, 999), 0, 1},    {At(9, 5, 0), 0, 60000},
    };
    for (const auto& c : delays)
        EXPECT_EQ(DelayToBoundary(c.now, c.secondsUsed), c.delay) << testing::PrintToString(c.now) << c.secondsUsed;
    // A wake of any kind reads the clock; the question before a sleep (0), the
    // sleep itself (4) and any other power event do not.
    for (const auto& [event, wake] : {std::pair<UINT, bool>{PBT_APMRESUMEAUTOMATIC, true}, {PBT_APMRESUMESUSPEND, true},
                                      {PBT_APMRESUMECRITICAL, true}, {0, false}, {4, false}, {0x8013, false}})
        EXPECT_EQ(IsWake(event), wake) << event;
}

TEST(ClockStart, Windows95AndOlderAreRefusedAndTheFirstRunAsksUntilAFontOrACancel)
{
    const struct { DWORD major, minor, platform; bool supported; } systems[] = {
        {3, 51, 2, false}, {4, 0, 1, false}, {4, 10, 1, true}, {4, 0, 2, true}, {5, 0, 1, true}};
    for (const auto& c : systems)
        EXPECT_EQ(IsSupportedSystem(c.major, c.minor, c.platform), c.supported) << c.major << "." << c.minor;
    // A face set (by OK, or by Apply before a Cancel) starts the clock; a
    // sheet cancelled, or not shown at all, ends it.
    EXPECT_EQ(AfterFirstRunSheet(true, true), FirstRun::kStart);
    EXPECT_EQ(AfterFirstRunSheet(true, false), FirstRun::kStart);
    EXPECT_EQ(AfterFirstRunSheet(false, true), FirstRun::kAskAgain);
    EXPECT_EQ(AfterFirstRunSheet(false, false), FirstRun::kEnd);
}

TEST(ClockPlace, EnoughOfTheInkStaysOnAScreenToFindAndGrabIt)
{
    // A 1280 x 720 screen whose work area ends above a taskbar 30 high; a
    // line 45 high. Enough ink on the screen: 45 wide (all of a narrower
    // ink) and half its height. Otherwise the least move into the work area.
    const RECT screen = {0, 0, 1280, 720}, work = {0, 0, 1280, 690};
    const RECT text = {10, 26, 210, 63}, blankFirst = {300, 26, 500, 63}, narrow = {10, 26, 40, 63};
    const struct { const char* what; RECT ink; POINT at, to; } cases[] = {
        {"well inside", text, {100, 100}, {100, 100}},
        {"45 wide at the right", text, {1225, 100}, {1225, 100}},
        {"44 wide at the right", text, {1226, 100}, {1225, 100}},
        {"a sliver at the right", text, {1250, 100}, {1225, 100}},
        {"45 wide at the left", text, {-165, 100}, {-165, 100}},
        {"44 wide at the left", text, {-166, 100}, {-165, 100}},
        {"half its height at the top", text, {100, -44}, {100, -44}},
        {"less at the top", text, {100, -45}, {100, -44}},
        {"half its height under the work area", text, {100, 675}, {100, 675}},
        {"less at the bottom", text, {100, 676}, {100, 645}},
        {"a pixel of it on the screen", text, {100, 693}, {100, 645}},
        {"a pixel of it at the right", text, {1269, 100}, {1225, 100}},
        {"narrow ink whole across, half under a taskbar", narrow, {100, 675}, {100, 675}},
        {"a corner of the box off the top left", text, {-200, -55}, {-165, -44}},
        {"blank text first, its ink a sliver at the right", blankFirst, {950, 100}, {935, 100}},
        {"narrow ink, all of it", narrow, {1260, 100}, {1240, 100}},
        // On no screen at all: back whole, the least move into the work area.
        {"stored at 1275, 0", text, {1275, 0}, {1070, 0}},
        {"its right edge on the screen's left", text, {-210, 100}, {-10, 100}},
        {"its top on the screen's bottom", text, {100, 694}, {100, 627}},
        {"far off", text, {INT_MIN, INT_MAX}, {-10, 627}},
        {"wider than the screen, far off", {0, 0, 1500, 40}, {5000, 5000}, {0, 650}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepInkOnScreen(c.at, c.ink, 45, screen, work), c.to) << c.what;
    // The screen made 800 x 600 under a clock 5 px in from its old right edge.
    EXPECT_EQ(KeepInkOnScreen({1265, 100}, text, 45, {0, 0, 800, 600}, {0, 0, 800, 600}), (POINT{590, 100}));
    // A work area lower than the half of the ink it should show holds what it can.
    EXPECT_EQ(KeepInkOnScreen({100, 680}, text, 45, screen, {0, 100, 1280, 110}).y, 74);

    // Where the ink is on the screen, clamped far beyond any screen.
    EXPECT_EQ(InkAt({INT_MAX, INT_MIN}, text), (RECT{0x3FFFFFFF, -0x3FFFFFFF, 0x3FFFFFFF, -0x3FFFFFFF}));
    // The glyphs' box; without width, a square a line high.
    for (const auto& [width, right] : {std::pair<LONG, LONG>{134, 137}, {1, 4}, {0, 59}, {-4, 59}})
        EXPECT_EQ(GlyphBox(3, 24, width, 56), (RECT{3, 24, right, 80})) << width;
    // A dialog wholly inside the work area, or its top-left where it is larger;
    // one 200 x 100 centred over its owner, then into the work area.
    const struct { POINT at; RECT part; POINT to; } dialogs[] = {
        {{40, 60}, {0, 0, 200, 100}, {40, 60}}, {{1200, 650}, {0, 0, 200, 100}, {1080, 590}},
        {{-50, -20}, {0, 0, 200, 100}, {0, 0}}, {{5000, 10}, {0, 0, 2000, 50}, {0, 10}},
    };
    for (const auto& d : dialogs)
        EXPECT_EQ(MoveInto(d.at, d.part, work), d.to) << testing::PrintToString(d.at);
    const struct { RECT over; POINT to; } centred[] = {
        {{100, 100, 301, 201}, {100, 100}}, {{1200, 600, 1280, 690}, {1080, 590}},
        {{-60, -40, 40, 20}, {0, 0}},       {{0, 0, 1280, 690}, {540, 295}},
    };
    for (const auto& c : centred)
        EXPECT_EQ(CenteredInside(c.over, 200, 100, work), c.to) << testing::PrintToString(c.over);
}

TEST(ClockDrag, TheClockFollowsTheCursorFromWhereItWasGrabbed)
{
    ClockDrag drag;
    POINT to = {0, 0}, cursor = {60, 70};
    EXPECT_EQ(drag.Release(&cursor, &to), ClockDrag::kNoDrag);
    drag.Press(nullptr, {40, 60});
    EXPECT_FALSE(drag.Active()) << "a drag without a grab point";
    drag.Press(&cursor, {40, 60});
    cursor = {260, 170};
    EXPECT_TRUE(drag.Follow(&cursor, &to) && to == (POINT{240, 160}));
    EXPECT_FALSE(drag.Follow(nullptr, &to));
    EXPECT_EQ(drag.Release(nullptr, &to), ClockDrag::kStayPut);
    EXPECT_FALSE(drag.Active() || drag.Follow(&cursor, &to)) << "a drag outlived its end";
    drag.Press(&cursor, {0, 0});
    cursor = {-5000, 400};
    EXPECT_EQ(drag.Release(&cursor, &to), ClockDrag::kMoveTo);
    EXPECT_EQ(to, (POINT{-5260, 230}));
}

TEST(ClockLayer, ABottomClockComesUpWithTheDesktopAndGoesBackBeneathTheNextWindow)
{
    using F = Foreground;
    const struct { bool exists, ours; const char* cls; bool view; F is; } windows[] = {
        {false, false, "", false, F::None},        {true, true, "WorkerW", true, F::Clock},
        {true, false, "WorkerW", true, F::ShellDesktop}, {true, false, "Progman", true, F::ShellDesktop},
        {true, false, "WorkerW", false, F::Other}, {true, false, "Progman", false, F::Other},
        {true, false, "Notepad", true, F::Other},
    };
    for (const auto& w : windows)
        EXPECT_EQ(ClassifyForeground(w.exists, w.ours, w.cls, w.view), w.is) << w.cls << " " << w.view;
    using M = LayerMove;
    const struct { bool topmost, lifted, strayed; F now; M move; } moves[] = {
        {false, false, false, F::ShellDesktop, M::AboveDesktop}, {false, true, false, F::ShellDesktop, M::Stay},
        {false, true, false, F::Other, M::ToBottom},             {false, false, false, F::Other, M::Stay},
        {false, true, false, F::Clock, M::Stay},                 {false, false, false, F::Clock, M::Stay},
        {false, true, false, F::None, M::Stay},                  {false, false, false, F::None, M::Stay},
        // Not where it is to stand: back there, or above a desktop that came up.
        {false, false, true, F::None, M::ToBottom},              {false, false, true, F::Clock, M::ToBottom},
        {false, true, true, F::Clock, M::AboveDesktop},          {false, true, true, F::ShellDesktop, M::AboveDesktop},
        {false, true, true, F::Other, M::ToBottom},
        {true, false, true, F::ShellDesktop, M::Stay},           {true, true, false, F::Other, M::Stay},
    };
    for (const auto& m : moves)
        EXPECT_EQ(NextLayerMove(m.topmost, m.lifted, m.strayed, m.now), m.move)
            << m.topmost << m.lifted << m.strayed << " " << static_cast<int>(m.now);
    // Just above the desktop window, by the window above it.
    EXPECT_EQ(LiftPlace(false, false, false), LiftAfter::kTop);
    EXPECT_EQ(LiftPlace(true, false, true), LiftAfter::kTop) << "among the topmost windows";
    EXPECT_EQ(LiftPlace(true, false, false), LiftAfter::kWindowAbove);
    EXPECT_EQ(LiftPlace(true, true, false), LiftAfter::kAlready);
    // A raise of a clock at the bottom is dropped, unless ...
    const struct { bool topmost, enabled, ownLift, changesOrder, toBottom, dropped; } raises[] = {
        {false, true, false, true, false, true}, {true, true, false, true, false, false},   // it is topmost,
        {false, false, false, true, false, false},                                         // a dialog of its own is open,
        {false, true, true, true, false, false},                                           // it is its own lift,
        {false, true, false, false, false, false}, {false, true, false, true, true, false},  // or no raise at all.
    };
    for (const auto& r : raises)
        EXPECT_EQ(DropsRaise(r.topmost, r.enabled, r.ownLift, r.changesOrder, r.toBottom), r.dropped)
            << r.topmost << r.enabled << r.ownLift << r.changesOrder << r.toBottom;
}

}  // namespace
