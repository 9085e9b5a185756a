#include "features/chat/ChatViewCtrl.h"

#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "core/SystemHelpers.h"
#include "resources/resource.h"

IMPLEMENT_DYNCREATE(CChatViewCtrl, CScrollView)

BEGIN_MESSAGE_MAP(CChatViewCtrl, CScrollView)
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
    ON_COMMAND(CChatViewCtrl::ID_MORE_BUTTON, &CChatViewCtrl::OnMoreButton)
END_MESSAGE_MAP()

namespace {
const COLORREF CLR_TIME = RGB(0xA8, 0xA8, 0xA8);
const COLORREF CLR_FAILED = RGB(0xD0, 0x30, 0x30);
const int TEXT_POINTS = 10;
}  // namespace

CChatViewCtrl::CChatViewCtrl()
{
    m_pBubbleOther = new CSquareCtrl();
    m_pBubbleMine = new CSquareCtrl();
    m_pLoading = new ZELLoadingBG();
}

CChatViewCtrl::~CChatViewCtrl()
{
    delete m_pBubbleOther;
    delete m_pBubbleMine;
    if (m_pLoading && m_pLoading->GetSafeHwnd()) m_pLoading->DestroyWindow();
    delete m_pLoading;
}

CString CChatViewCtrl::LoadText(UINT nId) const
{
    CString s;
    s.LoadString(nId);
    return s;
}

void CChatViewCtrl::OnInitialUpdate()
{
    CScrollView::OnInitialUpdate();
    CRect rc;
    GetClientRect(&rc);
    SetScrollSizes(MM_TEXT, CSize(rc.Width(), rc.Height()));

    m_pBubbleOther->SetBitmaps(IDB_CHAT_OTHER_TL, IDB_CHAT_OTHER_L, IDB_CHAT_OTHER_BL, IDB_CHAT_OTHER_B,
                               IDB_CHAT_OTHER_BR, IDB_CHAT_OTHER_R, IDB_CHAT_OTHER_TR, IDB_CHAT_OTHER_T,
                               IDB_CHAT_OTHER_C);
    m_pBubbleMine->SetBitmaps(IDB_CHAT_MINE_TL, IDB_CHAT_MINE_L, IDB_CHAT_MINE_BL, IDB_CHAT_MINE_B,
                              IDB_CHAT_MINE_BR, IDB_CHAT_MINE_R, IDB_CHAT_MINE_TR, IDB_CHAT_MINE_T,
                              IDB_CHAT_MINE_C);

    m_btnMore.Create(L"", WS_CHILD | WS_TABSTOP | BS_BITMAP, CRect(6, 0, 249, 30), this, ID_MORE_BUTTON);
    m_btnMore.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_btnMore.SetSkin(IDB_CHAT_MORE, IDB_CHAT_MORE_DOWN, IDB_CHAT_MORE_HOVER, 0, IDB_CHAT_MORE, 0, 0, 0, 0);

    m_pLoading->Create(nullptr, nullptr, WS_CHILD, CRect(6, 0, 249, 30), this, ID_LOADING);
    m_pLoading->StartWithPicture(RGB(255, 255, 255), IDB_LOADING_PICTURE, 300);

    m_bmpBack.LoadBitmap(IDB_CHAT_BACK);
    m_bmpDayLine.LoadBitmap(IDB_CHAT_DAY_LINE);

    m_texts.strAm = LoadText(IDS_CHAT_AM);
    m_texts.strPm = LoadText(IDS_CHAT_PM);
    m_texts.strToOneMark = LoadText(IDS_WHISPER_SUFFIX);
    m_strDateFormat = LoadText(IDS_DATE_LINE_FORMAT);
    for (int i = 0; i < 7; ++i) m_strWeekdays[i] = LoadText(IDS_WEEKDAY_SUNDAY + i);
    m_strSendFailed = LoadText(IDS_CHAT_SEND_FAILED);

    if (IsSystemTouchSupported()) m_bTouch = ::RegisterTouchWindow(m_hWnd, 0);
}

void CChatViewCtrl::Clear()
{
    m_arrItems.clear();
    m_arrTextHeight.clear();
    m_arrTextWidth.clear();
    m_arrBubble.clear();
    ShowMoreButton(FALSE);
    ShowLoading(FALSE);
    m_nTotalHeight = 0;
}

void CChatViewCtrl::SetCleared(BOOL bCleared)
{
    m_bCleared = bCleared ? 1 : 0;
    if (bCleared) Clear();
    Refresh();
}

