#pragma once
// Runs code that is called back from outside C++ (a browser's completion handler, a window
// procedure) so that no exception crosses into the caller; what escapes is logged and dropped.
#include <windows.h>

#include <exception>

template <typename F>
bool RunGuarded(const char* lpszWhere, F&& f)
{
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        char szLine[512];
        _snprintf(szLine, sizeof(szLine) - 1, "Vistrel: exception in %s: %s\n", lpszWhere, e.what());
        szLine[sizeof(szLine) - 1] = 0;
        ::OutputDebugStringA(szLine);
    } catch (...) {
        char szLine[256];
        _snprintf(szLine, sizeof(szLine) - 1, "Vistrel: exception in %s\n", lpszWhere);
        szLine[sizeof(szLine) - 1] = 0;
        ::OutputDebugStringA(szLine);
    }
    return false;
}
