#include "net/socket/TCPSocketAsync.h"

CTCPSocketAsync::CTCPSocketAsync() : m_bBlockingConnect(FALSE), m_ulConnectionTimeout(0)
{
    SetName("CTCPSocketAsync");
}

CTCPSocketAsync::~CTCPSocketAsync()
{
    try {
        if (!GetKeepOpen())
            Close();
        else
            CVantrelSocket::Detach();  // left to the library's shutdown, which cleans Winsock up
    } catch (...) {
        ReportLastError("~CTCPSocketAsync");
    }
}

SOCKET CTCPSocketAsync::Detach()
{
    RemoveSocketFromList();
    return CVantrelSocket::Detach();
}

int CTCPSocketAsync::Receive(char* buffer, int size)
{
    try {
        int received = CTCPSocket::Receive(buffer, size);
        if (received >= 0) return received;
        return WSAGetLastError() == WSAEWOULDBLOCK ? 0 : -1;
    } catch (...) {
        ReportLastError("Receive");
        return -1;
    }
}

int CTCPSocketAsync::Peek(char* buffer, int size)
{
    try {
        int received = CTCPSocket::Peek(buffer, size);
        if (received >= 0) return received;
        return WSAGetLastError() == WSAEWOULDBLOCK ? 0 : -1;
    } catch (...) {
        ReportLastError("Peek");
        return -1;
    }
}

bool CTCPSocketAsync::Close()
{
    try {
        if (GetHandle() == INVALID_SOCKET) return false;
        DetachFromWorker();
        return CTCPSocket::Close();
    } catch (...) {
        ReportLastError("Close");
        return false;
    }
}

unsigned short CTCPSocketAsync::GetBindPort()
{
    try {
        return CTCPSocket::GetBindPort();
    } catch (...) {
        ReportLastError("LocalGetBindPort");
        return 0;
    }
}

bool CTCPSocketAsync::Bind(unsigned long address, unsigned short port)
{
    try {
        return CTCPSocket::Bind(address, port);
    } catch (...) {
        ReportLastError("LocalBind");
        return false;
    }
}

int CTCPSocketAsync::SendNoAdd(const char* data, int size)
{
    try {
        if (!CheckSocketValid()) return 0;
        return send(GetHandle(), data, size, 0);
    } catch (...) {
        ReportLastError("SendNoAdd");
        return -1;
    }
}

int CTCPSocketAsync::Send(const char* data, int size)
{
    try {
        CBlockedBuffer* buffer = GetBlockedBuffer();
        for (;;) {
            ResetWriteEvent();
            // Bytes may not overtake those already waiting in the blocked-send buffer.
            if (buffer && !buffer->IsEmpty()) {
                buffer->AddRecord(CBlockedBuffer::CBlockedData(data, size));
                return 0;
            }
            int sent = SendNoAdd(data, size);
            if (sent != SOCKET_ERROR) return sent;
            if (WSAGetLastError() != WSAEWOULDBLOCK) {
                SetLastError("Send");
                return -1;
            }
            if (buffer) {
                buffer->AddRecord(CBlockedBuffer::CBlockedData(data, size));
                return 0;
            }
            if (!GetWaitOnWouldBlock()) return 0;
            if (IsInThread()) {
                // Waiting here would hold up the very notification that ends the wait.
                Sleep(10);
                sent = SendNoAdd(data, size);
                if (sent != SOCKET_ERROR) return sent;
                return WSAGetLastError() == WSAEWOULDBLOCK ? 0 : -1;
            }
            if (WaitForWriteEvent()) {
                WSASetLastError(WSAENOTCONN);
                return -1;
            }
        }
    } catch (...) {
        ReportLastError("Send");
        return -1;
    }
}

bool CTCPSocketAsync::Accept(CTCPSocket* newSocket)
{
    try {
        return CTCPSocket::Accept(newSocket);
    } catch (...) {
        ReportLastError("LocalAccept");
        return false;
    }
}

bool CTCPSocketAsync::Listen(int backlog)
{
    try {
        if (!CheckSocketValid()) return false;
        if (InternalWSAAsyncSelect(WM_SOCKET_ACCEPT, FD_ACCEPT) != 0) {
            SetLastError("LocalListen");
            return false;
        }
        return CTCPSocket::Listen(backlog);
    } catch (...) {
        ReportLastError("LocalListen");
        return false;
    }
}

bool CTCPSocketAsync::Create()
{
    try {
        if (!CTCPSocket::Create()) return false;
        if (AttachToWorker()) return true;
        // No worker could take the socket: it would never hear of an event.
        CTCPSocket::Close();
        return false;
    } catch (...) {
        ReportLastError("Create");
        return false;
    }
}

void CTCPSocketAsync::BeforeAccept()
{
    try {
        RemoveSocketFromList();
    } catch (...) {
        ReportLastError("BeforeAccept");
    }
}

bool CTCPSocketAsync::IsAsyncConnect()
{
    return !IsBlocking() && !m_bBlockingConnect;
}

void CTCPSocketAsync::AfterAccept()
{
    try {
        ResetAsyncState();
        AddSocketToList();
        SetAsync();
    } catch (...) {
        ReportLastError("CTCPSocketAsync");
    }
}

bool CTCPSocketAsync::Connect(int leading, const std::string& host, unsigned short port, BOOL blocking,
                              BOOL reportFailure)
{
    try {
        unsigned long address = inet_addr(host.c_str());
        if (address == INADDR_NONE) address = ResolveDNS(host);
        return Connect(leading, address, port, blocking, reportFailure);
    } catch (...) {
        ReportLastError("Connect");
        return false;
    }
}

