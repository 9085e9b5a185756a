#include "net/socket/VantrelSocket.h"

#include <ws2tcpip.h>

#include <cstring>

CVantrelSocket::CVantrelSocket(bool raw) : m_bRaw(raw), m_ucProtocol(0)
{
    try {
        SetName("CSocket");
        InitializeSocketState();
    } catch (...) {
        ReportLastError("CSocket");
    }
}

CVantrelSocket::~CVantrelSocket()
{
    try {
        CloseHandleOnly();
    } catch (...) {
        ReportLastError("~CSocket");
    }
}

void CVantrelSocket::InitializeSocketState()
{
    m_aSocket = INVALID_SOCKET;
    m_ulSourceAddress = 0;
    m_ucTTL = 64;
    m_bOverlapped = false;
    std::memset(&m_aConnectedTo, 0, sizeof m_aConnectedTo);
}

bool CVantrelSocket::CheckSocketValid() const
{
    if (m_aSocket != INVALID_SOCKET) return true;
    ReportError("CheckSocketValid", "Operation made on non existant socket!");
    return false;
}

SOCKET CVantrelSocket::Detach()
{
    SOCKET handle = m_aSocket;
    m_aSocket = INVALID_SOCKET;
    return handle;
}

void CVantrelSocket::AssignSocket(SOCKET socket)
{
    m_aSocket = socket;
    m_ucProtocol = IPPROTO_TCP;
}

bool CVantrelSocket::Create(int protocol)
{
    try {
        if (m_aSocket != INVALID_SOCKET) Close();
        SOCKET handle = INVALID_SOCKET;
        if (m_bRaw) {
            handle = socket(AF_INET, SOCK_RAW, protocol);
        } else if (protocol == IPPROTO_TCP || protocol == IPPROTO_UDP) {
            int type = protocol == IPPROTO_TCP ? SOCK_STREAM : SOCK_DGRAM;
            if (m_bOverlapped)
                handle = WSASocketA(AF_INET, type, protocol, nullptr, 0, WSA_FLAG_OVERLAPPED);
            else
                handle = socket(AF_INET, type, protocol);
        }
        m_aSocket = handle;
        if (handle == INVALID_SOCKET) {
            SetLastError("Create");
            return false;
        }
        if (m_bRaw) {
            int on = 1;
            if (setsockopt(handle, IPPROTO_IP, IP_HDRINCL, (const char*)&on, sizeof on) == SOCKET_ERROR) {
                SetLastError("Create");
                return false;
            }
        }
        return true;
    } catch (...) {
        ReportLastError("Create");
        return false;
    }
}

bool CVantrelSocket::CloseHandleOnly()
{
    if (m_aSocket == INVALID_SOCKET) return false;
    if (closesocket(m_aSocket) == SOCKET_ERROR) {
        SetLastError("Close");
        return false;
    }
    m_aSocket = INVALID_SOCKET;
    return true;
}

bool CVantrelSocket::Close()
{
    try {
        return CloseHandleOnly();
    } catch (...) {
        ReportLastError("Close");
        return false;
    }
}

bool CVantrelSocket::SetSourceAddress(const std::string& address)
{
    return SetSourceAddress(address.empty() ? 0UL : (unsigned long)inet_addr(address.c_str()));
}

bool CVantrelSocket::SetSourceAddress(unsigned long address)
{
    m_ulSourceAddress = address;
    return true;
}

unsigned short CVantrelSocket::GetBindPort()
{
    try {
        if (!CheckSocketValid()) return 0;
        sockaddr_in address;
        int length = sizeof address;
        if (getsockname(m_aSocket, (sockaddr*)&address, &length) == SOCKET_ERROR) {
            SetLastError("GetBindPort");
            return 0;
        }
        return ntohs(address.sin_port);
    } catch (...) {
        ReportLastError("GetBindPort");
        return 0;
    }
}

bool CVantrelSocket::Bind(unsigned long address, unsigned short port)
{
    try {
        if (!CheckSocketValid()) return false;
        sockaddr_in local;
        std::memset(&local, 0, sizeof local);
        local.sin_family = AF_INET;
        local.sin_port = htons(port);
        local.sin_addr.s_addr = address;
        if (bind(m_aSocket, (const sockaddr*)&local, sizeof local) == SOCKET_ERROR) {
            SetLastError("Bind");
            return false;
        }
        m_aConnectedTo = local;
        if (address != 0 && m_ulSourceAddress == 0) m_ulSourceAddress = address;
        return true;
    } catch (...) {
        ReportLastError("Bind");
        return false;
    }
}

