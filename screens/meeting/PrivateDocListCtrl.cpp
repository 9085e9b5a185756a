#include "core/ClientMessages.h"
#include "screens/meeting/PrivateDocListCtrl.h"

#include "ui/host/MainDlg.h"
#include "core/DrawHelpers.h"
#include "core/MeetingDocument.h"
#include "platform/Bitmap.h"
#include "platform/DC.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"
#include "ui/controls/MemDCEX.h"

BEGIN_MESSAGE_MAP(CPrivateDocListCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SCROLLBAR_POS, &CPrivateDocListCtrl::OnScrollBarPos)
    ON_NOTIFY(LVN_ITEMCHANGED, CPrivateDocListCtrl::ID_LIST, &CPrivateDocListCtrl::OnItemChanged)
    ON_BN_CLICKED(CPrivateDocListCtrl::ID_BACK, &CPrivateDocListCtrl::OnBack)
    ON_BN_CLICKED(CPrivateDocListCtrl::ID_SECOND, &CPrivateDocListCtrl::OnSecond)
END_MESSAGE_MAP()

CPrivateDocListCtrl::~CPrivateDocListCtrl()
{
    if (GetSafeHwnd()) DestroyWindow();
}

BOOL CPrivateDocListCtrl::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId);
}

int CPrivateDocListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_btnSecond.Create(L"", WS_CHILD | WS_TABSTOP | BS_BITMAP, CRect(5, 5, 19, 24), this, ID_SECOND);
    m_btnSecond.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_btnSecond.SetSkin(IDB_PRIVATE_FOCUS, IDB_PRIVATE_DOWN, IDB_PRIVATE_OVER, IDB_PRIVATE, IDB_PRIVATE_FOCUS, 0, 0, 0, 0);
    m_btnSecond.ShowWindow(SW_SHOW);
    m_btnBack.Create(L"", WS_CHILD | WS_TABSTOP | BS_BITMAP, CRect(5, 5, 19, 24), this, ID_BACK);
    m_btnBack.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_btnBack.SetSkin(IDB_PRIVATE_BACK, IDB_PRIVATE_BACK_DOWN, IDB_PRIVATE_BACK_OVER, IDB_PRIVATE_BACK,
                      IDB_PRIVATE_BACK_FOCUS, 0, 0, 0, 0);
    m_btnBack.ShowWindow(SW_SHOW);

    CRect rc;
    GetClientRect(&rc);
    m_pList.reset(new CDocumentListCtrl());
    m_pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER, rc, this, ID_LIST);
    m_pList->SetExtendedStyle(m_pList->GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    m_pList->SetBkColor(RGB(255, 255, 255));
    m_pScrollBar.reset(new ZELScrollBar());
    m_pScrollBar->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 11, 80), this, ID_SCROLLBAR);
    return 0;
}

void CPrivateDocListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_pList) return;
    m_pList->MoveWindow(1, 31, kListWidth, cy - 37 > 0 ? cy - 37 : 0);
    m_pScrollBar->MoveWindow(cx - 11, 31, 11, cy - 37 > 0 ? cy - 37 : 0);
    m_btnSecond.MoveWindow(cx / 2 + 11, 8, 71, 12);
    m_btnBack.MoveWindow(10, 8, 46, 12);
    UpdateScrollBar();
}

CString CPrivateDocListCtrl::GetCountText() const
{
    CString text;
    text.Format(IDS_DOCPANE_COUNT, (int)m_documents.size());
    return text;
}

BOOL CPrivateDocListCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    return TRUE;
}

void CPrivateDocListCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CMemDCEX mem(&dc, &rc);
    StretchBitmap(&mem, IDB_PANE_BODY, CRect(0, 0, rc.Width() + 10, rc.Height()), 1, 1);
    StretchBitmap(&mem, IDB_DOCPANE_HEADER, CRect(0, 0, rc.Width(), 31), 1, 31);
    StretchBitmap(&mem, IDB_DOCPANE_BODY, CRect(0, 31, kListWidth + 2, rc.Height()), kListWidth + 2, 1);
    // The pane's bottom edge under the list.
    StretchBitmap(&mem, IDB_DOCPANE_EDGE, CRect(0, rc.Height() - 6, kListWidth + 2, rc.Height()));
    CRect rcCount(rc.Width() / 2 + 82, 10, rc.Width() / 2 + 113, 31);
    DrawTextWithFont(&mem, &rcCount, GetCountText(), RGB(102, 102, 102), 0, TRUE, 9, DT_CENTER | DT_TOP, 0);
    mem.Flush(SRCCOPY);
}

void CPrivateDocListCtrl::Reset()
{
    if (m_pList) m_pList->DeleteAllDocuments();
    m_documents.clear();
    m_bActive = FALSE;
    m_nLastScrollPos = 0;
    UpdateScrollBar();
    if (GetSafeHwnd()) Invalidate();
}

