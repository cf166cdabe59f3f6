#include "framework/Dialog.h"

#include "core/ScreenRect.h"
#include "framework/DataExchange.h"
#include "framework/DialogResource.h"
#include "framework/ScreenArea.h"
#include "framework/WinApp.h"

namespace {

// Messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg)
{
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
           msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON || msg == WM_INITDIALOG;
}

// Centres `hwnd` over its owner (or the work area, without one), kept
// inside the work area of the owner's monitor. A dialog opens only from a
// clock that shows, so a hidden owner needs no case of its own.
void CenterOverOwner(HWND hwnd)
{
    HWND owner = GetWindow(hwnd, GW_OWNER);
    const RECT work = WorkAreaOf(owner ? owner : hwnd);
    RECT over = work, r;
    if (owner)
        GetWindowRect(owner, &over);
    GetWindowRect(hwnd, &r);
    const POINT at = CenteredInside(over, r.right - r.left, r.bottom - r.top, work);
    SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_nIDTemplate(templateId), m_hWndParent(parent) {}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_hWndParent ? m_hWndParent : MainWindow();
    HINSTANCE module = FindResourceModule(MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    return DialogBoxParamA(module, MAKEINTRESOURCEA(m_nIDTemplate), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(DDX direction)
{
    CDataExchange dx(this, direction);
    DoDataExchange(&dx);
    return dx.m_bFailed ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(DDX::ToControls);
    return TRUE;  // the focus to the first tab stop
}

void CDialog::OnOK()
{
    if (UpdateData(DDX::FromControls))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

const MessageMap* CDialog::GetMessageMap() const
{
    // OnOK and OnCancel are virtual: the rows reach the overrides.
    static const MessageMapEntry entries[] = {
        OnCommand<CDialog, &CDialog::OnOK>(IDOK),
        OnCommand<CDialog, &CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map = MakeMessageMap(nullptr, entries);
    return &map;
}

HBRUSH CDialog::OnCtlColor(HDC hdc, HWND ctl, UINT ctlType)
{
    return reinterpret_cast<HBRUSH>(DefWindowProcA(m_hWnd, WM_CTLCOLORMSGBOX + ctlType, reinterpret_cast<WPARAM>(hdc),
                                                   reinterpret_cast<LPARAM>(ctl)));
}

INT_PTR CDialog::HandleInitDialog()
{
    RECT before;
    GetWindowRect(m_hWnd, &before);
    const BOOL focus = OnInitDialog();
    RECT after;
    if (IsWindow(m_hWnd) && GetWindowRect(m_hWnd, &after) && EqualRect(&before, &after) &&
        !TemplateFixesPosition(DialogResource(FindResourceModule(MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG),
                                              MAKEINTRESOURCEA(m_nIDTemplate))))
        CenterOverOwner(m_hWnd);
    return focus;
}

INT_PTR CDialog::Route(CDialog* self, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!self)
        return FALSE;
    if (msg == WM_INITDIALOG)
        return self->HandleInitDialog();
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(self->m_hWnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        return FALSE;
    }
    LRESULT result = 0;
    if (!DispatchMessageMap(self->GetMessageMap(), self, msg, wp, lp, &result))
        return FALSE;
    if (ReturnsDirectly(msg))
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(self->m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lp);
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    return Route(self, msg, wp, lp);
}
