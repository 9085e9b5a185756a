#include "features/documents/DocumentListCtrl.h"

#include "core/MeetingDocument.h"
#include "core/SystemHelpers.h"
#include "features/documents/DocumentListRules.h"
#include "platform/DC.h"

namespace {
// A finger has to move further than this before the list scrolls with it.
const int kTouchScrollThreshold = 5;
}  // namespace

BEGIN_MESSAGE_MAP(CDocumentListCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CDocumentListCtrl::OnCustomDraw)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEWHEEL()
    ON_WM_NCCALCSIZE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CDocumentListCtrl::~CDocumentListCtrl() = default;

BOOL CDocumentListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style = (cs.style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED | WS_CLIPCHILDREN;
    return CListCtrl::PreCreateWindow(cs);
}

int CDocumentListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    const int nResult = (int)Default();
    if (nResult == -1)
        return -1;
    // The image lists carry no pictures: they only give the rows their height.
    m_imageNormal.Create(33, 41, ILC_COLOR24, 2, 1);
    m_imageSmall.Create(33, 33, ILC_COLOR24, 2, 1);
    SetImageList(&m_imageNormal, LVSIL_NORMAL);
    SetImageList(&m_imageSmall, LVSIL_SMALL);
    InsertColumn(0, L"", LVCFMT_LEFT, DOCLIST_ROW_WIDTH);
    if (IsSystemTouchSupported()) {
        m_pTouch.reset(new CTouchDragTracker());
        RegisterTouchWindow(TRUE, 0);
    }
    m_Screen.SetOwner(this);
    m_Screen.LoadScreen(DOCUMENTLIST_SCREEN);
    if (SKIN_OBJECT* pCount = m_Screen.FindObject(L"textRefCnt"))
        m_strRefCountTemplate = pCount->m_text.m_strText;
    return nResult;
}

void CDocumentListCtrl::OnDestroy()
{
    m_pTouch.reset();
    CListCtrl::OnDestroy();
}

int CDocumentListCtrl::AddDocumentRow(CMeetingDocument* pDocument)
{
    const int nRow = InsertItem(GetItemCount(), L"");
    SetItemData(nRow, (DWORD_PTR)pDocument);
    return nRow;
}

int CDocumentListCtrl::AddHeaderRow()
{
    return AddDocumentRow(nullptr);
}

void CDocumentListCtrl::DeleteAllDocuments()
{
    DeleteAllItems();
    m_strSelectedId.Empty();
    m_nPrevHoverRow = -1;
    m_nHoverRow = -1;
}

void CDocumentListCtrl::SelectDocument(const CString& strAttcFileId)
{
    if (strAttcFileId != m_strSelectedId) {
        m_strSelectedId = strAttcFileId;
        const int nCount = GetItemCount();
        for (int i = 0; i < nCount; ++i) {
            CMeetingDocument* pDocument = reinterpret_cast<CMeetingDocument*>(GetItemData(i));
            if (!pDocument)
                continue;
            const UINT nState = pDocument->GetFileId() == strAttcFileId ? LVIS_SELECTED | LVIS_FOCUSED : 0;
            SetItemState(i, nState, LVIS_SELECTED | LVIS_FOCUSED);
        }
    }
    Invalidate();
}

void CDocumentListCtrl::ReselectDocument(const CString& strAttcFileId)
{
    if (strAttcFileId == m_strSelectedId)
        m_strSelectedId.Empty();
    SelectDocument(strAttcFileId);
}

int CDocumentListCtrl::HitDualButton(int x, int y) const
{
    SKIN_OBJECT* pButton = m_Screen.FindObject(L"btnDual");
    if (!pButton)
        return -1;
    const int nRow = HitDualButtonRow(CPoint(x, y), GetTopIndex(), GetItemCount(), pButton->m_rcObject);
    // The header row draws no button: a press where it would be is not a document's.
    if (nRow >= 0 && !GetItemData(nRow))
        return -1;
    return nRow;
}

BOOL CDocumentListCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    return TRUE;
}

void CDocumentListCtrl::OnCustomDraw(NMHDR* pNotify, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNotify);
    switch (pDraw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT: {
        CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
        CRect rcRow;
        GetItemRect((int)pDraw->nmcd.dwItemSpec, &rcRow, LVIR_BOUNDS);
        DrawRow(pDC, rcRow, (int)pDraw->nmcd.dwItemSpec);
        *pResult = CDRF_SKIPDEFAULT;
        break;
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        *pResult = CDRF_SKIPDEFAULT;
        break;
    default:
        *pResult = CDRF_DODEFAULT;
        break;
    }
}

