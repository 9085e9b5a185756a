// The document viewer's window against the local test servers: a 50-page document's pages come
// one by one over HTTP from the page on screen, and the window pages, zooms, pans and swaps.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <objidl.h>
#include <gdiplus.h>

#include "core/SettingManager.h"
#include "features/documents/DocViewerDlg.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/skin/SkinTestSupport.h"

namespace {

using doctest::Document;
using doctest::PageReply;

std::vector<int> Range(int from, int to)
{
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

class DocViewer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_servers = new doctest::Servers;
        ASSERT_TRUE(s_servers->Start()) << "the test servers did not start";
    }
    static void TearDownTestSuite()
    {
        s_servers->Stop();
        delete s_servers;
        s_servers = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Loaded());
        ASSERT_TRUE(doctest::LoadShippedSkinKorean());
        s_servers->Command("clear_rules");
        s_servers->Command("clear_log");
        CSettingManager::GetInstance()->SetWheelScroll(100);
        m_owner.CreateEx(0, AfxRegisterWndClass(0), L"meeting", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr);
        m_viewer = std::make_unique<CDocViewerDlg>(&m_owner);
        ASSERT_TRUE(m_viewer->CreateViewer(&m_owner, &m_host));
    }
    void TearDown() override
    {
        if (m_viewer && m_viewer->GetSafeHwnd()) m_viewer->DestroyWindow();
        m_viewer.reset();
        m_owner.DestroyWindow();
    }

    // Opens a document of meeting 102 as the meeting screen does and answers with its pages.
    void Open(const wchar_t* attcFileId, int total, int startPage = 1)
    {
        m_viewer->ShowDocument(Document(L"102", attcFileId, L"정보화사업 수행계획서(전체본).pdf"));
        if (startPage > 1) m_viewer->SetCurPage(startPage - 1);
        Reply(attcFileId, total);
    }
    void Reply(const wchar_t* attcFileId, int total)
    {
        const std::string id = zeltest::Narrow(attcFileId);
        auto reply = PageReply("102", id, total, s_servers->PrefixUrl(id));
        m_viewer->OnReceiveM00000024(reply.get());
    }
    bool WaitDone(DWORD ms = 60000)
    {
        return zeltest::PumpUntil([&] { return m_viewer->CountThreads() == 0; }, ms);
    }
    int State(int index) const { return m_viewer->GetPages().GetState(index); }
    bool Visible(const wchar_t* name) const { return m_viewer->FindSkinObject(name)->m_nVisible != 0; }
    bool Enabled(const wchar_t* name) const { return m_viewer->FindSkinObject(name)->m_nState == -1; }
    CString Text(const wchar_t* name) const { return m_viewer->FindSkinObject(name)->m_text.m_strText; }
    CPoint Centre(const wchar_t* name) const { return m_viewer->FindSkinObject(name)->m_rcObject.CenterPoint(); }
    void Wheel(int delta, WPARAM keys, CPoint client)
    {
        m_viewer->ClientToScreen(&client);
        m_viewer->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(keys, delta), MAKELPARAM(client.x, client.y));
    }

    static doctest::Servers* s_servers;
    doctest::KoreanResources m_resources;
    doctest::StandInHost m_host;
    CWnd m_owner;
    std::unique_ptr<CDocViewerDlg> m_viewer;
};

doctest::Servers* DocViewer::s_servers = nullptr;

TEST_F(DocViewer, PagesComeFromThePageOnScreenToTheEndThenFromTheFirst)
{
    Open(L"D1022", 50, 20);
    EXPECT_EQ(m_host.requests, std::vector<std::string>{"D1022"});
    EXPECT_TRUE(m_viewer->IsOpen());
    EXPECT_EQ(Text(L"textPage"), CString(L"20 / 50"));
    ASSERT_TRUE(WaitDone());
    std::vector<int> expected = Range(20, 50);
    const std::vector<int> wrapped = Range(1, 19);
    expected.insert(expected.end(), wrapped.begin(), wrapped.end());
    EXPECT_EQ(s_servers->PageRequests("D1022"), expected);
    EXPECT_EQ(m_viewer->GetPages().CountInState(S_DOCVIEWER_PAGE::LOADED), 50);
    EXPECT_FALSE(Visible(L"textWaiting"));
    EXPECT_FALSE(Visible(L"textLoading"));
    // The page on screen is fitted into the view.
    const CRect B = m_viewer->GetViewRect(), R = m_viewer->GetImageRect();
    EXPECT_EQ(R.Height(), B.Height());
    EXPECT_NEAR(R.CenterPoint().x, B.CenterPoint().x, 1);
    EXPECT_NEAR(m_viewer->GetZoom(), (float)B.Height() / 1131, 0.002f);
    EXPECT_TRUE(doctest::SaveWindowPicture(m_viewer.get(), L"DocViewer"));
    // Only the pages around the one on screen keep their decoded pictures; another is read again
    // from its bytes when shown.
    EXPECT_LE(m_viewer->GetPages().CountDecoded(), 5);
    EXPECT_EQ(m_viewer->GetPages().GetPage(39)->m_pImage, nullptr);
    m_viewer->SetCurPage(39);
    EXPECT_NE(m_viewer->GetPages().GetPage(39)->m_pImage, nullptr);
    EXPECT_EQ(m_viewer->GetPages().GetPage(19)->m_pImage, nullptr);
    EXPECT_EQ(m_viewer->GetImageRect().Height(), B.Height());
}

