#pragma once
// A stand-in for the local VPN agent on loopback: answers one datagram with the code it is given
// (or stays silent), enciphered with the key of the request's number.
#include <winsock2.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "core/Base64.h"
#include "screens/login/VpnAgentLink.h"

namespace logintest {

inline std::string SealedReply(const std::string& text, int r, const char* prefix = "result=")
{
    const std::vector<uint8_t> sealed = AgentEncipher(text, r);
    return prefix + Base64Encode(sealed.data(), sealed.size());
}

// A stand-in agent on loopback: answers one datagram with the code it is given.
class FakeAgent {
public:
    explicit FakeAgent(int code, bool answer = true) : m_code(code), m_answer(answer)
    {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        m_socket = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = inet_addr("127.0.0.1");
        bind(m_socket, reinterpret_cast<sockaddr*>(&at), sizeof(at));
        int len = sizeof(at);
        getsockname(m_socket, reinterpret_cast<sockaddr*>(&at), &len);
        m_port = ntohs(at.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~FakeAgent()
    {
        closesocket(m_socket);
        m_thread.join();
        WSACleanup();
    }
    int Port() const { return m_port; }
    std::string Received() const { return m_received; }

private:
    void Serve()
    {
        char buffer[2048];
        sockaddr_in from{};
        int len = sizeof(from);
        const int got = recvfrom(m_socket, buffer, sizeof(buffer), 0, reinterpret_cast<sockaddr*>(&from), &len);
        if (got <= 0) return;
        m_received.assign(buffer, (size_t)got);
        if (!m_answer) return;
        const int r = atoi(m_received.c_str() + 2);
        char text[32];
        snprintf(text, sizeof(text), "code=%d", m_code);
        const std::string reply = SealedReply(text, r);
        sendto(m_socket, reply.data(), (int)reply.size(), 0, reinterpret_cast<sockaddr*>(&from), len);
    }
    int m_code;
    bool m_answer;
    SOCKET m_socket;
    int m_port = 0;
    std::string m_received;
    std::thread m_thread;
};

}  // namespace logintest
