// The minutes panel and its viewer, driven directly as the meeting screen's container would.
#include <winsock2.h>

#include <gtest/gtest.h>

#include "ui/host/MainDlg.h"
#include "core/MeetingDocument.h"
#include "resources/resource.h"
#include "screens/detail/MinutesListCtrl.h"
#include "screens/detail/MinutesViewer.h"
#include "tests/screens/detail/DetailTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/controls/PopupAnswer.h"

namespace detailtest {
namespace {

Json::Value MinutesBody(const std::wstring& content)
{
    Json::Value body;
    body["mtngId"] = "101";
    body["regDate"] = "20270304103012";
    body["regUserName"] = zeltest::Narrow(L"\xAE40\xBBFC\xC900");
    body["mtngStartDate"] = "20270304090000";
    body["mtngEndDate"] = "20270304103015";
    body["mtngContent"] = zeltest::Narrow(content);
    return body;
}

class Minutes : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Loaded());
        ASSERT_TRUE(doctest::LoadShippedSkinKorean());
        ASSERT_TRUE(m_host.Open(300, 600, 0, 0));
        m_main.pWnd = &m_host;
        SetMainDlg(&m_main);
        IMinutesList* pList = nullptr;
        m_pWnd = CreateMinutesList(&m_host, CRect(10, 10, 265, 400), MINUTES_LIST_ID, &pList);
        ASSERT_NE(m_pWnd, nullptr);
        m_pList = static_cast<CMinutesListCtrl*>(pList);
        EXPECT_FALSE(m_pWnd->IsWindowVisible()) << "created hidden";
        m_pWnd->ShowWindow(SW_SHOW);
        for (int i = 0; i < 12; ++i) {
            Json::Value d;
            d["attcFileId"] = "M" + std::to_string(i);
            d["attcFileName"] = zeltest::Narrow(L"\xD68C\xC758\xB85D \xCCA8\xBD80 ") + std::to_string(i + 1) + ".pdf";
            d["attcFileConvCompYn"] = "Y";
            d["attcFileConvSuccYn"] = "Y";
            CMeetingDocument* p = new CMeetingDocument();
            p->LoadFromJson(d);
            m_docs.push_back(p);
        }
    }
    void TearDown() override
    {
        SetPopupAnswerHook(nullptr);
        if (m_pWnd) {
            m_pWnd->DestroyWindow();
            delete m_pWnd;
        }
        m_host.DestroyWindow();
        SetMainDlg(nullptr);
        for (CMeetingDocument* p : m_docs)
            delete p;
    }
    void PressViewButton()
    {
        m_pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(CMinutesListCtrl::VIEW_BUTTON_ID, BN_CLICKED), 0);
        zeltest::PumpFor(100);
    }

    doctest::KoreanResources m_resources;
    ctltest::CHostWnd m_host;
    StandInMainDlg m_main;
    CWnd* m_pWnd = nullptr;
    CMinutesListCtrl* m_pList = nullptr;
    std::vector<CMeetingDocument*> m_docs;
};

TEST_F(Minutes, TheHeaderButtonTogglesTheViewerOfTheLoadedMinutes)
{
    // Nothing loaded: the user is told so and no viewer opens.
    std::vector<CString> asked;
    SetPopupAnswerHook([&](const POPUP_QUESTION& q) { asked.push_back(q.strText); return 1; });
    PressViewButton();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(m_pList->GetViewer(), nullptr);

    m_pList->SetMinutes(MinutesBody(L"\xC608\xC0B0 \xC870\xC815\xC548\xC744 \xC758\xACB0\xD568.\n\xD6C4\xC18D \xC870\xCE58: \xAE30\xD68D\xC870\xC815\xC2E4"), 1);
    m_pList->SetDocuments(m_docs);
    EXPECT_EQ(m_pList->FormatDuration(), CString(L"1\xC2DC\xAC04 30\xBD84 15\xCD08"));
    PressViewButton();
    CMinutesViewer* pViewer = m_pList->GetViewer();
    ASSERT_NE(pViewer, nullptr);
    EXPECT_TRUE(pViewer->IsWindowVisible());
    EXPECT_EQ(pViewer->GetPeriodText(), CString(L"2027-03-04 09:00 ~ 2027-03-04 10:30(1\xC2DC\xAC04 30\xBD84 15\xCD08)"));
    EXPECT_EQ(pViewer->GetRegistrationText(), CString(L"2027-03-04 10:30"));
    CString content;
    pViewer->GetContentEdit().GetWindowText(content);
    EXPECT_NE(content.Find(L"\r\n"), -1) << "line feeds shown as line breaks";
    CRect rcWindow;
    pViewer->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Width(), CMinutesViewer::VIEWER_WIDTH);
    EXPECT_EQ(rcWindow.Height(), CMinutesViewer::VIEWER_HEIGHT);
    // The content edit stays inside the viewer's table.
    CRect rcEdit, rcClient;
    pViewer->GetContentEdit().GetWindowRect(&rcEdit);
    pViewer->ScreenToClient(&rcEdit);
    pViewer->GetClientRect(&rcClient);
    EXPECT_LE(rcEdit.right, rcClient.right - 10);
    EXPECT_LE(rcEdit.bottom, rcClient.bottom - 10);
    EXPECT_EQ(rcEdit.left, 86);
    EXPECT_EQ(rcEdit.top, 111);
    EXPECT_FALSE(pViewer->IsContentScrollBarShown());
    zeltest::PumpFor(200);
    EXPECT_TRUE(ctltest::SaveScreenshot(pViewer, L"minutes_viewer"));

    PressViewButton();
    EXPECT_EQ(m_pList->GetViewer(), nullptr) << "a second press closes it";
    PressViewButton();
    ASSERT_NE(m_pList->GetViewer(), nullptr) << "a third opens a new one";

    // Closed by its own button it is only hidden; the next press replaces it.
    m_pList->GetViewer()->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MINUTES_CLOSE, BN_CLICKED), 0);
    EXPECT_FALSE(m_pList->GetViewer()->IsWindowVisible());
    PressViewButton();
    ASSERT_NE(m_pList->GetViewer(), nullptr);
    EXPECT_TRUE(m_pList->GetViewer()->IsWindowVisible());
    m_pList->CloseViewer();
    EXPECT_EQ(m_pList->GetViewer(), nullptr);
}