bool CTCPSocketAsync::Connect(int leading, unsigned long address, unsigned short port, BOOL blocking,
                              BOOL reportFailure)
{
    return LocalConnect(leading, address, port, blocking, reportFailure);
}

bool CTCPSocketAsync::Connect(const std::string& host, unsigned short port, BOOL blocking, BOOL reportFailure)
{
    return Connect(0, host, port, blocking, reportFailure);
}

bool CTCPSocketAsync::Connect(unsigned long address, unsigned short port, BOOL blocking, BOOL reportFailure)
{
    return Connect(0, address, port, blocking, reportFailure);
}

bool CTCPSocketAsync::LocalConnect(int leading, unsigned long address, unsigned short port, BOOL blocking,
                                   BOOL reportFailure)
{
    try {
        if (!CheckSocketValid()) return false;
        if (!blocking) {
            if (InternalWSAAsyncSelect(WM_SOCKET_CONNECT, FD_CONNECT) != 0) {
                int error = WSAGetLastError();
                SetLastError("Connect");
                if (reportFailure) SocketConnected(error, FALSE);
                return false;
            }
            if (m_ulConnectionTimeout && !IsBlocking() && !SetSystemTimeout(m_ulConnectionTimeout)) {
                ReportError("LocalConnect", "Failed to set timer!");
                if (reportFailure) SocketConnected(-1, FALSE);
                return false;
            }
        } else if (!Block()) {
            return false;
        }
        m_bBlockingConnect = blocking;
        bool connected = CTCPSocket::Connect(leading, address, port);
        int error = WSAGetLastError();
        m_bBlockingConnect = FALSE;
        if (connected) {
            if (blocking || IsBlocking()) return SetAsync() != FALSE;
            return SocketConnected(0, FALSE) != FALSE;
        }
        if (error == WSAEWOULDBLOCK && !blocking && !IsBlocking()) return true;
        if (m_ulConnectionTimeout) KillSystemTimer();
        WSASetLastError(error);
        SetLastError("Connect");
        if (reportFailure && !blocking) SocketConnected(error, FALSE);
        return false;
    } catch (...) {
        ReportLastError("LocalConnect");
        return false;
    }
}

bool CTCPSocketAsync::SetConnectionTimeout(unsigned long ms)
{
    try {
        if (IsSystemTimerArmed() && !KillSystemTimer()) {
            ReportError("SetConnectionTimeout", "Failed to kill previous timer!");
            return false;
        }
        m_ulConnectionTimeout = ms;
        return true;
    } catch (...) {
        ReportLastError("SetConnectionTimeout");
        return false;
    }
}

BOOL CTCPSocketAsync::SetAsync()
{
    try {
        if (!CheckSocketValid()) return FALSE;
        if (InternalWSAAsyncSelect(WM_SOCKET_NOTIFY, FD_READ | FD_WRITE | FD_OOB | FD_CLOSE) == 0) return TRUE;
        SetLastError("SetAsync");
        return FALSE;
    } catch (...) {
        ReportLastError("SetAsync");
        return FALSE;
    }
}

BOOL CTCPSocketAsync::SendBlockedBuffer(CBlockedBuffer::CBlockedData& record)
{
    try {
        int sent = SendNoAdd(record.GetData(), record.GetSize());
        if (sent == SOCKET_ERROR || sent <= 0) return FALSE;
        record.Consume(sent);
        return TRUE;
    } catch (...) {
        ReportLastError("SendBlockedBuffer");
        return FALSE;
    }
}

BOOL CTCPSocketAsync::LocalSocketConnect(int error, BOOL noEvent)
{
    try {
        if (m_ulConnectionTimeout) KillSystemTimer();
        if (error == 0) m_bConnected = true;
        return CVantrelAsyncSocket::SocketConnected(error, noEvent);
    } catch (...) {
        ReportLastError("LocalSocketConnect");
        return FALSE;
    }
}

BOOL CTCPSocketAsync::LocalSocketClose(int error, BOOL noEvent)
{
    try {
        m_bConnected = false;
        return CVantrelAsyncSocket::SocketClosed(error, noEvent);
    } catch (...) {
        ReportLastError("LocalSocketClose");
        return FALSE;
    }
}

BOOL CTCPSocketAsync::SocketConnected(int error, BOOL noEvent)
{
    return LocalSocketConnect(error, noEvent);
}

BOOL CTCPSocketAsync::SocketClosed(int error, BOOL noEvent)
{
    return LocalSocketClose(error, noEvent);
}

BOOL CTCPSocketAsync::SocketWrite(int error)
{
    try {
        if (GetBlockedBuffer()) GetBlockedBuffer()->SendData();
        return CVantrelAsyncSocket::SocketWrite(error);
    } catch (...) {
        ReportLastError("OnSocketWrite");
        return TRUE;
    }
}

BOOL CTCPSocketAsync::SocketReceive(int error, BOOL noEvent)
{
    try {
        return CVantrelAsyncSocket::SocketReceive(error, noEvent);
    } catch (...) {
        ReportLastError("LocalSocketReceivet");
        return FALSE;
    }
}

void CTCPSocketAsync::SystemTimeout()
{
    SocketConnected(kConnectionTimeoutError, FALSE);
}
