// Reads a dialog template resource (classic DLGTEMPLATE or DLGTEMPLATEEX)
// into plain values, so tests can compare it field by field with a table.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// A template field that is either a number (the 0xFFFF form) or a string;
// an empty string is the "none" of menus and classes.
struct NameOrOrdinal {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring name;

    NameOrOrdinal() = default;
    NameOrOrdinal(const wchar_t* text) : name(text) {}
    static NameOrOrdinal Ordinal(WORD value)
    {
        NameOrOrdinal n;
        n.isOrdinal = true;
        n.ordinal = value;
        return n;
    }
    bool operator==(const NameOrOrdinal& o) const
    {
        return isOrdinal == o.isOrdinal && ordinal == o.ordinal && name == o.name;
    }
};

struct DialogItem {
    DWORD helpId = 0; // always 0 in a classic template
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0; // sign-extended, so -1 reads the same from both forms
    NameOrOrdinal className;
    NameOrOrdinal text;
    WORD extraBytes = 0;
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrOrdinal menu;
    NameOrOrdinal className;
    std::wstring caption;
    // Present only with DS_SETFONT; weight, italic and charset only in the extended form.
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring faceName;
    std::vector<DialogItem> items;
};

// Parses size bytes at data. False when the template runs past its end.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate& out);

// Finds dialog resource id in module (an exe loaded as data works too) and parses it.
bool LoadDialogTemplate(HMODULE module, WORD id, DialogTemplate& out);

// The built Zentik.exe, beside the test program, read as data.
HMODULE BuiltExe();

// Raw bytes of a resource, empty when it is missing.
std::vector<BYTE> LoadResourceBytes(HMODULE module, LPCWSTR type, WORD id);

// Readable failure messages: non-ASCII characters as \uXXXX.
std::ostream& operator<<(std::ostream& os, const NameOrOrdinal& n);
std::string Escape(const std::wstring& text);
