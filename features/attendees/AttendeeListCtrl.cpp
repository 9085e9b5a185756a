#include "features/attendees/AttendeeListCtrl.h"

#include "ui/host/MainDlg.h"
#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "core/MeetingManager.h"
#include "resources/resource.h"

namespace {

CString LoadText(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

void DrawBitmapKeyed(CDC* pDC, UINT nId, int x, int y)
{
    CBitmap bmp;
    if (bmp.LoadBitmap(nId)) DrawTransparentBitmap(pDC->GetSafeHdc(), (HBITMAP)bmp.GetSafeHandle(), x, y, RGB(255, 0, 255));
}

}  // namespace

BEGIN_MESSAGE_MAP(CAttendeeListCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CAttendeeListCtrl::OnCustomDraw)
    ON_NOTIFY_REFLECT(NM_CLICK, &CAttendeeListCtrl::OnClick)
    ON_WM_NCCALCSIZE()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CAttendeeListCtrl::~CAttendeeListCtrl()
{
    if (GetSafeHwnd()) DeleteAllRows();
}

BOOL CAttendeeListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER | WS_CLIPCHILDREN;
    return CListCtrl::PreCreateWindow(cs);
}

int CAttendeeListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    const int nResult = (int)Default();
    if (nResult == -1) return -1;
    // An empty image list fixes the row height.
    m_imageRow.Create(1, 47, ILC_COLOR24, 1, 0);
    SetImageList(&m_imageRow, LVSIL_SMALL);
    InsertColumn(0, L"", LVCFMT_LEFT, ROW_WIDTH);
    return nResult;
}

int CAttendeeListCtrl::AddRow(S_ATTENDEE_ROW* pRow)
{
    const int n = InsertItem(GetItemCount(), L"");
    SetItemData(n, (DWORD_PTR)pRow);
    return n;
}

S_ATTENDEE_ROW* CAttendeeListCtrl::GetRow(int nRow) const
{
    if (nRow < 0 || nRow >= GetItemCount()) return nullptr;
    return reinterpret_cast<S_ATTENDEE_ROW*>(GetItemData(nRow));
}

void CAttendeeListCtrl::DeleteAllRows()
{
    for (int i = 0; i < GetItemCount(); ++i) delete GetRow(i);
    DeleteAllItems();
}

COLORREF CAttendeeListCtrl::NameColour(const S_ATTENDEE_ROW& row)
{
    return (!row.subFlags.empty() && row.subFlags[0]) ? RGB(255, 236, 66) : RGB(63, 72, 204);
}

int CAttendeeListCtrl::GetRowTipInfo(int nRow, CRect* pIcon) const
{
    const S_ATTENDEE_ROW* row = GetRow(nRow);
    if (!row) return 0;
    if (pIcon) *pIcon = row->rcIcon;
    CMeetingManager* mm = CMeetingManager::GetInstance();
    CMeeting* m = mm->GetCurrentMeeting();
    if (!m) return row->roleFlag ? 2 : 0;
    if (m->CanShare() || m->IsReport()) return 0;
    if (mm->IsMainUserMe() || m->GetMainYn() || mm->IsPresenterMe()) {
        if (row->roleFlag) return 2;
        return mm->IsNotStarted() ? 0 : 1;
    }
    return row->roleFlag ? 2 : 0;
}

void CAttendeeListCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // The owner shows a skinned bar instead.
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
    Default();
}

void CAttendeeListCtrl::OnSize(UINT nType, int cx, int cy)
{
    Default();
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
}

BOOL CAttendeeListCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    const int nBottom = (GetItemCount() - GetTopIndex()) * ROW_HEIGHT;
    if (nBottom < rc.bottom) pDC->FillSolidRect(rc.left, nBottom < 0 ? 0 : nBottom, rc.Width(), rc.bottom, RGB(255, 255, 255));
    return TRUE;
}

void CAttendeeListCtrl::DrawRow(CDC* pTarget, int nRow, const CRect& rcRow)
{
    S_ATTENDEE_ROW* row = GetRow(nRow);
    if (!row) return;
    CDC mem;
    mem.CreateCompatibleDC(pTarget);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(pTarget, ROW_WIDTH, ROW_HEIGHT);
    CBitmap* pOld = mem.SelectObject(&bmp);
    mem.FillSolidRect(0, 0, ROW_WIDTH, ROW_HEIGHT, RGB(255, 255, 255));
    DrawBitmapKeyed(&mem, row->presence == 1 ? IDB_ATTENDEE_PRESENT : IDB_ATTENDEE_ABSENT, 0, 6);
    CRect rcName(14, 4, 180, 20);
    DrawTextWithFont(&mem, &rcName, row->name, NameColour(*row), 0, TRUE, 10, DT_SINGLELINE | DT_END_ELLIPSIS, 1);
    CString strSecond;
    if (!row->position.IsEmpty() && !row->dept.IsEmpty())
        strSecond.Format(L"%s / %s", (LPCTSTR)row->position, (LPCTSTR)row->dept);
    else
        strSecond = row->position.IsEmpty() ? row->dept : row->position;
    CRect rcSecond(14, 26, 190, 42);
    DrawTextWithFont(&mem, &rcSecond, strSecond, RGB(90, 90, 90), 0, TRUE, 9, DT_SINGLELINE | DT_END_ELLIPSIS, 0);
    mem.FillSolidRect(0, 47, ROW_WIDTH, 1, RGB(255, 255, 255));
    row->rcIcon = CRect(rcRow.left + 221, rcRow.top, rcRow.left + 221 + 61, rcRow.top + 18);
    CMeeting* m = CMeetingManager::GetInstance()->GetCurrentMeeting();
    if (row->iconCount && !(m && m->IsReport()) && row->roleFlag) DrawBitmapKeyed(&mem, IDB_ATTENDEE_PRESENTER, 221 - 61, 15);
    if (m && m->GetMeetingTypeNumber() == 14) {
        const BOOL bYes = row->confirmYn.CompareNoCase(L"Y") == 0;
        DrawBitmapKeyed(&mem, bYes ? IDB_ATTENDEE_CONFIRM_Y : IDB_ATTENDEE_CONFIRM_N, 177, 12);
    }
    pTarget->BitBlt(rcRow.left, rcRow.top, ROW_WIDTH, ROW_HEIGHT, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
}

void CAttendeeListCtrl::OnCustomDraw(NMHDR* pNotify, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNotify);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT: {
        const int nRow = (int)pDraw->nmcd.dwItemSpec;
        const CRect rcRow(0, (nRow - GetTopIndex()) * ROW_HEIGHT, ROW_WIDTH, (nRow - GetTopIndex() + 1) * ROW_HEIGHT);
        DrawRow(CDC::FromHandle(pDraw->nmcd.hdc), nRow, rcRow);
        *pResult = CDRF_SKIPDEFAULT;
        break;
    }
    default:
        *pResult = CDRF_SKIPDEFAULT;
        break;
    }
}

