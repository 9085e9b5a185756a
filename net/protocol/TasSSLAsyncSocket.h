#pragma once
// The socket of a CTasClient: the socket library's TLS socket, its callbacks (on the socket's
// worker thread) forwarded to the client through the link.
#include <winsock2.h>
#include <memory>

#include "net/protocol/TasSocket.h"
#include "net/socket/TCPSocketAsyncSSL.h"

class CTasSSLAsyncSocket : public CTCPSocketAsyncSSL, public ITasSocket {
public:
    enum { kReadChunk = 4095, kBufferSize = 262144 };

    explicit CTasSSLAsyncSocket(std::shared_ptr<CTasSocketLink> link);

    // The program's socket factory: created, 256 KiB buffers each way, TLS unless bTls is false,
    // 30 s connection time-out, the server checked as the settings say; null (with a debug line)
    // when it cannot be created.
    static ITasSocket* CreateFor(std::shared_ptr<CTasSocketLink> link, bool bTls);

    BOOL OnSocketTimeout() override;
    BOOL OnSocketConnect(int error) override;
    BOOL OnSocketAccept(int error) override { return TRUE; }
    BOOL OnSocketClose(int error) override;
    BOOL OnSocketOOB(int error) override { return TRUE; }
    BOOL OnSocketWrite(int error) override;
    BOOL SocketWrite(int error) override;
    BOOL OnSocketReceive(int error) override;
    bool OnSSLError(const std::string& method, const std::string& text, const std::string& sslErrors) override;
    void OnPeerCertificate(const std::string& sha256Hex, bool accepted, const std::string& why) override;

    // The check of the server's certificate that "setting.ini" asks for (none when it asks none).
    static TlsPeerPolicy PolicyFromSettings();

    bool StartConnect(const std::string& strHost, unsigned short nPort) override;
    int SendBytes(const char* pData, int nSize, int& nError) override;
    bool IsSocketConnected() override { return IsConnected(); }
    void ArmIdleTimer(unsigned long ms) override { SetTimeout(ms); }
    void SetConnectTimeout(unsigned long ms) override { SetConnectionTimeout(ms); }
    void Release() override;

private:
    std::shared_ptr<CTasSocketLink> m_pLink;
};
