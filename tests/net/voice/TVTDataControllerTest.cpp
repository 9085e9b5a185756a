// The voice channel's two UDP sessions against plain UDP peers in the test: registration,
// voice after registration only, keep-alives, reopening, playing what the "S" session receives.
#include <winsock2.h>
#include <gtest/gtest.h>
#include <json/json.h>

#include <memory>
#include <mutex>
#include <string>

#include "core/LoginManager.h"
#include "net/socket/SocketBase.h"
#include "net/voice/OpusVoiceCodec.h"
#include "net/voice/SoundManager.h"
#include "net/voice/TVTDataController.h"
#include "net/voice/VoicePacket.h"
#include "tests/net/voice/VoiceTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace voicetest;

namespace {

std::string Packet(int nType, const std::string& payload)
{
    return CVoicePacket::Build(nType, payload.data(), payload.size());
}

Json::Value Payload(const std::string& datagram)
{
    Json::Value value;
    if (datagram.size() > 8) Json::Reader().parse(datagram.substr(8), value);
    return value;
}

class DataChannelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CSocketBase::InitializeSockets(true, 4));
        CLoginManager::GetInstance()->SetUserId("1001");
    }
    void TearDown() override
    {
        // As the owner does: closed before it is let go, so no event still under way reopens a
        // session while the socket library shuts down.
        if (m_controller) m_controller->Close();
        m_controller.reset();
        EXPECT_TRUE(CSocketBase::ShutdownSockets());
    }
    void StartController(DWORD dwSessionTimeout = CTVTDataController::SESSION_TIMEOUT_MS)
    {
        m_controller = std::make_shared<CTVTDataController>(L"G-17", "127.0.0.1", m_r.Port(), "127.0.0.1", m_s.Port());
        m_controller->SetSessionTimeout(dwSessionTimeout);
        m_controller->Start();
    }
    // Receives the session's registration and answers it; the client's port comes back.
    unsigned short Register(UdpPeer& peer, char cSession, int nStatus = 0)
    {
        std::string datagram;
        unsigned short nFrom = 0;
        EXPECT_TRUE(peer.ReceiveType(CVoicePacket::Registration, datagram, 5000, &nFrom)) << cSession;
        EXPECT_EQ(Payload(datagram)["IN_SES_TYPE"].asString(), std::string(1, cSession));
        std::string answer = "{\"OUT_STATUS\": " + std::to_string(nStatus) + ", \"OUT_ERRORMSG\": \"\"}";
        peer.SendTo(nFrom, Packet(CVoicePacket::Registration, answer));
        EXPECT_TRUE(zeltest::PumpUntil([&] { return m_controller->IsRegistered(cSession); }, 5000)) << cSession;
        return nFrom;
    }

    UdpPeer m_r;
    UdpPeer m_s;
    std::shared_ptr<CTVTDataController> m_controller;
};

TEST_F(DataChannelTest, RegistersBothSessionsAndSendsVoiceOnlyOnceRIsRegistered)
{
    StartController();
    std::string datagram;
    unsigned short nRFrom = 0;
    ASSERT_TRUE(m_r.ReceiveType(CVoicePacket::Registration, datagram, 5000, &nRFrom));
    Json::Value registration = Payload(datagram);
    EXPECT_EQ(registration["IN_SES_TYPE"].asString(), "R");
    EXPECT_EQ(registration["IN_GROUP_ID"].asString(), "G-17");
    EXPECT_EQ(registration["IN_ACCOUNT_ID"].asString(), "1001");
    EXPECT_EQ(nRFrom, m_controller->GetLocalPort('R'));

    m_controller->SendVoice((const BYTE*)"early", 5);
    EXPECT_FALSE(m_r.ReceiveType(CVoicePacket::Voice, datagram, 300)) << "voice before the registration answer";

    // A refusal still counts as registered.
    m_r.SendTo(nRFrom, Packet(CVoicePacket::Registration, "{\"OUT_STATUS\": 7, \"OUT_ERRORMSG\": \"busy\"}"));
    ASSERT_TRUE(zeltest::PumpUntil([&] { return m_controller->IsRegistered('R'); }, 5000));
    EXPECT_FALSE(m_controller->IsRegistered('S'));
    m_controller->SendVoice((const BYTE*)"late", 4);
    ASSERT_TRUE(m_r.ReceiveType(CVoicePacket::Voice, datagram, 5000));
    EXPECT_EQ(datagram, Packet(CVoicePacket::Voice, "late"));

    Register(m_s, 'S');
    EXPECT_EQ(m_controller->GetOpenCount('S'), 1);
    EXPECT_EQ(m_controller->GetOpenCount('R'), 1);
}

TEST_F(DataChannelTest, UnparsableRegistrationAnswerStillRegisters)
{
    StartController();
    std::string datagram;
    unsigned short nFrom = 0;
    ASSERT_TRUE(m_s.ReceiveType(CVoicePacket::Registration, datagram, 5000, &nFrom));
    m_s.SendTo(nFrom, Packet(CVoicePacket::Registration, "not json"));
    EXPECT_TRUE(zeltest::PumpUntil([&] { return m_controller->IsRegistered('S'); }, 5000));
}

