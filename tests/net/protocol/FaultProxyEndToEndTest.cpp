// The application-server client through a proxy that hurts its first connections (bytes split
// one by one, delayed, stalled, cut or reset, chosen by a seed): once the faults stop, every
// request is answered exactly once and nothing stays pending.
#include <set>

#include "core/LoginManager.h"
#include "net/protocol/TasClientManager.h"
#include "tests/net/protocol/EndToEndSupport.h"

using namespace prototest;

namespace {

class FaultProxyTest : public EndToEndTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        EndToEndTest::SetUp();
        for (UINT msg = WM_USER + 99; msg <= WM_USER + 200; ++msg) m_listener.Expect(msg, RecordingWindow::LPARAM_REPLY);
        m_events.Expect(WM_TAS_SOCKET_ERROR, RecordingWindow::LPARAM_VALUE);
        ASSERT_TRUE(m_proxy.Start(L"tests/servers/fault_proxy.py",
                                  L"--target-port " + std::to_wstring(ServerPort(PORT_TAS)) + L" --seed " +
                                      std::to_wstring(GetParam()) + L" --faulty 3"));
        m_tas.reset(new CTasClientManager());
        _CLIENT_TIMINGS timings = m_tas->GetTimings();
        // Longer than the proxy's stalls: a stall delays, it does not lose the connection.
        timings.dwIdleTimeout = 4000;
        timings.dwReloginDelay = 50;
        timings.dwBackoffFirst = 100;
        m_tas->SetTimings(timings);
        ASSERT_TRUE(m_tas->Init(zeltest::SourcePath(L"protocols/protocol.xml").c_str()));
        m_tas->SetListener(m_listener.Handle());
        m_tas->SetEventWindow(m_events.Handle());
    }
    void TearDown() override
    {
        m_tas.reset();
        m_proxy.Stop();
        EndToEndTest::TearDown();
    }

    zeltest::PythonFixture m_proxy;
    std::unique_ptr<CTasClientManager> m_tas;
};

TEST_P(FaultProxyTest, EveryRequestAnsweredOnceAfterTheFaultsStop)
{
    m_tas->Connect(CString(L"127.0.0.1"), m_proxy.Port());
    m_tas->RequestM00000001(L"", L"kim", L"1234");
    ASSERT_TRUE(m_listener.WaitFor(WM_USER + 100, 1, 30000)) << "no login reply";
    ASSERT_EQ(m_listener.RecordsOf(WM_USER + 100)[0].status, 0);
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetLoginId(L"kim");
    login->SetPassword(L"1234");
    login->SetSessionFromReply(m_listener.RecordsOf(WM_USER + 100)[0].json, true);

    const int kRequests = 12;
    for (int i = 0; i < kRequests; ++i) {
        m_tas->RequestM00000005(i % 2 ? L"101" : L"102", L"10");
        PumpUntil([] { return false; }, 40);
    }
    const bool all = m_listener.WaitFor(WM_USER + 104, kRequests, 60000);
    // A little longer: a duplicate would come now.
    PumpUntil([] { return false; }, 500);
    const auto replies = m_listener.RecordsOf(WM_USER + 104);
    EXPECT_TRUE(all) << replies.size() << " of " << kRequests << " answered; socket errors reported: "
                     << m_events.Count(WM_TAS_SOCKET_ERROR) << ", lost connections: "
                     << m_events.Count(WM_TAS_CONNECTION_LOST);
    std::set<uint64_t> ids;
    for (const auto& r : replies) {
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(ids.insert(r.transactionId).second) << "transaction " << r.transactionId << " answered twice";
    }
    EXPECT_EQ(replies.size(), (size_t)kRequests);
    EXPECT_EQ(m_tas->GetPendingCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FaultProxyTest, ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8));

}  // namespace
