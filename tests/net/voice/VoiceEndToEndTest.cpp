// The voice conference against the local test servers: the join over TLS, the keep-alives, both
// UDP sessions, voice from capture to the server and from the server into playback.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <mutex>

#include "core/LoginManager.h"
#include "core/SettingManager.h"
#include "net/socket/SocketBase.h"
#include "net/socket/TCPSocketAsyncSSL.h"
#include "net/voice/OpusVoiceCodec.h"
#include "net/voice/SoundManager.h"
#include "net/voice/TVTClientManager.h"
#include "net/voice/TVTDataController.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/net/voice/VoiceTestSupport.h"

using namespace voicetest;

namespace {

const DWORD kWaitMs = 15000;

std::string Hex(const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

class VoiceEndToEndTest : public prototest::EndToEndTest {
protected:
    static void SetUpTestSuite()
    {
        EndToEndTest::SetUpTestSuite();
        CSettingManager::GetInstance()->SetTVTAddress(L"127.0.0.1");
        CSettingManager::GetInstance()->SetTVTPort(ServerPort(PORT_VOICE));
        ASSERT_TRUE(Manager()->Init(zeltest::SourcePath(L"protocols/tvt_protocol.xml").c_str()));
        ASSERT_TRUE(CSoundManager::GetInstance()->SetAudioDevices(
            std::unique_ptr<IAudioInput>(new FakeAudioInput(s_input)),
            std::unique_ptr<IAudioOutput>(new FakeAudioOutput(s_output))));
    }
    static void TearDownTestSuite()
    {
        // The socket workers that play into the sound manager end first, so that it is deleted
        // (its devices stopped) rather than kept alive for a worker that may still run.
        EndToEndTest::TearDownTestSuite();
        CSoundManager::DestroyInstance();
    }
    void SetUp() override
    {
        EndToEndTest::SetUp();
        Call(R"({"cmd": "config", "answer_udp_keepalive": true})");
        CLoginManager::GetInstance()->SetUserId("2001");
        _CLIENT_TIMINGS timings = Manager()->GetTimings();
        timings.dwIdleTimeout = 1000;
        Manager()->SetTimings(timings);
        Manager()->SetDataSessionTimeout(1500);
        Manager()->SetListener(m_listener.Handle());
        m_listener.Expect(WM_TVT_RESPONSE, prototest::RecordingWindow::LPARAM_REPLY);
    }
    void TearDown() override
    {
        CSoundManager::GetInstance()->StopCapture();
        CSoundManager::GetInstance()->StopPlayback();
        Manager()->SetListener((HWND) nullptr);
        Manager()->Stop();
        Manager()->GetClient()->Close();
        EndToEndTest::TearDown();
    }

    static CTVTClientManager* Manager() { return CTVTClientManager::GetInstance(); }
    static Json::Value Call(const char* pszJson)
    {
        Json::Value command;
        Json::Reader().parse(pszJson, command);
        return Control(command);
    }
    // The voice UDP records of a side ("send" or "receive") and a datagram type.
    static std::vector<Json::Value> Datagrams(const char* pszSide, int nType)
    {
        std::vector<Json::Value> found;
        Json::Value command;
        command["cmd"] = "log";
        command["server"] = "voice_udp";
        command["kind"] = "datagram";
        const Json::Value records = Control(command)["records"];
        for (const Json::Value& r : records)
            if (r["side"].asString() == pszSide && r["type"].asInt() == nType) found.push_back(r);
        return found;
    }
    // Each test joins a group of its own, so that the server's sessions of earlier tests stay apart.
    static std::string Group() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
    // Joins and waits until both voice sessions are registered; the voice channel.
    std::shared_ptr<CTVTDataController> Join()
    {
        Manager()->Start(CString(Group().c_str()));
        EXPECT_TRUE(m_listener.WaitFor(WM_TVT_RESPONSE, 1, kWaitMs)) << "no join reply";
        std::shared_ptr<CTVTDataController> pChannel = Manager()->GetDataChannel();
        EXPECT_TRUE(pChannel);
        if (!pChannel) return pChannel;
        EXPECT_TRUE(zeltest::PumpUntil([&] { return pChannel->IsRegistered('S') && pChannel->IsRegistered('R'); },
                                       kWaitMs));
        return pChannel;
    }

    static std::shared_ptr<FakeAudioInput::State> s_input;
    static std::shared_ptr<FakeAudioOutput::State> s_output;
};

std::shared_ptr<FakeAudioInput::State> VoiceEndToEndTest::s_input = std::make_shared<FakeAudioInput::State>();
std::shared_ptr<FakeAudioOutput::State> VoiceEndToEndTest::s_output = std::make_shared<FakeAudioOutput::State>();

TEST_F(VoiceEndToEndTest, JoinRegistersBothSessionsAndKeepsEverythingAlive)
{
    std::shared_ptr<CTVTDataController> pChannel = Join();
    ASSERT_TRUE(pChannel);
    const Json::Value joins = Frames("voice", "A002", "CON000001");
    ASSERT_EQ(joins.size(), 1u);
    const Json::Value& join = joins[0];
    EXPECT_EQ(join["app"].asString(), "A002");
    EXPECT_EQ(join["header"]["GROUPID"].asString(), Group());
    EXPECT_EQ(join["header"]["ACCOUNTID"].asString(), "2001");
    EXPECT_EQ(join["body"]["pushKey"].asString().substr(0, 4), "PPM-");
    EXPECT_EQ(Datagrams("send", 1).size(), 1u) << "one \"S\" registration";
    EXPECT_EQ(Datagrams("receive", 1).size(), 1u) << "one \"R\" registration";
    EXPECT_TRUE(Manager()->IsSessionOpen());

    // The control connection's keep-alive after a second of quiet, answered.
    ASSERT_TRUE(WaitForFrames("voice", "A002", "CON000000", 1, kWaitMs));
    EXPECT_TRUE(zeltest::PumpUntil([&] { return !Manager()->IsKeepAliveSent(); }, kWaitMs));
    // Both voice sessions' keep-alives, answered: no session is opened again.
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Datagrams("send", 0).size() >= 2 && Datagrams("receive", 0).size() >= 2; },
                                   kWaitMs));
    EXPECT_EQ(pChannel->GetOpenCount('S'), 1);
    EXPECT_EQ(pChannel->GetOpenCount('R'), 1);
    EXPECT_EQ(Manager()->GetDataChannel(), pChannel) << "the conference connection was made again";
}

