#pragma once
// Asks a running program to quit through its window and ends its processes when it does not.
#include <windows.h>

class CProgramCloser {
public:
    // How hard to ask before ending the program by force. The defaults are the helper's own.
    struct STiming {
        int nMaxSends = 32;
        DWORD dwPauseMs = 100;
        // A program that does not answer one request within this time counts as not answering it;
        // without a bound, one hung program would hold the helper for ever.
        UINT uSendTimeoutMs = 1000;
    };

    CProgramCloser() = default;
    explicit CProgramCloser(const STiming& timing) : m_timing(timing) {}

    // Finds a top-level window of the class and sends it the quit control message until no window
    // of the class is left; after the last try every process of that executable name is ended.
    // 1 when the window went away, 0 when there was none or the processes had to be ended.
    int CloseRunningProgram(LPCTSTR lpszExeName, LPCTSTR lpszWindowClass) const;

    // Ends every process whose executable file name equals the given one (case-insensitive).
    // Stops at the first process that cannot be ended. Returns how many were ended.
    static int TerminateProcessesByName(LPCTSTR lpszExeName);

    // How many quit requests the last CloseRunningProgram sent.
    int GetLastSendCount() const { return m_nLastSends; }

private:
    STiming m_timing;
    mutable int m_nLastSends = 0;
};