TEST_F(DocViewer, AFailedPageShowsItsNoticeAndIsFetchedAgainWhenShownOnceMore)
{
    s_servers->HttpRule("/img/D1022/1", 500);
    s_servers->HttpRule("/img/D1022/3", 200);   // a 200 answer that is no picture
    Open(L"D1022", 5);
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(s_servers->PageRequests("D1022"), (std::vector<int>{-1, 2, 3, 4, 5}));
    EXPECT_EQ(State(0), S_DOCVIEWER_PAGE::FAILED);
    EXPECT_EQ(State(2), S_DOCVIEWER_PAGE::FAILED);
    EXPECT_TRUE(Visible(L"textFail"));
    EXPECT_EQ(m_viewer->GetPages().CountInState(S_DOCVIEWER_PAGE::LOADED), 3);

    m_viewer->MovePageBy(2);   // the failed third page
    ASSERT_TRUE(zeltest::PumpUntil([&] { return State(2) == S_DOCVIEWER_PAGE::LOADED; }, 30000));
    EXPECT_FALSE(Visible(L"textFail"));
    m_viewer->MovePageBy(-2);
    ASSERT_TRUE(zeltest::PumpUntil([&] { return State(0) == S_DOCVIEWER_PAGE::LOADED; }, 30000));
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(s_servers->PageRequests("D1022"), (std::vector<int>{-1, 2, 3, 4, 5, 3, 1}));
    EXPECT_FALSE(Visible(L"textFail"));
}

TEST_F(DocViewer, SwitchingDocumentsDuringAFetchPutsNoPageOfTheFirstIntoTheSecond)
{
    s_servers->HttpRule("/img/D1022/1", 0, 1.0);   // the first page takes a second
    Open(L"D1022", 50);
    ASSERT_TRUE(s_servers->WaitReceived("/img/D1022/1"));
    EXPECT_EQ(State(0), S_DOCVIEWER_PAGE::LOADING);
    const UINT generation = m_viewer->GetGeneration();
    m_viewer->ShowDocument(Document(L"102", L"D1021", L"착수보고서.hwp"));
    EXPECT_NE(m_viewer->GetGeneration(), generation);
    EXPECT_EQ(m_viewer->GetTotalPage(), 0);
    Reply(L"D1021", 8);
    ASSERT_TRUE(WaitDone());
    // The first document's thread finished its page and stopped; the second ran to its end.
    EXPECT_EQ(s_servers->PageRequests("D1022"), std::vector<int>{1});
    EXPECT_EQ(s_servers->PageRequests("D1021"), Range(1, 8));
    ASSERT_EQ(m_viewer->GetPages().CountInState(S_DOCVIEWER_PAGE::LOADED), 8);
    // Every page is the second document's: its band has that document's colour.
    const DWORD band = doctest::ImagePixel(m_viewer->GetPageImage(7), 400, 60);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(doctest::ImagePixel(m_viewer->GetPageImage(i), 400, 60), band) << "page " << i + 1;
    const DWORD other = band;
    m_viewer->ShowDocument(Document(L"102", L"D1022", L"x"));
    Reply(L"D1022", 1);
    ASSERT_TRUE(WaitDone());
    EXPECT_NE(doctest::ImagePixel(m_viewer->GetPageImage(0), 400, 60), other);
}

