#include "ui/skin/MyBaseDialog.h"

#include "platform/DC.h"
#include "ui/skin/GdiPlus.h"
#include "ui/skin/MonitorInfo.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinDrawing.h"
#include "ui/skin/SkinLookups.h"
#include "ui/skin/SkinManager.h"

BEGIN_MESSAGE_MAP(CMyBaseDialog, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_NCACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_SKIN_OBJECT_EVENT, &CMyBaseDialog::OnUserRelay)
    ON_MESSAGE(WM_SKIN_DIALOG_CANCEL, &CMyBaseDialog::OnSkinCancel)
END_MESSAGE_MAP()

namespace {

// Set by WM_ERASEBKGND, read by the WM_PAINT that follows it.
thread_local bool t_bErased = false;

} // namespace

CMyBaseDialog::CMyBaseDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent)
{
}

CMyBaseDialog::~CMyBaseDialog() = default;

BOOL CMyBaseDialog::LoadSkin(const CString& strFileName, float fRatio, const CString& strFace)
{
    return g_SkinManager.LoadSkin(strFileName, fRatio, strFace);
}

BOOL CMyBaseDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    const DWORD style = GetStyle();
    if (m_bShadow && !(style & (WS_CHILD | WS_THICKFRAME)))
        m_wndShadow.Create(m_hWnd);
    if ((style & WS_POPUP) && m_bResizable) {
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, LONG_PTR(style | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    m_editDummy.Create(WS_CHILD, CRect(1, 1, 1, 1), this, SKIN_DUMMY_EDIT_ID);
    return FALSE;
}

void CMyBaseDialog::LoadScreen(const CString& strName)
{
    if (m_bResizable && IsAlive()) {
        const DWORD style = GetStyle();
        if ((style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
            ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, LONG_PTR(style | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
    m_Screen.SetOwner(this);
    m_Screen.LoadScreen(strName);
    m_Screen.m_objects.ForEach([&](SKIN_OBJECT& o) {
        if (o.m_nType == SKINTYPE_BUTTON && o.m_nVisible)
            AddObjectToolTip(o.m_button.m_strTooltip, o.m_rcObject, UINT(o.m_nId));
    });
}

BOOL CMyBaseDialog::DestroyWindow()
{
    m_Screen.ReleaseImages();
    if (m_bShadow)
        m_wndShadow.Destroy();
    return CDialog::DestroyWindow();
}

BOOL CMyBaseDialog::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    OnDrawDialog(pDC, rc);
    t_bErased = true;
    return FALSE;
}

void CMyBaseDialog::OnPaint()
{
    t_bErased = false;
    CPaintDC dc(this);
    // A region invalidated without erasing gets no WM_ERASEBKGND: it is drawn here then, so
    // that every invalidation shows.
    if (!t_bErased) {
        CRect rc;
        GetClientRect(&rc);
        OnDrawDialog(&dc, rc);
    }
    t_bErased = false;
}

void CMyBaseDialog::OnDrawDialog(CDC* pDC, CRect rc)
{
    if (rc.right <= 0 || rc.bottom <= 0)
        return;
    // The whole picture is built off screen and copied in one piece.
    const CRect area(0, 0, rc.right, rc.bottom);
    CMyMemDC mem(pDC, m_Screen.m_clrBack, &area);
    DrawObjects(&mem, rc);
    DrawBorder(&mem, rc);
    OnDrawExtra(&mem, rc);
}

void CMyBaseDialog::DrawObjects(CDC* pDC, CRect rc)
{
    m_Screen.DrawScreen(pDC, rc);
}

void CMyBaseDialog::DrawBorder(CDC* pDC, CRect rc)
{
    const int b = m_Screen.m_nBorderSize;
    if (b == 0)
        return;
    if (m_Screen.m_nRound == 0) {
        if (b > 1)
            FillFrame(pDC, rc, b - 1, m_Screen.m_clrBorder);
        return;
    }
    const float ratio = g_SkinManager.m_fRatio;
    rc.InflateRect(1, 1);
    const COLORREF clr = m_Screen.m_strBorderColor.IsEmpty() ? m_Screen.m_clrBack : m_Screen.m_clrBorder;
    const float width = float(b) * ratio * 2.0f;
    const float radius = float(m_Screen.m_nRound) * ratio;
    DrawRoundRectBorder(pDC, rc, width, clr, radius);
    rc.InflateRect(b, b);
    DrawRoundRectBorder(pDC, rc, width, clr, radius);
}

void CMyBaseDialog::OnDrawExtra(CDC*, CRect)
{
}

void CMyBaseDialog::FillFrame(CDC* pDC, CRect rc, int nWidth, COLORREF clr)
{
    FillFrameStrips(pDC, rc, nWidth, clr);
}

void CMyBaseDialog::PaintNcFrame()
{
    if (m_Screen.m_nBorderSize == 0)
        return;
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    FillFrame(&dc, rc, 1, m_Screen.m_clrBorder);
}

void CMyBaseDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (IsChildDialog() || !m_bResizable) {
        CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    if (bCalcValidRects) {
        RECT& rc = lpncsp->rgrc[0];
        rc.left += 1;
        rc.top += 1;
        rc.right -= 1;
        rc.bottom -= 1;
        PaintNcFrame();
    }
}

void CMyBaseDialog::OnNcPaint()
{
    PaintNcFrame();
}

BOOL CMyBaseDialog::OnNcActivate(BOOL bActive)
{
    if (IsChildDialog())
        return CDialog::OnNcActivate(bActive);
    PaintNcFrame();
    return TRUE;
}

void CMyBaseDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_Screen.m_nRound != 0) {
        CRect window;
        GetWindowRect(&window);
        const int w = window.Width() + 1, h = window.Height() + 1;
        HRGN region = ::CreateRoundRectRgn(0, 0, w, h, 2 * m_Screen.m_nRound, 2 * m_Screen.m_nRound);
        SetWindowRgn(region, TRUE);
    }
    m_Screen.Layout(this, cx, cy);
    m_Screen.m_objects.ForEach([&](SKIN_OBJECT& o) {
        if (o.m_nType == SKINTYPE_BUTTON && o.m_nVisible)
            UpdateToolRect(o.m_rcObject, UINT(o.m_nId));
    });
    if (nType == SIZE_MAXIMIZED && !m_bMaximized) {
        UpdateMaximizeButton();
        m_bMaximized = TRUE;
        FitToWorkArea();
    } else if (nType == SIZE_RESTORED && m_bMaximized) {
        UpdateMaximizeButton();
        m_bMaximized = FALSE;
    }
    Invalidate(TRUE);
}

void CMyBaseDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CDialog::OnGetMinMaxInfo(lpMMI);
    if (m_bResizable) {
        if (m_Screen.m_nMinCx > 0)
            lpMMI->ptMinTrackSize.x = m_Screen.m_nMinCx;
        if (m_Screen.m_nMinCy > 0)
            lpMMI->ptMinTrackSize.y = m_Screen.m_nMinCy;
    }
}

void CMyBaseDialog::ToggleMaximize()
{
    if (m_bMaximized) {
        m_bMaximized = FALSE;
        SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    } else {
        m_bMaximized = TRUE;
        SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        FitToWorkArea();
        ShowWindow(SW_SHOW);
    }
}

void CMyBaseDialog::FitToWorkArea()
{
    CRect rc;
    GetWindowRect(&rc);
    const DWORD style = GetStyle();
    if (style & WS_BORDER) {
        rc.DeflateRect(1, 1);
        if (style & WS_THICKFRAME)
            rc.DeflateRect(7, 7);
    }
    CMonitorInfo monitors;
    if (monitors.GetWorkArea(rc))
        MoveWindow(&rc, TRUE);
}

void CMyBaseDialog::UpdateMaximizeButton()
{
    SKIN_OBJECT* button = m_Screen.FindObject(SKINOBJECT_MAX_BUTTON);
    if (!button)
        button = m_Screen.FindObject(SKINOBJECT_MAX_BUTTON_OLD);
    if (!button)
        return;
    button->m_button.m_nCheck = m_bMaximized ? 0 : 1;
    AddObjectToolTip(button->m_button.m_nCheck == 1 ? button->m_button.m_strTooltipChecked : button->m_button.m_strTooltip,
                     button->m_rcObject, UINT(button->m_nId));
    InvalidateRect(&button->m_rcObject, TRUE);
}

void CMyBaseDialog::Minimize()
{
    m_bMinimized = TRUE;
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void CMyBaseDialog::SetBackColor(COLORREF clr)
{
    m_Screen.m_clrBack = clr;
    Invalidate(FALSE);
}

void CMyBaseDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nAutoKillTimer != 0 && nIDEvent == m_nAutoKillTimer)
        KillTimer(nIDEvent);
    CDialog::OnTimer(nIDEvent);
}

