#include <windows.h>

// Entry point; the program's own application object takes over from here as it is built.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    return 0;
}
