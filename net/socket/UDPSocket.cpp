#include "net/socket/UDPSocket.h"

CUDPSocket::CUDPSocket(bool raw) : CVantrelSocket(raw)
{
    try {
        SetName("CUDPSocket");
    } catch (...) {
        ReportLastError("CUDPSocket");
    }
}

CUDPSocket::~CUDPSocket() {}

bool CUDPSocket::Create()
{
    m_ucProtocol = IPPROTO_UDP;
    return CVantrelSocket::Create(IPPROTO_UDP);
}

int CUDPSocket::Send(unsigned long address, unsigned short port, const char* data, unsigned short size)
{
    return CVantrelSocket::Send(address, data, size, port);
}

int CUDPSocket::Send(const std::string& address, unsigned short port, const char* data, unsigned short size)
{
    return Send((unsigned long)inet_addr(address.c_str()), port, data, size);
}