TEST_F(DocViewer, ClosingOrDestroyingDuringAFetchStopsTheThread)
{
    s_servers->HttpRule("/img/D1022/2", 0, 0.8);
    Open(L"D1022", 50);
    ASSERT_TRUE(s_servers->WaitReceived("/img/D1022/2"));
    EXPECT_EQ(State(1), S_DOCVIEWER_PAGE::LOADING);
    m_viewer->Close();
    EXPECT_FALSE(m_viewer->IsOpen());
    EXPECT_FALSE(m_viewer->IsWindowVisible());
    EXPECT_EQ(m_viewer->GetPages().GetCount(), 0);
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(s_servers->PageRequests("D1022"), (std::vector<int>{1, 2}));

    s_servers->Command("clear_log");
    s_servers->HttpRule("/img/D1022/1", 0, 0.8);
    Open(L"D1022", 50);
    ASSERT_TRUE(s_servers->WaitReceived("/img/D1022/1"));
    // Destroying waits for the page in flight and drops it: no crash, no further request.
    EXPECT_TRUE(m_viewer->DestroyWindow());
    EXPECT_EQ(m_viewer->CountThreads(), 0);
    zeltest::PumpFor(300);
    EXPECT_EQ(s_servers->PageRequests("D1022"), std::vector<int>{1});
}

TEST_F(DocViewer, ARepeatedReplyOrOneForAnotherDocumentStartsNothing)
{
    Open(L"D1022", 6);
    Reply(L"D1022", 6);   // sent again by the message layer
    Reply(L"D1021", 8);   // for a document the viewer no longer shows
    EXPECT_EQ(m_viewer->GetPages().GetCount(), 6);
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(s_servers->PageRequests("D1022"), Range(1, 6));
    EXPECT_TRUE(s_servers->PageRequests("D1021").empty());
    // Opening the same document again only shows the window.
    m_viewer->ShowDocument(Document(L"102", L"D1022", L"x"));
    EXPECT_EQ(m_host.requests.size(), 1u);
    EXPECT_EQ(m_viewer->GetPages().CountInState(S_DOCVIEWER_PAGE::LOADED), 6);
}

TEST_F(DocViewer, PageAddressesPlainEncryptedWithoutKeyAndAnEmptyDocument)
{
    // Encrypted with the key the reply carries: decrypted, and the pages come.
    const std::string key = "k7Qz2Lm9Xa4Rt8Wc1Vb6Np3Hs5Jd0Fg2";
    m_viewer->ShowDocument(Document(L"102", L"D1021", L"x"));
    auto encrypted = PageReply("102", "D1021", 2, doctest::EncryptAes256Base64(s_servers->PrefixUrl("D1021"), key),
                               true, key);
    m_viewer->OnReceiveM00000024(encrypted.get());
    EXPECT_EQ(zeltest::Narrow((LPCTSTR)m_viewer->GetPrefixUrl()), s_servers->PrefixUrl("D1021"));
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(m_viewer->GetPages().CountInState(S_DOCVIEWER_PAGE::LOADED), 2);

    // Without its key: no prefix, and each page fails.
    m_viewer->ShowDocument(Document(L"102", L"D1022", L"x"));
    auto reply = PageReply("102", "D1022", 2, s_servers->PrefixUrl("D1022"), true, "");
    m_viewer->OnReceiveM00000024(reply.get());
    EXPECT_TRUE(m_viewer->GetPrefixUrl().IsEmpty());
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(m_viewer->GetPages().CountInState(S_DOCVIEWER_PAGE::FAILED), 2);

    m_viewer->ShowDocument(Document(L"102", L"D1012", L"x"));
    Reply(L"D1012", 0);
    EXPECT_EQ(Text(L"textPage"), CString(L"1 / 0"));
    EXPECT_FALSE(Enabled(L"btnPrev"));
    EXPECT_FALSE(Enabled(L"btnNext"));
    ASSERT_TRUE(WaitDone());
    m_viewer->MovePageBy(1);
    EXPECT_EQ(m_viewer->GetCurPage(), 0);
}

TEST_F(DocViewer, PageButtonsTurnPagesAndAreDisabledAtTheEnds)
{
    Open(L"D1022", 3);
    ASSERT_TRUE(WaitDone());
    EXPECT_FALSE(Enabled(L"btnPrev"));
    EXPECT_TRUE(Enabled(L"btnNext"));
    skintest::Click(m_viewer->GetSafeHwnd(), Centre(L"btnNext").x, Centre(L"btnNext").y);
    EXPECT_EQ(Text(L"textPage"), CString(L"2 / 3"));
    EXPECT_TRUE(Enabled(L"btnPrev"));
    skintest::Click(m_viewer->GetSafeHwnd(), Centre(L"btnNext").x, Centre(L"btnNext").y);
    EXPECT_EQ(Text(L"textPage"), CString(L"3 / 3"));
    EXPECT_FALSE(Enabled(L"btnNext"));
    m_viewer->MovePageBy(1);   // a flick past the last page
    EXPECT_EQ(m_viewer->GetCurPage(), 2);
    skintest::Click(m_viewer->GetSafeHwnd(), Centre(L"btnPrev").x, Centre(L"btnPrev").y);
    EXPECT_EQ(m_viewer->GetCurPage(), 1);
    m_viewer->SendMessage(WM_COMMAND, IDCANCEL, 0);   // Esc closes
    EXPECT_FALSE(m_viewer->IsOpen());
}

