#pragma once
#include <windows.h>

// Waits until the object is signalled or the tick count reaches dwDeadline (GetTickCount
// values). Messages sent to the calling thread's windows by other threads and processes are
// handled meanwhile, so that a sender is never held up by the wait; posted messages stay queued.
// TRUE when the object was signalled.
BOOL WaitHandlingSentMessages(HANDLE hObject, DWORD dwDeadline);

// Milliseconds from now until the deadline, 0 once it has passed.
DWORD TicksUntil(DWORD dwDeadline);
