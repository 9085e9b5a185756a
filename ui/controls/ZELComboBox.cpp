#include "ui/controls/ZELComboBox.h"

#include "core/DrawHelpers.h"
#include "platform/Bitmap.h"
#include "platform/Pen.h"
#include "resources/resource.h"
#include "ui/controls/MemDCEX2.h"
#include "ui/controls/PopupMessage.h"

namespace {

// The combos' font: weight 100, Hangul character set, the client's face, nPointSize points.
void CreateComboFont(CWnd* pWnd, CFont& font, int nPointSize)
{
    if (font.GetSafeHandle())
        return;
    CClientDC dc(pWnd);
    font.CreateFont(-::MulDiv(nPointSize, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, 100, FALSE, FALSE, FALSE,
                    HANGUL_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                    GetDefaultFontName());
    pWnd->SetFont(&font, TRUE);
}

CString SelectedText(const CComboBox& combo)
{
    CString text;
    const int sel = combo.GetCurSel();
    if (sel >= 0)
        combo.GetLBText(sel, text);
    return text;
}

}  // namespace

// ---- ZELComboBox ----

BEGIN_MESSAGE_MAP(ZELComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

void ZELComboBox::MakeFont()
{
    CreateComboFont(this, m_font, GetDefaultFontSize() - 1);
}

int ZELComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    MakeFont();
    return 0;
}

void ZELComboBox::SetText(const CString& strText)
{
    m_strText = strText;
    Invalidate(FALSE);
}

void ZELComboBox::ClearText()
{
    m_strText.Empty();
    Invalidate(FALSE);
}

CString ZELComboBox::GetShownText() const
{
    return m_strText.IsEmpty() ? SelectedText(*this) : m_strText;
}

void ZELComboBox::OnPaint()
{
    // A combo taken over from a dialog template was created before it had this class.
    MakeFont();
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    CRect rc(client.left + 5, client.top + 2, client.right - 20, client.bottom);
    rc.OffsetRect(0, 1);
    const CString shown = GetShownText();
    DrawTextWithFont(&dc, &rc, shown, RGB(0, 0, 0), 0, TRUE, GetDefaultFontSize(), 0, 0);
    rc.OffsetRect(0, -1);
    rc.left -= 10;
    rc.right += 13;
    rc.top += 2;
    DrawTextWithFont(&dc, &rc, L"\u25BC", RGB(0, 0, 0), 0, TRUE, GetDefaultFontSize() - 1, DT_RIGHT, 0);
}

// ---- CZELSkinComboBox ----

BEGIN_MESSAGE_MAP(CZELSkinComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CZELSkinComboBox::MakeFont()
{
    CreateComboFont(this, m_font, GetDefaultFontSize());
}

int CZELSkinComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    MakeFont();
    return 0;
}

void CZELSkinComboBox::SetText(const CString& strText)
{
    m_strText = strText;
    Invalidate(FALSE);
}

void CZELSkinComboBox::ClearText()
{
    m_strText.Empty();
    Invalidate(FALSE);
}

COLORREF CZELSkinComboBox::TextColorFor(const CString& strItem, const CString& strSpecial)
{
    return strItem == strSpecial ? RGB(227, 122, 0) : RGB(5, 9, 146);
}

BOOL CZELSkinComboBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CZELSkinComboBox::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        if (!m_bPressed && !m_bHover) {
            m_bHover = TRUE;
            SetCapture();
            Invalidate(FALSE);
        }
    } else if (!m_bPressed) {
        if (m_bHover) {
            m_bHover = FALSE;
            Invalidate(FALSE);
        }
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
    CComboBox::OnMouseMove(nFlags, point);
}

void CZELSkinComboBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bPressed = TRUE;
    m_bHover = FALSE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CComboBox::OnLButtonDown(nFlags, point);
}

BOOL CZELSkinComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Once the list has closed the drop button follows the mouse again.
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP) {
        m_bPressed = FALSE;
        Invalidate(FALSE);
    }
    return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CZELSkinComboBox::OnPaint()
{
    MakeFont();
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMemDCEX2 dc(&paint, client);
    CPen border(PS_SOLID, 1, m_clrBorder);
    CPen* oldPen = dc.SelectObject(&border);
    dc.Rectangle(&client);
    dc.SelectObject(oldPen);

    CBitmap hover, normal;
    hover.LoadBitmap(IDB_COMBO_DROP_HOVER);
    normal.LoadBitmap(IDB_COMBO_DROP);
    BITMAP bm = {};
    if (hover.GetSafeHandle() && hover.GetBitmap(&bm)) {
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap* old = mem.SelectObject(m_bHover ? &hover : &normal);
        dc.BitBlt(client.Width() - bm.bmWidth, 0, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }

    const CString item = SelectedText(*this);
    if (!item.IsEmpty()) {
        CString special;
        special.LoadString(IDS_COMBO_PLACEHOLDER);
        LOGFONT lf = {};
        lf.lfHeight = m_nFaceHeight;
        lstrcpynW(lf.lfFaceName, m_strFace.GetString(), LF_FACESIZE);
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* oldFont = dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(TextColorFor(item, special));
        dc.TextOut(4, 4, item);
        dc.SelectObject(oldFont);
    }
}
