#include "tests/net/protocol/FakeTasSocket.h"

#include "net/protocol/TasClient.h"
#include "net/protocol/TasSocketLink.h"

namespace prototest {

namespace {

std::mutex g_hubMutex;
std::vector<std::unique_ptr<FakeTasSocket>> g_sockets;
bool g_bFailCreates = false;

ITasSocket* MakeFake(std::shared_ptr<CTasSocketLink> link, bool tls)
{
    std::lock_guard<std::mutex> lock(g_hubMutex);
    if (g_bFailCreates) return nullptr;
    g_sockets.emplace_back(new FakeTasSocket(std::move(link), tls));
    return g_sockets.back().get();
}

uint32_t Get32(const std::string& s, size_t at)
{
    return ((uint32_t)(uint8_t)s[at] << 24) | ((uint32_t)(uint8_t)s[at + 1] << 16) |
           ((uint32_t)(uint8_t)s[at + 2] << 8) | (uint8_t)s[at + 3];
}

Json::Value CountedJson(const std::string& section)
{
    Json::Value value;
    if (section.size() < 4 || Get32(section, 0) != section.size() - 4) return value;
    Json::Reader().parse(section.substr(4), value);
    return value;
}

std::string Trim(const std::string& s)
{
    return s.substr(0, s.find('\0'));
}

}  // namespace

bool FakeTasSocket::StartConnect(const std::string& host, unsigned short port)
{
    m_host = host;
    m_port = port;
    ++m_nConnectCalls;
    return true;
}

int FakeTasSocket::SendBytes(const char* data, int size, int& error)
{
    error = 0;
    if (m_nSendError) {
        error = m_nSendError;
        return -1;
    }
    const int n = m_nAccept < 0 || m_nAccept > size ? size : m_nAccept;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_written.append(data, (size_t)n);
    }
    if (m_onWritten) m_onWritten();
    return n;
}

void FakeTasSocket::Release()
{
    m_bReleased = true;
    m_bConnected = false;
    m_link->Detach(false);
}

void FakeTasSocket::FireConnect()
{
    m_bConnected = true;
    m_link->Call([](CTasClient& c) { c.OnConnect(); });
}

void FakeTasSocket::FireData(const std::string& bytes)
{
    m_link->Call([&](CTasClient& c) { c.OnData(bytes.data(), (int)bytes.size()); });
}

void FakeTasSocket::FireClose(int error)
{
    m_bConnected = false;
    m_link->Call([&](CTasClient& c) { c.OnClose(error); });
}

void FakeTasSocket::FireTimeout()
{
    m_link->Call([](CTasClient& c) { c.OnTimeout(); });
}

void FakeTasSocket::FireWritable()
{
    m_link->Call([](CTasClient& c) { c.OnWritable(); });
}

std::string FakeTasSocket::Written()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_written;
}

std::vector<SentFrame> FakeTasSocket::Frames()
{
    return CutFrames(Written());
}

std::vector<SentFrame> CutFrames(const std::string& stream)
{
    std::vector<SentFrame> frames;
    size_t at = 0;
    while (stream.size() - at >= 39) {
        SentFrame f;
        f.version = stream.substr(at, 6);
        const bool longForm = f.version == "PHV102";
        const size_t headerSize = longForm ? 196 : 39;
        if (stream.size() - at < headerSize) break;
        const size_t lengths = at + (longForm ? 188 : 31);
        const uint32_t hl = Get32(stream, lengths), bl = Get32(stream, lengths + 4);
        if (stream.size() - at < headerSize + hl + bl) break;
        f.app = Trim(stream.substr(at + 6, 4));
        f.msg = Trim(stream.substr(at + 10, 9));
        if (longForm) f.transactionId = ((uint64_t)Get32(stream, at + 27) << 32) | Get32(stream, at + 31);
        f.headerSection = stream.substr(at + headerSize, hl);
        f.bodySection = stream.substr(at + headerSize + hl, bl);
        f.header = CountedJson(f.headerSection);
        f.body = CountedJson(f.bodySection);
        frames.push_back(f);
        at += headerSize + hl + bl;
    }
    return frames;
}

void FakeSocketHub::Install()
{
    CTasClient::SetSocketFactory(&MakeFake);
}

void FakeSocketHub::Uninstall()
{
    CTasClient::SetSocketFactory(nullptr);
    std::lock_guard<std::mutex> lock(g_hubMutex);
    g_sockets.clear();
    g_bFailCreates = false;
}

std::vector<FakeTasSocket*> FakeSocketHub::Sockets()
{
    std::lock_guard<std::mutex> lock(g_hubMutex);
    std::vector<FakeTasSocket*> all;
    for (auto& s : g_sockets) all.push_back(s.get());
    return all;
}

FakeTasSocket* FakeSocketHub::Last()
{
    std::lock_guard<std::mutex> lock(g_hubMutex);
    return g_sockets.empty() ? nullptr : g_sockets.back().get();
}

void FakeSocketHub::FailCreates(bool bFail)
{
    std::lock_guard<std::mutex> lock(g_hubMutex);
    g_bFailCreates = bFail;
}

}  // namespace prototest
