#include <climits>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "options/OptGen.h"
#include "options/OptionsSheet.h"
#include "support/CommonDialogs.h"
#include "support/Screenshot.h"

namespace {

TEST_F(OptionsSheet, OkAtOnceChangesNothingAndPostsOnce)
{
    g_settings.ChangeFlags = CHANGED_GENERAL;  // left over from before: discarded
    HWND clock = m_clock;
    const INT_PTR result = Run([clock](HWND sheet) {
        EXPECT_EQ(WindowText(Page(sheet)), "Display");
        HWND help = GetDlgItem(sheet, IDHELP);
        EXPECT_TRUE(help == nullptr || !IsWindowVisible(help)) << "a Help button shows";
        EXPECT_EQ(ClassCursor(clock), LoadCursorA(nullptr, IDC_ARROW));
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
    EXPECT_EQ(s_messages, 1);
    EXPECT_EQ(ClassCursor(m_clock), LoadCursorA(nullptr, IDC_UPARROW));
}

TEST_F(OptionsSheet, PageShowsTheStoredFontAndTopMost)
{
    g_settings.ZOrder = 0;
    Run([](HWND sheet) {
        HWND page = Page(sheet);
        EXPECT_EQ(WindowText(GetDlgItem(page, IDC_FONT_NAME)), "Liberation Sans");
        EXPECT_EQ(WindowText(GetDlgItem(page, IDC_FONT_SIZE)), "12");
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_TOPMOST, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        if (getenv("ZENTIK_SCREENSHOT_DIR")) {
            Sleep(300);  // let it paint
            EXPECT_TRUE(SaveScreenshot(sheet, "options-display"));
        }
        Press(sheet, PSBTN_CANCEL);
    });
}

TEST_F(OptionsSheet, PointSizeFollowsTheFontHeight)
{
    const struct {
        LONG height;
        const char* shown;
    } cases[] = {{-16, "12"}, {-13, "10"}, {-11, "8"}, {-15, "11"}, {10, "8"}, {0, "0"}};
    for (const auto& c : cases) {
        g_settings.FontInfo.lfHeight = c.height;
        std::string shown;
        Run([&shown](HWND sheet) {
            shown = WindowText(GetDlgItem(Page(sheet), IDC_FONT_SIZE));
            Press(sheet, PSBTN_CANCEL);
        });
        EXPECT_EQ(shown, c.shown) << "lfHeight " << c.height;
    }
    EXPECT_EQ(COptGen::PointSize(LONG_MIN), 1610612736);
}

TEST_F(OptionsSheet, TopMostClickedTwiceSetsNoBit)
{
    const INT_PTR result = Run([](HWND sheet) {
        HWND page = Page(sheet);
        PostClick(page, IDC_TOPMOST);
        PostClick(page, IDC_TOPMOST);
        EXPECT_TRUE(WaitUntil([sheet] { return IsWindowEnabled(GetDlgItem(sheet, kApplyButton)); }, 5000))
            << "Apply was not enabled";
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(g_settings.ZOrder, 1);
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
    EXPECT_EQ(s_messages, 1);
}

TEST_F(OptionsSheet, TopMostClearedSetsOnlyTheZOrderBit)
{
    Run([](HWND sheet) {
        PostClick(Page(sheet), IDC_TOPMOST);
        WaitUntil([sheet] { return SendDlgItemMessageA(Page(sheet), IDC_TOPMOST, BM_GETCHECK, 0, 0) == 0; }, 5000);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(g_settings.ZOrder, 0);
    EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_ZORDER));
}

TEST_F(OptionsSheet, NewFontSetsOnlyTheFontBit)
{
    const INT_PTR result = Run([](HWND sheet) {
        HWND page = Page(sheet);
        PostClick(page, IDC_FONT_REF);
        HWND font = WaitForWindow("Font");
        ASSERT_NE(font, nullptr);
        ASSERT_TRUE(PickFont(font, "DejaVu Sans", "20"));
        PostMessageA(font, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitForText(page, IDC_FONT_NAME, "DejaVu Sans"));
        EXPECT_EQ(WindowText(GetDlgItem(page, IDC_FONT_SIZE)), "20");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, kApplyButton))) << "Apply was not enabled";
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_FONT));
    EXPECT_STREQ(g_settings.FontInfo.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(COptGen::PointSize(g_settings.FontInfo.lfHeight), 20);
    EXPECT_EQ(s_messages, 1);
}

TEST_F(OptionsSheet, NewColourSetsOnlyTheColourBit)
{
    const INT_PTR result = Run([](HWND sheet) {
        EXPECT_TRUE(ChooseFirstBasicColor(sheet));
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(g_settings.ForeColor, kFirstBasicColor);
    EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_COLOR));
}

TEST_F(OptionsSheet, SameColourAgainChangesNothing)
{
    g_settings.ForeColor = kFirstBasicColor;
    Run([](HWND sheet) {
        PostClick(Page(sheet), IDC_COLOR_REF);
        HWND color = WaitForWindow("Color");
        ASSERT_NE(color, nullptr);
        PickFirstBasicColor(color);
        PostMessageA(color, WM_COMMAND, IDOK, 0);
        WaitUntil([] { return WaitForWindow("Color", 0) == nullptr; }, 5000);
        Sleep(100);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, kApplyButton))) << "the page was marked modified";
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
}

TEST_F(OptionsSheet, CustomColoursStayWhenEverythingIsCancelled)
{
    const INT_PTR result = Run([](HWND sheet) {
        PostClick(Page(sheet), IDC_COLOR_REF);
        HWND color = WaitForWindow("Color");
        ASSERT_NE(color, nullptr);
        PostClick(color, kDefineCustom);
        PickFirstBasicColor(color);
        PostClick(color, kAddCustom);
        WaitUntil([] { return g_settings.ColorTable[0] == kFirstBasicColor; }, 5000);
        PostMessageA(color, WM_COMMAND, IDCANCEL, 0);
        WaitUntil([] { return WaitForWindow("Color", 0) == nullptr; }, 5000);
        Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(g_settings.ColorTable[0], kFirstBasicColor);
    EXPECT_EQ(g_settings.ColorTable[1], 0x0FFFFFFFu);
    EXPECT_EQ(g_settings.ForeColor, 0x00FFFFFFu);
    EXPECT_EQ(g_settings.ChangeFlags, 0u);
}

TEST_F(OptionsSheet, ApplyThenCancelKeepsWhatWasApplied)
{
    const INT_PTR result = Run([](HWND sheet) {
        ASSERT_TRUE(ChooseFirstBasicColor(sheet));
        Press(sheet, PSBTN_APPLYNOW);
        EXPECT_TRUE(WaitUntil([] { return g_settings.ForeColor == kFirstBasicColor; }, 5000));
        EXPECT_EQ(g_settings.ChangeFlags, static_cast<DWORD>(CHANGED_COLOR));
        // The clock window hears of it while the sheet is still open.
        EXPECT_TRUE(WaitUntil([] { return s_messages == 1; }, 5000));
        Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(g_settings.ForeColor, kFirstBasicColor);
    EXPECT_EQ(s_messages, 1);
}

}  // namespace
