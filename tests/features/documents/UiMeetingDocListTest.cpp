// The meeting's document pane on a real window: rows with the reference header, selections turned
// into document indices for the meeting screen, the guards of a follower and of an ended meeting,
// and the wheel on the skinned scroll bar.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>
#include <vector>

#include "core/MeetingDocument.h"
#include "features/documents/DocumentListRules.h"
#include "features/documents/MeetingDocListCtrl.h"
#include "platform/WinThread.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace {

std::unique_ptr<CMeetingDocument> Document(const char* id, const wchar_t* name, bool reference)
{
    Json::Value obj;
    obj["attcFileId"] = id;
    obj["attcFileName"] = zeltest::Narrow(name);
    obj["refDocYn"] = reference ? "Y" : "N";
    auto doc = std::make_unique<CMeetingDocument>();
    doc->LoadFromJson(obj);
    return doc;
}

class StandInHost : public IMeetingDocListHost {
public:
    BOOL IsMeetingEnded() override { return ended; }
    BOOL IsPresenterMe() override { return presenter; }
    BOOL IsMeetingType12() override { return type12; }
    int GetMeetingKind() override { return kind; }
    BOOL IsDocumentListHidden() override { return hidden; }
    BOOL IsPageSyncOn() override { return pageSync; }
    void ShowPageSyncBlocked() override { ++blockedNotices; }
    void RequestDocumentList(const CString& type) override { requests.push_back(type); }
    void RefreshDocumentList(const CString& type) override { refreshes.push_back(type); }
    BOOL OpenDocumentOnBoard(const CString&) override { return TRUE; }
    CWnd* GetMenuCommandTarget() override { return nullptr; }

    BOOL ended = FALSE, presenter = TRUE, type12 = FALSE, hidden = FALSE, pageSync = FALSE;
    int kind = 10;
    int blockedNotices = 0;
    std::vector<CString> requests, refreshes;
};

void Pump() { ctltest::PumpTranslated(); }

class MeetingDocList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Loaded());
        ASSERT_TRUE(doctest::LoadShippedSkinKorean());
        ASSERT_TRUE(m_host.Open(300, 320));
        m_docs.push_back(Document("A", L"2027년 사업 계획.hwp", false));
        m_docs.push_back(Document("B", L"예산 집행 현황.xlsx", false));
        m_docs.push_back(Document("R1", L"참고 통계.pdf", true));
        m_docs.push_back(Document("R2", L"현장 사진.jpg", true));
    }
    void TearDown() override
    {
        m_pane.reset();
        m_host.DestroyWindow();
    }
    void Open(int height = 300)
    {
        m_pane = std::make_unique<CMeetingDocListCtrl>(&m_stand);
        ASSERT_TRUE(m_pane->Create(&m_host, CRect(10, 10, 279, 10 + height), 32780));
        m_pane->ResetList();
        m_pane->SetDocuments(Pointers());
        Pump();
        m_host.reports.clear();
    }
    std::vector<CMeetingDocument*> Pointers()
    {
        std::vector<CMeetingDocument*> v;
        for (auto& d : m_docs) v.push_back(d.get());
        return v;
    }
    void Choose(int row)
    {
        m_pane->GetList()->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Pump();
    }
    std::vector<LPARAM> Opened(UINT message = WM_DOCLIST_OPEN_ON_BOARD, bool wparam = true)
    {
        std::vector<LPARAM> v;
        for (const auto& r : m_host.Only(message)) v.push_back(wparam ? (LPARAM)r.wParam : r.lParam);
        return v;
    }

    doctest::KoreanResources m_resources;
    ctltest::CHostWnd m_host;
    StandInHost m_stand;
    std::unique_ptr<CMeetingDocListCtrl> m_pane;
    std::vector<std::unique_ptr<CMeetingDocument>> m_docs;
};

TEST_F(MeetingDocList, ReferenceHeaderStandsBeforeTheFirstReferenceAndIndicesSkipIt)
{
    Open();
    CDocumentListCtrl* list = m_pane->GetList();
    ASSERT_EQ(list->GetItemCount(), 5);
    EXPECT_EQ(m_pane->GetHeaderRow(), 2);
    EXPECT_EQ(list->GetItemData(2), 0u);
    EXPECT_EQ(list->m_nRefDocCount, 2);
    EXPECT_EQ(m_pane->GetDocumentCount(), 4);
    EXPECT_EQ(m_pane->GetMainDocumentCount(), 2);
    m_pane->UpdateWindow();
    EXPECT_EQ(m_pane->GetCountText(), CString(L"4건"));

    Choose(3);   // R1
    EXPECT_EQ(Opened(), std::vector<LPARAM>({2}));
    EXPECT_EQ(m_pane->GetSelectedRow(), 3);
    // The board opened it and the meeting screen marks it; choosing it again asks nothing.
    m_pane->SelectDocument(L"R1");
    m_host.reports.clear();
    Choose(3);
    EXPECT_TRUE(Opened().empty());
    // The header row opens nothing.
    Choose(2);
    EXPECT_TRUE(Opened().empty());
    Choose(1);
    EXPECT_EQ(Opened(), std::vector<LPARAM>({1}));
    m_pane->SelectDocument(L"B");
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"MeetingDocList"));
}

// A press on a row with the mouse, as the user picks a document, opens it.
TEST_F(MeetingDocList, APressOnARowOpensItsDocument)
{
    Open();
    const int row = 3;   // R1, document index 2
    const POINT at{60, row * DOCLIST_ROW_HEIGHT + 17};
    m_pane->GetList()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    m_pane->GetList()->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Pump();
    EXPECT_EQ(Opened(), std::vector<LPARAM>({2}));
}

