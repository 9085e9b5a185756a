#include <winsock2.h>
#include <windows.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/LoopbackSocket.h"
#include "tests/support/TestSupport.h"

// The test servers start from a test under Wine, report their ports and take control commands.
TEST(ServersFixture, StartsReportsPortsAndAnswersTheControlPort)
{
    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    zeltest::PythonFixture servers;
    ASSERT_TRUE(servers.Start(L"tests/servers/run_servers.py")) << "servers did not report ready";
    std::istringstream in(servers.ReadyLine());
    std::vector<int> ports;
    for (int p; in >> p;) ports.push_back(p);
    ASSERT_EQ(ports.size(), 8u) << servers.ReadyLine();

    SOCKET control = zeltest::ConnectLoopback(ports[5]);
    ASSERT_NE(control, INVALID_SOCKET);
    const std::string cmd = "{\"cmd\": \"ports\"}\n";
    ASSERT_EQ(send(control, cmd.data(), (int)cmd.size(), 0), (int)cmd.size());
    std::string answer = zeltest::ReadSocketLine(control);
    EXPECT_NE(answer.find("\"ok\": true"), std::string::npos) << answer;
    EXPECT_NE(answer.find("\"tas\": " + std::to_string(ports[0])), std::string::npos) << answer;
    closesocket(control);

    SOCKET tas = zeltest::ConnectLoopback(ports[0]);
    EXPECT_NE(tas, INVALID_SOCKET);
    if (tas != INVALID_SOCKET) closesocket(tas);
    WSACleanup();
}
