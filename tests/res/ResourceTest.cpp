// Reads Zentik's compiled resources back from a module and compares them
// with the layouts the program relies on. This program links the
// resource script itself; every check takes the module, so it can read the
// shipped exe as well (LoadLibraryExW with LOAD_LIBRARY_AS_DATAFILE).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/DialogTemplate.h"
#include "res/resource.h"

namespace {

HMODULE Module() { return BuiltExe(); }

// "ＭＳ Ｐゴシック", spelled out so the check does not depend on how this file is encoded.
const wchar_t kDialogFace[] = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
// "ｱﾌﾟﾘｹｰｼｮﾝ" in half-width katakana.
#define KATAKANA_APPLICATION L"\uFF71\uFF8C\uFF9F\uFF98\uFF79\uFF70\uFF7C\uFF6E\uFF9D"

const NameOrOrdinal kButton = NameOrOrdinal::Ordinal(0x0080);
const NameOrOrdinal kEdit = NameOrOrdinal::Ordinal(0x0081);
const NameOrOrdinal kStatic = NameOrOrdinal::Ordinal(0x0082);

const DWORD kChild = WS_CHILD | WS_VISIBLE;

struct Control {
    int id;
    NameOrOrdinal cls;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    NameOrOrdinal text;

    bool operator==(const Control& o) const
    {
        return id == o.id && cls == o.cls && style == o.style && exStyle == o.exStyle && x == o.x &&
               y == o.y && cx == o.cx && cy == o.cy && text == o.text;
    }
};

void PrintTo(const Control& c, std::ostream* os)
{
    char styles[64];
    std::snprintf(styles, sizeof(styles), "style 0x%08lX ex 0x%08lX",
                  static_cast<unsigned long>(c.style), static_cast<unsigned long>(c.exStyle));
    *os << "{id " << c.id << ", class " << c.cls << ", " << styles << ", (" << c.x << ", " << c.y << ", "
        << c.cx << ", " << c.cy << "), text " << c.text << "}";
}

struct Dialog {
    bool extended;
    DWORD style;
    DWORD exStyle;
    short cx, cy; // every template lies at (0, 0)
    const wchar_t* caption;
};

// Header, font and every control of template id, in template order.
void ExpectDialog(HMODULE module, WORD id, const Dialog& want, const std::vector<Control>& controls)
{
    DialogTemplate t;
    ASSERT_TRUE(LoadDialogTemplate(module, id, t)) << "dialog " << id;

    EXPECT_EQ(t.extended, want.extended);
    EXPECT_EQ(t.helpId, 0u);
    EXPECT_EQ(t.style, want.style) << std::hex << "0x" << t.style;
    EXPECT_EQ(t.exStyle, want.exStyle) << std::hex << "0x" << t.exStyle;
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, want.cx);
    EXPECT_EQ(t.cy, want.cy);
    EXPECT_EQ(t.menu, NameOrOrdinal());
    EXPECT_EQ(t.className, NameOrOrdinal());
    EXPECT_EQ(t.caption, want.caption);

    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.faceName, kDialogFace) << Escape(t.faceName);
    if (want.extended) {
        EXPECT_EQ(t.weight, 0);
        EXPECT_EQ(t.italic, 0);
        EXPECT_EQ(t.charset, DEFAULT_CHARSET);
    }

    ASSERT_EQ(t.items.size(), controls.size());
    for (size_t i = 0; i < controls.size(); ++i) {
        const DialogItem& item = t.items[i];
        Control got{item.id, item.className, item.style, item.exStyle, item.x, item.y, item.cx, item.cy, item.text};
        EXPECT_EQ(got, controls[i]) << "control " << i;
        EXPECT_EQ(item.helpId, 0u) << "control " << i;
        EXPECT_EQ(item.extraBytes, 0) << "control " << i;
    }
}

