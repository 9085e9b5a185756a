#pragma once
// One Winsock IPv4 socket and the operations common to every kind: create, bind, datagram send and
// receive, peek, close and the writability test. Failures are return values.
#include "net/socket/SocketBase.h"

class CVantrelSocket : public virtual CSocketBase {
public:
    explicit CVantrelSocket(bool raw = false);
    ~CVantrelSocket() override;
    CVantrelSocket(const CVantrelSocket&) = delete;
    CVantrelSocket& operator=(const CVantrelSocket&) = delete;

    virtual SOCKET Detach();
    virtual int Receive(char* buffer, int size);
    virtual int Peek(char* buffer, int size);
    virtual bool SetSourceAddress(const std::string& address);
    virtual bool SetSourceAddress(unsigned long address);
    virtual bool Close();
    virtual unsigned long GetSourceAddress() const { return m_ulSourceAddress; }
    virtual unsigned short GetBindPort();
    virtual bool Bind(unsigned long address, unsigned short port);
    virtual bool Bind(const std::string& address, unsigned short port);
    virtual int Send(const std::string& address, const char* data, int size, unsigned short port);
    virtual int Send(unsigned long address, const char* data, int size, unsigned short port);
    virtual void InitializeSocketState();
    virtual int Receive(char* buffer, int size, unsigned long& address, unsigned short& port);

    bool Create(int protocol);
    bool CheckSocketValid() const;
    int LocalReceive(char* buffer, int size, bool peek);
    bool CanWrite();
    SOCKET GetHandle() const { return m_aSocket; }
    bool ValidSocket() const { return m_aSocket != INVALID_SOCKET; }
    bool IsRaw() const { return m_bRaw; }
    void SetProtocol(unsigned char protocol) { m_ucProtocol = protocol; }
    unsigned char GetProtocol() const { return m_ucProtocol; }
    void AssignSocket(SOCKET socket);
    void SetConnectedTo(const sockaddr_in& address) { m_aConnectedTo = address; }
    const sockaddr_in& GetConnectedTo() const { return m_aConnectedTo; }

protected:
    bool CloseHandleOnly();

    bool m_bRaw;
    unsigned char m_ucProtocol;
    unsigned char m_ucTTL;
    unsigned long m_ulSourceAddress;
    SOCKET m_aSocket;
    bool m_bOverlapped;
    sockaddr_in m_aConnectedTo;
};
