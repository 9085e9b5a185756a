#pragma once
// Factories that hand out the Win32 implementations behind their interfaces; the caller deletes.
#include "net/socket/GenericCriticalSection.h"
#include "net/socket/GenericEvent.h"
#include "net/socket/GenericThread.h"

// Throws "Failed to create event!" when the event cannot be made.
CGenericEvent* NewEvent();
CGenericCriticalSection* NewCriticalSection();
CGenericThread* NewThread(CGenericThread::ThreadProc proc);
