// The TLS socket against real TLS peers on loopback (Python fixtures).
#include "tests/net/socket/SocketTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace sockettest;

namespace {

const wchar_t kStreamServer[] = L"tests/servers/socket_stream_server.py";
const wchar_t kBadPeer[] = L"tests/servers/socket_bad_peer.py";

class TlsSocketTest : public SocketLibraryTest {
protected:
    std::shared_ptr<CallbackLog> m_log = std::make_shared<CallbackLog>();

    RecordingSocket* Connect(unsigned short port, unsigned long timeoutMs = 0, bool plain = false,
                             const std::function<void(RecordingSocket*)>& configure = nullptr)
    {
        RecordingSocket* socket = new RecordingSocket(m_log);
        if (configure) configure(socket);
        EXPECT_TRUE(socket->Create());
        if (plain) socket->DisableSSL();
        if (timeoutMs) socket->SetConnectionTimeout(timeoutMs);
        EXPECT_TRUE(socket->Connect("127.0.0.1", port, FALSE, TRUE));
        return socket;
    }

    void Delete(RecordingSocket* socket)
    {
        socket->OnSocketDelete();
        EXPECT_TRUE(m_log->WaitForEvent("deleted", 5000));
    }
};

class TlsConnectReport : public TlsSocketTest, public ::testing::WithParamInterface<const wchar_t*> {};

// The connection is reported once, on the worker, after the handshake is complete: with every TLS
// version, also when the server says nothing after its handshake (TLS 1.3 without tickets).
TEST_P(TlsConnectReport, ReportsConnectionOnceAfterHandshake)
{
    zeltest::PythonFixture server;
    ASSERT_TRUE(server.Start(kStreamServer, GetParam()));
    RecordingSocket* socket = Connect((unsigned short)server.Port());
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000)) << m_log->Names();
    EXPECT_EQ(m_log->FirstCode("connect"), 0);
    EXPECT_TRUE(socket->IsHandshakeDone());
    std::vector<CallbackLog::Event> events = m_log->Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0].name, "handshake");
    EXPECT_EQ(events[1].name, "connect");
    EXPECT_NE(events[1].thread, GetCurrentThreadId());
    Sleep(200);
    EXPECT_EQ(m_log->Count("connect"), 1) << m_log->Names();
    EXPECT_EQ(m_log->Count("handshake"), 1);
    Delete(socket);
}

INSTANTIATE_TEST_SUITE_P(Versions, TlsConnectReport,
                         ::testing::Values(L"--tls 1.2 --mode echo", L"--tls 1.3 --mode echo",
                                           L"--tls 1.3 --mode quiet --tickets 0", L"--tls 1.2 --mode quiet"));

// Plaintext sent before the handshake is done (more than one chunk, in several sends) is held
// back and reaches the peer whole and in order; what comes back is the same.
TEST_F(TlsSocketTest, PlaintextSentDuringHandshakeArrivesInOrder)
{
    zeltest::PythonFixture server;
    ASSERT_TRUE(server.Start(kStreamServer, L"--tls 1.3 --mode echo"));
    RecordingSocket* socket = Connect((unsigned short)server.Port());
    const std::string data = Pattern(50000);
    for (size_t offset = 0; offset < data.size(); offset += 10000)
        EXPECT_GE(socket->Send(data.data() + offset, 10000), 0);
    EXPECT_EQ(m_log->Count("connect"), 0) << "sent before the handshake was reported";
    ASSERT_TRUE(m_log->WaitForData(data.size(), 15000)) << m_log->Data().size();
    EXPECT_TRUE(m_log->Data() == data);
    Delete(socket);
}

// Peek shows the bytes that the following Receive hands over, without reading the network.
TEST_F(TlsSocketTest, PeekMatchesFollowingReceive)
{
    zeltest::PythonFixture server;
    ASSERT_TRUE(server.Start(kStreamServer, L"--tls 1.2 --mode echo"));
    RecordingSocket* socket =
        Connect((unsigned short)server.Port(), 0, false, [](RecordingSocket* s) { s->m_bPeekFirst = true; });
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    const std::string message = "peek at me";
    ASSERT_GT(socket->Send(message.data(), (int)message.size()), 0);
    ASSERT_TRUE(m_log->WaitForData(message.size(), 10000)) << m_log->Names();
    EXPECT_EQ(m_log->Data(), message);
    EXPECT_EQ(m_log->Count("peek-mismatch"), 0);
    EXPECT_GE(m_log->Count("peek-match"), 1);
    Delete(socket);
}

// In plain mode the socket is a plain TCP socket: the connection is reported at TCP connect and
// write notifications stay with the library.
TEST_F(TlsSocketTest, PlainModeBehavesAsTcp)
{
    zeltest::PythonFixture server;
    ASSERT_TRUE(server.Start(kStreamServer, L"--tls none --mode echo"));
    RecordingSocket* socket = Connect((unsigned short)server.Port(), 0, true);
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    EXPECT_EQ(m_log->FirstCode("connect"), 0);
    const std::string message = "plain bytes";
    EXPECT_EQ(socket->Send(message.data(), (int)message.size()), (int)message.size());
    ASSERT_TRUE(m_log->WaitForData(message.size(), 10000));
    EXPECT_EQ(m_log->Data(), message);
    EXPECT_EQ(m_log->Count("write"), 0);
    EXPECT_EQ(m_log->Count("handshake"), 0);
    Delete(socket);
}