TEST_F(DocViewer, PlacedBesideTheMeetingScreenAndFittedAgainOnEveryResize)
{
    CRect owner, viewer;
    m_owner.GetWindowRect(&owner);
    m_viewer->GetWindowRect(&viewer);
    EXPECT_GE(viewer.left, owner.right);
    EXPECT_LE(viewer.left, owner.right + 10);
    EXPECT_EQ(viewer.Width(), 960);
    EXPECT_FALSE(m_viewer->IsWindowVisible()) << "created hidden";
    Open(L"D1022", 1);
    ASSERT_TRUE(WaitDone());
    for (int i = 0; i < 5; ++i) Wheel(WHEEL_DELTA, MK_CONTROL, m_viewer->GetViewRect().CenterPoint());
    m_viewer->SetWindowPos(nullptr, 0, 0, 600, 980, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect B = m_viewer->GetViewRect(), R = m_viewer->GetImageRect();
    EXPECT_EQ(R.Width(), B.Width()) << "a tall view fits the page's width";
    EXPECT_NEAR(m_viewer->GetZoom(), (float)B.Width() / 800, 0.002f);
    MINMAXINFO mmi = {};
    m_viewer->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(mmi.ptMinTrackSize.x, 600);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 480);
}

TEST_F(DocViewer, CtrlWheelZoomsAboutTheCursorBetweenTheFitAndFourTimesAndTheWheelPans)
{
    Open(L"D1022", 1);
    ASSERT_TRUE(WaitDone());
    const CRect B = m_viewer->GetViewRect();
    const float fit = m_viewer->GetZoom();
    const CPoint centre = B.CenterPoint();
    Wheel(-WHEEL_DELTA, MK_CONTROL, centre);   // out of the fitted size: stays fitted
    EXPECT_FLOAT_EQ(m_viewer->GetZoom(), fit);
    for (int i = 0; i < 40; ++i) Wheel(WHEEL_DELTA, MK_CONTROL, centre);
    EXPECT_FLOAT_EQ(m_viewer->GetZoom(), 4.0f);
    CRect R = m_viewer->GetImageRect();
    EXPECT_EQ(R.Width(), 3200);
    EXPECT_TRUE(R.left <= B.left && R.right >= B.right && R.top <= B.top && R.bottom >= B.bottom);
    // A wheel notch scrolls the page by the step; the top edge never comes into the view.
    Wheel(-WHEEL_DELTA, 0, centre);
    EXPECT_EQ(m_viewer->GetImageRect().top, R.top - 100);
    for (int i = 0; i < 100; ++i) Wheel(WHEEL_DELTA, 0, centre);
    EXPECT_EQ(m_viewer->GetImageRect().top, B.top);
    // Dragging pans the same way and stops at the edges.
    skintest::SendMouse(m_viewer->GetSafeHwnd(), WM_LBUTTONDOWN, centre.x, centre.y, MK_LBUTTON);
    skintest::SendMouse(m_viewer->GetSafeHwnd(), WM_MOUSEMOVE, centre.x - 50, centre.y - 5000, MK_LBUTTON);
    skintest::SendMouse(m_viewer->GetSafeHwnd(), WM_LBUTTONUP, centre.x - 50, centre.y - 5000);
    R = m_viewer->GetImageRect();
    EXPECT_EQ(R.bottom, B.bottom);
    EXPECT_EQ(m_viewer->GetImageRect().Width(), 3200);
    // Zooming back out stops at the fitted size.
    for (int i = 0; i < 40; ++i) Wheel(-WHEEL_DELTA, MK_CONTROL, centre);
    EXPECT_NEAR(m_viewer->GetZoom(), fit, 0.001f);
    EXPECT_EQ(m_viewer->GetImageRect().Height(), B.Height());
}