TEST_F(Minutes, MinutesThatMayNotBeViewedAreRefusedAndTheBoardDisabled)
{
    m_pList->SetMinutes(MinutesBody(L"x"), 0);
    PressViewButton();
    EXPECT_EQ(m_pList->GetViewer(), nullptr);
    ASSERT_EQ(m_main.toasts.size(), 1u);
    CString text;
    text.LoadString(IDS_MINUTES_NOT_ALLOWED);
    EXPECT_EQ(m_main.toasts[0], text);
    EXPECT_EQ(m_main.meeting.nThumbnailsCleared, 1);
    ASSERT_EQ(m_main.meeting.boardStates.size(), 1u);
    EXPECT_FALSE(m_main.meeting.boardStates[0]);
}

TEST_F(Minutes, ALongTextScrollsInTheViewer)
{
    std::wstring many;
    for (int i = 0; i < 60; ++i)
        many += L"\xC548\xAC74 " + std::to_wstring(i + 1) + L"\n";
    m_pList->SetMinutes(MinutesBody(many), 1);
    PressViewButton();
    ASSERT_NE(m_pList->GetViewer(), nullptr);
    EXPECT_TRUE(m_pList->GetViewer()->IsContentScrollBarShown());
    MINMAXINFO mmi = {};
    m_pList->GetViewer()->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(mmi.ptMinTrackSize.x, 584);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 490);
    EXPECT_EQ(m_pList->GetViewer()->HitTest(CPoint(3, 3)), HTTOPLEFT);
    EXPECT_EQ(m_pList->GetViewer()->HitTest(CPoint(300, 200)), HTCAPTION);
    EXPECT_EQ(m_pList->GetViewer()->HitTest(CPoint(582, 488)), HTBOTTOMRIGHT);
}

TEST_F(Minutes, ChoosingADocumentAsksTheParentAndTheWheelStaysInRange)
{
    m_pList->SetDocuments(m_docs);
    EXPECT_EQ(m_pList->GetRows()->GetItemCount(), 12);
    EXPECT_TRUE(m_pList->GetScrollBar()->IsWindowVisible());
    // Marked by the meeting screen: no request back.
    m_pList->SelectDocument(L"M3");
    EXPECT_EQ(m_host.Count(WM_MINUTES_OPEN_DOCUMENT), 0);
    // Chosen by the user: the parent is asked to open it.
    m_pList->GetRows()->SetItemState(5, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    zeltest::PumpFor(50);
    EXPECT_EQ(m_host.Count(WM_MINUTES_OPEN_DOCUMENT), 1);
    // An id that no row holds unmarks every row.
    m_pList->SelectDocument(L"nope");
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(m_pList->GetRows()->GetItemState(i, LVIS_SELECTED), 0u);

    m_pList->GetScrollBar()->SetPos(98, FALSE);
    m_pWnd->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(20, 20));
    EXPECT_EQ(m_pList->GetScrollBar()->GetPos(), 94);
    m_pList->GetScrollBar()->SetPos(98, FALSE);
    m_pWnd->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(20, 20));
    EXPECT_EQ(m_pList->GetScrollBar()->GetPos(), 100);
    m_pList->ClearList();
    EXPECT_EQ(m_pList->GetRows()->GetItemCount(), 0);
    EXPECT_EQ(m_pList->GetRememberedPos(), 0);
}

}  // namespace
}  // namespace detailtest
