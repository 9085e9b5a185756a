#pragma once
// The program is the one place that knows every screen and panel: the main dialog and the
// meeting screen only know their interfaces and ask the makers set here. ZEL.exe calls
// SetProgramScreens before anything else; tests of the whole program call the same function.
#include "screens/login/LoginWindow.h"

// The login window's dialogs as the program runs them.
SLoginShellHooks ProgramLoginShellHooks();
void SetProgramScreens();
