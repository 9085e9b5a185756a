#pragma once
// The feature panels' window tests against the local test servers: the servers once per suite,
// the application-server client logged in as "kim", and a top-level host window that is the
// reply window, as the meeting screen is, and hands every reply to the panel under test.
#include <winsock2.h>

#include <functional>
#include <map>
#include <string>

#include "core/LoginManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "tests/net/protocol/EndToEndSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace featuretest {

class ReplyHost : public ctltest::CHostWnd {
public:
    std::function<void(UINT, const CTasResponse*)> relay;
    int replies = 0;
    std::vector<int> statuses;
    std::map<std::string, Json::Value> last;   // the last body of each message id

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_USER + 99 && message <= WM_USER + 200 && lParam) {
            const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
            ++replies;
            statuses.push_back(reply->GetStatusCode());
            if (reply->GetBody()) last[reply->GetMessageId()] = *reply->GetBody();
            if (relay) relay(message, reply);
            return 0;
        }
        return ctltest::CHostWnd::WindowProc(message, wParam, lParam);
    }
};

class ServerSuite : public prototest::EndToEndTest {
protected:
    // Servers, host window (cx x cy) and log-in; false (with a failure) when any step fails.
    static bool StartAndLogIn(int cx, int cy)
    {
        EndToEndTest::SetUpTestSuite();
        s_pHost = new ReplyHost();
        if (!s_pHost->Open(cx, cy)) return false;
        CTasClientManager* tas = CTasClientManager::GetInstance();
        if (!tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str())) return false;
        tas->SetListener(s_pHost->GetSafeHwnd());
        tas->Connect(CString(L"127.0.0.1"), ServerPort(PORT_TAS));
        tas->RequestM00000001(L"", L"kim", L"1234");
        if (!zeltest::PumpUntil([] { return s_pHost->last.count("M00000001") > 0; }, 15000)) return false;
        CLoginManager* login = CLoginManager::GetInstance();
        login->SetLoginId(L"kim");
        login->SetPassword(L"1234");
        login->SetSessionFromReply(s_pHost->last["M00000001"], true);
        return true;
    }
    static void StopAll()
    {
        if (s_pHost) s_pHost->DestroyWindow();
        delete s_pHost;
        s_pHost = nullptr;
        CTasClientManager::DestroyInstance();
        CLoginManager::DestroyInstance();
        EndToEndTest::TearDownTestSuite();
    }
    // Every test: no rules, an empty log. (The connection stays up between tests.)
    void SetUp() override
    {
        Command("clear_rules");
        Command("clear_log");
    }
    void TearDown() override
    {
        if (s_pHost) s_pHost->relay = nullptr;
        Command("release");
    }
    static bool WaitReplies(int count, DWORD ms = 10000)
    {
        return zeltest::PumpUntil([&] { return s_pHost->replies >= count; }, ms);
    }
    // Runs the request and waits for one more reply.
    static bool Ask(const std::function<void()>& request)
    {
        const int before = s_pHost->replies;
        request();
        const bool ok = WaitReplies(before + 1);
        ctltest::PumpTranslated();
        return ok;
    }
    // The body of the last request of that message id the application server logged.
    static Json::Value LastBody(const char* msg)
    {
        const Json::Value frames = Frames("tas", nullptr, msg);
        return frames.size() ? frames[frames.size() - 1]["body"] : Json::Value();
    }

    inline static ReplyHost* s_pHost = nullptr;
};

}  // namespace featuretest
