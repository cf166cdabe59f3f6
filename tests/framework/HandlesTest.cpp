// The owners of handles and the scope guards, on the real system: each
// handle freed once, by its last owner, and none that was given up; an
// object selected for a scope deselected after it.

#include "framework/GdiScope.h"
#include "framework/Handles.h"
#include "support/ImportHook.h"
#include "support/Prelude.h"

namespace {

bool IsRegion(HRGN r) { return GetObjectType(r) == OBJ_REGION; }

TEST(Handles, EachIsFreedOnceByItsLastOwner)
{
    HRGN a = CreateRectRgn(0, 0, 1, 1), b = CreateRectRgn(0, 0, 2, 2), given = CreateRectRgn(0, 0, 3, 3);
    {
        UniqueRegion first(a), second(b), third(given);
        first = std::move(second);
        EXPECT_FALSE(IsRegion(a)) << "not freed when its owner took another";
        UniqueRegion last(std::move(first));
        EXPECT_TRUE(!first && !second && last.get() == b && third.release() == given && !third && IsRegion(b));
    }
    EXPECT_FALSE(IsRegion(b));
    EXPECT_TRUE(IsRegion(given)) << "freed after it was given up";
    DeleteObject(given);

    UniqueDC dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ before = GetCurrentObject(dc.get(), OBJ_BRUSH), black = GetStockObject(BLACK_BRUSH);
    {
        SelectedObject selected(dc.get(), black);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), black);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), before);
}

// A context had is given back once; with none to be had, nothing is given
// back and the screen counts as 96 dpi.
TEST(Handles, ABorrowedContextIsGivenBackOnce)
{
    static decltype(&GetDC) realGet;
    static decltype(&ReleaseDC) realRelease;
    static int released;
    const ScopedHook counting("user32.dll", "ReleaseDC", +[](HWND w, HDC dc) -> int WINAPI {
        return ++released, realRelease(w, dc);
    }, &realRelease);
    EXPECT_EQ(ScreenLogPixelsY(), GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSY));
    EXPECT_EQ(released, 2);
    const ScopedHook none("user32.dll", "GetDC", +[](HWND) -> HDC WINAPI { return nullptr; }, &realGet);
    EXPECT_EQ(ScreenLogPixelsY(), 96);
    EXPECT_EQ(released, 2);
}

}  // namespace
