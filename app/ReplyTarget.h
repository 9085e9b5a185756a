#pragma once
// A dialog that becomes the application server's reply window for a while. The server client
// holds a window handle; when the dialog's window goes, the replies go back to the window that
// had them before (when it still exists), so none is sent to a window that is gone.
#include <windows.h>

class CReplyTarget {
public:
    CReplyTarget() = default;
    ~CReplyTarget() { Release(); }
    CReplyTarget(const CReplyTarget&) = delete;
    CReplyTarget& operator=(const CReplyTarget&) = delete;

    // Makes hWnd the reply window; the window it replaces is remembered on the first call.
    void Take(HWND hWnd);
    // Gives the replies back unless another window has taken them meanwhile.
    void Release();
    HWND GetPrevious() const { return m_hPrevious; }

private:
    HWND m_hWnd = nullptr;
    HWND m_hPrevious = nullptr;
};
