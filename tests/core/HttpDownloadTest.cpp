#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/HttpDownload.h"
#include "features/DocViewerDownload.h"
#include "platform/Wnd.h"
#include "tests/core/CoreTestHelpers.h"

namespace {

class Download : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.Start()); }
    CString Url(const wchar_t* path) const
    {
        CString url;
        url.Format(L"http://127.0.0.1:%d%s", m_server.Port(), path);
        return url;
    }
    coretest::HttpFixture m_server;
};

struct Case {
    const wchar_t* path;
    BOOL result;
    size_t bytes;   // handed over
};

TEST_F(Download, OnlyAWhole200BodyCountsAsADownload)
{
    const Case cases[] = {
        {L"/bytes?n=1000000", TRUE, 1000000},   // more than one read
        {L"/bytes?n=17", TRUE, 17},
        {L"/bytes?n=0", TRUE, 0},
        {L"/bytes?n=10&status=404", FALSE, 0},
        {L"/bytes?n=10&status=500", FALSE, 0},
        {L"/short?n=200000", FALSE, 0},         // the connection ends early
    };
    for (const Case& c : cases) {
        S_DOCVIEWER_DOWNLOAD rec = {};
        rec.nMode = 1;
        EXPECT_EQ(HttpGetToMemory(Url(c.path), &rec), c.result) << zeltest::Narrow(c.path);
        ASSERT_EQ((size_t)rec.nBodyLength, c.bytes) << zeltest::Narrow(c.path);
        if (c.bytes) {
            EXPECT_EQ(std::string((const char*)rec.pBody, c.bytes), coretest::PatternBytes(c.bytes));
        } else {
            EXPECT_EQ(rec.pBody, nullptr);
        }
        delete[] rec.pBody;
    }
    EXPECT_EQ(m_server.Header(1, "User-Agent"), "ZEDOV");
}

TEST(DownloadRefused, NoServerIsNoDownload)
{
    S_DOCVIEWER_DOWNLOAD rec = {};
    rec.nMode = 1;
    EXPECT_FALSE(HttpGetToMemory(L"http://127.0.0.1:1/page.jpg", &rec));
    EXPECT_EQ(rec.pBody, nullptr);
}

std::atomic<int> g_received{0};
std::string g_copied;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DOCVIEWER_DOWNLOADED && wp == 100) {
        auto* rec = reinterpret_cast<S_DOCVIEWER_DOWNLOAD*>(lp);
        g_copied.assign((const char*)rec->pBody, rec->nBodyLength);
        ++g_received;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST_F(Download, ModeZeroHandsTheBodyToTheOwnerWindowDuringTheCall)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZelDownloadOwner";
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    CWnd ownerWnd;
    ownerWnd.Attach(owner);
    g_received = 0;
    S_DOCVIEWER_DOWNLOAD rec = {};
    rec.nMode = 0;
    rec.pOwnerWnd = &ownerWnd;
    std::atomic<int> result{-1};
    // The download runs on its own thread, as the viewer's page thread does; this thread pumps.
    std::thread worker([&] { result = HttpGetToMemory(Url(L"/bytes?n=5000"), &rec); });
    EXPECT_TRUE(zeltest::PumpUntil([&] { return result != -1; }, 20000));
    worker.join();
    EXPECT_EQ(result, TRUE);
    EXPECT_EQ(g_received, 1);
    EXPECT_EQ(g_copied, coretest::PatternBytes(5000));
    EXPECT_EQ(rec.pBody, nullptr);
    ownerWnd.Detach();
    DestroyWindow(owner);
}

}  // namespace
