#pragma once
// A TCP socket whose events arrive on a socket worker thread: asynchronous connect with a
// connection time-out, asynchronous listen and accept, a send that copes with a full send buffer,
// and receive and peek that treat "would block" as "nothing yet".
#include "net/socket/TCPSocket.h"
#include "net/socket/VantrelAsyncSocket.h"

// The code the connect callback gets when the connection time-out expires.
const int kConnectionTimeoutError = -100;

class CTCPSocketAsync : public CTCPSocket, public CVantrelAsyncSocket {
public:
    CTCPSocketAsync();
    ~CTCPSocketAsync() override;

    SOCKET Detach() override;
    int Receive(char* buffer, int size) override;
    int Peek(char* buffer, int size) override;
    bool Close() override;
    unsigned short GetBindPort() override;
    bool Bind(unsigned long address, unsigned short port) override;
    using CTCPSocket::Bind;
    // The count of one Winsock send, which may be less than 'size': the caller sends the rest.
    // 0: nothing sent (would block on the worker, or queued in an attached blocked-send buffer);
    // -1: failed, or no write notification within the send wait (last error WSAENOTCONN).
    int Send(const char* data, int size) override;
    using CTCPSocket::Send;
    bool Accept(CTCPSocket* newSocket) override;
    bool Listen(int backlog) override;
    bool Create() override;
    void BeforeAccept() override;
    bool IsAsyncConnect() override;
    void AfterAccept() override;

    using CTCPSocket::Connect;
    virtual bool Connect(int leading, const std::string& host, unsigned short port, BOOL blocking, BOOL reportFailure);
    virtual bool Connect(int leading, unsigned long address, unsigned short port, BOOL blocking, BOOL reportFailure);
    virtual bool Connect(const std::string& host, unsigned short port, BOOL blocking, BOOL reportFailure);
    virtual bool Connect(unsigned long address, unsigned short port, BOOL blocking, BOOL reportFailure);
    virtual int SendNoAdd(const char* data, int size);

    SOCKET GetAsyncHandle() const override { return GetHandle(); }
    BOOL SetAsync() override;
    BOOL SendBlockedBuffer(CBlockedBuffer::CBlockedData& record) override;
    BOOL SocketConnected(int error, BOOL noEvent = FALSE) override;
    BOOL SocketClosed(int error, BOOL noEvent = FALSE) override;
    BOOL SocketWrite(int error) override;
    BOOL SocketReceive(int error, BOOL noEvent = FALSE) override;
    void SystemTimeout() override;

    bool SetConnectionTimeout(unsigned long ms);
    unsigned long GetConnectionTimeout() const { return m_ulConnectionTimeout; }

protected:
    bool LocalConnect(int leading, unsigned long address, unsigned short port, BOOL blocking, BOOL reportFailure);
    BOOL LocalSocketConnect(int error, BOOL noEvent);
    BOOL LocalSocketClose(int error, BOOL noEvent);

private:
    BOOL m_bBlockingConnect;
    unsigned long m_ulConnectionTimeout;
};