void CDocumentListCtrl::DrawRow(CDC* pDC, const CRect& rcRow, int nRow)
{
    CMeetingDocument* pDocument = reinterpret_cast<CMeetingDocument*>(GetItemData(nRow));
    const BOOL bHeader = pDocument == nullptr;
    const BOOL bSelected = !bHeader && pDocument->GetFileId() == m_strSelectedId;
    auto show = [this](const wchar_t* pszName, BOOL bShow) -> SKIN_OBJECT* {
        SKIN_OBJECT* pObject = m_Screen.FindObject(pszName);
        if (pObject)
            pObject->m_nVisible = bShow ? 1 : 0;
        return pObject;
    };
    if (SKIN_OBJECT* pIcon = show(L"icon", !bHeader)) {
        if (!bHeader)
            pIcon->m_image.m_nCurFile = DocumentIconIndex(pDocument->GetFileName());
    }
    if (SKIN_OBJECT* pTitle = show(L"titleNormal", !bHeader && !bSelected)) {
        if (!bHeader)
            pTitle->m_text.m_strText = pDocument->GetFileName();
    }
    if (SKIN_OBJECT* pTitle = show(L"titleSelect", bSelected)) {
        if (!bHeader)
            pTitle->m_text.m_strText = pDocument->GetFileName();
    }
    if (SKIN_OBJECT* pDual = show(L"btnDual", !bHeader))
        pDual->m_nHover = nRow == m_nHoverRow ? 1 : 0;
    show(L"textRefDoc", bHeader);
    if (SKIN_OBJECT* pCount = show(L"textRefCnt", bHeader))
        pCount->m_text.m_strText = ReferenceCountText(m_strRefCountTemplate, m_nRefDocCount);
    m_Screen.Draw(pDC, rcRow);
}

void CDocumentListCtrl::InvalidateRow(int nRow)
{
    if (nRow < 0)
        return;
    const int nTop = (nRow - GetTopIndex()) * DOCLIST_ROW_HEIGHT;
    CRect rc(0, nTop, DOCLIST_ROW_WIDTH, nTop + DOCLIST_ROW_HEIGHT);
    InvalidateRect(&rc, FALSE);
}

void CDocumentListCtrl::TellParentOfButton(UINT nButtonMessage, int nRow)
{
    CWnd* pParent = GetParent();
    if (!pParent)
        return;
    pParent->SendMessage(WM_DOCLIST_DUAL_SENT, nButtonMessage, nRow);
    pParent->PostMessage(WM_DOCLIST_DUAL_POSTED, nButtonMessage, nRow);
}

void CDocumentListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    const int nHit = HitDualButton(point.x, point.y);
    if (nHit != m_nHoverRow) {
        m_nPrevHoverRow = m_nHoverRow;
        m_nHoverRow = nHit;
        InvalidateRow(m_nPrevHoverRow);
        InvalidateRow(m_nHoverRow);
    }
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
    CListCtrl::OnMouseMove(nFlags, point);
}

void CDocumentListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int nHit = HitDualButton(point.x, point.y);
    if (nHit >= 0) {
        // The button opens the document beside the board; the row's selection stays as it is.
        TellParentOfButton(WM_LBUTTONDOWN, nHit);
        return;
    }
    CListCtrl::OnLButtonDown(nFlags, point);
}

void CDocumentListCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    const int nHit = HitDualButton(point.x, point.y);
    if (nHit >= 0) {
        TellParentOfButton(WM_LBUTTONUP, nHit);
        return;
    }
    CListCtrl::OnLButtonUp(nFlags, point);
}

void CDocumentListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second press on the button is a press like the first, not a row activation.
    if (HitDualButton(point.x, point.y) >= 0) {
        OnLButtonDown(nFlags, point);
        return;
    }
    CListCtrl::OnLButtonDblClk(nFlags, point);
}

BOOL CDocumentListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, (WORD)zDelta), MAKELPARAM(pt.x, pt.y));
    return CListCtrl::OnMouseWheel(nFlags, zDelta, pt);
}

void CDocumentListCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // The owning pane draws a skinned scroll bar; the list never shows its own.
    ModifyStyle(WS_VSCROLL | WS_HSCROLL, 0);
    CListCtrl::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CDocumentListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CListCtrl::OnSize(nType, cx, cy);
    // A report row is hit only inside its columns: the one column spans the list, or a press
    // beside a narrow column selects nothing (owners create the list small and size it later).
    if (GetColumnWidth(0) != cx)
        SetColumnWidth(0, cx);
    m_Screen.Layout(this, cx, cy);
}

BOOL CDocumentListCtrl::OnTouchInput(CPoint pt, int, int, PTOUCHINPUT pInput)
{
    if (!m_pTouch)
        return FALSE;
    return m_pTouch->ScrollByTouch(m_hWnd, pt, *pInput, kTouchScrollThreshold);
}
