#include "framework/PageFont.h"

#include <cstring>

namespace {

const WORD kSheetTemplate = 1006;  // the property sheet's own dialog in comctl32

// Reads a dialog template's header up to its font, never past `size`.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    bool Skip(size_t bytes)
    {
        if (m_pos + bytes > m_size)
            return false;
        m_pos += bytes;
        return true;
    }
    bool Word(WORD* w)
    {
        if (m_pos + 2 > m_size)
            return false;
        std::memcpy(w, m_data + m_pos, 2);
        m_pos += 2;
        return true;
    }
    // A terminated UTF-16 string.
    bool String(std::wstring* s = nullptr)
    {
        for (WORD w; Word(&w);) {
            if (w == 0)
                return true;
            if (s)
                s->push_back(static_cast<wchar_t>(w));
        }
        return false;
    }
    // A name or, after 0xFFFF, a number; 0 alone for none.
    bool NameOrOrdinal()
    {
        WORD w;
        if (!Word(&w))
            return false;
        if (w == 0xFFFF)
            return Skip(2);
        if (w == 0)
            return true;
        return String();
    }
    size_t Pos() const { return m_pos; }

private:
    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

struct FontPlace {
    bool extended;
    size_t start, itemsStart;  // font fields; first item, DWORD-aligned
    DialogFont font;
};

bool FindFont(const BYTE* tmpl, size_t size, FontPlace* place)
{
    TemplateReader r(tmpl, size);
    WORD version = 0, signature = 0;
    if (!r.Word(&version) || !r.Word(&signature))
        return false;
    place->extended = version == 1 && signature == 0xFFFF;
    DWORD style = 0;
    if (place->extended) {
        if (!r.Skip(8) || size < 16)  // help id, extended style
            return false;
        std::memcpy(&style, tmpl + 12, 4);
        if (!r.Skip(4 + 2 + 8))  // style, item count, rectangle
            return false;
    } else {
        std::memcpy(&style, tmpl, 4);
        if (!r.Skip(4 + 2 + 8))  // extended style, item count, rectangle
            return false;
    }
    if (!(style & DS_SETFONT) || !r.NameOrOrdinal() || !r.NameOrOrdinal() || !r.String())
        return false;
    place->start = r.Pos();
    if (!r.Word(&place->font.pointSize) || (place->extended && !r.Skip(4)) || !r.String(&place->font.face))
        return false;
    place->itemsStart = (r.Pos() + 3) & ~size_t(3);
    return place->itemsStart <= size;
}

void PutWord(std::vector<BYTE>& out, WORD w)
{
    out.push_back(static_cast<BYTE>(w));
    out.push_back(static_cast<BYTE>(w >> 8));
}

}  // namespace

bool SheetFont(DialogFont* font)
{
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    HRSRC res = comctl ? FindResourceA(comctl, MAKEINTRESOURCEA(kSheetTemplate), RT_DIALOG) : nullptr;
    HGLOBAL loaded = res ? LoadResource(comctl, res) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    FontPlace place;
    if (!data || !FindFont(static_cast<const BYTE*>(data), SizeofResource(comctl, res), &place))
        return false;
    *font = place.font;
    return true;
}

std::vector<BYTE> TemplateWithFont(const BYTE* tmpl, size_t size, const DialogFont& font)
{
    FontPlace place;
    if (!FindFont(tmpl, size, &place))
        return {};
    std::vector<BYTE> out(tmpl, tmpl + place.start);
    PutWord(out, font.pointSize);
    if (place.extended) {
        PutWord(out, FW_NORMAL);
        out.push_back(FALSE);            // not italic
        out.push_back(DEFAULT_CHARSET);  // the face's own
    }
    for (wchar_t c : font.face)
        PutWord(out, static_cast<WORD>(c));
    PutWord(out, 0);
    out.resize((out.size() + 3) & ~size_t(3), 0);
    out.insert(out.end(), tmpl + place.itemsStart, tmpl + size);
    return out;
}