void CAttendeeListCtrl::ResetStates()
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (S_ATTENDEE_ROW* row = GetRow(i)) row->iconState = 0;
}

void CAttendeeListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (S_ATTENDEE_ROW* row = GetRow(i)) row->iconState = row->rcIcon.PtInRect(point) ? 1 : 0;
    Invalidate();
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
    Default();
}

void CAttendeeListCtrl::OnMouseLeave()
{
    ResetStates();
    Invalidate();
}

void CAttendeeListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nHit = GetTopIndex() + (point.y >= 0 ? point.y / ROW_HEIGHT : -1);
    CMeeting* m = CMeetingManager::GetInstance()->GetCurrentMeeting();
    const BOOL bType2 = m && m->GetMeetingTypeNumber() == 2;
    m_nPressedRow = -1;
    for (int i = 0; i < GetItemCount(); ++i) {
        S_ATTENDEE_ROW* row = GetRow(i);
        if (!row) continue;
        row->iconState = (i == nHit && !bType2) ? 2 : 0;
        if (i == nHit) m_nPressedRow = i;
    }
    Invalidate();
    Default();
    // The list view runs its own loop while the button is down and reports the click after it;
    // without one (a press that never moves) the click is reported here.
    NMHDR hdr = {m_hWnd, (UINT_PTR)GetDlgCtrlID(), (UINT)NM_CLICK};
    LRESULT r = 0;
    OnClick(&hdr, &r);
}

void CAttendeeListCtrl::OnClick(NMHDR*, LRESULT* pResult)
{
    if (pResult) *pResult = 0;
    const int nRow = m_nPressedRow;
    m_nPressedRow = -1;
    S_ATTENDEE_ROW* row = GetRow(nRow);
    if (!row) return;
    CWnd* pOwner = m_pOwner ? m_pOwner : GetParent();
    if (row->iconState == 2 && GetRowTipInfo(nRow, nullptr) == 1) {
        IZELMainDlg* pMain = GetMainDlg();
        const CString strText = LoadText(IDS_HANDOVER_ASK) + L"\n" + LoadText(IDS_HANDOVER_NOTE);
        if (pMain && pMain->ShowMessagePopup(CString(), strText, 137, nullptr, TRUE) == IDOK && pOwner)
            pOwner->SendMessage(WM_ATTENDEE_LIST_HANDOVER, (WPARAM)row->userIdnfr, 0);
    } else if (pOwner) {
        pOwner->SendMessage(WM_ATTENDEE_LIST_ROW, (WPARAM)row->userIdnfr, 0);
    }
    ResetStates();
    Invalidate();
}

// ---------------------------------------------------------------------------- the detail card

BEGIN_MESSAGE_MAP(CAttendeeDetailPopup, CDialogPopupBase)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CAttendeeDetailPopup::CAttendeeDetailPopup(CWnd* pParent, int x, int y, const CString& strTitle)
    : CDialogPopupBase(IDD_SKIN_POPUP, pParent, 185, 267, x, y, strTitle, FALSE)
{
}

BOOL CAttendeeDetailPopup::OnInitDialog()
{
    CDialogPopupBase::OnInitDialog();
    m_Screen.SetOwner(this)->LoadScreen(L"ProfileDlg");
    MoveWindow(m_Screen.m_rcScreen);
    m_Screen.Layout(this, m_Screen.m_rcScreen.Width(), m_Screen.m_rcScreen.Height());
    CenterWindow();
    return TRUE;
}

void CAttendeeDetailPopup::SetProfile(const CString& strName, const CString& strPosition, const CString& strDept,
                                      const CString& strEmail, const CString& strOffice, const CString& strMobile)
{
    const wchar_t* names[6] = {L"textName", L"textPosition", L"textDepart", L"textEmail", L"textOffice", L"textMobile"};
    const CString* texts[6] = {&strName, &strPosition, &strDept, &strEmail, &strOffice, &strMobile};
    for (int i = 0; i < 6; ++i) {
        m_strFields[i] = *texts[i];
        if (SKIN_OBJECT* o = m_Screen.FindObject(names[i])) o->SetText(this, *texts[i], TRUE);
    }
}

BOOL CAttendeeDetailPopup::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CAttendeeDetailPopup::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    m_Screen.Draw(&dc, rc);
}
