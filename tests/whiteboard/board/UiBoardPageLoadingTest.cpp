// Page loading of the board against the local web server: the page-image replies are answered by
// the test (standing in for the application server), the images come over HTTP.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <string>
#include <vector>

#include "tests/support/TestSupport.h"
#include "tests/whiteboard/board/BoardStandIns.h"
#include "tests/whiteboard/WhiteboardTestSupport.h"
#include "tests/whiteboard/canvas/CanvasTestSupport.h"
#include "whiteboard/board/BoardLayer.h"

using namespace canvastest;

namespace {

using Meeting = boardtest::StandInMeeting;
using Server = boardtest::RecordingServer;

class LoadingFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(servers.Start(L"tests/servers/run_servers.py"));
        // Ports: tas push tds voice http ...
        std::vector<int> ports;
        for (const char* p = servers.ReadyLine().c_str(); *p;) {
            char* end = nullptr;
            const long v = strtol(p, &end, 10);
            if (end == p) {
                ++p;
                continue;
            }
            ports.push_back((int)v);
            p = end;
        }
        ASSERT_GE(ports.size(), 5u);
        httpPort = ports[4];
        ASSERT_TRUE(host.Open(800, 600));
        board.reset(new CBoardLayer(&meeting, &server));
        ASSERT_TRUE(board->Create(&host, RECT{0, 0, 800, 600}));
    }
    void TearDown() override
    {
        board.reset();
        host.DestroyWindow();
    }
    std::string Url(int page) const
    {
        return "http://127.0.0.1:" + std::to_string(httpPort) + "/img/D1/" + std::to_string(page) + ".png";
    }
    // Answers every page-image request as the application server would, until none is left.
    void AnswerAll(int total, const std::function<std::string(int)>& url)
    {
        size_t answered = 0;
        while (answered < server.requested.size()) {
            const int page = server.requested[answered++];
            Json::Value body;
            body["mtngId"] = "MT1";
            body["attcFileId"] = "D1";
            body["page"] = page;
            body["totalPage"] = total;
            body["isEnc"] = false;
            body["imageUrl"] = url(page);
            board->OnReceiveM00000024(body, 0);
            ASSERT_TRUE(zeltest::PumpUntil([&] { return server.requested.size() > answered || !board->IsLoadingImages(); },
                                           15000)) << "page " << page;
        }
    }

    zeltest::PythonFixture servers;
    int httpPort = 0;
    HostWindow host;
    Meeting meeting;
    Server server;
    std::unique_ptr<CBoardLayer> board;
};

TEST_F(LoadingFixture, CurrentPageFirstThenTheRestInOrderEachOnce)
{
    board->OpenDocument(L"MT1", L"D1", L"doc", L"", 5);
    AnswerAll(8, [&](int page) { return Url(page); });
    const std::vector<int> expected = {5, 1, 2, 3, 4, 6, 7, 8};
    EXPECT_EQ(server.requested, expected);
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(board->GetPageManager().GetPage(n)->HasImage()) << n;
    EXPECT_EQ(board->GetCanvas()->GetPageNumber(), 5);
    EXPECT_TRUE(zeltest::PumpUntil([&] { return !board->GetCanvas()->IsLoadingShown(); }, 5000));
    // Only the pages near the shown one were decoded: the chain did not wait for the others.
    const auto decoded = [&] {
        std::vector<int> pages;
        for (int n = 1; n <= 8; ++n)
            if (board->GetPageManager().GetPage(n)->GetPicture())
                pages.push_back(n);
        return pages;
    };
    EXPECT_TRUE(zeltest::PumpUntil([&] { return decoded() == std::vector<int>{4, 5, 6, 7}; }, 5000));
    EXPECT_EQ(decoded(), (std::vector<int>{4, 5, 6, 7}));
}

TEST_F(LoadingFixture, AFailedPageIsReportedTheChainGoesOnAndShowingItAsksAgain)
{
    wbtest::LogCapture log;
    board->OpenDocument(L"MT1", L"D1", L"doc", L"", 1);
    AnswerAll(4, [&](int page) {
        return page == 3 ? "http://127.0.0.1:" + std::to_string(httpPort) + "/missing/3" : Url(page);
    });
    EXPECT_EQ(server.requested, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(board->GetPageManager().GetPage(3)->HasImage());
    EXPECT_TRUE(board->GetPageManager().GetPage(4)->HasImage());
    EXPECT_TRUE(log.Contains(L"Page image 3 of D1 could not be loaded"));
    board->MovePage(3);
    ASSERT_EQ(server.requested.back(), 3);
    AnswerAll(4, [&](int page) { return Url(page); });
    EXPECT_TRUE(board->GetPageManager().GetPage(3)->HasImage());
    EXPECT_EQ(board->GetCanvas()->GetPageNumber(), 3);
}

TEST_F(LoadingFixture, AStalledServerNeitherFreezesTheWindowNorStopsTheChain)
{
    // A server that takes the connection and never answers.
    WSADATA wsa;
    ::WSAStartup(MAKEWORD(2, 2), &wsa);
    SOCKET silent = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(silent, (sockaddr*)&addr, sizeof addr), 0);
    ASSERT_EQ(::listen(silent, 4), 0);
    int len = sizeof addr;
    ::getsockname(silent, (sockaddr*)&addr, &len);
    const int silentPort = ntohs(addr.sin_port);

    board->SetFetchTimeouts(1000, 500);
    board->OpenDocument(L"MT1", L"D1", L"doc", L"", 1);
    Json::Value body;
    body["attcFileId"] = "D1";
    body["page"] = 1;
    body["totalPage"] = 2;
    body["imageUrl"] = "http://127.0.0.1:" + std::to_string(silentPort) + "/img/D1/1.png";
    // The reply handler returns at once: the download hangs on its own thread, not on the window's.
    const DWORD start = ::GetTickCount();
    board->OnReceiveM00000024(body, 0);
    EXPECT_LT(::GetTickCount() - start, 200u);
    zeltest::PumpFor(100);
    EXPECT_TRUE(board->IsLoadingImages());
    // The read time-out ends the download; the next page is asked for.
    ASSERT_TRUE(zeltest::PumpUntil([&] { return server.requested.size() == 2; }, 10000));
    EXPECT_EQ(server.requested[1], 2);
    EXPECT_FALSE(board->GetPageManager().GetPage(1)->HasImage());
    ::closesocket(silent);
}

}  // namespace
