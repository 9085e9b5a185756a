#pragma once
// The program is the one place that knows every screen and panel: the main dialog and the
// meeting screen only know their interfaces and ask the makers set here.
void SetProgramScreens();
