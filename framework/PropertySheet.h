// A modal property sheet with OK, Cancel and Apply. Its result is IDOK when
// it was closed with OK and IDCANCEL when cancelled or closed (also after an
// Apply); a sheet that cannot be shown gives -1.
#pragma once

#include <vector>

#include "core/WinTypes.h"
#include <prsht.h>

class CPropertyPage;

class CPropertySheet {
public:
    CPropertySheet(const char* caption, HWND parent = nullptr, UINT startPage = 0);
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;

    void AddPage(CPropertyPage* page);
    INT_PTR DoModal();

    PROPSHEETHEADERA m_psh;  // flags and caption given to the system

private:
    friend class CPropertyPage;

    std::vector<CPropertyPage*> m_pages;
    bool m_bCancelled = false;
};
