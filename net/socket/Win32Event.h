#pragma once
#include "net/socket/GenericEvent.h"

// An unnamed auto-reset event, not signalled at creation. Throws "Failed to create event!".
class CWin32Event : public CGenericEvent {
public:
    CWin32Event();
    ~CWin32Event() override;
    CWin32Event(const CWin32Event&) = delete;
    CWin32Event& operator=(const CWin32Event&) = delete;

    HANDLE GetHandle() override { return m_hEvent; }
    void Release() override { Reset(); }
    void Pulse() override;
    void Set() override;
    void Reset() override;
    bool Wait(unsigned long timeoutMs) override;

private:
    HANDLE m_hEvent;
};
