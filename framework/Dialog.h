// A dialog built from a template, run modally. Derived classes override
// OnInitDialog, OnOK, OnCancel and DoDataExchange, and add handlers through
// their message map. The object is found from its window through DWLP_USER,
// stored when WM_INITDIALOG arrives; earlier messages get the default handling.
#pragma once

#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDataExchange;

// Which way an exchange moves the data.
enum class DDX { ToControls, FromControls };

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; its owner is the parent given, else the main window.
    INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

    // Moves data between the controls and the members; FALSE when a
    // validation failed (its message has been shown).
    BOOL UpdateData(DDX direction);

    bool IsButtonChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void CheckButton(int id, bool checked) const { CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    void EnableItem(int id, bool enabled) const { EnableWindow(GetDlgItem(id), enabled); }

    virtual void DoDataExchange(CDataExchange*) {}
    virtual BOOL OnInitDialog();  // loads the controls from the members
    virtual void OnOK();          // saves the members, ends with IDOK
    virtual void OnCancel();      // ends with IDCANCEL

    // Every message after WM_INITDIALOG goes through the message map.
    virtual const MessageMap* GetMessageMap() const;

    // The default colours for a control-colour request (WM_CTLCOLOR* type).
    HBRUSH OnCtlColor(HDC hdc, HWND ctl, UINT ctlType);

protected:
    // Routes a message of the dialog procedure to `self`, once attached.
    static INT_PTR Route(CDialog* self, UINT msg, WPARAM wp, LPARAM lp);
    // Runs OnInitDialog; a plain dialog is then centred over its owner
    // unless its template fixes the position.
    virtual INT_PTR HandleInitDialog();

    UINT m_nIDTemplate;
    HWND m_hWndParent;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};
