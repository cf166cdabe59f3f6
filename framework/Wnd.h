// A window handle with the few helpers the program's classes use. Bound to
// a control by DDX_Control, or to a dialog when it is created; it never
// owns the window.
#pragma once

#include "core/WinTypes.h"

class CWnd {
public:
    HWND m_hWnd = nullptr;

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
};
