#include "net/socket/SocketThreadManagerImp.h"

#include <vector>

#include "net/socket/CriticalAutoRelease.h"
#include "net/socket/GenericEvent.h"
#include "net/socket/GenericThread.h"
#include "net/socket/SentMessageWait.h"
#include "net/socket/VantrelAsyncSocket.h"
#include "net/socket/Win32CriticalSection.h"

bool CSocketThreadManagerImp::s_bClassRegistered = false;
HINSTANCE CSocketThreadManagerImp::s_hClassInstance = nullptr;
CSocketThreadManagerImp CSocketThreadManagerImp::s_UnregisterAtExit{CSocketThreadManagerImp::UnregisterOnly()};

namespace {

const char kClassName[] = "CSocketThreadManagerImp";

// The dispatch in progress on this worker thread (nested dispatches save and restore it).
struct DispatchContext {
    CVantrelAsyncSocket* pSocket;
    bool bDeleteAfter;
};
thread_local DispatchContext* t_pDispatch = nullptr;

}  // namespace

CSocketThreadManagerImp::CSocketThreadManagerImp() : m_hClassInstance(GetModuleHandleA(nullptr)), m_bUnregisterOnly(FALSE)
{
    try {
        SetName("CSocketThreadManagerImp");
    } catch (...) {
        ReportLastError("CSocketThreadManagerImp");
    }
}

CSocketThreadManagerImp::CSocketThreadManagerImp(UnregisterOnly)
    : m_hClassInstance(GetModuleHandleA(nullptr)), m_bUnregisterOnly(TRUE)
{
    SetName("CSocketThreadManagerImp");
}

CSocketThreadManagerImp::~CSocketThreadManagerImp()
{
    try {
        if (m_bUnregisterOnly) {
            if (s_bClassRegistered) {
                UnregisterClassA(kClassName, s_hClassInstance);
                s_bClassRegistered = false;
            }
        } else {
            Uninitialize();
        }
    } catch (...) {
        ReportLastError("~CSocketThreadManagerImp");
    }
}

BOOL CSocketThreadManagerImp::SetHandlers()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SocketMessageHandler;
    windowClass.hInstance = s_hClassInstance;
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
}

BOOL CSocketThreadManagerImp::Initialize(unsigned long threadCount)
{
    try {
        if (!s_bClassRegistered) {
            s_hClassInstance = m_hClassInstance;
            if (!SetHandlers()) {
                ReportLastError("SetHandlers", "Error registering the window, please check API error!");
                return FALSE;
            }
            s_bClassRegistered = true;
        }
        return CSocketThreadManager::Initialize(threadCount);
    } catch (...) {
        ReportLastError("Initialize");
        return FALSE;
    }
}

void CSocketThreadManagerImp::CreateExtendedData(void** extension)
{
    try {
        SocketMapData* data = new SocketMapData();
        data->pLock = new CWin32CriticalSection();
        data->pDispatching = nullptr;
        *extension = data;
    } catch (...) {
        ReportLastError("CreateExtendedData");
    }
}

void CSocketThreadManagerImp::DeleteExtendedData(void** extension)
{
    try {
        SocketMapData* data = static_cast<SocketMapData*>(*extension);
        if (!data) return;
        std::vector<CVantrelAsyncSocket*> sockets;
        {
            CCriticalAutoRelease guard(data->pLock);
            for (auto& item : data->mapSockets) sockets.push_back(item.second.pSocket);
        }
        // The worker has ended: nothing dispatches to these sockets any more. Their handles stay
        // open; the library's shutdown cleans Winsock up after this.
        for (CVantrelAsyncSocket* socket : sockets) {
            socket->SetKeepOpen();
            delete socket;
        }
        delete data->pLock;
        delete data;
        *extension = nullptr;
    } catch (...) {
        ReportLastError("DeleteExtendedData");
    }
}

HWND CSocketThreadManagerImp::GetWindowHandle(CVantrelAsyncSocket* socket)
{
    try {
        HWND window = CSocketThreadManager::GetWindowHandle();
        if (window) AddSocketToList(socket, window);
        return window;
    } catch (...) {
        ReportLastError("GetWindowHandle");
        return nullptr;
    }
}