TEST_F(MeetingDocList, ViewerButtonGoesOnWithTheDocumentIndex)
{
    Open();
    const int row = 4;   // R2, document index 3
    ctltest::Mouse(m_pane->GetList(), WM_LBUTTONDOWN, 238, row * DOCLIST_ROW_HEIGHT + 17, MK_LBUTTON);
    ctltest::Mouse(m_pane->GetList(), WM_LBUTTONUP, 238, row * DOCLIST_ROW_HEIGHT + 17);
    Pump();
    EXPECT_EQ(Opened(WM_DOCLIST_DUAL_SENT, false), std::vector<LPARAM>({3, 3}));
    EXPECT_EQ(Opened(WM_DOCLIST_DUAL_POSTED, true), std::vector<LPARAM>({WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_TRUE(Opened().empty());
}

// The right-hand pane creates the document pane small and sizes it afterwards: a press anywhere
// on a row left of its viewer button still selects the row and opens that document.
TEST_F(MeetingDocList, APressAcrossARowOpensItAfterThePaneIsSized)
{
    m_pane = std::make_unique<CMeetingDocListCtrl>(&m_stand);
    ASSERT_TRUE(m_pane->Create(&m_host, CRect(0, 0, 10, 10), 32780));
    m_pane->ResetList();
    m_pane->SetDocuments(Pointers());
    m_pane->MoveWindow(10, 10, 269, 300);
    Pump();
    m_host.reports.clear();
    const struct {
        int x;
        int row;
        LPARAM index;
    } presses[] = {{12, 1, 1}, {120, 3, 2}, {200, 0, 0}, {5, 4, 3}};
    for (const auto& press : presses) {
        const LPARAM at = MAKELPARAM(press.x, press.row * DOCLIST_ROW_HEIGHT + DOCLIST_ROW_HEIGHT / 2);
        // Posted, as the system queues a user's press and release.
        m_pane->GetList()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        m_pane->GetList()->PostMessage(WM_LBUTTONUP, 0, at);
        Pump();
        EXPECT_EQ(Opened(), std::vector<LPARAM>({press.index})) << "press at x " << press.x << " on row " << press.row;
        EXPECT_TRUE(m_pane->GetList()->GetItemState(press.row, LVIS_SELECTED));
        m_host.reports.clear();
    }
}

TEST_F(MeetingDocList, FollowingThePresenterGuardsTheList)
{
    Open();
    m_pane->SelectDocument(L"A");
    // The presenter himself may not open a reference document while pages are synchronised:
    // the notice shows and the previous choice comes back.
    m_stand.pageSync = TRUE;
    Choose(4);
    EXPECT_EQ(m_stand.blockedNotices, 1);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(m_pane->GetList()->GetItemState(0, LVIS_SELECTED));
    EXPECT_FALSE(m_pane->GetList()->GetItemState(4, LVIS_SELECTED));
    // A follower's press into the list never reaches it.
    m_stand.presenter = FALSE;
    const LPARAM at = MAKELPARAM(60, 1 * DOCLIST_ROW_HEIGHT + 17);
    m_pane->GetList()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    m_pane->GetList()->PostMessage(WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_TRUE(m_pane->GetList()->GetItemState(0, LVIS_SELECTED));
    EXPECT_TRUE(Opened().empty());
    // The archive button stays usable.
    m_pane->GetButton(CMeetingDocListCtrl::ID_ARCHIVE_BUTTON).ShowWindow(SW_SHOW);
    m_pane->SendMessage(WM_COMMAND, MAKEWPARAM(CMeetingDocListCtrl::ID_ARCHIVE_BUTTON, BN_CLICKED), 0);
    EXPECT_EQ(m_host.Count(WM_DOCLIST_ARCHIVE), 1);
}

TEST_F(MeetingDocList, AnEndedMeetingOpensNothingAndDisablesTheButtons)
{
    m_stand.ended = TRUE;
    Open();
    EXPECT_FALSE(m_pane->GetButton(CMeetingDocListCtrl::ID_ARCHIVE_BUTTON).IsWindowEnabled());
    EXPECT_FALSE(m_pane->GetButton(CMeetingDocListCtrl::ID_MENU_BUTTON).IsWindowEnabled());
    Choose(0);
    EXPECT_TRUE(Opened().empty());
}

TEST_F(MeetingDocList, HiddenDocumentsLeaveTheListEmpty)
{
    m_stand.hidden = TRUE;
    Open();
    EXPECT_EQ(m_pane->GetList()->GetItemCount(), 0);
    EXPECT_EQ(m_pane->GetDocumentCount(), 0);
    EXPECT_FALSE(m_pane->HasDocument(L"A"));
    m_pane->RequestDocumentList();
    EXPECT_EQ(m_stand.requests, std::vector<CString>({L"10"}));
}

TEST_F(MeetingDocList, WheelStepsTheBarByFourBetweenTheEnds)
{
    for (int i = 0; i < 30; ++i) {
        CStringA id;
        id.Format("M%d", i);
        m_docs.push_back(Document(id.GetString(), L"추가 자료.docx", false));
    }
    Open(200);
    ZELScrollBar* bar = m_pane->GetScrollBar();
    const int start = bar->GetPos();
    m_pane->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), 0);
    EXPECT_EQ(bar->GetPos(), start + 4);
    for (int i = 0; i < 40; ++i) m_pane->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), 0);
    EXPECT_EQ(bar->GetPos(), 100);
    EXPECT_GT(m_pane->GetList()->GetTopIndex(), 20);   // the bar's position scrolled the rows
    for (int i = 0; i < 40; ++i) m_pane->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)120), 0);
    EXPECT_EQ(bar->GetPos(), 0);
    EXPECT_EQ(m_pane->GetList()->GetTopIndex(), 0);
}

}  // namespace
