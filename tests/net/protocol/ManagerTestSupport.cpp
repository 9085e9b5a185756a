#include "tests/net/protocol/ManagerTestSupport.h"

#include "core/LoginManager.h"
#include "core/NetworkIdentity.h"
#include "core/ProgramGlobals.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TasClientBaseManager.h"
#include "tests/net/protocol/ProtocolTestSupport.h"

namespace prototest {

void ManagerTest::SetUp()
{
    FakeSocketHub::Install();
    g_bNetworkStop = FALSE;
    g_strMacAddress = kTestMac;
    g_strAppVersion = L"4.2.0.0 ";
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetGroupCode(L"G1");
    login->SetLoginId(L"kim");
    login->SetPassword(L"pw");
    login->SetSawonNo(L"S100");
    login->SetUserId("1001");
    login->SetUserProfile("profile-1");
    login->SetUserSessionId("session-1");
}

void ManagerTest::TearDown()
{
    FakeSocketHub::Uninstall();
    CLoginManager::DestroyInstance();
    g_bNetworkStop = FALSE;
}

void ManagerTest::UseShortTimings(CTasClientBaseManager& manager)
{
    _CLIENT_TIMINGS timings = manager.GetTimings();
    timings.dwReloginDelay = 30;
    timings.dwBackoffFirst = 40;
    timings.dwBackoffMax = 80;
    timings.dwKeepAliveUnit = 10;
    manager.SetTimings(timings);
}

std::string ManagerTest::ReplyTo(const SentFrame& request, int status, const Json::Value& body)
{
    FrameSpec spec;
    spec.version = request.version;
    spec.app = request.app;
    spec.msg = request.msg;
    spec.status = status;
    spec.transactionId = request.transactionId;
    if (request.version != "PHV106") spec.headerSection = Counted("{}\n");
    spec.bodySection = Counted(StyledJson(body));
    return MakeFrame(spec);
}

std::string ManagerTest::ServerFrame(const char* version, const char* app, const char* msg, const Json::Value& body,
                                     int status)
{
    SentFrame f;
    f.version = version;
    f.app = app;
    f.msg = msg;
    return ReplyTo(f, status, body);
}

}  // namespace prototest
