#include "core/LoginManager.h"
#include "tests/platform/StringPrinting.h"

#include <gtest/gtest.h>

#include "tests/core/JsonFixture.h"

#include <atomic>
#include <thread>

namespace {

class LoginManagerTest : public CSessionTest {
protected:
    LoginManagerTest() : CSessionTest("") {}
    CLoginManager* Session() { return CLoginManager::GetInstance(); }
};

}  // namespace

TEST_F(LoginManagerTest, EmptyBeforeAnyLogin)
{
    EXPECT_EQ(0, Session()->GetUserIdNumber());
    EXPECT_EQ(CString(), Session()->GetUserId());
    EXPECT_EQ("", Session()->GetUserProfile());
    EXPECT_EQ(0, Session()->IsObserver());
    EXPECT_EQ(0, Session()->GetUpgradeFlag());
}

TEST_F(LoginManagerTest, ObserverOnlyForExactlyY)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {{"Y", 1}, {"y", 0}, {"Yes", 0}, {"N", 0}, {"", 0}, {" Y", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Session()->SetObserver(c.text);
        EXPECT_EQ(c.expected, Session()->IsObserver());
    }
    Session()->SetUpgrade("true");
    EXPECT_EQ(1, Session()->GetUpgradeFlag());
    Session()->SetUpgrade("TRUE");
    EXPECT_EQ(0, Session()->GetUpgradeFlag());
}

TEST_F(LoginManagerTest, LoginReplyIsStoredAndNamesDecoded)
{
    Session()->SetSessionFromReply(
        ParseJson("{\"userProfile\":\"P1\",\"userSessionId\":\"S1\",\"userId\":\"1234\","
              "\"userName\":\"\xed\x99\x8d\xea\xb8\xb8\xeb\x8f\x99\",\"deptName\":\"Dev\","
              "\"positionName\":\"Lead\",\"locale\":\"ko\",\"observerYn\":\"Y\"}"),
        true);
    EXPECT_EQ("P1", Session()->GetUserProfile());
    EXPECT_EQ("S1", Session()->GetUserSessionId());
    EXPECT_EQ("1234", Session()->GetUserIdA());
    EXPECT_EQ(1234, Session()->GetUserIdNumber());
    EXPECT_EQ(CString(L"1234"), Session()->GetUserId());
    EXPECT_EQ(CString(L"1234"), Session()->GetUserIdAnsi());
    EXPECT_EQ(CString(L"\ud64d\uae38\ub3d9"), Session()->GetUserName());
    EXPECT_EQ(CString(L"Dev"), Session()->GetDeptName());
    EXPECT_EQ(CString(L"Lead"), Session()->GetPositionName());
    EXPECT_EQ("ko", Session()->GetLocale());
    EXPECT_EQ(1, Session()->IsObserver());

    // A re-login stores the six session members only; absent members become empty.
    Session()->SetSessionFromReply(ParseJson("{\"userProfile\":\"P2\",\"userId\":77}"), false);
    EXPECT_EQ("P2", Session()->GetUserProfile());
    EXPECT_EQ("", Session()->GetUserSessionId());
    EXPECT_EQ(77, Session()->GetUserIdNumber());
    EXPECT_EQ(CString(), Session()->GetUserName());
    EXPECT_EQ("ko", Session()->GetLocale());
    EXPECT_EQ(1, Session()->IsObserver());
}

TEST_F(LoginManagerTest, LogOutEmptiesOnlyTheEmployeeNumber)
{
    Session()->SetLoginId(L"kim");
    Session()->SetUserId("1234");
    Session()->SetSawonNo(L"kim");
    Session()->SetSawonNo(L"");
    EXPECT_EQ(CString(), Session()->GetSawonNo());
    EXPECT_EQ(CString(L"1234"), Session()->GetUserId());
    EXPECT_EQ(CString(L"kim"), Session()->GetLoginId());
}

TEST_F(LoginManagerTest, ReloginOnAWorkerThreadWhileTheUiReads)
{
    // The writer stores whole sessions as the re-login does on a socket worker; every value the
    // reader gets must be one that was stored, never a mix of two.
    auto wellFormed = [](const std::string& v, char lead) {
        if (v.empty())
            return true;
        if (v[0] != lead || v.size() < 42)
            return false;
        return v.compare(v.size() - 40, 40, std::string(40, 'x')) == 0;
    };
    CLoginManager* session = Session();
    std::atomic<bool> stop(false);
    std::thread writer([&] {
        for (int i = 0; !stop; ++i) {
            const std::string n = std::to_string(i % 100000) + std::string(40, 'x');
            Json::Value body;
            body["userProfile"] = "P" + n;
            body["userSessionId"] = "S" + n;
            session->SetSessionFromReply(body, false);
        }
    });
    int bad = 0;
    for (int k = 0; k < 20000; ++k) {
        if (!wellFormed(session->GetUserProfile(), 'P') || !wellFormed(session->GetUserSessionId(), 'S'))
            ++bad;
    }
    stop = true;
    writer.join();
    EXPECT_EQ(0, bad);
}
