#include "ui/controls/StaticControls.h"

#include "core/DrawHelpers.h"

// ---- CBmpStatic ----

BEGIN_MESSAGE_MAP(CBmpStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CBmpStatic::OnPaint()
{
    CPaintDC dc(this);
    HBITMAP hBitmap = GetBitmap();
    if (!hBitmap)
        return;
    BITMAP info = {};
    if (!::GetObjectW(hBitmap, sizeof(info), &info))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    HGDIOBJ hOld = memory.SelectObject(hBitmap);
    dc.TransparentBlt(0, 0, info.bmWidth, info.bmHeight, &memory, 0, 0, info.bmWidth, info.bmHeight, m_clrTransparent);
    memory.SelectObject(hOld);
}

// ---- CColorStatic ----

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColorStatic::CColorStatic() : m_clrBack(::GetSysColor(COLOR_BTNFACE))
{
    m_brushBack.CreateSolidBrush(m_clrBack);
}

CColorStatic::~CColorStatic()
{
    delete m_pFont;
}

void CColorStatic::SetText(const CString& strText)
{
    SetWindowText(strText);
    if (CWnd* pParent = GetParent()) {
        CRect rc;
        GetWindowRect(&rc);
        pParent->ScreenToClient(&rc);
        pParent->InvalidateRect(&rc, TRUE);
    }
    Invalidate(TRUE);
}

void CColorStatic::SetBkColor(COLORREF clr)
{
    m_clrBack = clr;
    m_brushBack.DeleteObject();
    m_brushBack.CreateSolidBrush(clr);
    if (m_hWnd)
        Invalidate(TRUE);
}

void CColorStatic::SetTextColor(COLORREF clr)
{
    m_clrText = clr;
    if (m_hWnd)
        Invalidate(TRUE);
}

void CColorStatic::SetFontSize(int nPoints)
{
    if (m_pFont)
        return;
    LOGFONT lf = {};
    HFONT hCurrent = (HFONT)SendMessage(WM_GETFONT);
    if (!hCurrent || !::GetObjectW(hCurrent, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpynW(lf.lfFaceName, GetDefaultFontName(), LF_FACESIZE);
    CClientDC dc(this);
    lf.lfHeight = -MulDiv(nPoints, dc.GetDeviceCaps(LOGPIXELSY), 72);
    lf.lfWidth = 0;
    lf.lfWeight = m_nBold ? FW_BOLD : FW_NORMAL;
    m_pFont = new CFont;
    m_pFont->CreateFontIndirect(&lf);
    SetFont(m_pFont, TRUE);
}

HBRUSH CColorStatic::CtlColor(CDC* pDC, UINT)
{
    pDC->SetBkMode(OPAQUE);
    pDC->SetBkColor(m_clrBack);
    pDC->SetTextColor(m_clrText);
    return (HBRUSH)m_brushBack.GetSafeHandle();
}

// ---- CColorBtn ----

void CColorBtn::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    pDC->DrawFrameControl(&rc, DFC_BUTTON, DFCS_BUTTONPUSH | ((lpDIS->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    CRect rcFace = rc;
    rcFace.DeflateRect(1, 1);
    CBrush face;
    face.CreateSolidBrush(m_clrFace);
    pDC->FillRect(&rcFace, &face);
    CString text;
    GetWindowText(text);
    const COLORREF clrOldText = pDC->SetTextColor(m_clrText);
    const COLORREF clrOldBack = pDC->SetBkColor(m_clrFace);
    pDC->DrawText(text, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    pDC->SetBkColor(clrOldBack);
    pDC->SetTextColor(clrOldText);
}

// ---- CLockLayer ----

BEGIN_MESSAGE_MAP(CLockLayer, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CLockLayer::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, kColor);
}