TEST_F(DocViewer, FlicksTurnPagesAndAPinchScalesTheStartZoom)
{
    Open(L"D1022", 3);
    ASSERT_TRUE(WaitDone());
    const CPoint c = m_viewer->GetViewRect().CenterPoint();
    auto touch = [&](DWORD id, DWORD flags, int x, int y) {
        TOUCHINPUT in = {};
        in.dwID = id;
        in.dwFlags = flags;
        return m_viewer->OnTouchInput(CPoint(x, y), 0, 1, &in);
    };
    // A quick 100-pixel flick to the left: next page; 60 pixels: nothing.
    touch(5, TOUCHEVENTF_DOWN, c.x, c.y);
    touch(5, TOUCHEVENTF_MOVE, c.x - 100, c.y);
    touch(5, TOUCHEVENTF_UP, c.x - 100, c.y);
    EXPECT_EQ(m_viewer->GetCurPage(), 1);
    touch(6, TOUCHEVENTF_DOWN, c.x, c.y);
    touch(6, TOUCHEVENTF_UP, c.x - 60, c.y);
    EXPECT_EQ(m_viewer->GetCurPage(), 1);
    touch(7, TOUCHEVENTF_DOWN, c.x, c.y);
    touch(7, TOUCHEVENTF_UP, c.x + 100, c.y);
    EXPECT_EQ(m_viewer->GetCurPage(), 0);
    // Two fingers moving apart to twice their distance double the zoom.
    const float start = m_viewer->GetZoom();
    touch(1, TOUCHEVENTF_DOWN, c.x - 50, c.y);
    touch(2, TOUCHEVENTF_DOWN, c.x + 50, c.y);
    touch(2, TOUCHEVENTF_MOVE, c.x + 150, c.y);
    EXPECT_NEAR(m_viewer->GetZoom(), start * 2, 0.001f);
    touch(2, TOUCHEVENTF_UP, c.x + 150, c.y);
    touch(1, TOUCHEVENTF_UP, c.x - 50, c.y);
    EXPECT_EQ(m_viewer->GetCurPage(), 0) << "a gesture is no flick";
    TOUCHINPUT other = {};
    EXPECT_FALSE(m_viewer->OnTouchInput(CPoint(0, 0), 0, 1, &other));
}

TEST_F(DocViewer, TheChangeButtonSwapsWithTheWhiteboardOrSaysWhyNot)
{
    Open(L"D1021", 8, 3);
    ASSERT_TRUE(WaitDone());
    m_host.board = Document(L"102", L"D1022", L"정보화사업 수행계획서(전체본).pdf");
    m_host.boardPage = 20;

    m_host.pageSync = TRUE;
    m_viewer->OnChangeDocument();
    EXPECT_TRUE(Visible(L"textShare1"));
    EXPECT_FALSE(Visible(L"textShare3"));
    m_host.boardOnWhiteboard = TRUE;
    m_viewer->OnChangeDocument();
    EXPECT_TRUE(Visible(L"textShare3"));
    EXPECT_FALSE(Visible(L"textShare1"));
    EXPECT_EQ(m_viewer->GetAttcFileId(), CString(L"D1021"));
    EXPECT_TRUE(zeltest::PumpUntil([&] { return !Visible(L"textShare3"); }, 4000)) << "the notice goes after 2 s";
    m_host.pageSync = m_host.boardOnWhiteboard = FALSE;

    // Different documents: they swap, the viewer from the whiteboard's page.
    m_viewer->OnChangeDocument();
    EXPECT_EQ(m_viewer->GetAttcFileId(), CString(L"D1022"));
    EXPECT_EQ(m_host.requests.back(), "D1022");
    EXPECT_EQ(m_host.bookmarks, std::vector<std::string>{"D1021@3"});
    EXPECT_EQ(m_host.openedOnBoard, std::vector<std::string>{"D1021"});
    EXPECT_FALSE(Enabled(L"btnChange")) << "held for 2 s";
    Reply(L"D1022", 50);
    EXPECT_EQ(Text(L"textPage"), CString(L"20 / 50"));
    ASSERT_TRUE(WaitDone());
    EXPECT_EQ(s_servers->PageRequests("D1022").front(), 20);

    // The same document on both sides: only the pages swap.
    m_host.board = Document(L"102", L"D1022", L"x");
    m_host.boardPage = 7;
    m_viewer->OnChangeDocument();
    EXPECT_EQ(m_viewer->GetCurPage(), 6);
    EXPECT_EQ(m_host.boardPage, 20);
    EXPECT_EQ(m_host.requests.size(), 2u);
    EXPECT_TRUE(zeltest::PumpUntil([&] { return Enabled(L"btnChange"); }, 4000));
}

}  // namespace