void CMyBaseDialog::OnClose()
{
    CDialog::OnClose();
}

LRESULT CMyBaseDialog::OnSkinCancel(WPARAM, LPARAM)
{
    EndDialog(IDCANCEL);
    return 0;
}

void CMyBaseDialog::InitToolTips()
{
    if (m_ToolTip.GetSafeHwnd() || !IsAlive())
        return;
    if (!m_ToolTip.Create(this, TTS_ALWAYSTIP))
        return;
    m_ToolTip.SetMaxTipWidth(400);
    m_ToolTip.Activate(TRUE);
    m_ToolTip.SetDelayTime(0);
}

void CMyBaseDialog::AddObjectToolTip(const CString& strText, CRect rc, UINT nId)
{
    if (!IsAlive() || strText.IsEmpty())
        return;
    InitToolTips();
    if (!m_ToolTip.GetSafeHwnd())
        return;
    TTTOOLINFOW info;
    if (!m_ToolTip.GetToolInfo(info, this, nId))
        m_ToolTip.AddTool(this, strText, &rc, nId);
    m_ToolTip.UpdateTipText(strText, this, nId);
    m_ToolTip.Activate(TRUE);
}

void CMyBaseDialog::UpdateToolRect(CRect rc, UINT nId)
{
    if (!IsAlive() || nId == UINT(-1) || !m_ToolTip.GetSafeHwnd())
        return;
    m_ToolTip.SetToolRect(this, nId, &rc);
    m_ToolTip.Activate(TRUE);
}

