#include "framework/PropertySheet.h"

#include <cstring>

#include <commctrl.h>

#include "framework/OnDemand.h"
#include "framework/PropertyPage.h"
#include "framework/ScreenArea.h"
#include "framework/WinApp.h"

namespace {

// Once the sheet has its size: wholly inside the work area of its owner's
// monitor, wherever the system centred it.
int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM)
{
    if (msg == PSCB_INITIALIZED) {
        HWND owner = GetWindow(sheet, GW_OWNER);
        KeepInWorkArea(sheet, owner ? owner : sheet);
    }
    return 0;
}

}  // namespace

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
    // Loaded first: the pages take the font of the system's own sheet
    // template, which lives in comctl32.
    const auto init = ON_DEMAND("comctl32.dll", InitCommonControls);
    const auto show = ON_DEMAND("comctl32.dll", PropertySheetA);
    if (!init || !show)
        return -1;
    init();

    DialogFont font;
    if (SheetFont(&font))
        for (CPropertyPage* page : m_pages)
            page->UseFont(font);

    // The system steps through the records by their dwSize, the oldest
    // layout, which is shorter than the structure we compile with.
    std::vector<BYTE> pages(m_pages.size() * PROPSHEETPAGEA_V1_SIZE);
    for (size_t i = 0; i < m_pages.size(); ++i)
        std::memcpy(&pages[i * PROPSHEETPAGEA_V1_SIZE], &m_pages[i]->m_psp, PROPSHEETPAGEA_V1_SIZE);

    PROPSHEETHEADERA psh = m_psh;
    psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    psh.pfnCallback = &SheetCallback;
    if (!psh.hwndParent)
        psh.hwndParent = MainWindow();
    psh.hInstance = GetModuleHandleA(nullptr);
    psh.nPages = static_cast<UINT>(m_pages.size());
    psh.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages.data());

    m_bCancelled = false;
    // The system reports only whether anything was applied; which button
    // closed the sheet comes from the pages (they hear of a cancel).
    if (show(&psh) < 0)
        return -1;
    return m_bCancelled ? IDCANCEL : IDOK;
}
