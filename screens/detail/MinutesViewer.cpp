#include "screens/detail/MinutesViewer.h"

#include <algorithm>

#include "core/DrawHelpers.h"
#include "platform/DC.h"
#include "platform/Font.h"
#include "resources/resource.h"
#include "screens/detail/DetailRules.h"

namespace {

const COLORREF kColourKey = RGB(255, 0, 255);
const COLORREF kTablePen = RGB(200, 200, 200);
const COLORREF kLabelColumn = RGB(245, 245, 245);
const int kTextHeight = 13;
const int kRowHeight = 25;
// The content edit: its place, and the table's inner edge it stays inside.
const int kEditLeft = 86;
const int kEditTop = 111;
const int kTableInset = 10;

}  // namespace

BEGIN_MESSAGE_MAP(CMinutesViewer, CDialog)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_MINUTES_CLOSE, &CMinutesViewer::OnCloseButton)
END_MESSAGE_MAP()

CMinutesViewer::CMinutesViewer(CWnd* pParent) : CDialog(IDD_MINUTES_VIEWER, pParent) {}

CMinutesViewer::~CMinutesViewer()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

void CMinutesViewer::SetMinutesInfo(const CString& strRegDate, const CString& strRegUserName,
                                    const CString& strStartDate, const CString& strEndDate,
                                    const CString& strDuration, const CString& strContent)
{
    m_strRegDate = strRegDate;
    m_strRegUserName = strRegUserName;
    m_strStartDate = strStartDate;
    m_strEndDate = strEndDate;
    m_strDuration = strDuration;
    m_strContent = strContent;
    for (const CString* p : {&strRegDate, &strRegUserName, &strStartDate, &strEndDate, &strDuration, &strContent})
        m_texts.Add(*p);
}

int CMinutesViewer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, kColourKey, 255, LWA_COLORKEY | LWA_ALPHA);
    for (int i = 0; i < 9; ++i)
        m_frame[i].LoadBitmap(IDB_POPUP_FRAME_TL + i);
    return 0;
}

BOOL CMinutesViewer::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rc;
    GetClientRect(&rc);
    m_btnClose.SubclassDlgItem(IDC_MINUTES_CLOSE, this);
    m_btnClose.ModifyStyle(0, BS_OWNERDRAW);
    m_btnClose.SetSkin(IDB_SMALL_CLOSE, IDB_SMALL_CLOSE_DOWN, IDB_SMALL_CLOSE_HOVER, IDB_SMALL_CLOSE_DISABLED,
                       IDB_SMALL_CLOSE, 0, 0, 0, 0);
    m_btnClose.MoveWindow(rc.Width() - 27, 7, 16, 16);
    for (int i = 0; i < 4; ++i)
        m_labels[i].LoadString(IDS_MINUTES_LABEL_REGISTERED + i);
    m_strPeriod = detailrules::FormatMinutesPeriod(m_strStartDate, m_strEndDate, m_strDuration);
    m_strRegistration = detailrules::FormatMinutesRegistration(m_strRegDate);
    m_brushWhite.CreateSolidBrush(RGB(255, 255, 255));
    m_editContent.SubclassDlgItem(IDC_MINUTES_CONTENT, this);
    PlaceContentEdit();
    CString strContent = m_strContent;
    strContent.Replace(L"\r\n", L"\n");
    strContent.Replace(L"\n", L"\r\n");
    m_editContent.SetWindowText(strContent);
    UpdateContentScrollBar(strContent);
    return TRUE;
}

// The edit fills the table's value column below the three rows, inside the frame: as wide as
// the column and down to the table's bottom edge.
void CMinutesViewer::PlaceContentEdit()
{
    if (!m_editContent.GetSafeHwnd())
        return;
    CRect rc;
    GetClientRect(&rc);
    const int cx = std::max(0, (int)rc.right - kTableInset - 1 - kEditLeft);
    const int cy = std::max(0, (int)rc.bottom - kTableInset - 1 - kEditTop);
    m_editContent.SetWindowPos(nullptr, rc.left + kEditLeft, rc.top + kEditTop, cx, cy, SWP_NOZORDER);
}

void CMinutesViewer::UpdateContentScrollBar(const CString& strContent)
{
    if (!m_editContent.GetSafeHwnd())
        return;
    CRect rcEdit;
    m_editContent.GetClientRect(&rcEdit);
    CClientDC dc(&m_editContent);
    CFont* pFont = m_editContent.GetFont();
    CFont* pOld = pFont ? dc.SelectObject(pFont) : nullptr;
    const int nLineHeight = std::max(1, (int)dc.GetTextExtent(L" ").cy);
    // Each line counts once, and once more for every width of the edit it wraps over.
    const int nWidth = std::max(1, rcEdit.Width() - ::GetSystemMetrics(SM_CXVSCROLL));
    int nLines = 0;
    int nStart = 0;
    while (nStart <= strContent.GetLength()) {
        int nEnd = strContent.Find(L'\n', nStart);
        if (nEnd < 0)
            nEnd = strContent.GetLength();
        CString strLine = strContent.Mid(nStart, nEnd - nStart);
        if (!strLine.IsEmpty() && strLine[strLine.GetLength() - 1] == L'\r')
            strLine = strLine.Left(strLine.GetLength() - 1);
        const int cx = strLine.IsEmpty() ? 0 : dc.GetTextExtent(strLine).cx;
        nLines += 1 + cx / nWidth;
        nStart = nEnd + 1;
    }
    if (pOld)
        dc.SelectObject(pOld);
    m_bScrollBarShown = nLines * nLineHeight >= rcEdit.Height();
    m_editContent.ShowScrollBar(SB_VERT, m_bScrollBarShown);
}

