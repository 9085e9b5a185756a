#include "tests/support/LoopbackSocket.h"

namespace zeltest {

SOCKET ConnectLoopback(int port)
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return INVALID_SOCKET;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons((u_short)port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(s, (sockaddr*)&addr, sizeof addr) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

std::string ReadSocketLine(SOCKET s)
{
    std::string line;
    char c = 0;
    while (recv(s, &c, 1, 0) == 1 && c != '\n') line += c;
    return line;
}

}  // namespace zeltest