void CMyBaseDialog::DelObjectToolTip(UINT nId)
{
    if (m_ToolTip.GetSafeHwnd())
        m_ToolTip.DelTool(this, nId);
}

void CMyBaseDialog::DrawImage(Gdiplus::Graphics* pGraphics, CRect rc, Gdiplus::Image* pImage)
{
    SKIN_SCREEN::DrawImageOnGraphics(pGraphics, rc, pImage);
}

void CMyBaseDialog::DrawImageRect(CDC* pDC, CRect rc, Gdiplus::Image* pImage, BYTE nMode)
{
    SKIN_SCREEN::DrawImage(pDC, rc, pImage, nMode, 0);
}

void CMyBaseDialog::DrawSkinText(CDC* pDC, CRect rc, const CString& strText, SKIN_FONT* pFont, UINT nFormat)
{
    m_Screen.DrawTextCentered(pDC, rc, strText, pFont, nFormat, nullptr);
}

CFont* CMyBaseDialog::SelectSkinFont(CDC* pDC, SKIN_FONT* pFont, int* pAlign)
{
    return m_Screen.SelectFont(pDC, pFont, pAlign);
}

void CMyBaseDialog::DrawTextLine(CDC* pDC, const CString& strText, CRect rc, SKIN_FONT* pFont)
{
    m_Screen.DrawTextSimple(pDC, strText, rc, pFont);
}

void CMyBaseDialog::DrawTextGdiPlus(Gdiplus::Graphics* pGraphics, const CString& strText, CRect rc, SKIN_FONT* pFont)
{
    m_Screen.DrawTextGdiPlus(pGraphics, strText, rc, pFont);
}
