#pragma once
// Plain blocking sockets to the test servers on this machine: their control ports speak one line
// of text each way. Winsock must be started by the caller.
#include <winsock2.h>
#include <windows.h>

#include <string>

namespace zeltest {

// A connected TCP socket to 127.0.0.1:port, or INVALID_SOCKET.
SOCKET ConnectLoopback(int port);
// The bytes up to the next "\n" (left out); what came before the connection ended or failed.
std::string ReadSocketLine(SOCKET s);

}  // namespace zeltest
