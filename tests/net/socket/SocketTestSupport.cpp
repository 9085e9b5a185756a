#include "tests/net/socket/SocketTestSupport.h"

#include <openssl/sha.h>

#include <cstdio>

#include "net/socket/SocketThreadManagerImp.h"

namespace sockettest {

void CallbackLog::Add(const std::string& name, int code)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.push_back(Event{name, code, GetCurrentThreadId()});
    m_changed.notify_all();
}

void CallbackLog::AddData(const char* data, int size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_data.append(data, (size_t)size);
    m_changed.notify_all();
}

bool CallbackLog::WaitFor(const std::function<bool()>& pred, DWORD ms)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(ms), pred);
}

bool CallbackLog::WaitForEvent(const std::string& name, DWORD ms)
{
    return WaitFor(
        [&] {
            for (const Event& e : m_events)
                if (e.name == name) return true;
            return false;
        },
        ms);
}

bool CallbackLog::WaitForCount(const std::string& name, int count, DWORD ms)
{
    return WaitFor(
        [&] {
            int n = 0;
            for (const Event& e : m_events) n += e.name == name;
            return n >= count;
        },
        ms);
}

bool CallbackLog::WaitForData(size_t size, DWORD ms)
{
    return WaitFor([&] { return m_data.size() >= size; }, ms);
}

int CallbackLog::Count(const std::string& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const Event& e : m_events) n += e.name == name;
    return n;
}

int CallbackLog::FirstCode(const std::string& name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Event& e : m_events)
        if (e.name == name) return e.code;
    return 12345;
}

std::vector<CallbackLog::Event> CallbackLog::Events()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_events;
}

std::string CallbackLog::Data()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_data;
}

std::string CallbackLog::Names()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string names;
    for (const Event& e : m_events) names += e.name + "(" + std::to_string(e.code) + ") ";
    return names;
}

BOOL RecordingSocket::OnSocketReceive(int error)
{
    if (!m_bPeekFirst) return CallbackRecorder<CTCPSocketAsyncSSL>::OnSocketReceive(error);
    Record("receive", error);
    // Fill the received queue, then compare what Peek shows with what Receive hands over.
    char buffer[100];
    char peeked[100];
    Receive(buffer, 0);
    int p = Peek(peeked, sizeof peeked);
    int n = p > 0 ? Receive(buffer, p) : 0;
    if (p > 0) {
        Record(n == p && std::string(peeked, p) == std::string(buffer, n) ? "peek-match" : "peek-mismatch", p);
        m_pLog->AddData(buffer, n);
    }
    return TRUE;
}

bool RecordingSocket::OnSSLError(const std::string&, const std::string&, const std::string&)
{
    Record("ssl-error", 0);
    return m_bCloseOnSSLError;
}

void SocketLibraryTest::SetUp()
{
    ASSERT_TRUE(CSocketBase::InitializeSockets(true, WorkerCount()));
    ASSERT_TRUE(CTCPSocketAsyncSSL::InitializeSSL());
}

void SocketLibraryTest::TearDown()
{
    EXPECT_TRUE(CSocketBase::ShutdownSockets());
    CTCPSocketAsyncSSL::ShutdownSSL();
}

const wchar_t kStreamServer[] = L"tests/servers/socket_stream_server.py";
const wchar_t kBadPeer[] = L"tests/servers/socket_bad_peer.py";

unsigned short PeerSocketTest::StartPeer(const wchar_t* script, const std::wstring& args)
{
    if (!m_server.Start(script, args)) {
        ADD_FAILURE() << "the peer did not start";
        return 0;
    }
    return (unsigned short)m_server.Port();
}

void PeerSocketTest::Delete(CVantrelAsyncSocket* socket)
{
    socket->OnSocketDelete();
    EXPECT_TRUE(m_log->WaitForEvent("deleted", 5000));
}

WorkerBlocker::WorkerBlocker(HWND window)
    : m_hEntered(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_hRelease(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    CVantrelAsyncSocket::GetGlobalThreadManager()->RegisterTimeout(1, Run, this, window);
    WaitForSingleObject(m_hEntered, 5000);
}

WorkerBlocker::~WorkerBlocker()
{
    Release();
    // The worker must have left the callback before the events go.
    Sleep(50);
    CloseHandle(m_hRelease);
    CloseHandle(m_hEntered);
}

void WorkerBlocker::Run(LPVOID data)
{
    WorkerBlocker* self = static_cast<WorkerBlocker*>(data);
    SetEvent(self->m_hEntered);
    WaitForSingleObject(self->m_hRelease, 10000);
}

unsigned short UnusedPort()
{
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, (sockaddr*)&address, sizeof address);
    int length = sizeof address;
    getsockname(s, (sockaddr*)&address, &length);
    closesocket(s);
    return ntohs(address.sin_port);
}

std::string Pattern(size_t size)
{
    std::string bytes(size, '\0');
    unsigned int state = 12345;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = (char)(state >> 16);
    }
    return bytes;
}

std::string Sha256Hex(const std::string& bytes)
{
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256((const unsigned char*)bytes.data(), bytes.size(), digest);
    char hex[SHA256_DIGEST_LENGTH * 2 + 1];
    for (int i = 0; i < SHA256_DIGEST_LENGTH; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
    return std::string(hex, SHA256_DIGEST_LENGTH * 2);
}

}  // namespace sockettest
