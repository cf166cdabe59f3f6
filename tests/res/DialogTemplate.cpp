#include "res/DialogTemplate.h"

#include <cstdio>
#include <cstring>

namespace {

// Walks the template; every read checks the end, and a failed read leaves
// ok false and yields zeros, so the parser needs no checks of its own.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : m_start(data), m_pos(data), m_end(data + size) {}

    bool ok() const { return m_ok; }

    template <typename T> T Read()
    {
        T value{};
        if (Need(sizeof(T))) {
            std::memcpy(&value, m_pos, sizeof(T));
            m_pos += sizeof(T);
        }
        return value;
    }

    std::wstring String()
    {
        std::wstring s;
        for (WORD c = Read<WORD>(); m_ok && c != 0; c = Read<WORD>())
            s += static_cast<wchar_t>(c);
        return s;
    }

    NameOrOrdinal NameOrOrd()
    {
        WORD first = Read<WORD>();
        if (first == 0xFFFF)
            return NameOrOrdinal::Ordinal(Read<WORD>());
        NameOrOrdinal n;
        if (first != 0)
            n.name = static_cast<wchar_t>(first) + String();
        return n;
    }

    void Skip(size_t n)
    {
        if (Need(n))
            m_pos += n;
    }

    // Items start on a DWORD boundary of the template.
    void AlignDword() { Skip((4 - (m_pos - m_start) % 4) % 4); }

private:
    bool Need(size_t n)
    {
        if (m_ok && static_cast<size_t>(m_end - m_pos) >= n)
            return true;
        m_ok = false;
        return false;
    }

    const BYTE* m_start;
    const BYTE* m_pos;
    const BYTE* m_end;
    bool m_ok = true;
};

} // namespace

bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate& out)
{
    Reader r(static_cast<const BYTE*>(data), size);
    out = DialogTemplate();

    WORD count = 0;
    WORD first = r.Read<WORD>();
    WORD second = r.Read<WORD>();
    out.extended = first == 1 && second == 0xFFFF;
    if (out.extended) {
        out.helpId = r.Read<DWORD>();
        out.exStyle = r.Read<DWORD>();
        out.style = r.Read<DWORD>();
    } else {
        out.style = MAKELONG(first, second);
        out.exStyle = r.Read<DWORD>();
    }
    count = r.Read<WORD>();
    out.x = r.Read<short>();
    out.y = r.Read<short>();
    out.cx = r.Read<short>();
    out.cy = r.Read<short>();
    out.menu = r.NameOrOrd();
    out.className = r.NameOrOrd();
    out.caption = r.String();
    if (out.style & DS_SETFONT) {
        out.pointSize = r.Read<WORD>();
        if (out.extended) {
            out.weight = r.Read<WORD>();
            out.italic = r.Read<BYTE>();
            out.charset = r.Read<BYTE>();
        }
        out.faceName = r.String();
    }

    for (WORD i = 0; i < count && r.ok(); ++i) {
        DialogItem item;
        r.AlignDword();
        if (out.extended) {
            item.helpId = r.Read<DWORD>();
            item.exStyle = r.Read<DWORD>();
            item.style = r.Read<DWORD>();
        } else {
            item.style = r.Read<DWORD>();
            item.exStyle = r.Read<DWORD>();
        }
        item.x = r.Read<short>();
        item.y = r.Read<short>();
        item.cx = r.Read<short>();
        item.cy = r.Read<short>();
        item.id = out.extended ? static_cast<int>(r.Read<DWORD>()) : r.Read<short>();
        item.className = r.NameOrOrd();
        item.text = r.NameOrOrd();
        item.extraBytes = r.Read<WORD>();
        r.Skip(item.extraBytes);
        out.items.push_back(item);
    }
    return r.ok();
}

std::vector<BYTE> LoadResourceBytes(HMODULE module, LPCWSTR type, WORD id)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return {};
    return std::vector<BYTE>(data, data + SizeofResource(module, found));
}

bool LoadDialogTemplate(HMODULE module, WORD id, DialogTemplate& out)
{
    std::vector<BYTE> bytes = LoadResourceBytes(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, id);
    return !bytes.empty() && ParseDialogTemplate(bytes.data(), bytes.size(), out);
}

std::string Escape(const std::wstring& text)
{
    std::string s;
    for (wchar_t c : text) {
        char buf[8];
        if (c == L'\t')
            s += "\\t";
        else if (c == L'\r')
            s += "\\r";
        else if (c >= 0x20 && c < 0x7F)
            s += static_cast<char>(c);
        else {
            std::snprintf(buf, sizeof(buf), "\\u%04X", static_cast<unsigned>(c));
            s += buf;
        }
    }
    return s;
}

std::ostream& operator<<(std::ostream& os, const NameOrOrdinal& n)
{
    if (n.isOrdinal)
        return os << "#" << n.ordinal;
    return os << '"' << Escape(n.name) << '"';
}

HMODULE BuiltExe()
{
    static HMODULE module = [] {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH - 1);
        std::wstring exe(path);
        exe.erase(exe.find_last_of(L"\\/") + 1);
        exe += L"Zentik.exe";
        return LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }();
    return module;
}
