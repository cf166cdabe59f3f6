// Stands in for the browser in the test prefix: the shell's handler for web
// addresses, it appends the address it was given to the file named by
// ZENTIK_URL_LOG, one line each.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR cmdLine, int)
{
    const char* log = std::getenv("ZENTIK_URL_LOG");
    if (!log)
        return 1;
    FILE* f = std::fopen(log, "a");
    if (!f)
        return 1;
    std::fprintf(f, "%s\n", cmdLine);
    std::fclose(f);
    return 0;
}