void CChatViewCtrl::ShowMoreButton(BOOL bShow)
{
    if (!m_btnMore.GetSafeHwnd()) return;
    m_btnMore.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    if (bShow) m_btnMore.Invalidate();
}

void CChatViewCtrl::ShowLoading(BOOL bShow)
{
    if (m_pLoading->GetSafeHwnd()) m_pLoading->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

BOOL CChatViewCtrl::IsMoreButtonVisible() const
{
    return m_btnMore.GetSafeHwnd() && (m_btnMore.GetStyle() & WS_VISIBLE) ? TRUE : FALSE;
}

BOOL CChatViewCtrl::IsLoadingVisible() const
{
    return m_pLoading->GetSafeHwnd() && (m_pLoading->GetStyle() & WS_VISIBLE) ? TRUE : FALSE;
}

CSize CChatViewCtrl::MeasureText(HDC hdc, const CString& strText) const
{
    const RECT rc = {0, 0, chatlayout::OTHER_TEXT_WIDTH, 0};
    const CRect r = DrawWrappedText(hdc, rc, strText, FALSE, TEXT_POINTS);
    return CSize(r.Width(), r.Height());
}

void CChatViewCtrl::Layout()
{
    ShowLoading(FALSE);
    m_arrTextHeight.resize(m_arrItems.size(), -1);
    m_arrTextWidth.resize(m_arrItems.size(), 0);
    m_arrBubble.resize(m_arrItems.size());
    HDC hdc = ::GetDC(m_hWnd);
    const int y = ChatContentHeight(m_arrItems, IsMoreButtonVisible(), [&](size_t i) {
        if (m_arrTextHeight[i] < 0) {
            const CSize size = MeasureText(hdc, ChatDisplayText(m_arrItems[i].message));
            m_arrTextHeight[i] = size.cy;
            m_arrTextWidth[i] = size.cx;
        }
        return m_arrTextHeight[i];
    });
    ::ReleaseDC(m_hWnd, hdc);
    m_nTotalHeight = y;
    CRect rc;
    GetClientRect(&rc);
    if (m_nTotalHeight > 0 && rc.Width() - 30 > 0) SetScrollSizes(MM_TEXT, CSize(rc.Width() - 30, m_nTotalHeight));
}

void CChatViewCtrl::RedrawNow()
{
    SetRedraw(TRUE);
    Invalidate();
    UpdateWindow();
}

void CChatViewCtrl::Refresh()
{
    if (!m_hWnd) return;
    Layout();
    RedrawNow();
}

void CChatViewCtrl::AddPage(const Json::Value& body, int nOwnUserId, BOOL bFirstPage)
{
    ShowMoreButton(ChatPageHasMore(body));
    SetRedraw(FALSE);
    std::vector<_ChatItem> page = ReadChatPage(body, nOwnUserId, bFirstPage, m_texts);
    if (bFirstPage) {
        m_arrItems.insert(m_arrItems.end(), page.begin(), page.end());
        m_arrTextHeight.resize(m_arrItems.size(), -1);
    } else {
        m_arrItems.insert(m_arrItems.begin(), page.begin(), page.end());
        m_arrTextHeight.insert(m_arrTextHeight.begin(), page.size(), -1);
        m_arrTextWidth.insert(m_arrTextWidth.begin(), page.size(), 0);
    }
    m_arrBubble.assign(m_arrItems.size(), CRect());
    Layout();
    RedrawNow();
}

void CChatViewCtrl::AppendPage(const Json::Value& body, int nOwnUserId)
{
    AddPage(body, nOwnUserId, TRUE);
}

void CChatViewCtrl::PrependPage(const Json::Value& body, int nOwnUserId)
{
    AddPage(body, nOwnUserId, FALSE);
}

void CChatViewCtrl::AddItem(const CString& strName, const CString& strCreated, const CString& strTimeText,
                            const CString& strMessage, const CString& strMessageId, int nMine)
{
    _ChatItem item;
    item.displayName = strName;
    item.createdTime = strCreated;
    item.timeText = strTimeText;
    item.message = strMessage;
    item.messageId = strMessageId;
    item.mine = nMine;
    m_arrItems.push_back(item);
    m_arrTextHeight.push_back(-1);
    m_arrTextWidth.push_back(0);
    m_arrBubble.push_back(CRect());
    Layout();
    RedrawNow();
}

void CChatViewCtrl::MarkSendFailed(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount()) return;
    m_arrItems[(size_t)nIndex].sendFailed = 1;
    Invalidate();
}

