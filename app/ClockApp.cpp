#include "app/ClockApp.h"

#include "app/ClockDlg.h"
#include "app/SingleClock.h"
#include "settings/ClockSettings.h"

CClockApp theApp;

void CClockApp::InitInstance()
{
    g_settings.OsVersion.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    GetVersionExA(&g_settings.OsVersion);

    const SingleClock single;
    if (!single.IsFirst())
        return;

    CClockDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}
