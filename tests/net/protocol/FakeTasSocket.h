#pragma once
// A scripted stand-in for the client's TLS socket: it records what the client writes and lets the
// test raise the socket's events (connected, data, closed, idle timer) on the test's thread.
#include <winsock2.h>
#include <windows.h>

#include <json/json.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/protocol/TasSocket.h"

class CTasSocketLink;

namespace prototest {

// One frame as the client wrote it, read back independently of the code under test.
struct SentFrame {
    std::string version;
    std::string app;
    std::string msg;
    uint64_t transactionId = 0;
    std::string headerSection;
    std::string bodySection;
    // The header and body sections read as one counted JSON text each (null when they are not).
    Json::Value header;
    Json::Value body;
};

class FakeTasSocket : public ITasSocket {
public:
    FakeTasSocket(std::shared_ptr<CTasSocketLink> link, bool tls) : m_bTls(tls), m_link(std::move(link)) {}

    bool StartConnect(const std::string& host, unsigned short port) override;
    int SendBytes(const char* data, int size, int& error) override;
    bool IsSocketConnected() override { return m_bConnected; }
    void ArmIdleTimer(unsigned long ms) override { m_ulIdle = ms; }
    void SetConnectTimeout(unsigned long ms) override { m_ulConnectTimeout = ms; }
    void Release() override;

    // Events, raised on the calling thread as the worker would.
    void FireConnect();
    void FireData(const std::string& bytes);
    void FireClose(int error);
    void FireTimeout();
    void FireWritable();

    // Frames written so far, cut and read.
    std::vector<SentFrame> Frames();
    std::string Written();

    std::string m_host;
    unsigned short m_port = 0;
    int m_nConnectCalls = 0;
    bool m_bConnected = false;
    bool m_bReleased = false;
    bool m_bTls;
    unsigned long m_ulIdle = 0;
    unsigned long m_ulConnectTimeout = 0;
    // Scripting of SendBytes: at most this many bytes taken per call (-1: all), or an error.
    int m_nAccept = -1;
    int m_nSendError = 0;
    // Runs after each write, inside the client's send: what the client knows while its bytes are
    // on the way.
    std::function<void()> m_onWritten;

private:
    std::shared_ptr<CTasSocketLink> m_link;
    std::mutex m_mutex;
    std::string m_written;
};

// Every fake socket made since Install, in order of creation; owns them.
class FakeSocketHub {
public:
    // Makes the clients use fake sockets until Uninstall.
    static void Install();
    static void Uninstall();
    static std::vector<FakeTasSocket*> Sockets();
    // The newest socket, or null.
    static FakeTasSocket* Last();
    // While set, socket creation fails.
    static void FailCreates(bool bFail);
};

// Cuts a byte stream into frames by their platform headers.
std::vector<SentFrame> CutFrames(const std::string& stream);

}  // namespace prototest