void CChatViewCtrl::ClearSendFailed(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount() || !m_arrItems[(size_t)nIndex].sendFailed) return;
    m_arrItems[(size_t)nIndex].sendFailed = 0;
    Invalidate();
}

void CChatViewCtrl::SetMessageId(int nIndex, const CString& strMessageId)
{
    if (nIndex >= 0 && nIndex < GetItemCount()) m_arrItems[(size_t)nIndex].messageId = strMessageId;
}

void CChatViewCtrl::SetLocalSeq(int nIndex, int nSeq)
{
    if (nIndex >= 0 && nIndex < GetItemCount()) m_arrItems[(size_t)nIndex].localSeq = nSeq;
}

int CChatViewCtrl::FindLocal(int nSeq) const
{
    for (size_t i = m_arrItems.size(); i-- > 0;)
        if (m_arrItems[i].localSeq == nSeq) return (int)i;
    return -1;
}

CRect CChatViewCtrl::GetBubbleRect(int nIndex) const
{
    return (nIndex >= 0 && (size_t)nIndex < m_arrBubble.size()) ? m_arrBubble[(size_t)nIndex] : CRect();
}

BOOL CChatViewCtrl::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CChatViewCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // The panel's thin bar stands in for the window's own. (Only when the scroll view has just
    // shown it: hiding it again each time costs a frame change per layout.)
    if (GetStyle() & WS_VSCROLL) ::ShowScrollBar(m_hWnd, SB_VERT, FALSE);
    Default();
}

BOOL CChatViewCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, (WORD)zDelta), MAKELPARAM(pt.x, pt.y));
    return CScrollView::OnMouseWheel(nFlags, zDelta, pt);
}

void CChatViewCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
    Default();
}

void CChatViewCtrl::OnMoreButton()
{
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_CHAT_OLDER_PAGE, 0, 0);
}

BOOL CChatViewCtrl::OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT pInput)
{
    if (pInput->dwFlags & TOUCHEVENTF_DOWN) {
        if (nInputsCount == 1) m_touch.Down(pt.y);
        return TRUE;
    }
    if (pInput->dwFlags & TOUCHEVENTF_MOVE) {
        const int dy = nInputsCount == 1 ? m_touch.Move(pt.y) : 0;
        if (dy) {
            CPoint ptScreen = pt;
            ClientToScreen(&ptScreen);
            PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)dy), MAKELPARAM(ptScreen.x, ptScreen.y));
        }
        return TRUE;
    }
    if (pInput->dwFlags & TOUCHEVENTF_UP) {
        m_touch.Up();
        return TRUE;
    }
    return FALSE;
}

