// The application object: reads the system version and runs the clock
// window; the process ends with it.
#pragma once

#include "framework/WinApp.h"

class CClockApp : public CWinApp {
public:
    void InitInstance() override;
};
