#include "net/socket/TCPSocket.h"

#include <cstring>

CTCPSocket::CTCPSocket() : CVantrelSocket(false), m_bConnected(false)
{
    try {
        SetName("CTCPSocket");
    } catch (...) {
        ReportLastError("CTCPSocket");
    }
}

CTCPSocket::~CTCPSocket() {}

bool CTCPSocket::Create()
{
    try {
        m_bConnected = false;
        m_ucProtocol = IPPROTO_TCP;
        return CVantrelSocket::Create(m_bRaw ? 0 : IPPROTO_TCP);
    } catch (...) {
        ReportLastError("Create");
        return false;
    }
}

bool CTCPSocket::Close()
{
    try {
        if (!CheckSocketValid()) return false;
        if (!CVantrelSocket::Close()) return false;
        m_bConnected = false;
        return true;
    } catch (...) {
        ReportLastError("Close");
        return false;
    }
}

int CTCPSocket::Send(const char* data, int size)
{
    try {
        if (!CheckSocketValid()) return 0;
        int sent = send(m_aSocket, data, size, 0);
        if (sent == SOCKET_ERROR) SetLastError("Send");
        return sent;
    } catch (...) {
        ReportLastError("Send");
        return 0;
    }
}

bool CTCPSocket::Connect(int leading, unsigned long address, unsigned short port)
{
    try {
        if (!CheckSocketValid()) return false;
        sockaddr_in target;
        std::memset(&target, 0, sizeof target);
        target.sin_family = AF_INET;
        target.sin_port = htons(port);
        target.sin_addr.s_addr = address;
        bool connected = false;
        if (address == INADDR_ANY) {
            // Windows refuses a connect to the any-address; Wine (like Linux) would connect to the
            // local host instead, which turns an unresolvable host name into a wrong peer.
            WSASetLastError(WSAEADDRNOTAVAIL);
        } else if (connect(m_aSocket, (const sockaddr*)&target, sizeof target) == 0) {
            connected = true;
        }
        if (!connected && WSAGetLastError() != WSAEWOULDBLOCK) {
            SetLastError("Connect");
            return false;
        }
        if (connected) SetLastError("Connect");
        if (!IsAsyncConnect()) m_bConnected = true;
        m_aConnectedTo = target;
        return connected;
    } catch (...) {
        ReportLastError("Connect");
        return false;
    }
}

bool CTCPSocket::Connect(int leading, const std::string& address, unsigned short port)
{
    try {
        if (!CheckSocketValid()) return false;
        unsigned long value = inet_addr(address.c_str());
        if (value == INADDR_NONE) value = ResolveDNS(address);
        return Connect(leading, value, port);
    } catch (...) {
        ReportLastError("Connect");
        return false;
    }
}

bool CTCPSocket::Connect(const std::string& address, unsigned short port)
{
    return Connect(0, address, port);
}

bool CTCPSocket::Connect(unsigned long address, unsigned short port)
{
    return Connect(0, address, port);
}

bool CTCPSocket::Listen(int backlog)
{
    try {
        if (!CheckSocketValid()) return false;
        if (listen(m_aSocket, backlog) == 0) return true;
        SetLastError("Listen");
        return false;
    } catch (...) {
        ReportLastError("Listen");
        return false;
    }
}

bool CTCPSocket::Accept(CTCPSocket* newSocket)
{
    try {
        if (!CheckSocketValid() || !newSocket) return false;
        sockaddr_in peer;
        int length = sizeof peer;
        SOCKET handle = accept(m_aSocket, (sockaddr*)&peer, &length);
        if (handle == INVALID_SOCKET) {
            SetLastError("Accept");
            return false;
        }
        newSocket->BeforeAccept();
        newSocket->SetConnectedTo(peer);
        newSocket->AssignSocket(handle);
        newSocket->SetConnected(true);
        newSocket->AfterAccept();
        return true;
    } catch (...) {
        ReportLastError("Accept");
        return false;
    }
}