TEST_F(DataChannelTest, ShortDatagramAnswersTheKeepAlive)
{
    StartController(700);
    unsigned short nSFrom = Register(m_s, 'S');
    std::string datagram;
    ASSERT_TRUE(m_s.ReceiveType(CVoicePacket::KeepAlive, datagram, 5000));
    EXPECT_EQ(datagram, std::string(8, '\0'));
    EXPECT_TRUE(m_controller->IsKeepAliveSent('S'));
    // One byte: the missing header bytes read as zeros, a keep-alive answer.
    m_s.SendTo(nSFrom, std::string(1, '\0'));
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !m_controller->IsKeepAliveSent('S'); }, 5000));
    // The next period sends the next keep-alive on the same session instead of reopening it.
    ASSERT_TRUE(m_s.Receive(datagram, 5000));
    EXPECT_EQ(PacketType(datagram), CVoicePacket::KeepAlive);
    EXPECT_EQ(m_controller->GetOpenCount('S'), 1);
}

TEST_F(DataChannelTest, UnansweredSessionsAreReopenedWithANewSocket)
{
    StartController(500);
    unsigned short nSFrom = Register(m_s, 'S');
    std::string datagram;
    unsigned short nFrom = 0;
    // The "R" session is never answered: it registers again from a new socket.
    ASSERT_TRUE(m_r.ReceiveType(CVoicePacket::Registration, datagram, 5000, &nFrom));
    unsigned short nFirst = nFrom;
    ASSERT_TRUE(m_r.ReceiveType(CVoicePacket::Registration, datagram, 5000, &nFrom));
    EXPECT_NE(nFrom, nFirst);
    EXPECT_GE(m_controller->GetOpenCount('R'), 2);
    // The "S" session's keep-alive goes unanswered: it is reopened too, and stays registered.
    ASSERT_TRUE(m_s.ReceiveType(CVoicePacket::KeepAlive, datagram, 5000));
    ASSERT_TRUE(m_s.ReceiveType(CVoicePacket::Registration, datagram, 5000, &nFrom));
    EXPECT_NE(nFrom, nSFrom);
    EXPECT_EQ(m_controller->GetOpenCount('S'), 2);
    EXPECT_TRUE(m_controller->IsRegistered('S'));
}

TEST_F(DataChannelTest, ClosedChannelOpensNoSessionAgain)
{
    StartController(200);
    std::string datagram;
    ASSERT_TRUE(m_r.ReceiveType(CVoicePacket::Registration, datagram, 5000));
    ASSERT_TRUE(m_r.ReceiveType(CVoicePacket::Registration, datagram, 5000)) << "reopened while unanswered";
    m_controller->Close();
    while (m_r.Receive(datagram, 100)) {
    }
    const int nOpened = m_controller->GetOpenCount('R');
    EXPECT_FALSE(m_r.ReceiveType(CVoicePacket::Registration, datagram, 800)) << "a session opened after Close";
    EXPECT_EQ(m_controller->GetOpenCount('R'), nOpened);
    EXPECT_EQ(m_controller->GetLocalPort('R'), 0) << "the session's socket is let go";
    m_controller->Start();
    EXPECT_EQ(m_controller->GetOpenCount('R'), nOpened) << "a closed channel does not start again";
}

class DataChannelPlayTest : public DataChannelTest {
protected:
    void SetUp() override
    {
        DataChannelTest::SetUp();
        CSoundManager* pSound = CSoundManager::GetInstance();
        ASSERT_TRUE(pSound->SetAudioDevices(nullptr, std::unique_ptr<IAudioOutput>(new FakeAudioOutput(m_output))));
        ASSERT_TRUE(pSound->StartPlayback());
        ASSERT_TRUE(zeltest::PumpUntil([&] { return m_output->Count("play") >= 1; }, 5000));
        std::vector<short> tone = Tone(440.0, voice::kBlockSamples, voice::kSampleRate);
        unsigned char frame[voice::kFrameBufferBytes];
        int n = COpusVoiceCodec().Encode(tone.data(), (int)tone.size(), frame, sizeof frame);
        ASSERT_GT(n, 0);
        m_frame.assign((const char*)frame, n);
    }
    void TearDown() override
    {
        // The data channel's workers play into the sound manager: they end first, so that it is
        // deleted (its playback stopped) rather than kept alive for a worker that may still run.
        DataChannelTest::TearDown();
        CSoundManager::DestroyInstance();
    }
    DWORD WriteOffset() { return CSoundManager::GetInstance()->GetRingState().GetWriteOffset(); }

    std::shared_ptr<FakeAudioOutput::State> m_output = std::make_shared<FakeAudioOutput::State>();
    std::string m_frame;
};

TEST_F(DataChannelPlayTest, PlaysVoiceOfTheSSessionOnly)
{
    StartController();
    unsigned short nS = Register(m_s, 'S');
    unsigned short nR = Register(m_r, 'R');
    m_r.SendTo(nR, Packet(CVoicePacket::Voice, m_frame));
    // A cut datagram whose header announces the whole frame is not played either.
    std::string cut = Packet(CVoicePacket::Voice, m_frame);
    cut.resize(cut.size() - 5);
    m_s.SendTo(nS, cut);
    // Nor is a datagram too long for the receive buffer.
    m_s.SendTo(nS, Packet(CVoicePacket::Voice, m_frame + std::string(1100, 'x')));
    Sleep(300);
    EXPECT_EQ(WriteOffset(), 0u) << "voice of the R session, a cut or an overlong frame was played";

    m_s.SendTo(nS, Packet(CVoicePacket::Voice, m_frame));
    ASSERT_TRUE(zeltest::PumpUntil([&] { return WriteOffset() != 0; }, 5000));
    EXPECT_EQ(WriteOffset(), 16000u + voice::kBlockBytes);
    std::string ring;
    ASSERT_TRUE(CSoundManager::GetInstance()->CopyRing(16000, voice::kBlockBytes, ring));
    EXPECT_NEAR(DominantFrequency(ToSamples(ring.substr(voice::kBlockBytes / 2)), voice::kSampleRate), 440.0, 40.0);
}

}  // namespace
