#pragma once
// CMonitorInfo: the display metrics and the monitors there are, for keeping windows on screen;
// and the placement helpers: window rectangles saved by name in "MainRect.ini", and pop-ups
// placed beside an anchor window inside its monitor's work area.
#include <windows.h>

#include <functional>

#include "platform/Array.h"
#include "platform/CString.h"
#include "platform/Geometry.h"

class CWnd;

class CMonitorInfo {
public:
    CString m_strPath;   // the placement path (process-wide instance only)
    int m_nScreenWidth = 0;
    int m_nScreenHeight = 0;
    int m_nVirtualWidth = 0;
    int m_nVirtualHeight = 0;
    int m_nBitsPerPixel = 0;
    int m_nRefreshRate = 0;
    int m_nMonitorCount = 0;
    int m_nMegaPixels = 1;
    int m_nSameDisplayFormat = 0;
    int m_nVirtualLeft = 0;
    int m_nVirtualTop = 0;
    int m_nVirtualRight = 0;
    int m_nVirtualBottom = 0;
    CArray<MONITORINFOEXW> m_monitors;

    // Reads the metrics and the monitors; -1 (monitors kept) when the display cannot be asked.
    int Refresh();
    // The work area (bWorkArea) or full rectangle of the first monitor the rectangle touches.
    BOOL FindMonitor(RECT* pOut, const RECT& rc, BOOL bWorkArea) const;
    BOOL FindMonitorContaining(int l, int t, int r, int b, RECT* pOut = nullptr) const;
    // Moves the rectangle, keeping its size, into the work area of the first monitor it touches.
    BOOL FitToWorkArea(RECT& rc);
    // Replaces the rectangle by that work area.
    BOOL GetWorkArea(RECT& rc);
    BOOL GetWindowWorkArea(CWnd* pWnd, RECT* pOut);
    BOOL GetPrimaryMonitorRect(RECT* pOut, BOOL bWorkArea) const;

    // The monitor list comes from this function instead of the system (tests); it fills the
    // array and returns false when the display cannot be asked. An empty function restores the
    // system's.
    using MonitorSource = std::function<bool(CArray<MONITORINFOEXW>& monitors)>;
    static void SetMonitorSource(MonitorSource source);
};

CMonitorInfo& GetMonitorInfoStore();
void SetPlacementPath(const CString& strPath);

// Section "Rect", key name + "(xywh)", value "left,top,width,height".
int ReadWindowRectEntry(LPCTSTR pszSection, LPCTSTR pszName, RECT* pOut, LPCTSTR pszFile);
BOOL WriteWindowRectEntry(LPCTSTR pszSection, LPCTSTR pszName, const RECT& rc, LPCTSTR pszFile);
// Saved in and restored from "MainRect.ini"; FALSE without a window, a name or the placement
// path, and (restoring) without an entry or a monitor under it.
BOOL SaveWindowRect(LPCTSTR pszName, CWnd* pWnd);
BOOL SaveWindowRect(const CString& strName, CWnd* pWnd);
BOOL RestoreWindowRect(LPCTSTR pszName, CWnd* pWnd);
// The saved rectangle moved into its monitor's work area first.
BOOL RestoreWindowRectFitted(LPCTSTR pszName, CWnd* pWnd);

// Placing flags: the low byte places the left edge, the high byte the top edge.
enum : UINT {
    PLACE_X_KEEP = 0, PLACE_X_LEFTS = 1, PLACE_X_RIGHT_OF = 2, PLACE_X_LEFT_OF = 4, PLACE_X_RIGHTS = 8, PLACE_X_CENTRE = 16,
    PLACE_Y_KEEP = 0, PLACE_Y_TOPS = 256, PLACE_Y_BELOW = 512, PLACE_Y_ABOVE = 1024, PLACE_Y_BOTTOMS = 2048, PLACE_Y_CENTRE = 4096,
};
// Moves the window beside the anchor by the flags, kept inside the anchor's work area; centred
// on its owner when the anchor is on no monitor.
void PlaceWindowNear(CWnd* pAnchor, CWnd* pWnd, UINT nFlags);
// The top-left corner PlaceWindowNear gives the window B beside the anchor A in work area W.
CPoint ComputePlaceNear(const RECT& A, const RECT& B, const RECT& W, UINT nFlags);
