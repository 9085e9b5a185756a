#pragma once
// Shared pieces of the voice tests: generated tones and their measures, fake audio devices, a
// plain UDP peer on loopback.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/voice/IAudioInput.h"
#include "net/voice/IAudioOutput.h"

namespace voicetest {

// nSamples of a sine tone at three quarters of full scale.
std::vector<short> Tone(double dFrequency, int nSamples, int nSampleRate);
double Rms(const std::vector<short>& samples);
// The frequency estimated from zero crossings.
double DominantFrequency(const std::vector<short>& samples, int nSampleRate);
std::vector<short> ToSamples(const std::string& bytes);
std::string ToBytes(const std::vector<short>& samples);

// An output device whose play position the test sets; it records what is asked of it.
class FakeAudioOutput : public IAudioOutput {
public:
    struct State {
        std::mutex mutex;
        bool bOpenSucceeds = true;
        bool bOpen = false;
        DWORD dwPlayed = 0;
        bool bEndPending = false;
        std::vector<std::string> calls;
        BYTE* pBuffer = nullptr;
        DWORD dwBytes = 0;
        int Count(const std::string& call);
    };
    explicit FakeAudioOutput(std::shared_ptr<State> pState) : m_pState(std::move(pState)) {}

    bool Open() override;
    bool Play(BYTE* pData, DWORD dwBytes) override;
    bool WaitForEnd(DWORD dwWaitMs) override;
    bool Pause() override;
    bool Restart() override;
    bool Reset() override;
    void Close() override;
    DWORD GetPlayedBytes() override;

private:
    bool Record(const char* call);
    std::shared_ptr<State> m_pState;
};

// An input device that records the blocks the test feeds it.
class FakeAudioInput : public IAudioInput {
public:
    struct State {
        std::mutex mutex;
        bool bStartSucceeds = true;
        std::deque<std::string> blocks;   // delivered one per Service call
        int nRequeued = 0;
        int nClosed = 0;
    };
    explicit FakeAudioInput(std::shared_ptr<State> pState) : m_pState(std::move(pState)) {}

    bool Open() override { return true; }
    bool QueueBuffers(int nCount, DWORD dwBytes, DWORD dwAlloc) override;
    bool Start() override;
    void Service(DWORD dwWaitMs, const BlockHandler& handler) override;
    void Close() override;

private:
    std::shared_ptr<State> m_pState;
    std::vector<std::string> m_buffers;
};

// A blocking UDP socket on 127.0.0.1 that plays the voice server's part in a test.
class UdpPeer {
public:
    UdpPeer();
    ~UdpPeer();
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    unsigned short Port() const { return m_nPort; }
    // One datagram, or false after dwTimeoutMs; the sender's port in *pFrom.
    bool Receive(std::string& datagram, DWORD dwTimeoutMs, unsigned short* pFrom = nullptr);
    // Receives until a datagram of that type comes (others are skipped); false on time-out.
    bool ReceiveType(int nType, std::string& datagram, DWORD dwTimeoutMs, unsigned short* pFrom = nullptr);
    bool SendTo(unsigned short nPort, const std::string& datagram);

private:
    SOCKET m_socket;
    unsigned short m_nPort;
};

// The type of a datagram of the voice channel (0 for one shorter than two bytes).
int PacketType(const std::string& datagram);

}  // namespace voicetest
