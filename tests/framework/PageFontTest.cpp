// Pages rebuilt in the sheet's font: the shipped templates, classic and
// extended, keep everything but their font.
#include <gtest/gtest.h>

#include "framework/DialogTemplate.h"
#include "res/DialogTemplate.h"
#include "res/resource.h"

namespace {

const DialogFont kShellFont = {8, L"MS Shell Dlg"};

bool SameItems(const DialogTemplate& a, const DialogTemplate& b)
{
    if (a.items.size() != b.items.size())
        return false;
    for (size_t i = 0; i < a.items.size(); ++i) {
        const DialogItem& x = a.items[i];
        const DialogItem& y = b.items[i];
        if (x.id != y.id || x.style != y.style || x.exStyle != y.exStyle || x.x != y.x || x.y != y.y ||
            x.cx != y.cx || x.cy != y.cy || !(x.className == y.className) || !(x.text == y.text))
            return false;
    }
    return true;
}

TEST(PageFont, TemplatesKeepAllButTheirFont)
{
    for (WORD id : {IDD_OPT_GEN, IDD_OPT_FORM, IDD_OPT_CHIME}) {
        SCOPED_TRACE(id);
        const std::vector<BYTE> original = LoadResourceBytes(BuiltExe(), MAKEINTRESOURCEW(5), id);
        ASSERT_FALSE(original.empty());
        const std::vector<BYTE> rebuilt = TemplateWithFont({original.data(), original.size()}, kShellFont);
        DialogTemplate before, after;
        ASSERT_TRUE(ParseDialogTemplate(original.data(), original.size(), before));
        ASSERT_TRUE(ParseDialogTemplate(rebuilt.data(), rebuilt.size(), after));
        EXPECT_EQ(after.faceName, L"MS Shell Dlg");
        EXPECT_EQ(after.pointSize, 8);
        EXPECT_EQ(after.extended, before.extended);
        EXPECT_EQ(after.caption, before.caption);
        EXPECT_EQ(after.style, before.style);
        EXPECT_EQ(after.cx, before.cx);
        EXPECT_EQ(after.cy, before.cy);
        EXPECT_TRUE(SameItems(before, after));
    }
}

TEST(PageFont, ATruncatedOrFontlessTemplateIsLeftAlone)
{
    const std::vector<BYTE> page = LoadResourceBytes(BuiltExe(), MAKEINTRESOURCEW(5), IDD_OPT_CHIME);
    ASSERT_GT(page.size(), 40u);
    for (size_t cut : {size_t(0), size_t(3), size_t(20), size_t(40)})
        EXPECT_TRUE(TemplateWithFont({page.data(), cut}, kShellFont).empty()) << "cut at " << cut;
    std::vector<BYTE> fontless = page;
    fontless[12] &= ~DS_SETFONT;  // the extended template's style
    EXPECT_TRUE(TemplateWithFont({fontless.data(), fontless.size()}, kShellFont).empty());
}

TEST(PageFont, TheSystemSheetHasAFont)
{
    LoadLibraryA("comctl32.dll");  // loaded in the program by its first sheet
    DialogFont font;
    ASSERT_TRUE(SheetFont(&font));
    EXPECT_GT(font.pointSize, 0);
    EXPECT_FALSE(font.face.empty());
}

}  // namespace
