#include "app/ClockApp.h"

#include "app/ClockDlg.h"
#include "settings/ClockSettings.h"

CClockApp theApp;

BOOL CClockApp::InitInstance()
{
    g_settings.OsVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    GetVersionExA(&g_settings.OsVersion);

    CClockDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
