// The voice channel's datagrams and its registration text.
#include <gtest/gtest.h>
#include <json/json.h>

#include <string>

#include "net/voice/TVTDataController.h"
#include "net/voice/VoicePacket.h"

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values) s += (char)v;
    return s;
}

TEST(VoicePacket, BuildsTheHeaderBigEndian)
{
    EXPECT_EQ(CVoicePacket::Build(CVoicePacket::Voice, "ab", 2), Bytes({0, 2, 0, 0, 0, 0, 0, 2, 'a', 'b'}));
    EXPECT_EQ(CVoicePacket::Build(CVoicePacket::KeepAlive, nullptr, 0), Bytes({0, 0, 0, 0, 0, 0, 0, 0}));
    std::string big(300, 'x');
    EXPECT_EQ(CVoicePacket::Build(CVoicePacket::Registration, big.data(), big.size()).substr(0, 8),
              Bytes({0, 1, 0, 0, 0, 0, 1, 44}));
    std::string tooBig(CVoicePacket::MAX_PAYLOAD + 1, 'x');
    EXPECT_EQ(CVoicePacket::Build(CVoicePacket::Voice, tooBig.data(), tooBig.size()), "");
}

struct ParseCase {
    const char* name;
    std::string datagram;
    int type, length, declared;
    bool complete;
};

TEST(VoicePacket, ParsesWhatArrivedNotWhatTheHeaderClaims)
{
    const ParseCase cases[] = {
        {"empty datagram is a keep-alive", "", 0, 0, 0, true},
        {"one byte is a keep-alive", Bytes({0}), 0, 0, 0, true},
        {"type without the rest", Bytes({0, 2}), 2, 0, 0, true},
        {"whole voice packet", Bytes({0, 2, 0, 0, 0, 0, 0, 3, 'a', 'b', 'c'}), 2, 3, 3, true},
        {"header claims more than arrived", Bytes({0, 2, 0, 0, 0, 0, 0xFF, 0xFF, 'a', 'b'}), 2, 2, 65535, false},
        {"trailing bytes beyond the claim", Bytes({0, 1, 0, 0, 0, 0, 0, 1, 'a', 'b'}), 1, 1, 1, true},
        {"unknown type", Bytes({0x12, 0x34, 0, 0, 0, 0, 0, 0}), 0x1234, 0, 0, true},
    };
    for (const ParseCase& c : cases) {
        S_VOICE_PACKET packet = CVoicePacket::Parse(c.datagram.data(), (int)c.datagram.size());
        EXPECT_EQ(packet.nType, c.type) << c.name;
        EXPECT_EQ(packet.nLength, c.length) << c.name;
        EXPECT_EQ(packet.nDeclaredLength, c.declared) << c.name;
        EXPECT_EQ(CVoicePacket::IsComplete(packet), c.complete) << c.name;
        if (c.length) EXPECT_EQ(packet.pPayload, c.datagram.data() + 8) << c.name;
    }
}

TEST(VoicePacket, RegistrationCarriesTheSessionAndTheUser)
{
    std::string text = CTVTDataController::MakeRegistration('R', L"MTG-7", 1001, L"0A1B2C3D4E5F");
    EXPECT_EQ(text.find("\n"), 1u) << "written by the indenting writer: " << text;
    Json::Value value;
    ASSERT_TRUE(Json::Reader().parse(text, value));
    EXPECT_EQ(value["IN_SES_TYPE"].asString(), "R");
    EXPECT_EQ(value["IN_OS"].asString(), "I");
    EXPECT_EQ(value["IN_IMEI"].asString(), std::string(20, '0'));
    EXPECT_EQ(value["IN_WIFI_MAC"].asString(), "0A1B2C3D4E5F");
    EXPECT_EQ(value["IN_MSISDN"].asString(), std::string(14, '0'));
    EXPECT_EQ(value["IN_UUID"].asString(), std::string(24, '0'));
    EXPECT_EQ(value["IN_GROUP_ID"].asString(), "MTG-7");
    EXPECT_EQ(value["IN_ACCOUNT_ID"].asString(), "1001");
    EXPECT_EQ(value.size(), 8u);
}

}  // namespace
