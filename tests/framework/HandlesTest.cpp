// The owners of handles and the scope guards, on the real system: each
// handle freed once, by its last owner, and none that was given up; an
// object selected for a scope deselected after it.
#include <utility>

#include <gtest/gtest.h>

#include "framework/GdiScope.h"
#include "framework/Handles.h"

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

}  // namespace