void CSocketThreadManagerImp::AddSocketToList(CVantrelAsyncSocket* socket, HWND window)
{
    try {
        WorkerRecord* worker = GetDataByHWND(window);
        if (!worker) {
            ReportError("AddSocketToList", "Failed to find thread data!");
            return;
        }
        SocketMapData* data = static_cast<SocketMapData*>(worker->pExtension);
        UINT_PTR handle = (UINT_PTR)socket->GetAsyncHandle();
        {
            CCriticalAutoRelease guard(data->pLock);
            SocketEntry entry = {socket, false};
            if (!data->mapSockets.insert(std::make_pair(handle, entry)).second) return;
        }
        // Activation travels behind every message already queued for this handle.
        if (!PostMessageA(window, WM_SOCKET_ACTIVATE, (WPARAM)handle, (LPARAM)socket)) {
            CCriticalAutoRelease guard(data->pLock);
            auto it = data->mapSockets.find(handle);
            if (it != data->mapSockets.end() && it->second.pSocket == socket) it->second.bActive = true;
        }
    } catch (...) {
        ReportLastError("AddSocketToList");
    }
}

void CSocketThreadManagerImp::RemoveSocket(CVantrelAsyncSocket* socket)
{
    try {
        HWND window = socket->GetWindowHandle();
        if (!window) {
            ReportError("RemoveSocket", "Received socket without a handle!");
            return;
        }
        WorkerRecord* worker = GetDataByHWND(window);
        if (!worker) {
            ReportError("RemoveSocket", "Failed to find thread data!");
            return;
        }
        SocketMapData* data = static_cast<SocketMapData*>(worker->pExtension);
        {
            CCriticalAutoRelease guard(data->pLock);
            auto it = data->mapSockets.find((UINT_PTR)socket->GetAsyncHandle());
            if (it != data->mapSockets.end() && it->second.pSocket == socket) data->mapSockets.erase(it);
        }
        if (worker->pThread && !worker->pThread->IsInThread()) WaitWhileDispatching(data, socket);
        DecreaseSocketCount(window, TRUE);
    } catch (...) {
        ReportLastError("RemoveSocket");
    }
}

void CSocketThreadManagerImp::WaitWhileDispatching(SocketMapData* data, CVantrelAsyncSocket* socket)
{
    // The socket is out of the map, so no new dispatch can find it; one that found it before may
    // still be running on the worker, and the caller may be about to destroy the socket.
    DWORD start = GetTickCount();
    for (;;) {
        {
            CCriticalAutoRelease guard(data->pLock);
            if (data->pDispatching != socket) return;
        }
        if (GetTickCount() - start > CVantrelAsyncSocket::DeleteWaitTimeout) {
            ReportError("RemoveSocket", "Timeout waiting for the worker!");
            return;
        }
        SleepHandlingSentMessages(1);
    }
}

bool CSocketThreadManagerImp::IsSocketMessage(UINT message)
{
    switch (message) {
    case WM_TIMER:
    case WM_SOCKET_NOTIFY:
    case WM_SOCKET_ACCEPT:
    case WM_SOCKET_CONNECT:
    case WM_SOCKET_DELETE:
    case WM_SOCKET_FORCE_RECEIVE:
        return true;
    default:
        return false;
    }
}

bool CSocketThreadManagerImp::DeferDeleteIfDispatching(CVantrelAsyncSocket* socket)
{
    if (!t_pDispatch || !socket || t_pDispatch->pSocket != socket) return false;
    t_pDispatch->bDeleteAfter = true;
    return true;
}

void CSocketThreadManagerImp::ForgetDispatching(CVantrelAsyncSocket* socket)
{
    if (t_pDispatch && t_pDispatch->pSocket == socket) {
        t_pDispatch->pSocket = nullptr;
        t_pDispatch->bDeleteAfter = false;
    }
}

