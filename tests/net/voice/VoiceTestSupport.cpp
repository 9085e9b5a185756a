#include "tests/net/voice/VoiceTestSupport.h"

#include <cmath>
#include <cstring>

namespace voicetest {

std::vector<short> Tone(double dFrequency, int nSamples, int nSampleRate)
{
    std::vector<short> samples(nSamples);
    for (int i = 0; i < nSamples; ++i)
        samples[i] = (short)(24000.0 * std::sin(2.0 * 3.14159265358979 * dFrequency * i / nSampleRate));
    return samples;
}

double Rms(const std::vector<short>& samples)
{
    if (samples.empty()) return 0;
    double sum = 0;
    for (short s : samples) sum += (double)s * s;
    return std::sqrt(sum / samples.size());
}

double DominantFrequency(const std::vector<short>& samples, int nSampleRate)
{
    int nCrossings = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if ((samples[i - 1] < 0) != (samples[i] < 0)) ++nCrossings;
    return samples.size() < 2 ? 0 : nCrossings * nSampleRate / (2.0 * (samples.size() - 1));
}

std::vector<short> ToSamples(const std::string& bytes)
{
    std::vector<short> samples(bytes.size() / 2);
    if (!samples.empty()) memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

std::string ToBytes(const std::vector<short>& samples)
{
    return std::string((const char*)samples.data(), samples.size() * 2);
}

// ------------------------------------------------------------------------------- fake output

int FakeAudioOutput::State::Count(const std::string& call)
{
    std::lock_guard<std::mutex> lock(mutex);
    int n = 0;
    for (const std::string& c : calls) n += c == call;
    return n;
}

bool FakeAudioOutput::Record(const char* call)
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    m_pState->calls.push_back(call);
    return m_pState->bOpen;
}

bool FakeAudioOutput::Open()
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    m_pState->calls.push_back("open");
    m_pState->bOpen = m_pState->bOpenSucceeds;
    return m_pState->bOpen;
}

bool FakeAudioOutput::Play(BYTE* pData, DWORD dwBytes)
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    m_pState->calls.push_back("play");
    m_pState->pBuffer = pData;
    m_pState->dwBytes = dwBytes;
    return m_pState->bOpen;
}

bool FakeAudioOutput::WaitForEnd(DWORD dwWaitMs)
{
    Sleep(dwWaitMs);
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    bool bEnded = m_pState->bEndPending;
    m_pState->bEndPending = false;
    return bEnded;
}

bool FakeAudioOutput::Pause() { return Record("pause"); }
bool FakeAudioOutput::Restart() { return Record("restart"); }
bool FakeAudioOutput::Reset() { return Record("reset"); }

void FakeAudioOutput::Close()
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    m_pState->calls.push_back("close");
    m_pState->bOpen = false;
}

DWORD FakeAudioOutput::GetPlayedBytes()
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    return m_pState->bOpen ? m_pState->dwPlayed : 0;
}

// -------------------------------------------------------------------------------- fake input

bool FakeAudioInput::QueueBuffers(int nCount, DWORD dwBytes, DWORD dwAlloc)
{
    m_buffers.assign(nCount, std::string(dwAlloc, '\0'));
    return true;
}

bool FakeAudioInput::Start()
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    return m_pState->bStartSucceeds;
}

void FakeAudioInput::Service(DWORD dwWaitMs, const BlockHandler& handler)
{
    std::string block;
    bool bHave = false;
    {
        std::lock_guard<std::mutex> lock(m_pState->mutex);
        if (!m_pState->blocks.empty() && !m_buffers.empty()) {
            block = m_pState->blocks.front();
            m_pState->blocks.pop_front();
            bHave = true;
        }
    }
    if (!bHave) {
        Sleep(dwWaitMs < 20 ? dwWaitMs : 20);
        return;
    }
    std::string& buffer = m_buffers[0];
    buffer.replace(0, block.size(), block);
    bool bRequeue = handler(0, (BYTE*)&buffer[0], (DWORD)block.size());
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    if (bRequeue) ++m_pState->nRequeued;
}

void FakeAudioInput::Close()
{
    std::lock_guard<std::mutex> lock(m_pState->mutex);
    ++m_pState->nClosed;
}

// ------------------------------------------------------------------------------------ peer

UdpPeer::UdpPeer() : m_socket(INVALID_SOCKET), m_nPort(0)
{
    // Winsock counts its start-ups: the peer may come before the code under test starts it.
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    m_socket = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (m_socket != INVALID_SOCKET && bind(m_socket, (sockaddr*)&address, sizeof address) == 0 &&
        getsockname(m_socket, (sockaddr*)&address, &length) == 0)
        m_nPort = ntohs(address.sin_port);
}

UdpPeer::~UdpPeer()
{
    if (m_socket != INVALID_SOCKET) closesocket(m_socket);
    WSACleanup();
}

bool UdpPeer::Receive(std::string& datagram, DWORD dwTimeoutMs, unsigned short* pFrom)
{
    DWORD dwTimeout = dwTimeoutMs;
    setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, (const char*)&dwTimeout, sizeof dwTimeout);
    char buffer[70000];
    sockaddr_in from = {};
    int length = sizeof from;
    int n = recvfrom(m_socket, buffer, sizeof buffer, 0, (sockaddr*)&from, &length);
    if (n < 0) return false;
    datagram.assign(buffer, n);
    if (pFrom) *pFrom = ntohs(from.sin_port);
    return true;
}

bool UdpPeer::ReceiveType(int nType, std::string& datagram, DWORD dwTimeoutMs, unsigned short* pFrom)
{
    DWORD dwEnd = GetTickCount() + dwTimeoutMs;
    for (;;) {
        DWORD dwNow = GetTickCount();
        if ((LONG)(dwEnd - dwNow) <= 0) return false;
        if (!Receive(datagram, dwEnd - dwNow, pFrom)) return false;
        if (PacketType(datagram) == nType) return true;
    }
}

bool UdpPeer::SendTo(unsigned short nPort, const std::string& datagram)
{
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(nPort);
    return sendto(m_socket, datagram.data(), (int)datagram.size(), 0, (sockaddr*)&to, sizeof to) ==
           (int)datagram.size();
}

int PacketType(const std::string& datagram)
{
    return datagram.size() < 2 ? 0 : ((unsigned char)datagram[0] << 8) | (unsigned char)datagram[1];
}

}  // namespace voicetest
