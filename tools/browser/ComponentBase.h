#pragma once
// A part of the browser window that may take window messages before the window does.
#include <windows.h>

class ComponentBase {
public:
    // True when the component handled the message; *pResult is then the message's result.
    virtual bool HandleWindowMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
    {
        return false;
    }
    virtual ~ComponentBase() = default;
};