struct FailingPeer {
    const wchar_t* script;
    const wchar_t* args;
    const char* what;
};

class TlsHandshakeFailure : public TlsSocketTest, public ::testing::WithParamInterface<FailingPeer> {};

// A handshake that fails ends in exactly one OnSocketConnect with an error code, never in a
// connection report, and the socket is closed; nothing hangs.
TEST_P(TlsHandshakeFailure, ReportsFailedConnect)
{
    zeltest::PythonFixture server;
    ASSERT_TRUE(server.Start(GetParam().script, GetParam().args));
    RecordingSocket* socket = Connect((unsigned short)server.Port(), 2000);
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000)) << GetParam().what << ": " << m_log->Names();
    EXPECT_NE(m_log->FirstCode("connect"), 0) << GetParam().what;
    Sleep(300);
    EXPECT_EQ(m_log->Count("connect"), 1) << m_log->Names();
    EXPECT_EQ(m_log->Count("handshake"), 0);
    EXPECT_EQ(m_log->Count("receive"), 0);
    EXPECT_FALSE(socket->ValidSocket()) << "a failed handshake leaves the socket open";
    Delete(socket);
}

INSTANTIATE_TEST_SUITE_P(
    Peers, TlsHandshakeFailure,
    ::testing::Values(FailingPeer{kBadPeer, L"--mode alert", "alert"},
                      FailingPeer{kBadPeer, L"--mode garbage", "garbage"},
                      FailingPeer{kBadPeer, L"--mode close", "closed at once"},
                      FailingPeer{kBadPeer, L"--mode mute", "no answer (time-out)"},
                      FailingPeer{kStreamServer, L"--tls 1.2 --require-cert --mode echo", "certificate demanded"}));

// The connection time-out also covers the handshake: a peer that accepts and never answers ends
// in "Connection timeout".
TEST_F(TlsSocketTest, HandshakeThatNeverEndsTimesOut)
{
    zeltest::PythonFixture server;
    ASSERT_TRUE(server.Start(kBadPeer, L"--mode mute"));
    DWORD start = GetTickCount();
    RecordingSocket* socket = Connect((unsigned short)server.Port(), 1000);
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    EXPECT_EQ(m_log->FirstCode("connect"), kConnectionTimeoutError);
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_EQ(CErrorHandler::ErrorCodeToString(m_log->FirstCode("connect")), "Connection timeout");
    Delete(socket);
}

// A record that does not decrypt after the connection was reported: by default the socket is
// closed and OnSocketConnect (-1) delivered; when OnSSLError declines, Receive fails and the
// socket stays open.
TEST_F(TlsSocketTest, CorruptRecordAfterReport)
{
    for (bool closeOnError : {true, false}) {
        m_log = std::make_shared<CallbackLog>();
        zeltest::PythonFixture server;
        ASSERT_TRUE(server.Start(kStreamServer, L"--tls 1.2 --mode corrupt"));
        RecordingSocket* socket = Connect((unsigned short)server.Port(), 0, false,
                                          [&](RecordingSocket* s) { s->m_bCloseOnSSLError = closeOnError; });
        ASSERT_TRUE(m_log->WaitForEvent("receive-failed", 10000)) << m_log->Names();
        EXPECT_EQ(m_log->FirstCode("connect"), 0);
        EXPECT_EQ(m_log->Count("ssl-error"), 1) << m_log->Names();
        if (closeOnError) {
            EXPECT_EQ(m_log->Count("connect"), 2) << m_log->Names();
            std::vector<CallbackLog::Event> events = m_log->Events();
            EXPECT_EQ(events[events.size() - 2].name, "connect");
            EXPECT_EQ(events[events.size() - 2].code, -1);
            EXPECT_FALSE(socket->ValidSocket());
        } else {
            EXPECT_EQ(m_log->Count("connect"), 1);
            EXPECT_TRUE(socket->ValidSocket());
        }
        Delete(socket);
    }
}

// A peer that stops reading while a large block is sent: the TCP send takes part of it and then
// would block. The unsent ciphertext stays queued (also the tail of a partial send) and goes out on
// the write notifications once the peer reads again: the peer gets every byte, in order.
TEST_F(TlsSocketTest, LargeSendToSlowReaderArrivesWhole)
{
    const size_t size = 12 * 1024 * 1024;
    for (const wchar_t* tls : {L"1.2", L"1.3"}) {
        m_log = std::make_shared<CallbackLog>();
        zeltest::PythonFixture server;
        ASSERT_TRUE(server.Start(kStreamServer, std::wstring(L"--tls ") + tls + L" --mode digest --delay 2 --expect " +
                                                    std::to_wstring(size)));
        RecordingSocket* socket = Connect((unsigned short)server.Port());
        ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
        socket->SetSendWaitTimeout(300);
        const std::string data = Pattern(size);
        EXPECT_GE(socket->Send(data.data(), (int)data.size()), 0);
        const std::string expected = std::to_string(size) + " " + Sha256Hex(data) + "\n";
        ASSERT_TRUE(m_log->WaitForData(expected.size(), 60000)) << m_log->Names();
        EXPECT_EQ(m_log->Data(), expected);
        Delete(socket);
    }
}

}  // namespace
