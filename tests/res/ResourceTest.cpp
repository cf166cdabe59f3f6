// What the code relies on in the resources and nothing else checks: the
// controls it binds by id and class, the styles its behaviour depends on,
// and the popup menu's commands in order.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/DialogTemplate.h"
#include "res/resource.h"

namespace {

INT_PTR CALLBACK NoProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct Bound {
    int id;
    const char* cls;
    DWORD style;  // bits that must be set, within the low word's type field too
};

// Creates template `id` (a page inside a hidden parent) and checks each bound control.
void ExpectBound(WORD id, std::initializer_list<Bound> controls)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), parent, &NoProc, 0);
    ASSERT_NE(dlg, nullptr) << id;
    for (const Bound& c : controls) {
        HWND ctl = GetDlgItem(dlg, c.id);
        ASSERT_NE(ctl, nullptr) << id << "/" << c.id;
        char cls[16] = {};
        GetClassNameA(ctl, cls, sizeof(cls));
        EXPECT_STRCASEEQ(cls, c.cls) << id << "/" << c.id;
        const DWORD style = static_cast<DWORD>(GetWindowLongA(ctl, GWL_STYLE));
        EXPECT_EQ(style & c.style, c.style) << id << "/" << c.id;
    }
    DestroyWindow(parent);
}

const DWORD kCheck = BS_AUTOCHECKBOX;

TEST(Resources, ClockWindowStyles)
{
    const TemplateBytes t = DialogResource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CLOCK));
    ASSERT_GE(t.size, 16u);
    DWORD exStyle, style;
    // An extended template: version, signature, help id, extended style, style.
    std::memcpy(&exStyle, t.data + 8, 4);
    std::memcpy(&style, t.data + 12, 4);
    const DWORD wanted = WS_POPUP | WS_CAPTION | DS_ABSALIGN;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(TemplateFixesPosition(t));

    // The clock text takes no clicks, so they reach the window to drag it.
    ExpectBound(IDD_CLOCK, {{IDC_CLOCK_TEXT, "Static", 0}});
    HWND clock = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CLOCK), nullptr, &NoProc, 0);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(clock, IDC_CLOCK_TEXT), GWL_STYLE) & SS_NOTIFY);
    DestroyWindow(clock);
}

TEST(Resources, PagesBindTheirControls)
{
    ExpectBound(IDD_OPT_GEN, {{IDC_FONT_NAME, "Static", 0}, {IDC_FONT_SIZE, "Static", 0}, {IDC_COLOR, "Static", 0},
                              {IDC_FONT_REF, "Button", 0}, {IDC_COLOR_REF, "Button", 0}, {IDC_TOPMOST, "Button", kCheck}});
    ExpectBound(IDD_OPT_FORM, {{IDC_DISP_FORMAT, "Edit", 0}, {IDC_MONTH1, "Edit", 0},   {IDC_MONTH12, "Edit", 0},
                               {IDC_DAY1, "Edit", 0},        {IDC_DAY7, "Edit", 0},     {IDC_AM, "Edit", 0},
                               {IDC_PM, "Edit", 0},          {IDC_CONV0TO12, "Button", kCheck},
                               {IDC_DEFAULT_MONTH, "Button", 0}, {IDC_DEFAULT_DAY, "Button", 0},
                               {IDC_DEFAULT_MARKER, "Button", 0}, {IDC_TEST1, "Button", 0}, {IDC_TEST2, "Button", 0}});
    ExpectBound(IDD_OPT_CHIME, {{IDC_HOUR_CHIME, "Button", kCheck}, {IDC_EACH_HOUR, "Button", kCheck},
                                {IDC_HALF_CHIME, "Button", kCheck}, {IDC_HOUR_SOUND, "Static", 0},
                                {IDC_HALF_SOUND, "Static", 0},      {IDC_HOUR_REF, "Button", 0},
                                {IDC_HALF_REF, "Button", 0},        {IDC_HOUR_TEST, "Button", 0},
                                {IDC_HALF_TEST, "Button", 0}});
}

TEST(Resources, PopupMenuCommandsInOrder)
{
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    const UINT ids[] = {ID_POPUP_ABOUT, ID_POPUP_HOMEPAGE, 0, ID_POPUP_PROPERTIES, 0, ID_POPUP_EXIT};
    ASSERT_EQ(GetMenuItemCount(popup), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GetMenuItemID(popup, i), ids[i]) << i;
    DestroyMenu(menu);
}

// A template cut short, or naming no font, is not rebuilt in the sheet's font.
TEST(Resources, MalformedPageTemplateIsLeftAlone)
{
    const TemplateBytes page = DialogResource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPT_CHIME));
    ASSERT_GT(page.size, 40u);
    const DialogFont font = {8, L"MS Shell Dlg"};
    EXPECT_FALSE(TemplateWithFont(page, font).empty());
    for (size_t cut : {size_t(0), size_t(3), size_t(20), size_t(40)})
        EXPECT_TRUE(TemplateWithFont({page.data, cut}, font).empty()) << cut;
    std::vector<BYTE> fontless(page.data, page.data + page.size);
    fontless[12] &= ~DS_SETFONT;
    EXPECT_TRUE(TemplateWithFont({fontless.data(), fontless.size()}, font).empty());
}

}  // namespace
