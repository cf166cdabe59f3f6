// The program's entry point. The exe links none of the C runtime's start-up
// code: the prebuilt copy uses instructions an i486 lacks, and what it adds
// (argument parsing, TLS callbacks, pseudo-relocations) the program never
// uses. The runtime DLL sets itself up when it loads; this does the rest.
#include <cstdlib>

#include "framework/WinApp.h"

extern "C" {
void __main();  // the compiler's: runs the static constructors, queues the destructors with atexit
void __cdecl __set_app_type(int);
}

extern "C" void WinMainCRTStartup()
{
    __set_app_type(2);  // a GUI program: the runtime reports its errors in a message box
    __main();
    TheApp()->InitInstance();  // the program's one application object, made by __main
    std::exit(0);              // runs the destructors, then ends the process
}