bool CVantrelSocket::Bind(const std::string& address, unsigned short port)
{
    return Bind(address.empty() ? 0UL : (unsigned long)inet_addr(address.c_str()), port);
}

int CVantrelSocket::Send(unsigned long address, const char* data, int size, unsigned short port)
{
    try {
        if (!CheckSocketValid()) return SOCKET_ERROR;
        if (size != 0 && !data) return SOCKET_ERROR;
        sockaddr_in target;
        std::memset(&target, 0, sizeof target);
        target.sin_family = AF_INET;
        target.sin_port = htons(port);
        target.sin_addr.s_addr = address;
        int sent = sendto(m_aSocket, data, size, 0, (const sockaddr*)&target, sizeof target);
        if (sent == SOCKET_ERROR && WSAGetLastError() != WSAEWOULDBLOCK) SetLastError("Send");
        return sent;
    } catch (...) {
        ReportLastError("Send");
        return SOCKET_ERROR;
    }
}

int CVantrelSocket::Send(const std::string& address, const char* data, int size, unsigned short port)
{
    if (!CheckSocketValid()) return SOCKET_ERROR;
    return Send((unsigned long)inet_addr(address.c_str()), data, size, port);
}

int CVantrelSocket::LocalReceive(char* buffer, int size, bool peek)
{
    try {
        if (m_aSocket == INVALID_SOCKET || !buffer || size <= 0) return SOCKET_ERROR;
        int flags = peek ? MSG_PEEK : 0;
        int received;
        if (m_ucProtocol == IPPROTO_TCP) {
            received = recv(m_aSocket, buffer, size, flags);
        } else {
            sockaddr_in from;
            int length = sizeof from;
            received = recvfrom(m_aSocket, buffer, size, flags, (sockaddr*)&from, &length);
            if (received != SOCKET_ERROR) m_aConnectedTo = from;
        }
        if (received == SOCKET_ERROR) {
            if (WSAGetLastError() == WSAEWOULDBLOCK) {
                m_iLastError = WSAEWOULDBLOCK;
                return SOCKET_ERROR;
            }
            SetLastError(peek ? "Peek" : "Receive");
        }
        return received;
    } catch (...) {
        ReportLastError("LocalReceive");
        return SOCKET_ERROR;
    }
}

int CVantrelSocket::Receive(char* buffer, int size)
{
    return LocalReceive(buffer, size, false);
}

int CVantrelSocket::Peek(char* buffer, int size)
{
    return LocalReceive(buffer, size, true);
}

int CVantrelSocket::Receive(char* buffer, int size, unsigned long& address, unsigned short& port)
{
    try {
        if (m_aSocket == INVALID_SOCKET || !buffer || size <= 0) return SOCKET_ERROR;
        if (m_ucProtocol == IPPROTO_TCP) {
            ReportError("Receive", "Can't run on TCP socket!");
            return SOCKET_ERROR;
        }
        sockaddr_in from;
        int length = sizeof from;
        int received = recvfrom(m_aSocket, buffer, size, 0, (sockaddr*)&from, &length);
        if (received == SOCKET_ERROR) {
            SetLastError("Receive");
            address = 0;
            port = 0;
            return SOCKET_ERROR;
        }
        address = from.sin_addr.s_addr;
        port = ntohs(from.sin_port);
        return received;
    } catch (...) {
        ReportLastError("Receive");
        return SOCKET_ERROR;
    }
}

bool CVantrelSocket::CanWrite()
{
    try {
        if (!CheckSocketValid()) return false;
        fd_set writeSet;
        FD_ZERO(&writeSet);
        FD_SET(m_aSocket, &writeSet);
        timeval noWait = {0, 0};
        if (select(0, nullptr, &writeSet, nullptr, &noWait) == SOCKET_ERROR) {
            SetLastError("CanWrite");
            return false;
        }
        return FD_ISSET(m_aSocket, &writeSet) != 0;
    } catch (...) {
        ReportLastError("CanWrite");
        return false;
    }
}
