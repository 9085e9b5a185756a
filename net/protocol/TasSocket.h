#pragma once
// What a CTasClient needs of its connection: the TLS socket of the socket library in the program
// (CTasSSLAsyncSocket), a scripted stand-in in tests. The socket reports its events to the client
// through a CTasSocketLink.
#include <memory>
#include <string>

class CTasSocketLink;

class ITasSocket {
public:
    virtual ~ITasSocket() = default;

    // Starts an asynchronous connect; its outcome arrives as the link's OnConnect or OnClose.
    virtual bool StartConnect(const std::string& strHost, unsigned short nPort) = 0;
    // Plaintext bytes taken: all of them, fewer (the caller keeps the rest until the socket can
    // be written again), or -1 with the error code in nError.
    virtual int SendBytes(const char* pData, int nSize, int& nError) = 0;
    virtual bool IsSocketConnected() = 0;
    // The repeating idle timer, restarted by every call.
    virtual void ArmIdleTimer(unsigned long ms) = 0;
    virtual void SetConnectTimeout(unsigned long ms) = 0;
    // Ends the connection and gives the object up: it goes away on its own thread, and no event
    // of it reaches the client any more.
    virtual void Release() = 0;
};

// Makes the socket of a client (null when it cannot be created).
typedef ITasSocket* (*PFN_TAS_SOCKET_FACTORY)(std::shared_ptr<CTasSocketLink> link, bool bTls);
