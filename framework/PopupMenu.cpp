#include "framework/PopupMenu.h"

#include "framework/Handles.h"
#include "framework/WinApp.h"

void TrackResourceMenu(HWND owner, LPCSTR name, POINT at)
{
    UniqueMenu menu(LoadMenuA(FindResourceModule(name, RT_MENU), name));
    HMENU popup = menu ? GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup)
        return;
    // The menu takes the keyboard, and closes on a click elsewhere, only
    // when its owner is the foreground window.
    SetForegroundWindow(owner);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}
