// Data exchange between a dialog's controls and its members, in one
// direction at a time. A failed validation shows its message, puts the
// focus on the control and stops the rest of the exchange.
#pragma once

#include <string>

#include "framework/Dialog.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dlg, DDX direction) : m_pDlgWnd(dlg), m_direction(direction) {}

    bool FromControls() const { return m_direction == DDX::FromControls; }

    // Marks the exchange failed and focuses the last control exchanged.
    void Fail();

    CDialog* m_pDlgWnd;
    DDX m_direction;
    bool m_bFailed = false;
    int m_idLastControl = 0;
};

// Binds `ctl` to the dialog's control `id` (once).
void DDX_Control(CDataExchange* pDX, int id, CWnd& ctl);
// A check box's state (0, 1 or 2).
void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
// A control's text.
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// At most `maxChars` bytes in the last text exchanged: loading sets the
// edit's limit, saving refuses a longer text.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);
