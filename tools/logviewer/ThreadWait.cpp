#include "tools/logviewer/ThreadWait.h"

DWORD TicksUntil(DWORD dwDeadline)
{
    LONG nLeft = (LONG)(dwDeadline - GetTickCount());
    return nLeft > 0 ? (DWORD)nLeft : 0;
}

BOOL WaitHandlingSentMessages(HANDLE hObject, DWORD dwDeadline)
{
    for (;;) {
        DWORD dwResult = MsgWaitForMultipleObjects(1, &hObject, FALSE, TicksUntil(dwDeadline), QS_SENDMESSAGE);
        if (dwResult == WAIT_OBJECT_0) return TRUE;
        if (dwResult != WAIT_OBJECT_0 + 1) return FALSE;
        // Peeking delivers the sent messages; nothing posted is taken off the queue.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        // A stream of sent messages does not stretch the wait.
        if (TicksUntil(dwDeadline) == 0) return WaitForSingleObject(hObject, 0) == WAIT_OBJECT_0;
    }
}
