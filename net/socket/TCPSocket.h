#pragma once
#include "net/socket/VantrelSocket.h"

// A blocking TCP stream socket: connect, listen, accept, send, and the connected flag.
class CTCPSocket : public CVantrelSocket {
public:
    CTCPSocket();
    ~CTCPSocket() override;

    using CVantrelSocket::Receive;
    using CVantrelSocket::Send;
    bool Close() override;
    virtual int Send(const char* data, int size);
    virtual bool Accept(CTCPSocket* newSocket);
    virtual bool Listen(int backlog);
    virtual bool Connect(const std::string& address, unsigned short port);
    virtual bool Connect(unsigned long address, unsigned short port);
    virtual bool Connect(int leading, const std::string& address, unsigned short port);
    virtual bool Connect(int leading, unsigned long address, unsigned short port);
    virtual bool Create();
    virtual void BeforeAccept() {}
    virtual bool IsAsyncConnect() { return false; }
    virtual void AfterAccept() {}

    bool IsConnected() const { return m_bConnected; }
    void SetConnected(bool connected) { m_bConnected = connected; }

protected:
    volatile bool m_bConnected;
};
