#include "framework/DataExchange.h"

#include <vector>

#include "framework/Dialog.h"
#include "framework/WinApp.h"

namespace {

const char kTooManyCharacters[] = "Please enter no more than %d characters.";

}  // namespace

void CDataExchange::Fail()
{
    m_bFailed = true;
    HWND ctl = m_pDlgWnd->GetDlgItem(m_idLastControl);
    if (ctl) {
        SetFocus(ctl);
        SendMessageA(ctl, EM_SETSEL, 0, -1);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& ctl)
{
    if (!ctl.m_hWnd)
        ctl.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
}

void DDX_Check(CDataExchange* pDX, int id, BOOL& value)
{
    if (pDX->m_bFailed)
        return;
    pDX->m_idLastControl = id;
    HWND ctl = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->FromControls())
        value = static_cast<BOOL>(SendMessageA(ctl, BM_GETCHECK, 0, 0));
    else
        SendMessageA(ctl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (pDX->m_bFailed)
        return;
    pDX->m_idLastControl = id;
    HWND ctl = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->FromControls()) {
        std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(ctl)) + 1);
        GetWindowTextA(ctl, text.data(), static_cast<int>(text.size()));
        value = text.data();
    } else {
        SetWindowTextA(ctl, value.c_str());
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars)
{
    if (pDX->m_bFailed)
        return;
    if (!pDX->FromControls()) {
        // Only edits take a limit; the message is harmless elsewhere.
        SendMessageA(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl), EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
        return;
    }
    if (static_cast<int>(value.size()) > maxChars) {
        char message[96];  // the text and an int's 11 characters at the most
        wsprintfA(message, kTooManyCharacters, maxChars);
        AppMessageBox(message, MB_ICONEXCLAMATION | MB_OK);
        pDX->Fail();
    }
}
