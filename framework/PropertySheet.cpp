#include "framework/PropertySheet.h"

#include <cstring>

#include "framework/PropertyPage.h"
#include "framework/WinApp.h"

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT startPage)
{
    std::memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;  // the oldest layout, known to every system
    m_psh.dwFlags = PSH_DEFAULT;
    m_psh.hwndParent = parent;
    m_psh.pszCaption = caption;
    m_psh.nStartPage = startPage;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    page->m_pSheet = this;
    m_pages.push_back(page);
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages)
        pages.push_back(page->m_psp);

    PROPSHEETHEADERA psh = m_psh;
    psh.dwFlags |= PSH_PROPSHEETPAGE;
    if (!psh.hwndParent)
        psh.hwndParent = MainWindow();
    psh.hInstance = GetModuleHandleA(nullptr);
    psh.nPages = static_cast<UINT>(pages.size());
    psh.ppsp = pages.data();

    m_bCancelled = false;
    // The system reports only whether anything was applied; which button
    // closed the sheet comes from the pages (they hear of a cancel).
    if (PropertySheetA(&psh) < 0)
        return -1;
    return m_bCancelled ? IDCANCEL : IDOK;
}
