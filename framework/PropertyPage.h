// A page of a property sheet. The sheet creates its window when the page is
// first shown; from then on every OK and Apply runs its OnApply, which runs
// OnOK. Leaving the page saves its controls into its members and refuses to
// leave when a validation fails.
#pragma once

#include <vector>

#include "framework/Dialog.h"
#include "framework/DialogResource.h"
#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);

    // Tells the sheet the page has unapplied changes: it enables Apply, and
    // greys it again once everything is applied.
    void SetModified();

    virtual BOOL OnKillActive() { return UpdateData(DDX::FromControls); }
    virtual BOOL OnApply();  // runs OnOK
    void OnOK() override {}
    void OnCancel() override {}

    const MessageMap* GetMessageMap() const override;

    PROPSHEETPAGEA m_psp;  // what the sheet is given for this page

protected:
    INT_PTR HandleInitDialog() override { return OnInitDialog(); }

private:
    friend class CPropertySheet;
    // The sheet's notifications.
    LRESULT OnKillActiveNotify() { return OnKillActive() ? FALSE : TRUE; }  // TRUE keeps the page on screen
    LRESULT OnApplyNotify() { return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; }
    LRESULT OnResetNotify();

    // Builds the page from a copy of its template in the sheet's font.
    void UseFont(const DialogFont& font);

    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    CPropertySheet* m_pSheet = nullptr;
    std::vector<BYTE> m_template;  // the copy given to the system, if any
};
