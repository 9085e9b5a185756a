#pragma once
// The module that string, dialog and picture resources load from. It starts as the program's own
// module; programs whose texts live in a resource library switch it once at start-up.
#include <windows.h>

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
