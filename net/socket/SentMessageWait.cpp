#include "net/socket/SentMessageWait.h"

namespace {

void HandleSentMessages()
{
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

int WaitHandlingSentMessages(const HANDLE* handles, DWORD count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        DWORD remaining = INFINITE;
        if (timeoutMs != INFINITE) {
            DWORD elapsed = GetTickCount() - start;
            remaining = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
        }
        DWORD r = MsgWaitForMultipleObjects(count, handles, FALSE, remaining, QS_SENDMESSAGE);
        if (r < WAIT_OBJECT_0 + count) return (int)(r - WAIT_OBJECT_0);
        if (r != WAIT_OBJECT_0 + count) return -1;
        HandleSentMessages();
    }
}

void SleepHandlingSentMessages(DWORD ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return;
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_SENDMESSAGE) == WAIT_OBJECT_0)
            HandleSentMessages();
    }
}
