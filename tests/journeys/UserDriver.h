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
bool DragAt(HWND hWnd, const std::vector<POINT>& points);
// Types the text as key input into the window that has the focus.
void TypeText(const std::wstring& text);
void PressKey(WORD vk);

// Waits while sleeping; the driver runs in its own process, so nothing is pumped.
bool WaitUntil(const std::function<bool()>& pred, DWORD ms);

}  // namespace journey
