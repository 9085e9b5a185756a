#pragma once
// The thread manager the library uses: the worker windows' class and window procedure, a map per
// worker from socket handle to socket, and the routing of each socket message to the socket's slot.
#include <map>

#include "net/socket/SocketThreadManager.h"

class CVantrelAsyncSocket;

class CSocketThreadManagerImp : public CSocketThreadManager {
public:
    // One registered socket. A socket receives nothing until the worker has seen its activation
    // message: messages queued before it still name the handle's previous owner.
    struct SocketEntry {
        CVantrelAsyncSocket* pSocket;
        bool bActive;
    };

    struct SocketMapData {
        CGenericCriticalSection* pLock;
        std::map<UINT_PTR, SocketEntry> mapSockets;
        CVantrelAsyncSocket* volatile pDispatching;  // the socket whose slot runs now, if any
    };

    CSocketThreadManagerImp();
    ~CSocketThreadManagerImp() override;

    BOOL Initialize(unsigned long threadCount);
    static BOOL SetHandlers();

    void CreateExtendedData(void** extension) override;
    void DeleteExtendedData(void** extension) override;
    BOOL DispatchWorkerMessage(MSG* message, WorkerRecord* worker) override;

    using CSocketThreadManager::GetWindowHandle;
    HWND GetWindowHandle(CVantrelAsyncSocket* socket);
    void AddSocketToList(CVantrelAsyncSocket* socket, HWND window);
    // Off the socket's worker this returns only once no slot of the socket runs any more.
    void RemoveSocket(CVantrelAsyncSocket* socket);

    static LRESULT CALLBACK SocketMessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // A socket asked to be deleted from inside one of its own callbacks is deleted by the worker
    // once the callback has returned. False when the caller is not inside such a callback.
    static bool DeferDeleteIfDispatching(CVantrelAsyncSocket* socket);
    static void ForgetDispatching(CVantrelAsyncSocket* socket);

    static bool IsSocketMessage(UINT message);

private:
    struct UnregisterOnly {};
    explicit CSocketThreadManagerImp(UnregisterOnly);
    static LRESULT RouteToSocket(CVantrelAsyncSocket* socket, HWND window, UINT message, LPARAM lParam);
    void WaitWhileDispatching(SocketMapData* data, CVantrelAsyncSocket* socket);

    HINSTANCE m_hClassInstance;
    BOOL m_bUnregisterOnly;

    static bool s_bClassRegistered;
    static HINSTANCE s_hClassInstance;
    static CSocketThreadManagerImp s_UnregisterAtExit;
};