void CChatViewCtrl::DrawItemAt(CDC* pDC, size_t i, int& y, int s, int W)
{
    const _ChatItem& item = m_arrItems[i];
    HDC hdc = pDC->GetSafeHdc();
    if (IsNewChatDay(m_arrItems, i) && y + chatlayout::DAY_LINE <= s) {
        y += chatlayout::DAY_LINE;   // a date line above the visible part
    } else if (IsNewChatDay(m_arrItems, i)) {
        if (m_bmpDayLine.GetSafeHandle()) DrawTransparentBitmap(hdc, (HBITMAP)m_bmpDayLine.GetSafeHandle(), 6, y, RGB(255, 0, 255));
        CRect rcDay(13, y + 2, 243, y + 19);
        const CString strDay = MakeChatDateLine(item.createdTime, m_strDateFormat, m_strWeekdays);
        DrawTextWithFont(hdc, &rcDay, strDay, RGB(255, 255, 255), 0, TRUE, TEXT_POINTS,
                         DT_CENTER | DT_VCENTER | DT_SINGLELINE, 1);
        y += chatlayout::DAY_LINE;
    }
    if (i >= m_arrTextHeight.size() || m_arrTextHeight[i] < 0) return;   // laid out before it is painted
    const int h = m_arrTextHeight[i];
    const int w = m_arrTextWidth[i];
    // Only a bubble that shows needs its text (the copy with CR for CR LF).
    const CString strText = (y + h + 50 > s) ? ChatDisplayText(item.message) : CString();
    CRect rcBubble;
    if (!item.mine) {
        if (y + chatlayout::NAME_LINE + h + 50 > s) {
            CRect rcName(14, y, W - 1, y + 20);
            DrawTextWithFont(hdc, &rcName, item.displayName, RGB(0, 0, 0), 0, TRUE, TEXT_POINTS,
                             DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS, 1);
        }
        y += chatlayout::NAME_LINE;
        // A bubble wholly above the visible part is skipped: its height is known from the layout.
        if (y + h + 50 > s) {
            // The text's rectangle as the layout measured it.
            const CRect M(9 + 13, y + 6, 9 + 13 + w, y + 6 + h);
            rcBubble.SetRect(M.left - 13, M.top - 6, M.right + 7, M.bottom + 6);
            m_pBubbleOther->DrawFrame(pDC, rcBubble.left, rcBubble.top, rcBubble.Width(), rcBubble.Height());
            // Drawn at the width it was measured at, so that its lines break where the layout saw them.
            DrawWrappedText(hdc, CRect(M.left, M.top, M.left + chatlayout::OTHER_TEXT_WIDTH, M.bottom), strText, TRUE,
                            TEXT_POINTS);
            CRect rcTime(M.left, M.bottom + 11, M.left + 100, M.bottom + 26);
            DrawTextWithFont(hdc, &rcTime, item.timeText, CLR_TIME, 0, TRUE, TEXT_POINTS, DT_LEFT | DT_TOP | DT_SINGLELINE, 0);
        }
    } else {
        if (y + h + 50 > s) {
            const CRect rcText(W - 220 + 7, y + 6, W + 11 - 13, y + 6);
            const CRect M(rcText.left, y + 6, rcText.left + w, y + 6 + h);
            rcBubble.SetRect(M.left - 7, M.top - 6, M.right + 13, M.bottom + 6);
            rcBubble.OffsetRect(rcText.Width() - rcBubble.Width(), 0);
            m_pBubbleMine->DrawFrame(pDC, rcBubble.left, rcBubble.top, rcBubble.Width(), rcBubble.Height());
            CRect M2(rcBubble.left + 7, rcBubble.top + 6, rcBubble.right - 13, rcBubble.bottom - 6);
            DrawWrappedText(hdc, CRect(M2.left, M2.top, M2.left + chatlayout::MINE_TEXT_WIDTH, M2.bottom), strText, TRUE,
                            TEXT_POINTS);
            CRect rcTime(M2.right - 100, M2.bottom + 11, M2.right, M2.bottom + 26);
            if (item.sendFailed)
                DrawTextWithFont(hdc, &rcTime, m_strSendFailed, CLR_FAILED, 0, TRUE, TEXT_POINTS,
                                 DT_RIGHT | DT_TOP | DT_SINGLELINE, 1);
            else
                DrawTextWithFont(hdc, &rcTime, item.timeText, CLR_TIME, 0, TRUE, TEXT_POINTS,
                                 DT_RIGHT | DT_TOP | DT_SINGLELINE, 0);
        }
    }
    if (i < m_arrBubble.size()) m_arrBubble[i] = rcBubble;
    y += h + chatlayout::BUBBLE_GAP;
}

void CChatViewCtrl::OnDraw(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int W = rcClient.Width(), c = rcClient.Height();
    if (W <= 0 || c <= 0) return;
    const int s = GetScrollPosition().y;

    // One off-screen picture of the visible part, drawn in content coordinates.
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(pDC, W, c);
    CBitmap* pOld = mem.SelectObject(&bmp);
    ::SetViewportOrgEx(mem.GetSafeHdc(), 0, -s, nullptr);

    BITMAP bm = {};
    if (m_bmpBack.GetSafeHandle() && m_bmpBack.GetBitmap(&bm) && bm.bmHeight > 0 && bm.bmWidth > 0) {
        CDC tile;
        tile.CreateCompatibleDC(pDC);
        CBitmap* pOldTile = tile.SelectObject(&m_bmpBack);
        if (bm.bmWidth < W) mem.FillSolidRect(bm.bmWidth, s, W - bm.bmWidth, c, RGB(232, 236, 240));
        for (int yy = s; yy < s + c; yy += bm.bmHeight) mem.BitBlt(0, yy, bm.bmWidth, bm.bmHeight, &tile, 0, 0, SRCCOPY);
        tile.SelectObject(pOldTile);
    } else {
        mem.FillSolidRect(0, s, W, c, RGB(232, 236, 240));
    }

    int y = chatlayout::TOP;
    if (IsMoreButtonVisible()) y += 30;
    if (IsLoadingVisible()) y += 30;
    for (size_t i = 0; i < m_arrItems.size() && y <= s + c; ++i) DrawItemAt(&mem, i, y, s, W);

    ::SetViewportOrgEx(mem.GetSafeHdc(), 0, 0, nullptr);
    pDC->BitBlt(0, s, W, c, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
}
