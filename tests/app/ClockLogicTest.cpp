// The clock window's decisions, each as one table.
#include <climits>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "app/ClockPlace.h"
#include "app/ClockTick.h"
#include "support/TestTime.h"

namespace {

TEST(ClockLogic, SizesAreWideEnoughAndNeverOverflow)
{
    const struct { LONG w, h, ox, oy; ClockSize size; } cases[] = {
        {100, 40, 3, 22, {266, 75, 260, 50}}, {0, 0, 3, 22, {6, 25, 0, 0}},
        {INT_MAX, INT_MAX, 3, 22, {0x7FFF, 0x7FFF, 0x7FFF, 0x7FFF}}, {-5, INT_MIN, 3, 22, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ClockSize s = ClockSizeFor(c.w, c.h, c.ox, c.oy);
        EXPECT_EQ(std::tie(s.windowWidth, s.windowHeight, s.textWidth, s.textHeight),
                  std::tie(c.size.windowWidth, c.size.windowHeight, c.size.textWidth, c.size.textHeight))
            << c.w << "x" << c.h;
    }
}

TEST(ClockLogic, TheFontStaysWithinWhatTheFontDialogOffers)
{
    // At 96 dots per inch: 8 points are 10 pixels, 128 points 170.
    const struct { LONG height, width, escapement, boundHeight, boundWidth; } cases[] = {
        {-32, 0, 0, -32, 0},  {0, 0, 0, 0, 0},         {INT_MIN, INT_MIN, 900, -170, -170},
        {INT_MAX, 1, 0, 170, 10}, {-3, 200, -450, -10, 170}, {45, -20, 3600, 45, -20},
    };
    for (const auto& c : cases) {
        LOGFONTA stored = {};
        stored.lfHeight = c.height;
        stored.lfWidth = c.width;
        stored.lfEscapement = stored.lfOrientation = c.escapement;
        const LOGFONTA f = BoundedClockFont(stored, 96);
        EXPECT_EQ(std::tie(f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation),
                  std::make_tuple(c.boundHeight, c.boundWidth, 0L, 0L))
            << c.height << " " << c.width << " " << c.escapement;
    }
}

TEST(ClockLogic, RebuildsEachShownSecondOrMinuteAndChimesFromTheOtherHalf)
{
    const SYSTEMTIME last = MakeTime(2026, 12, 6, 0, 10, 20, 5);
    const struct { WORD hour, minute, second; LONG secondsUsed; bool rebuild; } cases[] = {
        {10, 20, 5, 1, false}, {10, 20, 6, 1, true}, {10, 20, 6, 0, false}, {11, 20, 5, 0, false}, {10, 21, 5, 0, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeedsRebuild(MakeTime(2026, 12, 6, 0, c.hour, c.minute, c.second), last, c.secondsUsed), c.rebuild)
            << c.hour << ":" << c.minute << ":" << c.second << " seconds " << c.secondsUsed;
    for (const auto& [minute, first] : {std::pair<WORD, int>{0, 30}, {29, 30}, {30, 0}, {59, 0}})
        EXPECT_EQ(FirstChimeMinute(minute), first) << minute;
}

TEST(ClockLogic, Windows95AndOlderAreRefused)
{
    const struct { DWORD major, minor, platform; bool supported; } cases[] = {
        {3, 51, 2, false}, {4, 0, 1, false}, {4, 10, 1, true}, {4, 0, 2, true}, {5, 0, 1, true}};
    for (const auto& c : cases)
        EXPECT_EQ(IsSupportedSystem(c.major, c.minor, c.platform), c.supported)
            << c.major << "." << c.minor << " platform " << c.platform;
}

TEST(ClockLogic, GlyphsOffEveryScreenAreBroughtIntoTheWorkArea)
{
    const RECT glyphs = {3, 22, 203, 72};  // window-relative
    const RECT work = {0, 0, 1024, 738};
    // Partly visible glyphs overlap the area and stay; the others move all inside.
    const struct { LONG left, top; bool overlaps; LONG x, y; } cases[] = {
        {40, 60, true, 40, 60},           {1000, 700, true, 821, 666},     {100000, 60, false, 821, 60},
        {-300, -100, false, -3, -22},     {INT_MIN, INT_MAX, false, -3, 666}, {1021, 60, false, 821, 60},
    };
    for (const auto& c : cases) {
        const POINT p = MoveInto({c.left, c.top}, glyphs, work);
        EXPECT_EQ(std::make_tuple(Overlaps(GlyphsAt({c.left, c.top}, glyphs), work), p.x, p.y),
                  std::make_tuple(c.overlaps, c.x, c.y))
            << c.left << "," << c.top;
    }
    // Glyphs wider than the area keep their top-left corner in it.
    EXPECT_EQ(MoveInto({5000, 10}, {0, 0, 2000, 50}, work).x, 0);
}

TEST(ClockDrag, OnlyAPressedDragWithACursorMovesOrStores)
{
    const POINT grabbed = {150, 80}, window = {100, 60}, later = {400, 300};
    POINT to = {-1, -1};
    ClockDrag idle;
    EXPECT_FALSE(idle.Follow(&later, &to));
    EXPECT_EQ(idle.Release(&later, &to), ClockDrag::kNoDrag) << "a button-up without a button-down";

    ClockDrag drag;
    drag.Press(&grabbed, window);
    ASSERT_TRUE(drag.Follow(&later, &to));
    EXPECT_EQ(std::tie(to.x, to.y), std::make_tuple(350L, 280L));
    EXPECT_FALSE(drag.Follow(nullptr, &to)) << "an unread cursor moved the clock";
    EXPECT_EQ(drag.Release(&later, &to), ClockDrag::kMoveTo);
    EXPECT_EQ(drag.Release(&later, &to), ClockDrag::kNoDrag) << "released twice";

    drag.Press(&grabbed, window);
    EXPECT_EQ(drag.Release(nullptr, &to), ClockDrag::kStayPut) << "capture lost or cursor unread";
    EXPECT_FALSE(drag.Follow(&later, &to)) << "still following after the drag ended";

    drag.Press(nullptr, window);
    EXPECT_FALSE(drag.Active()) << "a drag without a grab point";
}

}  // namespace
