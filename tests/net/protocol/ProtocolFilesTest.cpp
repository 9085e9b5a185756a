// The installed definition files define every message the clients send or expect; a file that
// lacks one is caught when the client starts.
#include <gtest/gtest.h>

#include "net/protocol/TDSClientManager.h"
#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasMessageCatalogue.h"
#include "tests/net/protocol/FakeTasSocket.h"
#include "tests/net/protocol/ProtocolTestSupport.h"
#include "tests/support/TestSupport.h"

using namespace prototest;

namespace {

TEST(ProtocolFiles, DefineEveryMessageTheClientsUse)
{
    const struct {
        const char* file;
        std::vector<_REQUIRED_MESSAGE> required;
    } files[] = {
        {"protocol.xml", TasMessageCatalogue::RequiredMessages()},
        {"tds_protocol.xml", CTDSClientManager::RequiredMessages()},
        {"pps_protocol.xml", CTPCClientManager::RequiredMessages()},
    };
    for (const auto& f : files) {
        auto def = LoadInstalledDefinition(f.file);
        const std::vector<std::string> missing = FindMissingMessages(*def, f.required);
        EXPECT_TRUE(missing.empty()) << f.file << " lacks " << (missing.empty() ? "" : missing[0]);
    }
    EXPECT_EQ(TasMessageCatalogue::RequiredMessages().size(), 54u);
}

TEST(ProtocolFiles, JsonBodiesTravelInOneStringField)
{
    auto tas = LoadInstalledDefinition("protocol.xml");
    for (const _REQUIRED_MESSAGE& m : TasMessageCatalogue::RequiredMessages()) {
        if (std::string(m.pszMessageId) == "M00000000") continue;
        const _PROTOCOL_INFO* p = tas->FindProtocol(m.pszApplicationId);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->headerField.nType, FIELD_TYPE_STRING);
        const _MESSAGE_INFO* message = p->FindMessage(m.pszMessageId);
        ASSERT_TRUE(message);
        if (std::string(m.pszMessageId) == "M00000009") continue;   // a reply without a request
        ASSERT_EQ(message->vecRequestFields.size(), 1u) << m.pszMessageId;
        EXPECT_EQ(message->vecRequestFields[0].nType, FIELD_TYPE_STRING) << m.pszMessageId;
        ASSERT_GE(message->vecResponseFields.size(), 1u) << m.pszMessageId;
        EXPECT_EQ(message->vecResponseFields[0].nType, FIELD_TYPE_STRING) << m.pszMessageId;
    }
}

TEST(ProtocolFiles, AClientWhoseFileLacksAMessageFailsToStart)
{
    FakeSocketHub::Install();
    {
        zeltest::TempDir dir;
        std::string text;
        ASSERT_TRUE(zeltest::ReadFileBytes(zeltest::SourcePath(L"protocols/tds_protocol.xml"), text));
        const size_t at = text.find("<body name=\"M00000007\">");
        ASSERT_NE(at, std::string::npos);
        text.replace(at, 23, "<body name=\"M00000070\">");
        ASSERT_TRUE(zeltest::WriteFileBytes(dir.File(L"tds.xml"), text));
        CTDSClientManager tds;
        EXPECT_FALSE(tds.Init(dir.File(L"tds.xml").c_str()));
        ASSERT_EQ(tds.GetMissingMessages().size(), 1u);
        EXPECT_EQ(tds.GetMissingMessages()[0], "TD01 M00000007");

        CTasClientManager tas;
        EXPECT_FALSE(tas.Init(dir.File(L"absent.xml").c_str()));
        EXPECT_EQ(tas.GetMissingMessages().size(), 54u);
    }
    FakeSocketHub::Uninstall();
}

}  // namespace