TEST(DialogResource, ClockWindow)
{
    ExpectDialog(Module(), IDD_CLOCK,
                 {true, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_ABSALIGN,
                  WS_EX_TOOLWINDOW, 81, 17, L"Zentik"},
                 {
                     {IDC_CLOCK_TEXT, kStatic, kChild | WS_GROUP | SS_LEFT, 0, 0, 0, 81, 17, L""},
                 });
}

TEST(DialogResource, AboutBox)
{
    ExpectDialog(Module(), IDD_ABOUTBOX,
                 {true, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, WS_EX_TOOLWINDOW, 203, 41,
                  L"About Zentik"},
                 {
                     {IDOK, kButton, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 150, 5, 50, 14, L"OK"},
                     {-1, kStatic, kChild | SS_ICON, 0, 11, 7, 20, 20, NameOrOrdinal::Ordinal(IDI_ZENTIK)},
                     {-1, kStatic, kChild | WS_GROUP | SS_LEFT, 0, 44, 10, 88, 8, L"Zentik V1.13 2000/04/16"},
                     {-1, kStatic, kChild | WS_GROUP | SS_RIGHT, 0, 44, 26, 82, 8, L"Zentik clock team"},
                     {IDCANCEL, kButton, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 150, 22, 50, 14, L"HpmePage"},
                 });
}

TEST(DialogResource, DisplayPage)
{
    const DWORD field = kChild | WS_GROUP | SS_CENTERIMAGE;
    const DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    ExpectDialog(Module(), IDD_OPT_GEN, {true, WS_CHILD | WS_CAPTION | DS_SETFONT, 0, 311, 215, L"Display"},
                 {
                     {IDC_FONT_NAME, kStatic, field | SS_LEFT, WS_EX_STATICEDGE, 52, 16, 122, 13, L""},
                     {IDC_FONT_REF, kButton, button, 0, 199, 16, 98, 14, L"Ref..."},
                     {-1, kStatic, field | SS_LEFT, 0, 18, 16, 30, 13, L"Font :"},
                     {IDC_COLOR, kStatic, field | SS_SUNKEN | WS_BORDER, WS_EX_STATICEDGE, 52, 50, 142, 13, L""},
                     {IDC_COLOR_REF, kButton, button, 0, 199, 50, 98, 14, L"Ref..."},
                     {-1, kStatic, field | SS_LEFT, 0, 18, 50, 30, 13, L"Color :"},
                     {IDC_TOPMOST, kButton, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 19, 77, 75, 12, L"TopMost"},
                     {IDC_FONT_SIZE, kStatic, field | SS_CENTER, WS_EX_STATICEDGE, 177, 16, 17, 13, L""},
                 });
}