BOOL CSocketThreadManagerImp::DispatchWorkerMessage(MSG* message, WorkerRecord* worker)
{
    MSG copy = *message;
    SocketMapData* data = static_cast<SocketMapData*>(worker->pExtension);
    if (copy.message == WM_SOCKET_ACTIVATE) {
        CCriticalAutoRelease guard(data->pLock);
        auto it = data->mapSockets.find((UINT_PTR)copy.wParam);
        if (it != data->mapSockets.end() && it->second.pSocket == (CVantrelAsyncSocket*)copy.lParam)
            it->second.bActive = true;
        return TRUE;
    }
    if (copy.wParam == 0 || !IsSocketMessage(copy.message)) {
        DispatchMessageA(&copy);
        return TRUE;
    }
    CVantrelAsyncSocket* socket = nullptr;
    CVantrelAsyncSocket* outerSocket;
    {
        CCriticalAutoRelease guard(data->pLock);
        auto it = data->mapSockets.find((UINT_PTR)copy.wParam);
        if (it != data->mapSockets.end() && it->second.bActive) socket = it->second.pSocket;
        outerSocket = data->pDispatching;
        data->pDispatching = socket;
    }
    copy.wParam = (WPARAM)socket;
    DispatchContext context = {socket, false};
    DispatchContext* outer = t_pDispatch;
    t_pDispatch = &context;
    DispatchMessageA(&copy);
    t_pDispatch = outer;
    {
        CCriticalAutoRelease guard(data->pLock);
        data->pDispatching = outerSocket;
    }
    if (context.bDeleteAfter && context.pSocket) context.pSocket->DeleteSocket(nullptr);
    return TRUE;
}

LRESULT CSocketThreadManagerImp::RouteToSocket(CVantrelAsyncSocket* socket, HWND window, UINT message, LPARAM lParam)
{
    int event = WSAGETSELECTEVENT(lParam);
    int error = WSAGETSELECTERROR(lParam);
    switch (message) {
    case WM_TIMER:
        return socket->GetTimerValue() == 0 ? 0 : socket->OnSocketTimeout();
    case WM_SOCKET_NOTIFY:
        switch (event) {
        case FD_READ:
            return socket->SocketReceive(error, FALSE);
        case FD_WRITE:
            return socket->SocketWrite(error);
        case FD_OOB:
            return socket->OnSocketOOB(error);
        case FD_CLOSE:
            return socket->SocketClosed(error, FALSE);
        default:
            return 1;
        }
    case WM_SOCKET_ACCEPT:
        return event == FD_ACCEPT ? socket->SocketAccept(error, FALSE) : 1;
    case WM_SOCKET_CONNECT:
        return event == FD_CONNECT ? socket->SocketConnected(error, FALSE) : 1;
    case WM_SOCKET_DELETE:
        ForgetDispatching(socket);
        socket->DeleteSocket(reinterpret_cast<CGenericEvent*>(lParam));
        return 1;
    case WM_SOCKET_FORCE_RECEIVE:
        return socket->OnSocketReceive(0);
    default:
        return DefWindowProcA(window, message, (WPARAM)socket, lParam);
    }
}

LRESULT CALLBACK CSocketThreadManagerImp::SocketMessageHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        CVantrelAsyncSocket* socket = reinterpret_cast<CVantrelAsyncSocket*>(wParam);
        if (!IsSocketMessage(message) || !socket) return DefWindowProcA(window, message, wParam, lParam);
        if (socket->IsClosing() && message != WM_SOCKET_DELETE) return DefWindowProcA(window, message, wParam, lParam);
        if (socket->GetWindowHandle() != window) {
            ReportStaticError("CAsyncSocketClass", "SocketMessageHandler", "Received loose message!");
            return DefWindowProcA(window, message, wParam, lParam);
        }
        try {
            return RouteToSocket(socket, window, message, lParam);
        } catch (...) {
            ReportStaticLastError("CSocketThreadManagerImp", "SocketMessageHandler - Proc");
            return 1;
        }
    } catch (...) {
        ReportStaticLastError("CSocketThreadManagerImp", "SocketMessageHandler");
        return 1;
    }
}
