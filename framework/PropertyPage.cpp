#include "framework/PropertyPage.h"

#include <cstring>

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId)
{
    std::memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = PROPSHEETPAGEA_V1_SIZE;  // the oldest layout, known to every system
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = FindResourceModule(MAKEINTRESOURCEA(templateId), RT_DIALOG);
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = &CPropertyPage::PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

void CPropertyPage::UseFont(const DialogFont& font)
{
    m_template = TemplateWithFont(DialogResource(m_psp.hInstance, m_psp.pszTemplate), font);
    if (m_template.empty())
        return;  // as it stands
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.pResource = reinterpret_cast<LPCDLGTEMPLATE>(m_template.data());
}

void CPropertyPage::SetModified() { ::SendMessageA(GetParent(), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

const MessageMap* CPropertyPage::GetMessageMap() const
{
    using P = CPropertyPage;
    static const MessageMapEntry entries[] = {
        OnNotify<P, &P::OnKillActiveNotify>(PSN_KILLACTIVE),
        OnNotify<P, &P::OnApplyNotify>(PSN_APPLY),
        OnNotify<P, &P::OnResetNotify>(PSN_RESET),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

LRESULT CPropertyPage::OnResetNotify()
{
    if (m_pSheet)
        m_pSheet->m_bCancelled = true;
    return 0;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CPropertyPage* self;
    if (msg == WM_INITDIALOG) {
        // The sheet passes a copy of the page record; its lParam is the page.
        self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lp)->lParam);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    return Route(self, msg, wp, lp);
}
