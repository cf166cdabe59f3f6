#include "support/CommonDialogs.h"

#include "framework/PropertySheet.h"
#include "res/resource.h"
#include "support/DialogDriver.h"

void PickFirstBasicColor(HWND colorDialog)
{
    RECT r;
    GetWindowRect(GetDlgItem(colorDialog, kBasicColors), &r);
    POINT pt = {r.left + 4, r.top + 4};
    ScreenToClient(colorDialog, &pt);
    PostMessageA(colorDialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PostMessageA(colorDialog, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

bool ChooseFirstBasicColor(HWND sheet)
{
    PostClick(PropSheet_GetCurrentPageHwnd(sheet), IDC_COLOR_REF);
    HWND color = WaitForWindow("Color");
    if (!color)
        return false;
    PickFirstBasicColor(color);
    PostMessageA(color, WM_COMMAND, IDOK, 0);
    return WaitUntil([sheet] { return IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE; }, 5000);
}

bool PickFont(HWND fontDialog, const char* face, const char* points)
{
    const int faceBox = 0x470, sizeBox = 0x472;
    for (const auto& pick : {std::make_pair(faceBox, face), std::make_pair(sizeBox, points)}) {
        HWND box = GetDlgItem(fontDialog, pick.first);
        if (SendMessageA(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pick.second)) == CB_ERR)
            return false;
        SendMessageA(fontDialog, WM_COMMAND, MAKEWPARAM(pick.first, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    }
    return true;
}
