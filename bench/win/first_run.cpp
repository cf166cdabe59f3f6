// Drives Zentik's options sheet as a user would, for scripts that run the
// clock on a display nobody watches. Commands:
//   answer [face [size]]  Ref... on the Display page, that TrueType face and
//                         size in the font dialog (DejaVu Sans, 36), OK, and
//                         OK on the sheet: what the first run asks for
//   page N                shows the sheet's page N
//   options               opens the sheet from the clock's menu
//   cancel                closes the sheet with Cancel
// Exits 1 when a window does not come within 30 s.
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cstdlib>
#include <cstring>

#include "res/resource.h"

namespace {

HWND WaitFor(const char* caption)
{
    for (int i = 0; i < 300; ++i) {
        if (HWND hwnd = FindWindowA("#32770", caption))
            return hwnd;
        Sleep(100);
    }
    return nullptr;
}

// The font dialog, by its face list: its caption is in the system's language.
HWND WaitForFontDialog()
{
    for (int i = 0; i < 300; ++i, Sleep(100))
        for (HWND hwnd = nullptr; (hwnd = FindWindowExA(nullptr, hwnd, "#32770", nullptr)) != nullptr;)
            if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, cmb1))
                return hwnd;
    return nullptr;
}

BOOL CALLBACK FindFontRef(HWND hwnd, LPARAM found)
{
    if (GetDlgCtrlID(hwnd) != IDC_FONT_REF)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// Picks a list entry of the font dialog as a click would.
bool Select(HWND dialog, int id, const char* text)
{
    HWND list = GetDlgItem(dialog, id);
    if (SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)) == CB_ERR)
        return false;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return true;
}

bool Answer(HWND sheet, const char* face, const char* size)
{
    HWND ref = nullptr;
    EnumChildWindows(sheet, FindFontRef, reinterpret_cast<LPARAM>(&ref));
    if (!ref)
        return false;
    PostMessageA(ref, BM_CLICK, 0, 0);
    HWND fonts = WaitForFontDialog();
    if (!fonts || !Select(fonts, cmb1, face) || !Select(fonts, cmb3, size))
        return false;
    PostMessageA(fonts, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 300 && IsWindow(fonts); ++i)
        Sleep(100);
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* command = argc > 1 ? argv[1] : "answer";
    if (std::strcmp(command, "options") == 0) {
        HWND clock = WaitFor("Zentik");
        return clock && PostMessageA(clock, WM_COMMAND, ID_POPUP_PROPERTIES, 0) && WaitFor("Propaties of Zentik") ? 0 : 1;
    }
    HWND sheet = WaitFor("Propaties of Zentik");
    if (!sheet)
        return 1;
    if (std::strcmp(command, "page") == 0 && argc > 2)
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(std::atoi(argv[2])), 0);
    else if (std::strcmp(command, "cancel") == 0)
        SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else if (!Answer(sheet, argc > 2 ? argv[2] : "DejaVu Sans", argc > 3 ? argv[3] : "36"))
        return 1;
    return 0;
}
