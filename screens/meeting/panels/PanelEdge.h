#pragma once
// The main window has no frame: the side panel (and its collapsed handle) lends its left and
// bottom edges, which lie on the main window's, as 5-pixel sizing borders while the main window
// is not maximised.
#include <windows.h>

#include "platform/Geometry.h"

class CWnd;

// HTBOTTOM, HTBOTTOMLEFT, HTLEFT for a client point on those borders, else HTNOWHERE.
int PanelEdgeHitTest(const CRect& rcClient, CPoint pt);
// WM_SETCURSOR over the window: TRUE when a sizing cursor was set.
BOOL PanelEdgeSetCursor(CWnd* pWnd);
// WM_LBUTTONDOWN at a client point: on a border, the main window's sizing starts.
void PanelEdgeButtonDown(CWnd* pWnd, CPoint ptClient);
