#include <winsock2.h>
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/support/LoopbackSocket.h"
#include "tests/support/TestSupport.h"

// A test under Wine starts a Python fixture on the Linux side and talks to it over loopback.
TEST(FixtureRoute, PythonEchoServerAnswersOverLoopback)
{
    zeltest::PythonFixture echo;
    ASSERT_TRUE(echo.Start(L"tests/servers/echo_fixture.py")) << "fixture did not report ready";
    ASSERT_GT(echo.Port(), 0);

    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    SOCKET s = zeltest::ConnectLoopback(echo.Port());
    ASSERT_NE(s, INVALID_SOCKET);
    const char msg[] = "hello fixture";
    ASSERT_EQ(send(s, msg, sizeof msg, 0), (int)sizeof msg);
    char buf[64] = {};
    int got = 0;
    while (got < (int)sizeof msg) {
        int n = recv(s, buf + got, sizeof buf - got, 0);
        if (n <= 0) break;
        got += n;
    }
    EXPECT_EQ(got, (int)sizeof msg);
    EXPECT_STREQ(buf, msg);
    closesocket(s);
    WSACleanup();
}
