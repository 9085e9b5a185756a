// The meeting's document list on a real window with the shipped skin: rows and the header drawn
// from the skin's row screen, the selection, and the viewer button that reports to the owning
// pane without selecting its row.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <json/json.h>

#include <memory>
#include <vector>

#include "core/MeetingDocument.h"
#include "features/documents/DocumentListCtrl.h"
#include "features/documents/DocumentListRules.h"
#include "tests/features/documents/DocViewerTestSupport.h"
#include "tests/ui/controls/UiControlsSupport.h"

namespace {

std::unique_ptr<CMeetingDocument> Document(const char* id, const wchar_t* name)
{
    Json::Value obj;
    obj["attcFileId"] = id;
    obj["attcFileName"] = zeltest::Narrow(name);
    auto doc = std::make_unique<CMeetingDocument>();
    doc->LoadFromJson(obj);
    return doc;
}

class DocumentList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_resources.Loaded());
        ASSERT_TRUE(doctest::LoadShippedSkinKorean());
        ASSERT_TRUE(m_host.Open(300, 260));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_NOCOLUMNHEADER | LVS_SINGLESEL,
                                  CRect(10, 10, 10 + DOCLIST_ROW_WIDTH, 10 + 6 * DOCLIST_ROW_HEIGHT), &m_host,
                                  DOCUMENTLIST_CTRL_ID));
        m_docs.push_back(Document("F1", L"2026년 예산안.pdf"));
        m_docs.push_back(Document("F2", L"사업 계획.hwp"));
        m_docs.push_back(Document("F3", L"회의 안건.pptx"));
        m_docs.push_back(Document("R1", L"참고 통계.xlsx"));
        m_docs.push_back(Document("R2", L"현장 사진.jpg"));
        for (int i = 0; i < 3; ++i) m_list.AddDocumentRow(m_docs[i].get());
        m_list.AddHeaderRow();
        m_list.AddDocumentRow(m_docs[3].get());
        m_list.AddDocumentRow(m_docs[4].get());
        m_list.m_nRefDocCount = 2;
        m_list.UpdateWindow();
        zeltest::PumpFor(50);
        m_host.reports.clear();
    }
    void TearDown() override
    {
        m_list.DestroyWindow();
        m_host.DestroyWindow();
    }
    // The client point in the middle of a row's viewer button.
    CPoint DualButton(int nRow) { return CPoint(238, nRow * DOCLIST_ROW_HEIGHT + 17); }
    std::vector<int> SelectedRows()
    {
        std::vector<int> rows;
        for (int i = 0; i < m_list.GetItemCount(); ++i)
            if (m_list.GetItemState(i, LVIS_SELECTED)) rows.push_back(i);
        return rows;
    }

    doctest::KoreanResources m_resources;
    ctltest::CHostWnd m_host;
    CDocumentListCtrl m_list;
    std::vector<std::unique_ptr<CMeetingDocument>> m_docs;
};

TEST_F(DocumentList, RowsComeFromTheSkinAndTheHeaderCountsTheReferences)
{
    EXPECT_EQ(m_list.GetRefCountTemplate(), CString(L"{C}건"));
    CRect rcRow;
    ASSERT_TRUE(m_list.GetItemRect(1, &rcRow, LVIR_BOUNDS));
    EXPECT_EQ(rcRow.Height(), DOCLIST_ROW_HEIGHT);
    // The list never shows its own scroll bars: the pane draws a skinned one.
    EXPECT_EQ(m_list.GetStyle() & (WS_VSCROLL | WS_HSCROLL), 0u);
    m_list.SelectDocument(L"F2");
    m_list.UpdateWindow();
    zeltest::PumpFor(50);
    EXPECT_TRUE(ctltest::SaveScreenshot(&m_host, L"DocumentListCtrl"));
}

TEST_F(DocumentList, SelectionFollowsTheIdAndSurvivesAReselect)
{
    m_list.SelectDocument(L"F3");
    EXPECT_EQ(SelectedRows(), std::vector<int>({2}));
    EXPECT_EQ(m_list.GetSelectedDocumentId(), CString(L"F3"));
    // The owner refilled the rows: the same id again is re-applied only through a reselect.
    m_list.SetItemState(2, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SelectDocument(L"F3");
    EXPECT_TRUE(SelectedRows().empty());
    m_list.ReselectDocument(L"F3");
    EXPECT_EQ(SelectedRows(), std::vector<int>({2}));
    m_list.SelectDocument(L"R2");
    EXPECT_EQ(SelectedRows(), std::vector<int>({5}));
    m_list.DeleteAllDocuments();
    EXPECT_EQ(m_list.GetItemCount(), 0);
    EXPECT_TRUE(m_list.GetSelectedDocumentId().IsEmpty());
    EXPECT_EQ(m_list.GetHoverRow(), -1);
}

TEST_F(DocumentList, ViewerButtonReportsPressAndReleaseWithoutSelectingTheRow)
{
    m_list.SelectDocument(L"F1");
    const CPoint pt = DualButton(2);
    ctltest::Mouse(&m_list, WM_LBUTTONDOWN, pt.x, pt.y, MK_LBUTTON);
    ctltest::Mouse(&m_list, WM_LBUTTONUP, pt.x, pt.y);
    zeltest::PumpFor(50);
    const auto sent = m_host.Only(WM_DOCLIST_DUAL_SENT);
    const auto posted = m_host.Only(WM_DOCLIST_DUAL_POSTED);
    ASSERT_EQ(sent.size(), 2u);
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(sent[0].wParam, (WPARAM)WM_LBUTTONDOWN);
    EXPECT_EQ(sent[1].wParam, (WPARAM)WM_LBUTTONUP);
    EXPECT_EQ(sent[0].lParam, 2);
    EXPECT_EQ(posted[1].lParam, 2);
    EXPECT_EQ(SelectedRows(), std::vector<int>({0}));
    // The header row has no button.
    m_host.reports.clear();
    const CPoint header = DualButton(3);
    ctltest::Mouse(&m_list, WM_LBUTTONDOWN, header.x, header.y, MK_LBUTTON);
    ctltest::Mouse(&m_list, WM_LBUTTONUP, header.x, header.y);
    zeltest::PumpFor(50);
    EXPECT_EQ(m_host.Count(WM_DOCLIST_DUAL_SENT), 0);
}

TEST_F(DocumentList, HoverMovesFromButtonToButtonAndRepaintsOnlyThoseRows)
{
    ctltest::Mouse(&m_list, WM_MOUSEMOVE, DualButton(0).x, DualButton(0).y);
    EXPECT_EQ(m_list.GetHoverRow(), 0);
    m_list.UpdateWindow();
    ctltest::Mouse(&m_list, WM_MOUSEMOVE, DualButton(1).x, DualButton(1).y);
    EXPECT_EQ(m_list.GetHoverRow(), 1);
    CRect rcUpdate;
    ASSERT_TRUE(m_list.GetUpdateRect(&rcUpdate, FALSE));
    EXPECT_EQ(rcUpdate, CRect(0, 0, DOCLIST_ROW_WIDTH, 2 * DOCLIST_ROW_HEIGHT));
    ctltest::Mouse(&m_list, WM_MOUSEMOVE, 60, 17);
    EXPECT_EQ(m_list.GetHoverRow(), -1);
}

}  // namespace
