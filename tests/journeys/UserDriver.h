#pragma once
// A stand-in user for the real ZEL.exe: finds the windows of its process, moves the mouse and
// types through the system's input queue (SendInput), as a person at the keyboard would, and takes
// pictures of the screen. Used by the journey tests and by the demo command.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace journey {

// The first visible top-level window of the process that matches.
HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& match);
HWND WaitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& match, DWORD ms);
// A dialog-class (#32770) top-level window of the process with a child of that id.
HWND WaitForDialogWithChild(DWORD pid, int nChildId, DWORD ms);
// The visible message box of the process (a dialog with the static 0xFFFF), null when none.
HWND FindMessageBox(DWORD pid);
std::wstring WindowText(HWND hWnd);
std::wstring ClassOf(HWND hWnd);

// Brings the window's top-level window to the front and clicks the middle of the window (or the
// point given in its client coordinates).
bool Click(HWND hWnd);
bool ClickAt(HWND hWnd, int x, int y);
bool DoubleClickAt(HWND hWnd, int x, int y);
// Presses the left button at the first point, moves through the others and lets go at the last
// (client coordinates).
// The parts of a drag: press the left button at the point, move with it held, let go.
bool PressAt(HWND hWnd, POINT pt);
void MoveMouseTo(HWND hWnd, POINT pt);
void ReleaseButton();
// The window has 'settleMs' after the release before this returns.
bool DragAt(HWND hWnd, const std::vector<POINT>& points, DWORD settleMs = 100);
// Turns the mouse wheel over the point (client coordinates) by the steps (+ away from the user),
// with the Ctrl key held when asked.
bool WheelAt(HWND hWnd, int x, int y, int nSteps, bool bControl);
// Clicks the window of the process's top-level window 'hTop' under the screen point by posting the
// button messages to it: for a floating window that the display's input order does not let the
// pointer reach (under Wine, an owned palette once its owner has been clicked).
bool PostClickAtScreen(HWND hTop, int x, int y);
// Types the text as key input into the window that has the focus.
void TypeText(const std::wstring& text);
void PressKey(WORD vk);

// The screen's pixels in the rectangle (screen coordinates) within the tolerance of the colour,
// per channel: what the user sees there, whichever window painted it.
int CountScreenColour(const RECT& rc, COLORREF colour, int nTolerance);
// The texts of the window's visible edit boxes, in window order.
std::vector<std::wstring> VisibleEditTexts(HWND hWnd);
// A rectangle in the window's client coordinates, in screen coordinates.
RECT ClientToScreenRect(HWND hWnd, const RECT& rc);

// Waits while sleeping; the driver runs in its own process, so nothing is pumped.
bool WaitUntil(const std::function<bool()>& pred, DWORD ms);

}  // namespace journey
