#pragma once
// Shared pieces of the socket library's tests: a library started for each test, sockets that
// record their callbacks (which run on the worker threads), and a free loopback port.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/socket/TCPSocketAsyncSSL.h"
#include "tests/support/TestSupport.h"

namespace sockettest {

// Callbacks seen by a socket, in order, with the data it read; shared with the test so that it
// outlives a socket deleted on its worker.
class CallbackLog {
public:
    struct Event {
        std::string name;
        int code;
        DWORD thread;
    };

    void Add(const std::string& name, int code);
    void AddData(const char* data, int size);
    // Waits until pred() holds (checked under the log's lock); false on time-out.
    bool WaitFor(const std::function<bool()>& pred, DWORD ms);
    bool WaitForEvent(const std::string& name, DWORD ms);
    // Until 'count' events of that name came.
    bool WaitForCount(const std::string& name, int count, DWORD ms);
    bool WaitForData(size_t size, DWORD ms);
    int Count(const std::string& name);
    // The code of the first event of that name, or 12345 when there is none.
    int FirstCode(const std::string& name);
    std::vector<Event> Events();
    std::string Data();
    std::string Names();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Event> m_events;
    std::string m_data;
};

// Records every user callback of a socket in a log and reads all data that arrives.
template <class Base>
class CallbackRecorder : public Base {
public:
    template <class... Args>
    explicit CallbackRecorder(std::shared_ptr<CallbackLog> log, Args... args) : Base(args...), m_pLog(std::move(log))
    {
    }
    ~CallbackRecorder() override { m_pLog->Add("deleted", 0); }

    BOOL OnSocketTimeout() override { return Record("timeout", 0); }
    BOOL OnSocketConnect(int error) override { return Record("connect", error); }
    BOOL OnSocketAccept(int error) override { return Record("accept", error); }
    BOOL OnSocketClose(int error) override { return Record("close", error); }
    BOOL OnSocketOOB(int error) override { return Record("oob", error); }
    BOOL OnSocketWrite(int error) override { return Record("write", error); }
    BOOL OnSocketReceive(int error) override
    {
        Record("receive", error);
        char buffer[16384];
        int n;
        while ((n = this->Receive(buffer, sizeof buffer)) > 0) m_pLog->AddData(buffer, n);
        if (n == -1) Record("receive-failed", -1);
        return TRUE;
    }

protected:
    BOOL Record(const char* name, int code)
    {
        m_pLog->Add(name, code);
        return TRUE;
    }
    std::shared_ptr<CallbackLog> m_pLog;
};

// A plain asynchronous TCP socket that records its callbacks.
typedef CallbackRecorder<CTCPSocketAsync> RecordingTcpSocket;

// A TLS socket (plain when asked) that records its callbacks and its TLS hooks.
class RecordingSocket : public CallbackRecorder<CTCPSocketAsyncSSL> {
public:
    explicit RecordingSocket(std::shared_ptr<CallbackLog> log, bool plainMode = false)
        : CallbackRecorder<CTCPSocketAsyncSSL>(std::move(log), plainMode)
    {
    }

    BOOL OnSocketReceive(int error) override;
    bool OnSSLError(const std::string& method, const std::string& text, const std::string& errors) override;
    void OnHandshakeComplete(bool success) override { Record("handshake", success ? 1 : 0); }

    // What OnSSLError answers (the library's default closes).
    bool m_bCloseOnSSLError = true;
    // Each OnSocketReceive first peeks and logs "peek-match" or "peek-mismatch" against the
    // following Receive.
    bool m_bPeekFirst = false;
};

// A listening socket that accepts each connection on a new socket of its own, which logs into
// a log of its own.
template <class Base, class Accepted>
class AcceptingListener : public Base {
public:
    AcceptingListener(std::shared_ptr<CallbackLog> log, std::shared_ptr<CallbackLog> acceptedLog)
        : Base(std::move(log)), m_pAcceptedLog(std::move(acceptedLog))
    {
    }
    BOOL OnSocketAccept(int error) override
    {
        m_pAccepted = new Accepted(m_pAcceptedLog);
        return this->Record("accept", this->Accept(m_pAccepted) ? error : -1);
    }
    std::shared_ptr<CallbackLog> m_pAcceptedLog;
    Accepted* m_pAccepted = nullptr;
};

// Starts the socket library (and the TLS library) for each test and shuts it down afterwards.
class SocketLibraryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    virtual unsigned long WorkerCount() const { return 4; }
};

// The Python peers of these tests.
extern const wchar_t kStreamServer[];
extern const wchar_t kBadPeer[];

// A test with one Python peer, sockets that log into m_log, and their deletion on their worker.
class PeerSocketTest : public SocketLibraryTest {
protected:
    // Starts the peer and returns its port (0 when it did not start).
    unsigned short StartPeer(const wchar_t* script, const std::wstring& args);
    // Creates a socket, lets 'prepare' set it up, and starts an asynchronous connect.
    template <class Socket>
    Socket* ConnectSocket(const std::string& host, unsigned short port, unsigned long timeoutMs = 0,
                          const std::function<void(Socket*)>& prepare = nullptr)
    {
        Socket* socket = new Socket(m_log);
        EXPECT_TRUE(socket->Create());
        if (prepare) prepare(socket);
        if (timeoutMs) socket->SetConnectionTimeout(timeoutMs);
        socket->Connect(host, port, FALSE, TRUE);
        return socket;
    }
    void Delete(CVantrelAsyncSocket* socket);

    std::shared_ptr<CallbackLog> m_log = std::make_shared<CallbackLog>();
    zeltest::PythonFixture m_server;
};

// Holds a worker inside a timeout callback until released (or destroyed).
class WorkerBlocker {
public:
    explicit WorkerBlocker(HWND window);
    ~WorkerBlocker();
    WorkerBlocker(const WorkerBlocker&) = delete;
    WorkerBlocker& operator=(const WorkerBlocker&) = delete;
    void Release() { SetEvent(m_hRelease); }

private:
    static void Run(LPVOID data);
    HANDLE m_hEntered;
    HANDLE m_hRelease;
};

// A loopback port on which nothing listens.
unsigned short UnusedPort();
// A pattern of 'size' bytes that shows misplaced or repeated blocks.
std::string Pattern(size_t size);
// Hex SHA-256 of the bytes, as the fixtures report it.
std::string Sha256Hex(const std::string& bytes);

}  // namespace sockettest
