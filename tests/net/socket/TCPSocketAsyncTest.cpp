// The asynchronous TCP socket against loopback peers: connect outcomes, sends to a peer that does
// not read, listen and accept, and the blocked-send buffer.
#include "net/socket/BlockedBuffer.h"
#include "tests/net/socket/SocketTestSupport.h"

using namespace sockettest;

namespace {

class TcpSocketTest : public PeerSocketTest {
protected:
    template <class Socket = RecordingTcpSocket>
    Socket* Connect(const std::string& host, unsigned short port, unsigned long timeoutMs = 0)
    {
        return ConnectSocket<Socket>(host, port, timeoutMs);
    }
    // Starts the peer and connects a socket to it.
    template <class Socket = RecordingTcpSocket>
    Socket* ConnectToPeer(const wchar_t* script, const std::wstring& args, unsigned long timeoutMs = 0)
    {
        return Connect<Socket>("127.0.0.1", StartPeer(script, args), timeoutMs);
    }
};

TEST_F(TcpSocketTest, ConnectsOnWorkerAndEchoes)
{
    RecordingTcpSocket* socket = ConnectToPeer(kStreamServer, L"--mode echo");
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    EXPECT_EQ(m_log->FirstCode("connect"), 0);
    EXPECT_NE(m_log->Events()[0].thread, GetCurrentThreadId());
    EXPECT_TRUE(socket->IsConnected());
    const std::string message = "echo me";
    EXPECT_EQ(socket->Send(message.data(), (int)message.size()), (int)message.size());
    ASSERT_TRUE(m_log->WaitForData(message.size(), 10000));
    EXPECT_EQ(m_log->Data(), message);
    char buffer[16];
    EXPECT_EQ(socket->Receive(buffer, sizeof buffer), 0) << "nothing to read is not an error";
    Delete(socket);
}

// A connect that fails ends in OnSocketConnect with the error and selects no further events.
TEST_F(TcpSocketTest, RefusedConnectReportsErrorOnly)
{
    RecordingTcpSocket* socket = Connect("127.0.0.1", UnusedPort());
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    EXPECT_EQ(m_log->FirstCode("connect"), WSAECONNREFUSED);
    Sleep(300);
    EXPECT_EQ(m_log->Names(), "connect(10061) ");
    EXPECT_FALSE(socket->IsConnected());
    Delete(socket);
}

// A host name that does not resolve fails the connect with the error Windows gives for a connect
// to no address, reported through the connect callback.
TEST_F(TcpSocketTest, UnresolvableHostReportsError)
{
    RecordingTcpSocket* socket = Connect("no-such-host.invalid", 443);
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    EXPECT_EQ(m_log->FirstCode("connect"), WSAEADDRNOTAVAIL);
    EXPECT_FALSE(socket->IsConnected());
    Delete(socket);
}

// A connect that never completes ends in "Connection timeout" after the connection time-out; the
// socket is left for its owner to close.
TEST_F(TcpSocketTest, ConnectThatNeverCompletesTimesOut)
{
    unsigned short port = StartPeer(kBadPeer, L"--mode blackhole");
    DWORD start = GetTickCount();
    RecordingTcpSocket* socket = Connect("127.0.0.1", port, 1000);
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    EXPECT_EQ(m_log->FirstCode("connect"), kConnectionTimeoutError);
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_EQ(CErrorHandler::ErrorCodeToString(kConnectionTimeoutError), "Connection timeout");
    EXPECT_TRUE(socket->ValidSocket());
    EXPECT_FALSE(socket->IsSystemTimerArmed());
    Delete(socket);
}

// A peer that resets the connection mid-stream: the data before the reset is delivered, then the
// close callback.
TEST_F(TcpSocketTest, ResetMidStreamDeliversDataThenClose)
{
    RecordingTcpSocket* socket = ConnectToPeer(kBadPeer, L"--mode reset --payload partial");
    ASSERT_TRUE(m_log->WaitForEvent("close", 10000)) << m_log->Names();
    EXPECT_EQ(m_log->Data(), "partial");
    EXPECT_FALSE(socket->IsConnected());
    Delete(socket);
}

// Off the worker, a send to a peer that does not read takes what Winsock accepts and then fails
// with WSAENOTCONN once no write notification comes within the send wait.
TEST_F(TcpSocketTest, SendToNonReadingPeerFailsAfterWait)
{
    RecordingTcpSocket* socket = ConnectToPeer(kBadPeer, L"--mode mute");
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    socket->SetSendWaitTimeout(300);
    const std::string block = Pattern(1 << 20);
    long long total = 0;
    int result = 0;
    for (int i = 0; i < 200; ++i) {
        result = socket->Send(block.data(), (int)block.size());
        if (result < 0) break;
        EXPECT_LE(result, (int)block.size());
        total += result;
    }
    EXPECT_EQ(result, -1);
    EXPECT_EQ(WSAGetLastError(), WSAENOTCONN);
    EXPECT_GT(total, 0);
    Delete(socket);
}

// On its worker a send never waits: once the peer stops reading it returns 0.
class WorkerSender : public RecordingTcpSocket {
public:
    using RecordingTcpSocket::RecordingTcpSocket;
    BOOL OnSocketTimeout() override
    {
        KillTimer();
        const std::string block = Pattern(1 << 20);
        int result = 0;
        for (int i = 0; i < 200 && (result = Send(block.data(), (int)block.size())) > 0; ++i) {
        }
        return Record("worker-send", result);
    }
};

TEST_F(TcpSocketTest, SendOnWorkerToNonReadingPeerReturnsZero)
{
    WorkerSender* socket = ConnectToPeer<WorkerSender>(kBadPeer, L"--mode mute");
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    socket->SetTimeout(10);
    ASSERT_TRUE(m_log->WaitForEvent("worker-send", 20000));
    EXPECT_EQ(m_log->FirstCode("worker-send"), 0);
    Delete(socket);
}

// A listening socket hands each connection to the application, which accepts it on a socket of
// its own; that socket then lives on a worker like any other.
typedef AcceptingListener<RecordingTcpSocket, RecordingTcpSocket> Listener;

TEST_F(TcpSocketTest, ListenAcceptAndExchange)
{
    auto acceptedLog = std::make_shared<CallbackLog>();
    Listener* listener = new Listener(m_log, acceptedLog);
    ASSERT_TRUE(listener->Create());
    ASSERT_TRUE(listener->Bind(inet_addr("127.0.0.1"), 0));
    ASSERT_TRUE(listener->Listen(5));
    auto clientLog = std::make_shared<CallbackLog>();
    RecordingTcpSocket* client = new RecordingTcpSocket(clientLog);
    ASSERT_TRUE(client->Create());
    client->Connect("127.0.0.1", listener->GetBindPort(), FALSE, TRUE);
    ASSERT_TRUE(m_log->WaitForEvent("accept", 10000));
    EXPECT_EQ(m_log->FirstCode("accept"), 0);
    ASSERT_TRUE(clientLog->WaitForEvent("connect", 10000));
    EXPECT_TRUE(listener->m_pAccepted->IsConnected());
    const std::string message = "from client";
    EXPECT_EQ(client->Send(message.data(), (int)message.size()), (int)message.size());
    ASSERT_TRUE(acceptedLog->WaitForData(message.size(), 10000));
    EXPECT_EQ(acceptedLog->Data(), message);
    client->OnSocketDelete();
    listener->m_pAccepted->OnSocketDelete();
    EXPECT_TRUE(clientLog->WaitForEvent("deleted", 5000));
    EXPECT_TRUE(acceptedLog->WaitForEvent("deleted", 5000));
    Delete(listener);
}

// With a blocked-send buffer attached, a send that would block keeps the data and the write
// notifications send it on, the tail of a partly sent record included: the peer gets every byte
// in order.
TEST_F(TcpSocketTest, BlockedBufferDeliversEverythingInOrder)
{
    const size_t size = 12 * 1024 * 1024;
    RecordingTcpSocket* socket = ConnectToPeer(kStreamServer, L"--mode digest --delay 2 --expect " + std::to_wstring(size));
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    socket->SetBlockedBuffer(new CBlockedBuffer(socket, 0));
    const std::string data = Pattern(size);
    size_t offset = 0;
    while (offset < size) {
        int chunk = (int)std::min<size_t>(256 * 1024, size - offset);
        int result = socket->Send(data.data() + offset, chunk);
        ASSERT_GE(result, 0);
        offset += result == 0 ? chunk : result;  // 0: kept by the buffer
    }
    const std::string expected = std::to_string(size) + " " + Sha256Hex(data) + "\n";
    ASSERT_TRUE(m_log->WaitForData(expected.size(), 60000)) << m_log->Names();
    EXPECT_EQ(m_log->Data(), expected);
    Delete(socket);
}

// A record that keeps failing with a real error is dropped after (limit - 1) attempts, with one
// report; with limit 0 it stays. A send that would block is not a failed attempt.
class FailingOwner : public RecordingTcpSocket {
public:
    using RecordingTcpSocket::RecordingTcpSocket;
    BOOL SendBlockedBuffer(CBlockedBuffer::CBlockedData&) override
    {
        ++m_iCalls;
        WSASetLastError(m_iError);
        return FALSE;
    }
    int m_iCalls = 0;
    int m_iError = WSAECONNRESET;
};

TEST_F(TcpSocketTest, BlockedBufferRetryLimit)
{
    struct CapturingLog : CErrorHandler::CErrorLog {
        void WriteError(const std::string& line) override { lines.push_back(line); }
        std::vector<std::string> lines;
    } errors;
    for (int limit : {5, 0}) {
        FailingOwner owner(m_log);
        CBlockedBuffer buffer(&owner, limit);
        buffer.SetLog(&errors);
        buffer.AddRecord(CBlockedBuffer::CBlockedData("abc", 3));
        owner.m_iError = WSAEWOULDBLOCK;
        for (int i = 0; i < 6; ++i) buffer.SendData();
        EXPECT_FALSE(buffer.IsEmpty()) << "dropped while the socket was only full";
        owner.m_iError = WSAECONNRESET;
        for (int i = 0; i < 3; ++i) buffer.SendData();
        EXPECT_FALSE(buffer.IsEmpty());
        buffer.SendData();
        EXPECT_EQ(buffer.IsEmpty(), limit == 5) << limit;
        EXPECT_EQ(owner.m_iCalls, 10);
    }
    ASSERT_EQ(errors.lines.size(), 1u);
    EXPECT_EQ(errors.lines[0], "*** Error *** in CBlockedBuffer::SendData - Failed sending data for more then 5 times!");
}

TEST_F(TcpSocketTest, OperationsWithoutHandleFail)
{
    RecordingTcpSocket* socket = new RecordingTcpSocket(m_log);
    EXPECT_FALSE(socket->Close());
    EXPECT_FALSE(socket->Listen(5));
    EXPECT_FALSE(socket->Connect("127.0.0.1", 80, FALSE, TRUE));
    EXPECT_EQ(m_log->Count("connect"), 0);
    // Never registered: deleted at once on the calling thread.
    socket->OnSocketDelete();
    EXPECT_EQ(m_log->Count("deleted"), 1);
}

}  // namespace
