// The asynchronous UDP socket: notifications only once selected, none after Close.
#include "net/socket/UDPSocket.h"
#include "net/socket/UDPSocketAsync.h"
#include "tests/net/socket/SocketTestSupport.h"

using namespace sockettest;

namespace {

typedef CallbackRecorder<CUDPSocketAsync> RecordingUdpSocket;

class UdpSocketTest : public SocketLibraryTest {
protected:
    std::shared_ptr<CallbackLog> m_log = std::make_shared<CallbackLog>();

    void SendTo(unsigned short port)
    {
        CUDPSocket sender;
        ASSERT_TRUE(sender.Create());
        EXPECT_EQ(sender.Send("127.0.0.1", port, "ping", 4), 4);
    }
};

TEST_F(UdpSocketTest, NotificationsFollowSelection)
{
    RecordingUdpSocket* socket = new RecordingUdpSocket(m_log);
    ASSERT_TRUE(socket->Create());
    ASSERT_TRUE(socket->Bind("127.0.0.1", 0));
    unsigned short port = socket->GetBindPort();
    SendTo(port);
    Sleep(300);
    EXPECT_EQ(m_log->Names(), "") << "a callback without selection";

    ASSERT_TRUE(socket->Listen());
    ASSERT_TRUE(m_log->WaitForData(4, 5000)) << m_log->Names();
    EXPECT_EQ(m_log->FirstCode("receive"), 0);
    EXPECT_EQ(m_log->Data(), "ping");
    EXPECT_EQ(m_log->Count("write"), 0);

    ASSERT_TRUE(socket->SetAsync());
    EXPECT_TRUE(m_log->WaitForEvent("write", 5000));

    EXPECT_TRUE(socket->Close());
    int events = (int)m_log->Events().size();
    SendTo(port);
    Sleep(300);
    EXPECT_EQ((int)m_log->Events().size(), events) << "a callback after Close";
    socket->OnSocketDelete();
    EXPECT_EQ(m_log->Count("deleted"), 1);
}

TEST_F(UdpSocketTest, OperationsWithoutHandleFail)
{
    RecordingUdpSocket socket(m_log);
    EXPECT_FALSE(socket.Close());
    EXPECT_FALSE(socket.Listen());
}

}  // namespace
