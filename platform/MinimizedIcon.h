#pragma once
// The paint of a minimised dialog window: the system leaves it to the window, which draws its icon
// in the middle of what is left of the client area.
#include <windows.h>

class CWnd;

namespace zel {

// Paints the icon when the window is minimised and says so; otherwise does nothing and returns
// false, and the window paints as usual. Call it from the window's WM_PAINT handler.
bool PaintMinimizedIcon(CWnd& wnd, HICON hIcon);

} // namespace zel