TEST(DialogResource, FormatPage)
{
    const DWORD edit = 0x50810080, label = 0x50020000, help = 0x50021000, group = 0x50000007, button = 0x50010000;
    ExpectDialog(
        Module(), IDD_OPT_FORM, {false, 0x40C00040, 0, 314, 217, L"Format"},
        {
            {IDC_DISP_FORMAT, kEdit, edit, 0, 18, 19, 184, 12, L""},
            {-1, kStatic, help, 0, 21, 35, 89, 35, L" year:\t\tyy, yyyy\r month:\t\tM, MM\r day:\t\td, dd\r day of week:\tddd"},
            {IDC_CONV0TO12, kButton, 0x50030003, 0, 9, 87, 74, 10, L"0:xx -> 12:xx (h, hh)"},
            {-1, kButton, group, 0, 4, 101, 205, 110, L"&Month(MMM)"},
            {-1, kStatic, label, 0, 13, 117, 8, 8, L"1:"},     {IDC_MONTH1, kEdit, edit, 0, 25, 115, 77, 12, L""},
            {-1, kStatic, label, 0, 13, 129, 8, 8, L"2:"},     {IDC_MONTH2, kEdit, edit, 0, 25, 127, 77, 12, L""},
            {-1, kStatic, label, 0, 13, 141, 8, 8, L"3:"},     {IDC_MONTH3, kEdit, edit, 0, 25, 139, 77, 12, L""},
            {-1, kStatic, label, 0, 13, 153, 8, 8, L"4:"},     {IDC_MONTH4, kEdit, edit, 0, 25, 151, 77, 12, L""},
            {-1, kStatic, label, 0, 13, 165, 8, 8, L"5:"},     {IDC_MONTH5, kEdit, edit, 0, 25, 163, 77, 12, L""},
            {-1, kStatic, label, 0, 13, 177, 8, 8, L"6:"},     {IDC_MONTH6, kEdit, edit, 0, 25, 175, 77, 12, L""},
            {-1, kStatic, label, 0, 111, 117, 8, 8, L"7:"},    {IDC_MONTH7, kEdit, edit, 0, 123, 115, 77, 12, L""},
            {-1, kStatic, label, 0, 111, 129, 8, 8, L"8:"},    {IDC_MONTH8, kEdit, edit, 0, 123, 127, 77, 12, L""},
            {-1, kStatic, label, 0, 111, 141, 8, 8, L"9:"},    {IDC_MONTH9, kEdit, edit, 0, 123, 139, 77, 12, L""},
            {-1, kStatic, label, 0, 109, 153, 10, 8, L"10::"}, {IDC_MONTH10, kEdit, edit, 0, 123, 151, 77, 12, L""},
            {-1, kStatic, label, 0, 110, 165, 9, 8, L"11:"},   {IDC_MONTH11, kEdit, edit, 0, 123, 163, 77, 12, L""},
            {-1, kStatic, label, 0, 110, 177, 9, 8, L"12:"},   {IDC_MONTH12, kEdit, edit, 0, 123, 175, 77, 12, L""},
            {IDC_DEFAULT_MONTH, kButton, button, 0, 143, 191, 54, 13, L"Default"},
            {-1, kButton, group, 0, 215, 7, 93, 125, L"&Day of Week(ddd)"},
            {-1, kStatic, label, 0, 222, 23, 13, 8, L"Sun:"},  {IDC_DAY1, kEdit, edit, 0, 239, 21, 65, 12, L""},
            {-1, kStatic, label, 0, 222, 35, 14, 8, L"Mon:"},  {IDC_DAY2, kEdit, edit, 0, 239, 33, 65, 12, L""},
            {-1, kStatic, label, 0, 222, 47, 13, 8, L"Tue:"},  {IDC_DAY3, kEdit, edit, 0, 239, 45, 65, 12, L""},
            {-1, kStatic, label, 0, 222, 59, 14, 8, L"Wed:"},  {IDC_DAY4, kEdit, edit, 0, 239, 57, 65, 12, L""},
            {-1, kStatic, label, 0, 222, 71, 13, 8, L"Thu:"},  {IDC_DAY5, kEdit, edit, 0, 239, 69, 65, 12, L""},
            {-1, kStatic, label, 0, 222, 83, 10, 8, L"Fri:"},  {IDC_DAY6, kEdit, edit, 0, 239, 81, 65, 12, L""},
            {-1, kStatic, label, 0, 222, 95, 12, 8, L"Sat:"},  {IDC_DAY7, kEdit, edit, 0, 239, 93, 65, 12, L""},
            {IDC_DEFAULT_DAY, kButton, button, 0, 251, 113, 54, 13, L"Default"},
            {-1, kButton, group, 0, 215, 137, 93, 57, L"&AM/PM(t)"},
            {-1, kStatic, label, 0, 223, 149, 12, 8, L"AM:"},
            {IDC_AM, kEdit, edit, 0, 244, 147, 61, 12, L""},
            {-1, kStatic, label, 0, 223, 161, 11, 8, L"PM:"},
            {IDC_PM, kEdit, edit, 0, 244, 159, 61, 12, L""},
            {IDC_DEFAULT_MARKER, kButton, button, 0, 252, 177, 54, 13, L"Default"},
            {IDC_TEST1, kButton, button, 0, 215, 199, 46, 14, L"Test 1"},
            {IDC_TEST2, kButton, button, 0, 262, 199, 46, 14, L"Test 2"},
            {-1, kStatic, help, 0, 113, 35, 89, 43,
             L" am/pm:\tt\r hour(24):\tH, HH\r hour(12):\th, hh\r minute:\tm, mm\r second:\ts, ss"},
            {-1, kButton, group, 0, 4, 7, 205, 76, L"Diplay &Format :"},
        });
}

