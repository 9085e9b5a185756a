#pragma once
// Waiting on a thread that may itself be the target of SendMessage from the thread waited for:
// the wait keeps handling sent messages, so such a call cannot deadlock the two threads.
#include <winsock2.h>
#include <windows.h>

// Waits for any of the handles. Returns the index of the signalled handle, or -1 on a time-out or
// a failed wait.
int WaitHandlingSentMessages(const HANDLE* handles, DWORD count, DWORD timeoutMs);

// Sleeps up to 'ms' milliseconds while handling sent messages.
void SleepHandlingSentMessages(DWORD ms);
