#pragma once
// End-to-end tests: the real clients over the socket library's TLS sockets, against the local
// test servers on loopback, driven and observed through the servers' control port.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>
#include <json/json.h>

#include <functional>
#include <string>

#include "tests/net/protocol/RecordingWindow.h"
#include "tests/support/TestSupport.h"

namespace prototest {

class EndToEndTest : public ::testing::Test {
public:
    enum Port { PORT_TAS, PORT_PUSH, PORT_TDS, PORT_VOICE, PORT_HTTP, PORT_CONTROL };

protected:
    // Servers and socket library, once for the suite.
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // Forgets rules, records and settings of the previous test.
    void SetUp() override;
    void TearDown() override;

    static int ServerPort(Port port);
    // The servers' (self-signed) certificate, DER.
    static std::string ServerCertificateDer();
    // One control command; the answer ({"ok": ...}). A failed command fails the test.
    static Json::Value Control(const Json::Value& command);
    static Json::Value Command(const char* cmd);
    // The frames a server received, as the server logged them.
    static Json::Value Frames(const char* server, const char* app = nullptr, const char* msg = nullptr);
    // Pumps this thread (the clients' windows live here) until pred() holds.
    static bool PumpUntil(const std::function<bool()>& pred, DWORD ms = 10000);
    // Pumps until the server has logged 'count' frames of that kind.
    static bool WaitForFrames(const char* server, const char* app, const char* msg, size_t count, DWORD ms = 10000);

    RecordingWindow m_listener;
    RecordingWindow m_events;

private:
    static zeltest::PythonFixture* s_pServers;
    static std::vector<int> s_ports;
    static SOCKET s_control;
};

}  // namespace prototest
