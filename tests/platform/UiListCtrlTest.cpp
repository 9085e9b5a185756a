// The report-view list: rows and columns, selection walking, sorting, and which drawing
// notifications reach the list object (custom draw, owner draw) under this system.
#include "platform/UI.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/platform/UiTestSupport.h"

namespace {

const UINT kIdList = 20;
const COLORREF kRowColour = RGB(40, 160, 90);

class CDrawingList : public CListCtrl {
public:
    std::set<DWORD> m_stages;
    int m_ownerDraws = 0;
    int m_itemPrePaints = 0;
    LRESULT m_itemAnswer = CDRF_SKIPDEFAULT;   // what the item stage answers
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        ++m_ownerDraws;
        CDC::FromHandle(lpDrawItemStruct->hDC)->FillSolidRect(&lpDrawItemStruct->rcItem, kRowColour);
    }
protected:
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
        m_stages.insert(draw->nmcd.dwDrawStage);
        switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            *pResult = CDRF_NOTIFYITEMDRAW;
            break;
        case CDDS_ITEMPREPAINT: {
            ++m_itemPrePaints;
            if (m_itemAnswer == CDRF_SKIPDEFAULT) {
                CRect row;
                GetItemRect((int)draw->nmcd.dwItemSpec, &row, LVIR_BOUNDS);
                CDC::FromHandle(draw->nmcd.hdc)->FillSolidRect(&row, kRowColour);
            }
            *pResult = m_itemAnswer;
            break;
        }
        default:
            *pResult = CDRF_DODEFAULT;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDrawingList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CDrawingList::OnCustomDraw)
END_MESSAGE_MAP()

class ListFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, L"lists", WS_POPUP | WS_VISIBLE, 20, 20, 400, 300, nullptr, nullptr));
    }
    void Fill(CListCtrl& list)
    {
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120);
        list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 80);
        const wchar_t* names[] = { L"beta", L"alpha", L"gamma" };
        const wchar_t* sizes[] = { L"20", L"3", L"100" };
        for (int i = 0; i < 3; ++i) {
            int row = list.InsertItem(i, names[i]);
            list.SetItemText(row, 1, sizes[i]);
            list.SetItemData(row, (DWORD_PTR)(i + 1));
        }
    }
    CWnd m_parent;
};

TEST_F(ListFixture, RowsColumnsAndSelection)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 300, 200), &m_parent, kIdList));
    Fill(list);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_STREQ(list.GetItemText(1, 0), L"alpha");
    EXPECT_STREQ(list.GetItemText(2, 1), L"100");
    EXPECT_EQ(list.GetItemData(2), 3u);
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
    HDITEMW header = {};
    header.mask = HDI_FORMAT;
    ASSERT_TRUE(list.GetHeaderCtrl()->GetItem(1, &header));
    EXPECT_EQ(header.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);

    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;) selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{ 0, 2 }));

    // Long texts come back whole.
    CString longText(L'x', 1000);
    list.SetItemText(0, 1, longText);
    EXPECT_EQ(list.GetItemText(0, 1).GetLength(), 1000);
}

int CALLBACK ByDataDescending(LPARAM a, LPARAM b, LPARAM)
{
    return (int)(b - a);
}

TEST_F(ListFixture, SortItemsUsesTheItemData)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, kIdList));
    Fill(list);
    ASSERT_TRUE(list.SortItems(ByDataDescending, 0));
    EXPECT_STREQ(list.GetItemText(0, 0), L"gamma");
    EXPECT_STREQ(list.GetItemText(2, 0), L"beta");
}

// Custom draw of a plain report list: the item stage arrives and its painting shows.
TEST_F(ListFixture, CustomDrawReachesTheListObject)
{
    CDrawingList list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, kIdList));
    Fill(list);
    list.Invalidate();
    list.UpdateWindow();
    CRect row;
    list.GetItemRect(0, &row, LVIR_BOUNDS);
    EXPECT_EQ(uitest::PixelWhenSettled(list.m_hWnd, row.left + 5, row.CenterPoint().y, kRowColour), kRowColour);
    EXPECT_EQ(list.m_stages.count(CDDS_PREPAINT), 1u);
    EXPECT_EQ(list.m_stages.count(CDDS_ITEMPREPAINT), 1u);
    EXPECT_EQ(list.m_ownerDraws, 0);
}

// An owner-drawn report list (LVS_OWNERDRAWFIXED) that also asks for custom draw: the item
// stage of custom draw arrives for every row; answering CDRF_SKIPDEFAULT there means the row was
// drawn and no WM_DRAWITEM follows, answering CDRF_DODEFAULT lets DrawItem draw it.
TEST_F(ListFixture, OwnerDrawnListTakesItemCustomDrawThenDrawItem)
{
    for (LRESULT answer : { (LRESULT)CDRF_SKIPDEFAULT, (LRESULT)CDRF_DODEFAULT }) {
        CDrawingList list;
        list.m_itemAnswer = answer;
        ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200), &m_parent, kIdList));
        Fill(list);
        list.Invalidate();
        list.UpdateWindow();
        CRect row;
        list.GetItemRect(1, &row, LVIR_BOUNDS);
        EXPECT_EQ(uitest::PixelWhenSettled(list.m_hWnd, row.left + 5, row.CenterPoint().y, kRowColour), kRowColour);
        EXPECT_GE(list.m_itemPrePaints, 3);
        if (answer == CDRF_SKIPDEFAULT) EXPECT_EQ(list.m_ownerDraws, 0);
        else EXPECT_GE(list.m_ownerDraws, 3);
    }
}

}  // namespace
