#include "ui/controls/MySkinEdit.h"

#include "platform/DC.h"
#include "ui/skin/SkinObject.h"
#include "ui/skin/SkinScreen.h"
#include "ui/skin/SkinValues.h"

BEGIN_MESSAGE_MAP(CMySkinEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_RBUTTONUP()
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT(EN_CHANGE, &CMySkinEdit::OnChange)
END_MESSAGE_MAP()

CRect CMySkinEdit::GetEditRect(const SKIN_OBJECT* o, const RECT& rcObject)
{
    CRect r(rcObject);
    r.left += ScaleSkinValue(o->MarginL(), o->m_fScale);
    r.top += ScaleSkinValue(o->MarginT(), o->m_fScale);
    r.right -= ScaleSkinValue(o->MarginR(), o->m_fScale);
    r.bottom -= ScaleSkinValue(o->MarginB(), o->m_fScale);
    if (o->m_nBorderSize > 0)
        r.DeflateRect(o->m_nBorderSize, o->m_nBorderSize);
    if (!o->m_edit.m_nMultiLine) {
        r.left += ScaleSkinValue(o->PaddingL(), o->m_fScale);
        r.top += ScaleSkinValue(o->PaddingT(), o->m_fScale);
        r.right -= ScaleSkinValue(o->PaddingR(), o->m_fScale);
        r.bottom -= ScaleSkinValue(o->PaddingB(), o->m_fScale);
    }
    return r;
}

void CMySkinEdit::CreateFromObject(SKIN_OBJECT* o, CWnd* pParent, UINT nId)
{
    m_pObject = o;
    if (!o->m_strColor.IsEmpty())
        m_clrBack = o->m_clrColor;
    SKIN_EDIT& e = o->m_edit;
    DWORD style = WS_CHILD | WS_VISIBLE;
    const struct {
        int flag;
        DWORD bit;
    } bits[] = {{e.m_nVScroll, WS_VSCROLL},         {e.m_nHScroll, WS_HSCROLL},     {e.m_nAutoVScroll, ES_AUTOVSCROLL},
                {e.m_nAutoHScroll, ES_AUTOHSCROLL}, {e.m_nMultiLine, ES_MULTILINE}, {e.m_nNumber, ES_NUMBER},
                {e.m_nWantReturn, ES_WANTRETURN},   {e.m_nReadOnly, ES_READONLY}};
    for (const auto& b : bits) {
        if (b.flag)
            style |= b.bit;
    }
    m_bPassword = e.m_nPassword != 0;
    if (e.m_font.HasColor())
        m_clrText = e.m_font.m_clrText;
    e.m_font.CreateFont();
    e.m_fontHint.CreateFont();
    m_pFont = &e.m_font.m_font;
    m_nAlign = e.m_font.m_nAlign;
    m_nPaddingL = o->PaddingL();
    m_nPaddingT = o->PaddingT();
    m_nPaddingR = o->PaddingR();
    m_nPaddingB = o->PaddingB();
    if (!Create(style, GetEditRect(o, o->m_rcObject), pParent, nId))
        return;
    ShowWindow(e.m_nAlwaysShow && o->m_nVisible ? SW_SHOW : SW_HIDE);
    if (e.m_nMaxLen > 0)
        SetLimitText(UINT(e.m_nMaxLen));
}

void CMySkinEdit::UpdateFormatRect()
{
    if (!::IsWindow(m_hWnd) || !(m_dwCreateStyle & ES_MULTILINE))
        return;
    CRect r;
    GetWindowRect(&r);
    ScreenToClient(&r);
    if (m_dwCreateStyle & WS_VSCROLL)
        r.right -= 20;
    r.left += m_nPaddingL;
    r.top += m_nPaddingT;
    r.right -= m_nPaddingR;
    r.bottom -= m_nPaddingB;
    SetRect(&r);
}

void CMySkinEdit::ApplyInputStyle()
{
    m_clrCurrentText = m_clrText;
    if (m_pFont && m_pFont->GetSafeHandle())
        SetFont(m_pFont, TRUE);
    const DWORD align = m_nAlign == 1 ? ES_CENTER : (m_nAlign == 2 ? ES_RIGHT : ES_LEFT);
    ModifyStyle(ES_CENTER | ES_RIGHT, align);
    if (m_bPassword)
        SetPasswordChar(wchar_t(0x25CF));
    m_bHint = false;
}

void CMySkinEdit::SetText(LPCTSTR pszText)
{
    if (!pszText)
        return;
    if (!*pszText) {
        if (::IsWindow(m_hWnd))
            SetWindowText(L"");
        return;
    }
    CString text = pszText;
    text.Remove(L'\r');
    text.Replace(L"\n", L"\r\n");
    if (!::IsWindow(m_hWnd))
        return;
    ApplyInputStyle();
    SetWindowText(text);
}

void CMySkinEdit::SetBkColor(COLORREF clr)
{
    m_clrBack = clr;
    m_brush.DeleteObject();
}

BOOL CMySkinEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && !(m_dwCreateStyle & ES_WANTRETURN)) {
        if (::GetKeyState(VK_CONTROL) < 0)
            return TRUE;
        PostEvent(SKINEVENT_EDIT_ENTER);
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CMySkinEdit::PostEvent(int nCode)
{
    HWND parent = ::GetParent(m_hWnd);
    if (parent)
        ::PostMessageW(parent, WM_SKIN_OBJECT_EVENT, WPARAM(nCode), (LPARAM)m_pObject);
}

int CMySkinEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_dwCreateStyle = lpCreateStruct->style;
    UpdateFormatRect();
    return 0;
}

void CMySkinEdit::OnSize(UINT nType, int cx, int cy)
{
    CEdit::OnSize(nType, cx, cy);
    UpdateFormatRect();
}

BOOL CMySkinEdit::OnEraseBkgnd(CDC* pDC)
{
    CRect r;
    GetWindowRect(&r);
    ScreenToClient(&r);
    pDC->FillSolidRect(&r, m_clrBack);
    return FALSE;
}

void CMySkinEdit::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    if (m_dwCreateStyle & ES_READONLY)
        return;
    if (m_bHint) {
        ApplyInputStyle();
        // The hint is painted by the screen, never put into the window: only a stray text
        // needs emptying, and emptying an empty edit would report a change that never was.
        if (GetWindowTextLength() > 0)
            SetWindowText(L"");
    }
    Invalidate(TRUE);
}

void CMySkinEdit::OnKillFocus(CWnd* pNewWnd)
{
    if (m_pObject && !m_pObject->m_edit.m_nAlwaysShow)
        ShowWindow(SW_HIDE);
    CEdit::OnKillFocus(pNewWnd);
}

void CMySkinEdit::OnRButtonUp(UINT, CPoint)
{
    // No standard context menu.
}

HBRUSH CMySkinEdit::CtlColor(CDC* pDC, UINT)
{
    if (!m_brush.GetSafeHandle())
        m_brush.CreateSolidBrush(m_clrBack);
    pDC->SetBkColor(m_clrBack);
    pDC->SetTextColor(m_clrCurrentText);
    return (HBRUSH)m_brush.GetSafeHandle();
}

void CMySkinEdit::OnChange()
{
    if (!m_bHint)
        PostEvent(SKINEVENT_EDIT_CHANGE);
}
