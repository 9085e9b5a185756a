#pragma once
#include "net/socket/GenericThread.h"

// A Win32 thread, created suspended. Throws "No thread proc!" or "Failed to create thread!".
class CWin32Thread : public CGenericThread {
public:
    explicit CWin32Thread(ThreadProc proc);
    ~CWin32Thread() override;

    bool IsInThread() const override;
    bool SetPriority(int priority) override;
    int GetPriority() const override;
    bool Start(LPVOID data) override;
    bool Stop() override;
    HANDLE GetThreadHandle() const { return m_hThread; }

private:
    void CreateSuspended();
    static DWORD WINAPI ThreadRoutine(LPVOID param);

    HANDLE m_hThread;
};