TEST(DialogResource, ChimesPage)
{
    const DWORD group = kChild | BS_GROUPBOX, check = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
    const DWORD path = kChild | WS_GROUP | SS_LEFT | SS_CENTERIMAGE, button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    ExpectDialog(Module(), IDD_OPT_CHIME, {true, WS_CHILD | WS_CAPTION | DS_SETFONT, 0, 311, 219, L"Chimes"},
                 {
                     {-1, kButton, group, 0, 7, 7, 297, 86, L"xx : 00"},
                     {IDC_HOUR_CHIME, kButton, check, 0, 14, 25, 144, 11, L"Hour Chime"},
                     {IDC_EACH_HOUR, kButton, check, 0, 14, 39, 127, 11, L"Chime once for each hour"},
                     {IDC_HOUR_SOUND, kStatic, path, WS_EX_CLIENTEDGE, 14, 54, 239, 12, L"Static"},
                     {IDC_HOUR_REF, kButton, button, 0, 258, 53, 42, 14, L"Ref.."},
                     {IDC_HOUR_TEST, kButton, button, 0, 258, 73, 42, 14, L"Test"},
                     {-1, kButton, group, 0, 7, 101, 297, 76, L"xx : 30"},
                     {IDC_HALF_CHIME, kButton, check, 0, 14, 115, 144, 11, L"Half Chime"},
                     {IDC_HALF_SOUND, kStatic, path, WS_EX_CLIENTEDGE, 14, 135, 239, 12, L"Static"},
                     {IDC_HALF_REF, kButton, button, 0, 258, 134, 42, 14, L"Ref.."},
                     {IDC_HALF_TEST, kButton, button, 0, 258, 154, 42, 14, L"Test"},
                 });
}

TEST(MenuResource, PopupHoldsTheCommandsInOrder)
{
    struct Item {
        const wchar_t* text; // nullptr for a separator
        UINT id;
    };
    const Item items[] = {
        {L"&About...", ID_POPUP_ABOUT}, {L"HomePage", ID_POPUP_HOMEPAGE},   {nullptr, 0},
        {L"&Propaties...", ID_POPUP_PROPERTIES}, {nullptr, 0}, {L"E&xit", ID_POPUP_EXIT},
    };

    HMENU menu = LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_POPUP));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    wchar_t caption[32] = {};
    GetMenuStringW(menu, 0, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"Popup");

    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(std::size(items)));
    for (UINT i = 0; i < std::size(items); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_TYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(popup, i, TRUE, &info)) << "item " << i;
        EXPECT_EQ(info.hSubMenu, nullptr) << "item " << i;
        EXPECT_EQ(info.wID, items[i].id) << "item " << i;
        if (items[i].text) {
            EXPECT_EQ(info.fType, static_cast<UINT>(MFT_STRING)) << "item " << i;
            EXPECT_STREQ(text, items[i].text) << "item " << i;
            // Enabled, unchecked, not default. (The loader greys separators itself.)
            EXPECT_EQ(info.fState, 0u) << "item " << i;
        } else {
            EXPECT_EQ(info.fType, static_cast<UINT>(MFT_SEPARATOR)) << "item " << i;
        }
    }
    DestroyMenu(menu);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

