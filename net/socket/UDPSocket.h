#pragma once
#include "net/socket/VantrelSocket.h"

// A blocking UDP datagram socket; datagram sizes are 16-bit.
class CUDPSocket : public CVantrelSocket {
public:
    explicit CUDPSocket(bool raw = false);
    ~CUDPSocket() override;

    using CVantrelSocket::Receive;
    using CVantrelSocket::Send;
    virtual bool Create();
    virtual int Send(const std::string& address, unsigned short port, const char* data, unsigned short size);
    virtual int Send(unsigned long address, unsigned short port, const char* data, unsigned short size);
};
