#pragma once
// A UDP socket whose datagram notifications arrive on a socket worker thread.
#include "net/socket/UDPSocket.h"
#include "net/socket/VantrelAsyncSocket.h"

class CUDPSocketAsync : public CUDPSocket, public CVantrelAsyncSocket {
public:
    CUDPSocketAsync();
    ~CUDPSocketAsync() override;

    bool Close() override;
    bool Create() override;
    // Read notifications only; SetAsync selects read and write notifications.
    virtual bool Listen();
    virtual void AfterAccept();

    BOOL OnSocketConnect(int error) override;
    SOCKET GetAsyncHandle() const override { return GetHandle(); }
    BOOL SetAsync() override;
};
