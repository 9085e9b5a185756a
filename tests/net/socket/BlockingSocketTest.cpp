// The blocking socket classes on their own.
#include "net/socket/TCPSocket.h"
#include "net/socket/UDPSocket.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CapturingLog : public CErrorHandler::CErrorLog {
public:
    void WriteError(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class BlockingSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSocketBase::InitializeSockets(true, 1));
        CErrorHandler::SetGlobalLog(&m_log);
    }
    void TearDown() override
    {
        CErrorHandler::SetGlobalLog(nullptr);
        CSocketBase::ShutdownSockets();
    }
    CapturingLog m_log;
};

TEST_F(BlockingSocketTest, CloseWithoutHandle)
{
    CVantrelSocket plain;
    EXPECT_FALSE(plain.Close());
    EXPECT_TRUE(m_log.lines.empty());
    CTCPSocket tcp;
    EXPECT_FALSE(tcp.Close());
    ASSERT_EQ(m_log.lines.size(), 1u);
    EXPECT_EQ(m_log.lines[0], "*** Error *** in CTCPSocket::CheckSocketValid - Operation made on non existant socket!");
}

TEST_F(BlockingSocketTest, ReceiveArgumentChecks)
{
    CTCPSocket tcp;
    ASSERT_TRUE(tcp.Create());
    char buffer[8];
    unsigned long address = 1;
    unsigned short port = 1;
    EXPECT_EQ(tcp.Receive(buffer, 0), -1);
    EXPECT_EQ(tcp.Receive(nullptr, 8), -1);
    EXPECT_EQ(tcp.Receive(buffer, sizeof buffer, address, port), -1);
    ASSERT_FALSE(m_log.lines.empty());
    EXPECT_EQ(m_log.lines.back(), "*** Error *** in CTCPSocket::Receive - Can't run on TCP socket!");
}

TEST_F(BlockingSocketTest, BindSetsSourceAddressOnce)
{
    CUDPSocket udp;
    ASSERT_TRUE(udp.Create());
    EXPECT_TRUE(udp.Bind(0UL, 0));
    EXPECT_EQ(udp.GetSourceAddress(), 0u);
    CUDPSocket second;
    ASSERT_TRUE(second.Create());
    EXPECT_TRUE(second.Bind("127.0.0.1", 0));
    EXPECT_EQ(second.GetSourceAddress(), inet_addr("127.0.0.1"));
    EXPECT_NE(second.GetBindPort(), 0);
}

// Datagrams between two blocking UDP sockets, with the sender's address.
TEST_F(BlockingSocketTest, UdpRoundTrip)
{
    CUDPSocket receiver;
    ASSERT_TRUE(receiver.Create());
    ASSERT_TRUE(receiver.Bind("127.0.0.1", 0));
    CUDPSocket sender;
    ASSERT_TRUE(sender.Create());
    ASSERT_TRUE(sender.Bind("127.0.0.1", 0));
    EXPECT_EQ(sender.Send("127.0.0.1", receiver.GetBindPort(), "datagram", 8), 8);
    char buffer[32];
    unsigned long address = 0;
    unsigned short port = 0;
    EXPECT_EQ(receiver.Receive(buffer, sizeof buffer, address, port), 8);
    EXPECT_EQ(std::string(buffer, 8), "datagram");
    EXPECT_EQ(address, inet_addr("127.0.0.1"));
    EXPECT_EQ(port, sender.GetBindPort());
}

// A second Create closes the first handle and clears the connected flag.
TEST_F(BlockingSocketTest, CreateAgainStartsOver)
{
    CTCPSocket tcp;
    ASSERT_TRUE(tcp.Create());
    SOCKET first = tcp.GetHandle();
    tcp.SetConnected(true);
    ASSERT_TRUE(tcp.Create());
    EXPECT_FALSE(tcp.IsConnected());
    EXPECT_NE(tcp.GetHandle(), INVALID_SOCKET);
    char probe;
    EXPECT_EQ(recv(first, &probe, 1, 0), SOCKET_ERROR) << "the first handle is still open";
    (void)first;
}

}  // namespace