BOOL CMinutesViewer::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    auto size = [](CBitmap& b) {
        BITMAP bm = {};
        if (b.GetSafeHandle())
            b.GetBitmap(&bm);
        return CSize(bm.bmWidth, bm.bmHeight);
    };
    auto blit = [&](int i, int x, int y, int cx, int cy) {
        if (!m_frame[i].GetSafeHandle() || cx <= 0 || cy <= 0)
            return;
        const CSize s = size(m_frame[i]);
        CBitmap* pOld = mem.SelectObject(&m_frame[i]);
        pDC->SetStretchBltMode(COLORONCOLOR);
        pDC->StretchBlt(x, y, cx, cy, &mem, 0, 0, s.cx, s.cy, SRCCOPY);
        mem.SelectObject(pOld);
    };
    const CSize tl = size(m_frame[0]), tr = size(m_frame[2]), bl = size(m_frame[6]), br = size(m_frame[8]);
    const int w = rc.Width(), h = rc.Height();
    blit(4, tl.cx, tl.cy, w - tl.cx - tr.cx, h - tl.cy - bl.cy);
    blit(1, tl.cx, 0, w - tl.cx - tr.cx, tl.cy);
    blit(7, bl.cx, h - bl.cy, w - bl.cx - br.cx, bl.cy);
    blit(3, 0, tl.cy, tl.cx, h - tl.cy - bl.cy);
    blit(5, w - tr.cx, tr.cy, tr.cx, h - tr.cy - br.cy);
    blit(0, 0, 0, tl.cx, tl.cy);
    blit(2, w - tr.cx, 0, tr.cx, tr.cy);
    blit(6, 0, h - bl.cy, bl.cx, bl.cy);
    blit(8, w - br.cx, h - br.cy, br.cx, br.cy);
    // The content area is white whatever the centre picture holds.
    pDC->FillSolidRect(CRect(9, 34, w - 9, h - 9), RGB(255, 255, 255));
    CString strTitle;
    strTitle.LoadString(IDS_MINUTES_TITLE);
    CRect rcTitle(16, 0, w, 31);
    DrawTextWithFont(pDC->GetSafeHdc(), &rcTitle, strTitle, RGB(255, 255, 255), 0, TRUE,
                     GetDefaultFontSize() - 1, DT_SINGLELINE | DT_VCENTER | DT_LEFT, 0);
    return TRUE;
}

void CMinutesViewer::DrawCellText(CDC* pDC, CRect rc, const CString& strText, int nHeight, UINT nFormat, BOOL bBold)
{
    LOGFONT lf = {};
    lf.lfHeight = -nHeight;
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    const CString strFace = GetDefaultFontName();
    wcsncpy_s(lf.lfFaceName, LF_FACESIZE, (LPCTSTR)strFace, _TRUNCATE);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), hFont);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rc, nFormat);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
    ::DeleteObject(hFont);
}

void CMinutesViewer::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, kTablePen);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(l + 9, t + 34, r - 9, b - 9);
    dc.FillSolidRect(CRect(l + 10, t + 35, l + 80, b - 10), kLabelColumn);
    dc.MoveTo(l + 79, t + 35);
    dc.LineTo(l + 79, b - 10);
    for (int y : {t + 60, t + 85, t + 110}) {
        dc.MoveTo(l + 10, y);
        dc.LineTo(r - 10, y);
    }
    dc.SelectObject(pOldPen);
    const CString values[3] = {m_strRegistration, m_strRegUserName, m_strPeriod};
    for (int i = 0; i < 3; ++i) {
        const int y = t + 35 + i * kRowHeight;
        DrawCellText(&dc, CRect(l + 15, y, l + 80, y + kRowHeight), m_labels[i], kTextHeight,
                     DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, TRUE);
        DrawCellText(&dc, CRect(l + 104, y, r - 10, y + kRowHeight), values[i], kTextHeight,
                     DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, FALSE);
    }
    DrawCellText(&dc, CRect(l + 15, t + 266, l + 80, t + 296), m_labels[3], kTextHeight,
                 DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, TRUE);
}

LRESULT CMinutesViewer::HitTest(CPoint pt) const
{
    CRect rc;
    GetClientRect(&rc);
    const int x = pt.x, y = pt.y;
    if (x >= rc.left && x <= 9 && y >= rc.top && y <= 9)
        return HTTOPLEFT;
    if (x > rc.right - 10 && x <= rc.right && y >= rc.top && y <= 9)
        return HTTOPRIGHT;
    if (x >= rc.left && x < 10 && y > rc.bottom - 10 && y <= rc.bottom)
        return HTBOTTOMLEFT;
    if (x > rc.right - 10 && x <= rc.right && y > rc.bottom - 10 && y <= rc.bottom)
        return HTBOTTOMRIGHT;
    return HTCAPTION;
}

void CMinutesViewer::OnLButtonDown(UINT nFlags, CPoint point)
{
    PostMessage(WM_NCLBUTTONDOWN, HitTest(point), MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(nFlags, point);
}

void CMinutesViewer::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_btnClose.GetSafeHwnd())
        m_btnClose.SetWindowPos(nullptr, cx - 27, 7, 16, 16, SWP_NOZORDER);
    PlaceContentEdit();
    Invalidate();
}

void CMinutesViewer::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = VIEWER_WIDTH;
    lpMMI->ptMinTrackSize.y = VIEWER_HEIGHT;
}

HBRUSH CMinutesViewer::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd && pWnd->GetDlgCtrlID() == IDC_MINUTES_CONTENT && nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkColor(RGB(255, 255, 255));
        pDC->SetBkMode(TRANSPARENT);
        return (HBRUSH)m_brushWhite.GetSafeHandle();
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CMinutesViewer::OnCloseButton()
{
    ShowWindow(SW_HIDE);
}