TEST_F(VoiceEndToEndTest, CapturedVoiceReachesTheServerAfterTheRegistration)
{
    std::string block = ToBytes(Tone(440.0, voice::kBlockSamples, voice::kSampleRate));
    {
        std::lock_guard<std::mutex> lock(s_input->mutex);
        s_input->blocks.clear();
        for (int i = 0; i < 3; ++i) s_input->blocks.push_back(block);
    }
    // Capture runs before the conference is joined: those frames have no channel to go to.
    ASSERT_TRUE(CSoundManager::GetInstance()->StartCapture());
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        std::lock_guard<std::mutex> lock(s_input->mutex);
        return s_input->blocks.empty();
    }, kWaitMs));
    ASSERT_TRUE(Join());
    {
        std::lock_guard<std::mutex> lock(s_input->mutex);
        for (int i = 0; i < 4; ++i) s_input->blocks.push_back(block);
        s_input->blocks.push_back(block.substr(0, 100));   // the device stopping
    }
    EXPECT_TRUE(m_listener.WaitFor(WM_TVT_CAPTURE_END, 1, kWaitMs));
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Datagrams("receive", 2).size() >= 4; }, kWaitMs));
    zeltest::PumpFor(200);
    std::vector<Json::Value> voice = Datagrams("receive", 2);
    EXPECT_EQ(voice.size(), 4u);
    const int nRegistration = Datagrams("receive", 1)[0]["seq"].asInt();
    for (const Json::Value& r : voice) {
        EXPECT_GT(r["seq"].asInt(), nRegistration);
        EXPECT_GT(r["length"].asInt(), 0);
        EXPECT_LE(r["length"].asInt(), 160) << "about 100 bytes at 8000 bit/s";
    }
}

TEST_F(VoiceEndToEndTest, VoiceFromTheServerIsPlayed)
{
    {
        std::lock_guard<std::mutex> lock(s_output->mutex);
        s_output->dwPlayed = 0;
    }
    ASSERT_TRUE(CSoundManager::GetInstance()->StartPlayback());
    ASSERT_TRUE(Join());
    std::vector<short> tone = Tone(440.0, voice::kBlockSamples, voice::kSampleRate);
    unsigned char frame[voice::kFrameBufferBytes];
    int n = COpusVoiceCodec().Encode(tone.data(), (int)tone.size(), frame, sizeof frame);
    ASSERT_GT(n, 0);
    Json::Value command;
    command["cmd"] = "voice";
    command["hex"] = Hex(std::string((const char*)frame, n));
    command["group"] = Group();
    EXPECT_EQ(Control(command)["sent"].asInt(), 1);
    ASSERT_TRUE(zeltest::PumpUntil([&] {
        return CSoundManager::GetInstance()->GetRingState().GetWriteOffset() == 16000u + voice::kBlockBytes;
    }, kWaitMs));
    std::string ring;
    ASSERT_TRUE(CSoundManager::GetInstance()->CopyRing(16000, voice::kBlockBytes, ring));
    EXPECT_NEAR(DominantFrequency(ToSamples(ring.substr(voice::kBlockBytes / 2)), voice::kSampleRate), 440.0, 40.0);
}

TEST_F(VoiceEndToEndTest, ShortDatagramAnswersTheSessionKeepAlive)
{
    std::shared_ptr<CTVTDataController> pChannel = Join();
    ASSERT_TRUE(pChannel);
    Call(R"({"cmd": "config", "answer_udp_keepalive": false})");
    ASSERT_TRUE(zeltest::PumpUntil([&] { return pChannel->IsKeepAliveSent('S'); }, kWaitMs));
    const size_t nKeepAlives = Datagrams("send", 0).size();
    // One zero byte: the missing header bytes read as zeros, a keep-alive answer.
    Json::Value command;
    command["cmd"] = "voice";
    command["hex"] = "00";
    command["raw"] = true;
    command["group"] = Group();
    EXPECT_EQ(Control(command)["sent"].asInt(), 1);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return !pChannel->IsKeepAliveSent('S'); }, kWaitMs));
    // The next period sends another keep-alive on the same session instead of opening it again.
    ASSERT_TRUE(zeltest::PumpUntil([&] { return Datagrams("send", 0).size() > nKeepAlives; }, kWaitMs));
    EXPECT_EQ(pChannel->GetOpenCount('S'), 1);
    EXPECT_EQ(Datagrams("send", 1).size(), 1u) << "the session registered again";
}

}  // namespace
