#pragma once
// The input a user gives the login window, and what the tests and the benchmark read back from
// it; no test framework here.
#include <windows.h>

#include <functional>

#include "platform/CString.h"

namespace logintest {

// Makes a language resource library the resource handle while it lives.
class ResourceLibrary {
public:
    explicit ResourceLibrary(const wchar_t* fileName);
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary&) = delete;
    ResourceLibrary& operator=(const ResourceLibrary&) = delete;
    HMODULE Module() const { return m_module; }
private:
    HINSTANCE m_previous;
    HMODULE m_module;
};

// Runs the thread's messages the way a modal loop does (with pre-translation) until pred() holds.
bool Drive(const std::function<bool()>& pred, DWORD ms = 10000);
void DriveFor(DWORD ms);
// Keys and clicks as the system posts them.
void Type(HWND hWnd, const wchar_t* text);
void PressKey(HWND hWnd, UINT vk);
void Click(HWND hWnd);
void RightClick(HWND hWnd);
CString TextOf(HWND hWnd);
// The window's screen pixels into a PNG under the build folder's screenshots folder.
bool SaveScreenshot(HWND hWnd, const wchar_t* name);

}  // namespace logintest
