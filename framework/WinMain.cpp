// The program's entry point: runs the application object's start-up.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = TheApp();
    if (!app)
        return 1;
    app->m_hInstance = instance;
    if (!app->InitInstance())
        return 0;
    return app->Run();
}
