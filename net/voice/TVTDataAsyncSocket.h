#pragma once
// One UDP session socket of the voice channel. It hands its timer and every datagram to its
// controller, which it reaches through a weak reference: a controller that is gone by the time a
// late event runs is simply not called.
#include <memory>

#include "net/socket/UDPSocketAsync.h"

class CTVTDataController;

class CTVTDataAsyncSocket : public CUDPSocketAsync {
public:
    // Room for a datagram of up to RECEIVE_BYTES bytes plus a terminating zero; a longer one is
    // dropped whole.
    static const int RECEIVE_BYTES = 1024;

    explicit CTVTDataAsyncSocket(std::weak_ptr<CTVTDataController> pController);

    // Held by shared pointers whose last release hands the socket to its worker for deletion, so
    // that it is never deleted under one of its own callbacks or another thread's send.
    static std::shared_ptr<CTVTDataAsyncSocket> Make(std::weak_ptr<CTVTDataController> pController);

    BOOL OnSocketTimeout() override;
    BOOL OnSocketConnect(int error) override { return TRUE; }
    BOOL OnSocketAccept(int error) override { return TRUE; }
    BOOL OnSocketClose(int error) override { return TRUE; }
    BOOL OnSocketOOB(int error) override { return TRUE; }
    BOOL OnSocketWrite(int error) override { return TRUE; }
    BOOL OnSocketReceive(int error) override;

private:
    std::weak_ptr<CTVTDataController> m_pController;
};
