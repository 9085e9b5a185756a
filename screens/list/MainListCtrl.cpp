#include "screens/list/MainListCtrl.h"

#include "core/DrawHelpers.h"
#include "core/MeetingManager.h"
#include "platform/ResourceHandle.h"
#include "screens/list/ListPaint.h"
#include "screens/list/ListRows.h"
#include "ui/skin/SkinObject.h"

namespace {

const wchar_t kItemScreen[] = L"MainListItem";
const wchar_t kMoreButton[] = L"btnMore";

}  // namespace

CMainListCtrl::CMainListCtrl() = default;

CMainListCtrl::~CMainListCtrl()
{
    for (auto& entry : m_bitmaps)
        if (entry.second) ::DeleteObject(entry.second);
}

HBITMAP CMainListCtrl::Bitmap(UINT nId)
{
    auto it = m_bitmaps.find(nId);
    if (it != m_bitmaps.end()) return it->second;
    HBITMAP bmp = (HBITMAP)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nId), IMAGE_BITMAP, 0, 0, 0);
    m_bitmaps[nId] = bmp;
    return bmp;
}

int CMainListCtrl::CountRows(int nType) const
{
    int n = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos;)
        if (m_Items.GetNext(pos)->nType == nType) ++n;
    return n;
}

void CMainListCtrl::Fill(int nKind, int nCurPage, int nFirstIndex)
{
    m_nKind = nKind;
    SetRedraw(FALSE);
    // One scroll range for the whole fill instead of one per row.
    const BOOL bAuto = m_bAutoRecalc;
    m_bAutoRecalc = false;
    if (nCurPage == 1) DeleteAll();
    CMeetingManager* manager = CMeetingManager::GetInstance();
    const std::vector<CMeeting*> meetings = manager->GetMeetings();
    if (meetings.empty()) {
        SKIN_OBJECT* report = m_EmptyScreen.FindObject(L"textReport");
        SKIN_OBJECT* meeting = m_EmptyScreen.FindObject(L"textMeeting");
        if (report) report->m_nVisible = nKind == 30 ? 1 : 0;
        if (meeting) meeting->m_nVisible = nKind == 30 ? 0 : 1;
    } else {
        for (size_t i = nFirstIndex < 0 ? 0 : (size_t)nFirstIndex; i < meetings.size(); ++i)
            AddRow(kItemScreen, MAINLIST_ROW_MEETING, (DWORD_PTR)meetings[i]);
    }
    RemoveMoreRow();
    if (nCurPage < manager->GetTotalPage()) AddRow(kItemScreen, MAINLIST_ROW_MORE, 0);
    m_bAutoRecalc = bAuto != FALSE;
    SetRedraw(TRUE);
    RecalcScrollBar();
    CRect client;
    GetClientRect(&client);
    LayoutScreens(client.Width(), client.Height());
    Invalidate(FALSE);
}

int CMainListCtrl::AddRow(const CString& strScreen, int nType, DWORD_PTR dwData)
{
    SKIN_SCREEN* screen = new SKIN_SCREEN;
    screen->SetOwner(this)->LoadScreen(strScreen);
    if (SKIN_OBJECT* more = screen->FindObject(kMoreButton)) more->m_nVisible = nType == MAINLIST_ROW_MORE ? 1 : 0;
    MYLIST_ITEM* item = AddItem(nType, CString(), screen, dwData, 0);
    item->nSpacing = GetItemCount() > 1 ? 5 : 0;
    return GetItemCount() + 1;
}

void CMainListCtrl::RemoveMoreRow()
{
    int index = 0;
    for (POSITION pos = m_Items.GetHeadPosition(); pos; ++index) {
        if (m_Items.GetNext(pos)->nType == MAINLIST_ROW_MORE) {
            DeleteItem(index);
            return;
        }
    }
}

void CMainListCtrl::DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected)
{
    CMySkinListCtrl::DrawItem(pDC, rc, pItem, bSelected);
    if (pItem->nType != MAINLIST_ROW_MEETING || !pItem->dwData || rc.Height() == 0) return;
    CRect clip;
    pDC->GetClipBox(&clip);
    if (rc.bottom < clip.top || rc.top > clip.bottom) return;
    DrawMeetingRow(pDC, rc, *reinterpret_cast<const CMeeting*>(pItem->dwData));
}

void CMainListCtrl::DrawMeetingRow(CDC* pDC, const CRect& rc, const CMeeting& meeting)
{
    HDC hdc = pDC->GetSafeHdc();
    const SListRowData row = RowDataOf(meeting);
    const int L = rc.left;
    const int T = rc.top;
    const int W = rc.Width();

    // 1. Status icon.
    if (const UINT icon = RowStatusIcon(row.nStatus, row.bDelay))
        if (HBITMAP bmp = Bitmap(icon)) DrawTransparentBitmap(hdc, bmp, L + 20, T + 16, RGB(255, 255, 255));

    // 4. First line.
    HFONT bold = CreateListFont(hdc, GetDefaultFontSize(), FW_BOLD);
    int x = L + 43;
    const int right = L + 300;
    for (const SRowTextPart& part : RowFirstLine(row)) {
        if (x >= right) break;
        CRect box(x, T + 17, right, T + 35);
        DrawListText(hdc, part.strText, box, bold, part.clr, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS | DT_NOPREFIX);
        x += MeasureListText(hdc, part.strText, bold);
    }
    ::DeleteObject(bold);

    // 5. Title, after "[긴급]" for an urgent report.
    const COLORREF clrTitle = RowTitleColor(row.nStatus);
    HFONT title = CreateListFont(hdc, -15, 600);
    int titleLeft = L + 43;
    const CString prefix = RowTitlePrefix(row);
    if (!prefix.IsEmpty()) {
        DrawListText(hdc, prefix, CRect(titleLeft, T + 45, L + W - 300, T + 65), title, RGB(255, 0, 0),
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        titleLeft += MeasureListText(hdc, prefix, title) + 5;
    }
    DrawListText(hdc, row.strTitle, CRect(titleLeft, T + 45, L + W - 300, T + 65), title, clrTitle,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::DeleteObject(title);

    // 6. Reporter or organizers, right-aligned.
    HFONT small = CreateListFont(hdc, -13, FW_NORMAL);
    DrawListText(hdc, row.strRightText, CRect(L + W - 300, T + 45, L + W - 10, T + 65), small, clrTitle,
                 DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::DeleteObject(small);

    // 7. Flag icons from the right edge leftwards.
    int fx = L + W;
    for (const SRowFlagIcon& flag : RowFlagIcons(row)) {
        fx -= flag.nStep;
        if (HBITMAP bmp = Bitmap(flag.nBitmap)) DrawTransparentBitmap(hdc, bmp, fx, T + flag.y, flag.clrTransparent);
    }
}
