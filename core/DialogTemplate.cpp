#include "core/DialogTemplate.h"

#include <cstring>

namespace {

// Reads a dialog template's header, never past its end.
class TemplateReader {
public:
    explicit TemplateReader(TemplateBytes t) : m_data(t.data), m_size(t.data ? t.size : 0) {}

    bool Skip(size_t bytes)
    {
        if (m_pos + bytes > m_size)
            return false;
        m_pos += bytes;
        return true;
    }
    template <typename T>
    bool Read(T* value)
    {
        if (m_pos + sizeof(T) > m_size)
            return false;
        std::memcpy(value, m_data + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return true;
    }
    // A terminated UTF-16 string.
    bool String(std::wstring* s = nullptr)
    {
        for (WORD w; Read(&w);) {
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
        if (!Read(&w))
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

struct Header {
    bool extended;
    DWORD style;
    short x, y;
};

// The header up to the caption's end, the reader left after it.
bool ReadHeader(TemplateReader& r, Header* h)
{
    WORD version = 0, signature = 0;
    if (!r.Read(&version) || !r.Read(&signature))
        return false;
    h->extended = version == 1 && signature == 0xFFFF;
    if (h->extended) {
        // help id, extended style, style
        if (!r.Skip(8) || !r.Read(&h->style))
            return false;
    } else {
        // The two words read were the style.
        h->style = static_cast<DWORD>(version) | static_cast<DWORD>(signature) << 16;
        if (!r.Skip(4))  // extended style
            return false;
    }
    // item count, position, size, menu, class, caption
    return r.Skip(2) && r.Read(&h->x) && r.Read(&h->y) && r.Skip(4) && r.NameOrOrdinal() && r.NameOrOrdinal() &&
           r.String();
}

struct FontPlace {
    bool extended;
    size_t start, itemsStart;  // font fields; first item, DWORD-aligned
    DialogFont font;
};

bool FindFont(TemplateBytes t, FontPlace* place)
{
    TemplateReader r(t);
    Header h;
    if (!ReadHeader(r, &h) || !(h.style & DS_SETFONT))
        return false;
    place->extended = h.extended;
    place->start = r.Pos();
    if (!r.Read(&place->font.pointSize) || (h.extended && !r.Skip(4)) || !r.String(&place->font.face))
        return false;
    place->itemsStart = (r.Pos() + 3) & ~size_t(3);
    return place->itemsStart <= t.size;
}

void PutWord(std::vector<BYTE>& out, WORD w)
{
    out.push_back(static_cast<BYTE>(w));
    out.push_back(static_cast<BYTE>(w >> 8));
}

}  // namespace

bool TemplateFixesPosition(TemplateBytes t)
{
    TemplateReader r(t);
    Header h;
    if (!ReadHeader(r, &h))
        return true;
    return (h.style & DS_ABSALIGN) || h.x != 0 || h.y != 0;
}

bool TemplateFont(TemplateBytes t, DialogFont* font)
{
    FontPlace place;
    if (!FindFont(t, &place))
        return false;
    *font = place.font;
    return true;
}

std::vector<BYTE> TemplateWithFont(TemplateBytes t, const DialogFont& font)
{
    FontPlace place;
    if (!FindFont(t, &place))
        return {};
    std::vector<BYTE> out(t.data, t.data + place.start);
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
    out.insert(out.end(), t.data + place.itemsStart, t.data + t.size);
    return out;
}
