// Dialog templates built word by word, classic and extended, naming their
// menu and class by string, by number or not at all.

#include "core/DialogTemplate.h"
#include "support/Prelude.h"

namespace {

struct Words {
    std::vector<BYTE> b;
    Words& operator<<(WORD w) { return b.push_back(BYTE(w)), b.push_back(BYTE(w >> 8)), *this; }
    Words& operator<<(const std::wstring& s)  // terminated
    {
        for (wchar_t c : s)
            *this << WORD(c);
        return *this << WORD(0);
    }
};

// Header, menu, class and caption (`names`, as words), the font when the
// style sets one, and a first item after it on a DWORD boundary.
std::vector<BYTE> Dialog(bool extended, DWORD style, short x, short y, const std::vector<WORD>& names,
                         const DialogFont& font = {9, L"Face"}, WORD weight = FW_NORMAL)
{
    Words w;
    if (extended)
        w << 1 << 0xFFFF << 0 << 0 << 0 << 0;  // version, signature, help id, extended style
    w << WORD(style) << WORD(style >> 16);
    if (!extended)
        w << 0 << 0;
    w << 1 << WORD(x) << WORD(y) << 120 << 60;  // item count, position, size
    for (WORD n : names)
        w << n;
    if (style & DS_SETFONT) {
        w << font.pointSize;
        if (extended)
            w << weight << (DEFAULT_CHARSET << 8);  // not italic
        w << font.face;
    }
    while (w.b.size() % 4)
        w.b.push_back(0);
    return (w << 0x1234 << 0x5678 << 0x9ABC).b;
}

TEST(DialogTemplate, TheFontIsFoundAndReplacedAndThePositionRead)
{
    const std::vector<WORD> names[] = {
        {0, 0, 'A', 0},                         // no menu, the default class, caption "A"
        {0, 0, 'A', 'B', 0},                    // the font on a DWORD boundary
        {'M', 'n', 0, 0xFFFF, 0x0081, 0},       // a menu by name, a class by number, no caption
        {0xFFFF, 7, 'C', 'l', 0, 'T', 'i', 0},  // a menu by number, a class by name
    };
    const DialogFont other = {12, L"Other face"};
    for (bool extended : {false, true}) {
        for (const auto& n : names) {
            const std::vector<BYTE> t = Dialog(extended, DS_SETFONT, 0, 0, n, {9, L"Face"}, 0);  // any weight: made normal
            DialogFont font;
            EXPECT_TRUE(TemplateFont({t.data(), t.size()}, &font) && font.pointSize == 9 && font.face == L"Face");
            EXPECT_EQ(TemplateWithFont({t.data(), t.size()}, other), Dialog(extended, DS_SETFONT, 0, 0, n, other));
            EXPECT_FALSE(TemplateFixesPosition({t.data(), t.size()}));
            // Cut before its first item it is left alone; before its caption's end, taken as placed.
            const size_t caption = (extended ? 26 : 18) + 2 * n.size();
            for (size_t cut = 0; cut + 6 < t.size(); ++cut)
                EXPECT_TRUE(!TemplateFont({t.data(), cut}, &font) && TemplateWithFont({t.data(), cut}, other).empty() &&
                            (cut >= caption || TemplateFixesPosition({t.data(), cut})))
                    << cut << " bytes, extended " << extended;
            EXPECT_TRUE(TemplateFont({t.data(), t.size() - 6}, &font)) << "ending where its items start";
        }
        std::vector<BYTE> fontless = Dialog(extended, 0, 0, 0, names[0]);
        fontless.resize(fontless.size() + 2);  // its items could be read as a font
        DialogFont font;
        EXPECT_FALSE(TemplateFont({fontless.data(), fontless.size()}, &font));
        for (const auto& [style, x, y] : {std::tuple<DWORD, short, short>{DS_ABSALIGN, 0, 0}, {0, 1, 0}, {0, 0, -1}}) {
            const std::vector<BYTE> placed = Dialog(extended, style, x, y, names[0]);
            EXPECT_TRUE(TemplateFixesPosition({placed.data(), placed.size()})) << style << " " << x << " " << y;
        }
    }
    EXPECT_TRUE(TemplateWithFont(TemplateBytes(), other).empty());
}

}  // namespace