TEST(IconResource, OneImageOf32By32In16Colours)
{
    std::vector<BYTE> group = LoadResourceBytes(Module(), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, IDI_ZENTIK);
    ASSERT_EQ(group.size(), 6 + sizeof(GroupIconEntry));
    WORD head[3];
    std::memcpy(head, group.data(), sizeof(head));
    EXPECT_EQ(head[0], 0); // reserved
    EXPECT_EQ(head[1], 1); // icons, not cursors
    EXPECT_EQ(head[2], 1); // images
    GroupIconEntry entry;
    std::memcpy(&entry, group.data() + 6, sizeof(entry));
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colorCount, 16);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 4);

    std::vector<BYTE> image = LoadResourceBytes(Module(), MAKEINTRESOURCEW(3) /* RT_ICON */, entry.id);
    // Header, 16 palette entries, 4-bit colour rows and the 1-bit mask.
    ASSERT_EQ(image.size(), sizeof(BITMAPINFOHEADER) + 16 * 4 + 32 * 16 + 32 * 4);
    EXPECT_EQ(entry.bytesInRes, image.size());
    BITMAPINFOHEADER bmi;
    std::memcpy(&bmi, image.data(), sizeof(bmi));
    EXPECT_EQ(bmi.biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(bmi.biWidth, 32);
    EXPECT_EQ(bmi.biHeight, 64); // colour bitmap and mask
    EXPECT_EQ(bmi.biPlanes, 1);
    EXPECT_EQ(bmi.biBitCount, 4);
    EXPECT_EQ(bmi.biCompression, static_cast<DWORD>(BI_RGB));

    // And the platform makes an icon of it.
    HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, 0, 0,
                                          LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm = {};
    GetObjectW(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

class VersionResource : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_data = LoadResourceBytes(Module(), MAKEINTRESOURCEW(16) /* RT_VERSION */, 1);
        ASSERT_FALSE(m_data.empty());
    }

    // The value at path, or nullptr.
    const void* Query(const wchar_t* path, UINT& length)
    {
        void* value = nullptr;
        length = 0;
        return VerQueryValueW(m_data.data(), path, &value, &length) ? value : nullptr;
    }

    std::wstring String(const wchar_t* name)
    {
        std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
        UINT length = 0;
        const wchar_t* value = static_cast<const wchar_t*>(Query(path.c_str(), length));
        return value ? std::wstring(value) : L"<missing>";
    }

    // VerQueryValueW works on a copy it may write to, not on the resource itself.
    std::vector<BYTE> m_data;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param)
{
    reinterpret_cast<std::vector<WORD>*>(param)->push_back(language);
    return TRUE;
}

TEST_F(VersionResource, IsJapaneseOnly)
{
    std::vector<WORD> languages;
    EnumResourceLanguagesW(Module(), MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1), CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, std::vector<WORD>{0x0411});
}

TEST_F(VersionResource, FixedInfo)
{
    UINT length = 0;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", length));
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(info->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(info->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(info->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(info->dwFileFlags, 0u);
    EXPECT_EQ(info->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(info->dwFileSubtype, 0u);
}

TEST_F(VersionResource, StringsAndTranslation)
{
    EXPECT_EQ(String(L"CompanyName"), L"Pelmo");
    EXPECT_EQ(Escape(String(L"FileDescription")), Escape(L"Zentik MFC " KATAKANA_APPLICATION));
    EXPECT_EQ(String(L"FileVersion"), L"1, 0, 0, 1");
    EXPECT_EQ(String(L"InternalName"), L"Zentik");
    EXPECT_EQ(String(L"OriginalFilename"), L"Zentik.EXE");
    EXPECT_EQ(Escape(String(L"ProductName")), Escape(L"Zentik " KATAKANA_APPLICATION));
    EXPECT_EQ(String(L"ProductVersion"), L"1, 0, 0, 1");

    UINT length = 0;
    const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);
}

} // namespace