void CPrivateDocListCtrl::SetDocuments(const std::vector<CMeetingDocument*>& documents)
{
    m_bFilling = TRUE;
    m_pList->SetRedraw(FALSE);
    m_pList->DeleteAllDocuments();
    m_bActive = TRUE;
    m_documents = documents;
    for (CMeetingDocument* pDocument : documents) m_pList->AddDocumentRow(pDocument);
    m_pList->SetRedraw(TRUE);
    m_bFilling = FALSE;
    UpdateScrollBar();
    Invalidate();
}

void CPrivateDocListCtrl::SelectDocument(const CString& strAttcFileId)
{
    m_bFilling = TRUE;
    m_pList->SelectDocument(strAttcFileId);
    m_bFilling = FALSE;
    SyncScrollBar(TRUE);
}

BOOL CPrivateDocListCtrl::HasDocument(const CString& strAttcFileId) const
{
    if (m_documents.empty()) return TRUE;
    for (CMeetingDocument* p : m_documents)
        if (p && p->GetFileId() == strAttcFileId) return TRUE;
    return FALSE;
}

void CPrivateDocListCtrl::RequestDocuments()
{
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->RequestDocumentList(L"20");
}

int CPrivateDocListCtrl::ListClientHeight() const
{
    CRect rc;
    m_pList->GetClientRect(&rc);
    return rc.Height();
}

void CPrivateDocListCtrl::UpdateScrollBar()
{
    if (!m_pScrollBar || !m_pScrollBar->GetSafeHwnd()) return;
    const int percent = MeetingRules::PrivateThumbPercent(ListClientHeight(), (int)m_documents.size());
    if (percent > 0) {
        m_pScrollBar->ShowWindow(SW_SHOW);
        m_pScrollBar->SetThumbSize(percent);
        SyncScrollBar(TRUE);
    } else {
        m_pScrollBar->ShowWindow(SW_HIDE);
    }
}

void CPrivateDocListCtrl::SyncScrollBar(BOOL bNotify)
{
    const int rows = (int)m_documents.size();
    if (rows == 0) return;
    const int top = m_pList->GetTopIndex();
    int bottom = (int)(top + ListClientHeight() / (double)MeetingRules::kPrivateRowHeight);
    if (bottom > rows) bottom = rows;
    const int selected = m_pList->GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0 && selected + 1 >= top && selected + 1 <= bottom) {
        m_pScrollBar->SetPos(m_pScrollBar->GetPos(), FALSE);
        m_nLastScrollPos = m_pScrollBar->GetPos();
    } else if (selected >= 0) {
        m_nLastScrollPos = (int)((selected + 1) / (double)rows * 100.0);
        m_pScrollBar->SetPos(m_nLastScrollPos, bNotify);
    } else {
        m_pScrollBar->SetPos(m_nLastScrollPos, TRUE);
    }
}

LRESULT CPrivateDocListCtrl::OnScrollBarPos(WPARAM wParam, LPARAM)
{
    const int rows = (int)m_documents.size();
    const int fit = ListClientHeight() / MeetingRules::kPrivateRowHeight;
    const int first = MeetingRules::PrivateFirstRow(ListClientHeight(), rows, (int)wParam);
    for (int row = first; row < first + fit && row < rows; ++row) m_pList->EnsureVisible(row, FALSE);
    if (first + fit - 1 < rows && first + fit - 1 >= 0) m_pList->EnsureVisible(first + fit - 1, TRUE);
    return 0;
}

BOOL CPrivateDocListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    m_pScrollBar->SetPos(MeetingRules::PrivateWheelPosition(m_pScrollBar->GetPos(), zDelta), TRUE);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CPrivateDocListCtrl::OnItemChanged(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pItem = reinterpret_cast<const NMLISTVIEW*>(pNotify);
    if (m_bFilling || !(pItem->uChanged & LVIF_STATE)) return;
    const UINT wanted = LVIS_FOCUSED | LVIS_SELECTED;
    if ((pItem->uNewState & wanted) != wanted) return;
    if (pItem->iItem < 0 || pItem->iItem >= (int)m_documents.size()) return;
    CMeetingDocument* pDocument = m_documents[pItem->iItem];
    if (!pDocument || pDocument->GetFileId() == m_pList->GetSelectedDocumentId()) return;
    if (!m_bActive) return;
    // While following the presenter the user is asked whether to stop following first.
    IZELMainDlg* pMain = GetMainDlg();
    if (pMain && !pMain->OpenDocumentOnBoard(pDocument->GetFileId())) return;
    ::SendMessageW(::GetParent(m_hWnd), WM_MEETING_OPEN_DOCUMENT, (WPARAM)pItem->iItem, (LPARAM)kSource);
}

void CPrivateDocListCtrl::OnBack()
{
    if (IZELMainDlg* pMain = GetMainDlg()) pMain->RefreshDocumentList(L"10", 1);
}
