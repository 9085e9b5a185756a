// The TLS socket against real TLS peers on loopback (Python fixtures).
#include "tests/net/socket/SocketTestSupport.h"

using namespace sockettest;

namespace {

class TlsSocketTest : public PeerSocketTest {
protected:
    RecordingSocket* Connect(unsigned short port, unsigned long timeoutMs = 0,
                             const std::function<void(RecordingSocket*)>& prepare = nullptr)
    {
        return ConnectSocket<RecordingSocket>("127.0.0.1", port, timeoutMs, prepare);
    }
};

class TlsConnectReport : public TlsSocketTest, public ::testing::WithParamInterface<const wchar_t*> {};

// The connection is reported once, on the worker, after the handshake is complete: with every TLS
// version, also when the server says nothing after its handshake (TLS 1.3 without tickets).
TEST_P(TlsConnectReport, ReportsConnectionOnceAfterHandshake)
{
    unsigned short port = StartPeer(kStreamServer, GetParam());
    RecordingSocket* socket = Connect(port);
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
    unsigned short port = StartPeer(kStreamServer, L"--tls 1.3 --mode echo --handshake-delay 0.5");
    RecordingSocket* socket = Connect(port);
    const std::string data = Pattern(50000);
    for (size_t offset = 0; offset < data.size(); offset += 10000)
        EXPECT_EQ(socket->Send(data.data() + offset, 10000), 0) << "not kept for after the handshake";
    EXPECT_EQ(m_log->Count("connect"), 0) << "sent before the handshake was reported";
    ASSERT_TRUE(m_log->WaitForData(data.size(), 15000)) << m_log->Data().size();
    EXPECT_TRUE(m_log->Data() == data);
    Delete(socket);
}

// A send made right after Connect, before the worker has handled the connection, starts the
// handshake itself; the handshake and the data still complete.
TEST_F(TlsSocketTest, SendBeforeTcpConnectGoesOutAtConnect)
{
    unsigned short port = StartPeer(kStreamServer, L"--tls 1.3 --mode echo");
    RecordingSocket* socket = new RecordingSocket(m_log);
    ASSERT_TRUE(socket->Create());
    socket->SetSendWaitTimeout(200);
    const std::string message = "queued before TCP connected";
    {
        WorkerBlocker blocker(socket->GetWindowHandle());
        ASSERT_TRUE(socket->Connect("127.0.0.1", port, FALSE, TRUE));
        EXPECT_EQ(socket->Send(message.data(), (int)message.size()), 0);
    }
    ASSERT_TRUE(m_log->WaitForData(message.size(), 10000)) << m_log->Names();
    EXPECT_EQ(m_log->Data(), message);
    EXPECT_EQ(m_log->FirstCode("connect"), 0);
    Delete(socket);
}

// Peek shows the bytes that the following Receive hands over, without reading the network.
TEST_F(TlsSocketTest, PeekMatchesFollowingReceive)
{
    unsigned short port = StartPeer(kStreamServer, L"--tls 1.2 --mode echo");
    RecordingSocket* socket =
        Connect(port, 0, [](RecordingSocket* s) { s->m_bPeekFirst = true; });
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
    unsigned short port = StartPeer(kStreamServer, L"--tls none --mode echo");
    RecordingSocket* socket = Connect(port, 0, [](RecordingSocket* s) { s->DisableSSL(); });
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

// In plain mode too, a send that waits for the network is woken by the write notification once
// the peer reads again, instead of failing when its wait runs out.
TEST_F(TlsSocketTest, PlainModeSendResumesOnWriteNotification)
{
    const size_t size = 12 * 1024 * 1024;
    unsigned short port = StartPeer(kStreamServer, L"--mode digest --delay 1 --expect " + std::to_wstring(size));
    RecordingSocket* socket = Connect(port, 0, [](RecordingSocket* s) {
        s->DisableSSL();
        s->SetSendWaitTimeout(4000);
    });
    ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
    const std::string data = Pattern(size);
    DWORD start = GetTickCount();
    for (size_t offset = 0; offset < size;) {
        int sent = socket->Send(data.data() + offset, (int)(size - offset));
        ASSERT_GT(sent, 0) << "after " << offset << " bytes";
        offset += sent;
    }
    EXPECT_LT(GetTickCount() - start, 3500u) << "the sender sat out its wait";
    const std::string expected = std::to_string(size) + " " + Sha256Hex(data) + "\n";
    ASSERT_TRUE(m_log->WaitForData(expected.size(), 30000));
    EXPECT_EQ(m_log->Data(), expected);
    Delete(socket);
}

// The server role: a listening TLS socket with a certificate hands each connection to a TLS socket
// of the application; both ends report the connection after the handshake and exchange data.
typedef AcceptingListener<RecordingSocket, RecordingSocket> TlsListener;

TEST_F(TlsSocketTest, ServerRoleWithCertificate)
{
    zeltest::TempDir folder;
    std::string unixFolder = zeltest::Narrow(folder.Path().substr(2));
    for (char& c : unixFolder)
        if (c == '\\') c = '/';
    zeltest::ChildProcess openssl;
    ASSERT_TRUE(openssl.Start(zeltest::Widen("Z:\\usr\\bin\\openssl req -x509 -newkey ec -pkeyopt "
                                             "ec_paramgen_curve:prime256v1 -nodes -days 2 -subj /CN=localhost -keyout " +
                                             unixFolder + "/key.pem -out " + unixFolder + "/cert.pem")));
    // The tool runs on as a process of the host: the certificate, written after the key, is
    // ready once its closing line is there.
    ASSERT_TRUE(zeltest::PumpUntil(
        [&] {
            std::string pem;
            return zeltest::ReadFileBytes(folder.File(L"cert.pem"), pem) &&
                   pem.find("-----END CERTIFICATE-----") != std::string::npos;
        },
        20000))
        << "no certificate";

    auto acceptedLog = std::make_shared<CallbackLog>();
    TlsListener* listener = new TlsListener(m_log, acceptedLog);
    ASSERT_TRUE(listener->Create());
    ASSERT_TRUE(listener->LoadCertificate(zeltest::Narrow(folder.File(L"cert.pem")),
                                          zeltest::Narrow(folder.File(L"key.pem"))));
    ASSERT_TRUE(listener->Bind(inet_addr("127.0.0.1"), 0));
    ASSERT_TRUE(listener->Listen(5));
    auto clientLog = std::make_shared<CallbackLog>();
    RecordingSocket* client = new RecordingSocket(clientLog);
    ASSERT_TRUE(client->Create());
    ASSERT_TRUE(client->Connect("127.0.0.1", listener->GetBindPort(), FALSE, TRUE));
    ASSERT_TRUE(clientLog->WaitForEvent("connect", 10000)) << clientLog->Names() << " / " << m_log->Names();
    EXPECT_EQ(clientLog->FirstCode("connect"), 0);
    ASSERT_TRUE(acceptedLog->WaitForEvent("connect", 10000)) << acceptedLog->Names();
    EXPECT_EQ(acceptedLog->FirstCode("connect"), 0);
    const std::string message = "client to server";
    EXPECT_GE(client->Send(message.data(), (int)message.size()), 0);
    ASSERT_TRUE(acceptedLog->WaitForData(message.size(), 10000));
    EXPECT_EQ(acceptedLog->Data(), message);
    EXPECT_GE(listener->m_pAccepted->Send("back", 4), 0);
    ASSERT_TRUE(clientLog->WaitForData(4, 10000));
    EXPECT_EQ(clientLog->Data(), "back");
    client->OnSocketDelete();
    listener->m_pAccepted->OnSocketDelete();
    EXPECT_TRUE(clientLog->WaitForEvent("deleted", 5000));
    EXPECT_TRUE(acceptedLog->WaitForEvent("deleted", 5000));
    Delete(listener);
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
    unsigned short port = StartPeer(GetParam().script, GetParam().args);
    RecordingSocket* socket = Connect(port, 2000);
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
    unsigned short port = StartPeer(kBadPeer, L"--mode mute");
    DWORD start = GetTickCount();
    RecordingSocket* socket = Connect(port, 1000);
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
        unsigned short port = StartPeer(kStreamServer, L"--tls 1.2 --mode corrupt");
        RecordingSocket* socket =
            Connect(port, 0, [&](RecordingSocket* s) { s->m_bCloseOnSSLError = closeOnError; });
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
// the write notifications once the peer reads again: the peer gets every byte, once, in order.
// Sent during the handshake, the block first waits as plaintext; each piece of it is encrypted
// once, however the network takes the ciphertext.
TEST_F(TlsSocketTest, LargeSendToSlowReaderArrivesWhole)
{
    const size_t size = 12 * 1024 * 1024;
    const std::string data = Pattern(size);
    const std::string expected = std::to_string(size) + " " + Sha256Hex(data) + "\n";
    for (bool duringHandshake : {false, true}) {
        m_log = std::make_shared<CallbackLog>();
        unsigned short port = StartPeer(kStreamServer, std::wstring(duringHandshake ? L"--tls 1.3" : L"--tls 1.2") +
                                                           L" --mode digest --delay 2 --expect " + std::to_wstring(size));
        RecordingSocket* socket = Connect(port, 0, [](RecordingSocket* s) { s->SetSendWaitTimeout(300); });
        if (!duringHandshake) ASSERT_TRUE(m_log->WaitForEvent("connect", 10000));
        EXPECT_GE(socket->Send(data.data(), (int)data.size()), 0);
        ASSERT_TRUE(m_log->WaitForData(expected.size(), 60000)) << m_log->Names();
        EXPECT_EQ(m_log->Data(), expected) << (duringHandshake ? "sent during the handshake" : "sent after it");
        Delete(socket);
    }
}

}  // namespace
