#include "app/AboutDlg.h"

#include <shellapi.h>

#include "framework/OnDemand.h"
#include "res/resource.h"

const char kHomePageUrl[] = "https://www.example.com/zentik/";

void OpenHomePage(HWND owner)
{
    if (const auto open = ON_DEMAND("shell32.dll", ShellExecuteA))
        open(owner, nullptr, kHomePageUrl, nullptr, nullptr, SW_SHOWNORMAL);
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

const MessageMap* CAboutDlg::GetMessageMap() const
{
    // "HpmePage" has the cancel id, so Esc opens the page too.
    static const MessageMapEntry entries[] = {
        OnCommand<CAboutDlg, &CAboutDlg::OnHomePage>(IDCANCEL),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

void CAboutDlg::OnHomePage() { OpenHomePage(m_hWnd); }
