#include "features/chat/MeetingChatCtrl.h"

#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "features/chat/ChatEditCtrl.h"
#include "features/chat/ChatViewCtrl.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"

IMPLEMENT_DYNAMIC(CMeetingChatCtrl, CWnd)

BEGIN_MESSAGE_MAP(CMeetingChatCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_SCROLLBAR_POS, &CMeetingChatCtrl::OnScrollBarPos)
    ON_MESSAGE(WM_CHAT_INPUT_LINE, &CMeetingChatCtrl::OnInputCaretLine)
    ON_MESSAGE(WM_CHAT_INPUT_ENTER, &CMeetingChatCtrl::OnInputEnter)
    ON_MESSAGE(WM_CHAT_OLDER_PAGE, &CMeetingChatCtrl::OnOlderPage)
    ON_COMMAND(CMeetingChatCtrl::ID_SEND, &CMeetingChatCtrl::OnSend)
    ON_CBN_SELCHANGE(CMeetingChatCtrl::ID_RECIPIENTS, &CMeetingChatCtrl::OnRecipientChange)
END_MESSAGE_MAP()

namespace {

SChatMeetingFacts& Facts()
{
    static SChatMeetingFacts facts;
    return facts;
}

std::function<SYSTEMTIME()>& Clock()
{
    static std::function<SYSTEMTIME()> clock;
    return clock;
}

SYSTEMTIME Now()
{
    if (Clock()) return Clock()();
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return st;
}

CString LoadText(UINT nId)
{
    CString s;
    s.LoadString(nId);
    return s;
}

}  // namespace

void SetChatMeetingFacts(const SChatMeetingFacts& facts)
{
    Facts() = facts;
}

void CMeetingChatCtrl::SetClock(std::function<SYSTEMTIME()> clock)
{
    Clock() = std::move(clock);
}

CWnd* CreateChatPanel(CWnd* pParent, UINT nId)
{
    CMeetingChatCtrl* pPanel = new CMeetingChatCtrl();
    if (!pPanel->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 255, 10), pParent, nId)) {
        delete pPanel;
        return nullptr;
    }
    pPanel->SetAutoDelete(TRUE);
    return pPanel;
}

IChatPanel* AsChatPanel(CWnd* pWnd)
{
    return dynamic_cast<CMeetingChatCtrl*>(pWnd);
}

CMeetingChatCtrl::CMeetingChatCtrl() = default;

CMeetingChatCtrl::~CMeetingChatCtrl()
{
    // The history view deletes itself with its window; the rest is the panel's.
    delete m_pViewScroll;
    delete m_pEdit;
    delete m_pEditScroll;
    delete m_pRecipientCombo;
}

void CMeetingChatCtrl::PostNcDestroy()
{
    if (m_bAutoDelete) delete this;
}

BOOL CMeetingChatCtrl::IsMeetingEnded() const
{
    return Facts().isMeetingEnded ? Facts().isMeetingEnded() : FALSE;
}

int CMeetingChatCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CRect rc;
    GetClientRect(&rc);

    m_pChatView = static_cast<CChatViewCtrl*>(RUNTIME_CLASS(CChatViewCtrl)->CreateObject());
    m_pChatView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, rc, this, ID_VIEW);
    m_pChatView->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    m_pChatView->SendMessage(WM_INITIALUPDATE, 0, 0);
    m_pChatView->ShowWindow(SW_HIDE);

    m_pViewScroll = new ZELScrollBar();
    m_pViewScroll->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 7, 80), this, ID_VIEW_SCROLL);

    m_pEdit = new CChatEditCtrl();
    m_pEdit->SetEndedQuery([this] { return IsMeetingEnded(); });
    m_pEdit->Create(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | ES_AUTOVSCROLL | ES_MULTILINE, CRect(0, 0, 200, 200),
                    this, ID_EDIT);
    m_pEdit->ShowWindow(SW_HIDE);

    m_brWhite.CreateSolidBrush(RGB(255, 255, 255));

    m_pEditScroll = new ZELScrollBar();
    m_pEditScroll->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 7, 80), this, ID_EDIT_SCROLL);
    m_pEditScroll->SetBkColor(RGB(255, 255, 255));

    m_btnSend.Create(L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_BITMAP, CRect(5, 3, 19, 24), this, ID_SEND);
    m_btnSend.ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
    m_btnSend.SetSkin(IDB_CHAT_SEND, IDB_CHAT_SEND_DOWN, IDB_CHAT_SEND_HOVER, IDB_CHAT_SEND_DISABLED, IDB_CHAT_SEND, 0,
                      0, 0, 0);

    m_pRecipientCombo = new CZELSkinComboBox();
    m_pRecipientCombo->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(0, 0, 200, 20),
                              this, ID_RECIPIENTS);
    m_pRecipientCombo->ShowWindow(SW_HIDE);
    m_pRecipientCombo->EnableWindow(FALSE);

    m_pEdit->SetInputEnabled(FALSE);
    m_btnSend.EnableWindow(FALSE);
    return 0;
}

void CMeetingChatCtrl::SetMeeting(const CString& strMtngId, int nUserId)
{
    m_strMtngId = strMtngId;
    m_strUserId.Format(L"%d", nUserId);
    m_strLastMessageId.Empty();
    m_nPageSize = 10;
    m_nPageNum = 1;
    m_pendingSends.clear();
    m_bOlderPageAwaited = FALSE;
    m_pChatView->Clear();
    UpdateViewScrollThumb();
    m_pEdit->SetWindowText(L"");
    if (!IsMeetingEnded()) m_pEdit->Clear();
    UpdateInputScrollBarToEnd();
    ResetRecipients();
    m_strReceiverId.Empty();
}

void CMeetingChatCtrl::RequestHistory()
{
    CTasClientManager::GetInstance()->RequestM00000032(m_strMtngId, m_strLastMessageId, 1, m_nPageSize);
}

BOOL CMeetingChatCtrl::OnServerReply(UINT, const CTasResponse* pReply)
{
    if (!pReply) return FALSE;
    const std::string strId = pReply->GetMessageId();
    if (strId == "M00000032") {
        if (pReply->GetStatusCode() == 0 && pReply->GetBody()) {
            OnChatList(*pReply->GetBody());
        } else {
            // No page comes: the loading picture must not wait for one.
            m_bOlderPageAwaited = FALSE;
            m_pChatView->ShowLoading(FALSE);
            m_pChatView->Invalidate();
        }
        return TRUE;
    }
    if (strId == "M00000031") {
        OnSendReply(pReply->GetStatusCode(), pReply->GetBody());
        return TRUE;
    }
    return FALSE;
}

void CMeetingChatCtrl::OnChatList(const Json::Value& body)
{
    if (Facts().hasMeeting ? !Facts().hasMeeting() : !CMeetingManager::GetInstance()->GetCurrentMeeting()) return;
    BOOL bCanShare = FALSE;
    if (Facts().canShare) {
        bCanShare = Facts().canShare();
    } else if (CMeeting* pMeeting = CMeetingManager::GetInstance()->GetCurrentMeeting()) {
        bCanShare = pMeeting->CanShare();
    }
    if (bCanShare) return;
    const int nOwn = _wtoi(m_strUserId);
    if (m_bOlderPageAwaited) {
        m_bOlderPageAwaited = FALSE;
        m_pChatView->ShowLoading(FALSE);
        m_pChatView->PrependPage(body, nOwn);
        UpdateScrollBar(FALSE);
    } else {
        m_pChatView->AppendPage(body, nOwn);
        UpdateScrollBar(TRUE);
    }
}

void CMeetingChatCtrl::OnChatPush(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                                  const CString& strMessage)
{
    AddMessage(strUserName, strSentDate, strTime, strMessage, 0);
}

void CMeetingChatCtrl::AddMessage(const CString& strName, const CString& strStamp, const CString& strTime,
                                  const CString& strMessage, int nOwn)
{
    m_pChatView->AddItem(strName, strStamp, strTime, strMessage, CString(), nOwn);
    UpdateScrollBar(TRUE);
}

int CMeetingChatCtrl::GetMessageCount()
{
    return m_pChatView ? m_pChatView->GetItemCount() : 0;
}

void CMeetingChatCtrl::OnSendReply(int nStatus, const Json::Value* pBody)
{
    if (m_pendingSends.empty()) return;
    const int nSeq = m_pendingSends.front();
    m_pendingSends.pop_front();
    const int nIndex = m_pChatView->FindLocal(nSeq);
    if (nStatus == 0) {
        if (pBody && nIndex >= 0) m_pChatView->SetMessageId(nIndex, GetJsonString(*pBody, "messageId"));
        m_pChatView->ClearSendFailed(nIndex);
        return;
    }
    g_ApplicationLog.Log(3, L"채팅 전송 실패 : status %d", nStatus);
    m_pChatView->MarkSendFailed(nIndex);
}

void CMeetingChatCtrl::MarkPendingSendsFailed()
{
    // They stay awaited: the client sends its unanswered requests again once it is connected,
    // and a late answer still belongs to the oldest of them.
    for (int nSeq : m_pendingSends) m_pChatView->MarkSendFailed(m_pChatView->FindLocal(nSeq));
}

BOOL CMeetingChatCtrl::EnableChat(BOOL bEnable)
{
    const BOOL bOn = IsMeetingEnded() ? FALSE : bEnable;
    m_btnSend.EnableWindow(bOn);
    m_pEdit->SetInputEnabled(bOn);
    m_pEdit->LineScroll(-10);
    UpdateData(FALSE);
    m_pEditScroll->ShowWindow(SW_HIDE);
    return TRUE;
}

void CMeetingChatCtrl::ResetChat(BOOL bClear)
{
    m_pChatView->SetCleared(bClear);
    if (bClear) {
        EnableChat(FALSE);
        m_pViewScroll->SetPos(0, TRUE);
        m_pChatView->ScrollToPosition(CPoint(0, 0));
    }
}

void CMeetingChatCtrl::Relayout()
{
    m_pChatView->Refresh();
    UpdateScrollBar(TRUE);
}

int CMeetingChatCtrl::ViewClientHeight() const
{
    CRect rc;
    m_pChatView->GetClientRect(&rc);
    return rc.Height();
}

void CMeetingChatCtrl::UpdateViewScrollThumb()
{
    const int H = ViewClientHeight(), T = m_pChatView->GetTotalHeight();
    if (T <= H) {
        m_pViewScroll->SetFlat(TRUE);
        m_pViewScroll->Invalidate();
        return;
    }
    m_pViewScroll->SetFlat(FALSE);
    m_pViewScroll->ShowWindow(SW_SHOW);
    m_pViewScroll->SetThumbSize(ChatThumbPercent(H, T));
}

void CMeetingChatCtrl::UpdateScrollBar(BOOL bToEnd)
{
    const int H = ViewClientHeight(), T = m_pChatView->GetTotalHeight();
    UpdateViewScrollThumb();
    if (T <= H) return;
    if (bToEnd) {
        m_pViewScroll->SetPos(100, TRUE);
        if (ChatThumbPercent(H, T) <= 99) m_pChatView->ScrollToPosition(CPoint(0, T));
    } else {
        m_pViewScroll->SetPos(0, TRUE);
        m_pChatView->ScrollToPosition(CPoint(0, 0));
    }
    m_pChatView->Invalidate();
}

void CMeetingChatCtrl::UpdateInputScrollBar(int nPos)
{
    const int nLines = m_pEdit->GetLineCount();
    if (!IsInputBarShown(nLines)) {
        m_pEditScroll->ShowWindow(SW_HIDE);
        return;
    }
    m_pEditScroll->ShowWindow(SW_SHOW);
    m_pEditScroll->SetThumbSize(InputThumbPercent(nLines));
    m_pEditScroll->SetPos(nPos, TRUE);
}

void CMeetingChatCtrl::UpdateInputScrollBarToEnd()
{
    UpdateInputScrollBar(100);
}

LRESULT CMeetingChatCtrl::OnScrollBarPos(WPARAM wParam, LPARAM lParam)
{
    const int p = (int)wParam;
    if ((UINT)lParam == ID_VIEW_SCROLL) {
        const int H = ViewClientHeight(), T = m_pChatView->GetTotalHeight();
        m_pChatView->ScrollToPosition(CPoint(0, (int)((T - H) * p / 100.0)));
        m_pChatView->Invalidate();
    } else if ((UINT)lParam == ID_EDIT_SCROLL) {
        const int nTarget = (int)(m_pEdit->GetLineCount() * p / 100.0);
        m_pEdit->LineScroll(nTarget - m_nEditLine);
        m_nEditLine = nTarget;
    }
    return 0;
}

LRESULT CMeetingChatCtrl::OnInputCaretLine(WPARAM wParam, LPARAM lParam)
{
    m_nEditLine = (int)lParam;
    UpdateInputScrollBar((int)wParam);
    return 0;
}

LRESULT CMeetingChatCtrl::OnInputEnter(WPARAM, LPARAM)
{
    OnSend();
    return 0;
}

LRESULT CMeetingChatCtrl::OnOlderPage(WPARAM, LPARAM)
{
    // An older page is asked from the oldest message shown: with none there is no cursor, and
    // asking without one would fetch the newest page again.
    if (m_pChatView->GetItemCount() == 0) {
        m_pChatView->ShowMoreButton(FALSE);
        return 0;
    }
    m_pChatView->ShowLoading(TRUE);
    m_bOlderPageAwaited = TRUE;
    m_strLastMessageId = m_pChatView->GetFirstItem().messageId;
    m_nPageNum += 1;
    m_nPageSize = 100;
    CTasClientManager::GetInstance()->RequestM00000032(m_strMtngId, m_strLastMessageId, 1, m_nPageSize);
    return 0;
}

void CMeetingChatCtrl::OnSend()
{
    // While sending is off (before the host switches chat on, or after the meeting ended) what
    // is typed stays in the box.
    if (!m_btnSend.IsWindowEnabled()) return;
    CString strText;
    m_pEdit->GetWindowText(strText);
    m_pEdit->SetWindowText(L"");
    m_pEdit->SetFocus();
    m_pEdit->LineScroll(-10);
    UpdateData(FALSE);
    if (!strText.IsEmpty()) {
        strText = CutChatMessage(strText);
        const SYSTEMTIME st = Now();
        const CString strStamp = MakeChatTimeStamp(st);
        const CString strTime = MakeChatTimeText(st.wHour, st.wMinute, LoadText(IDS_CHAT_AM), LoadText(IDS_CHAT_PM));
        CTasClientManager::GetInstance()->RequestM00000031(m_strMtngId, strText, m_strUserId, CString(), 1);
        AddMessage(CString(), strStamp, strTime, strText, 1);
        const int nSeq = ++m_nNextLocal;
        m_pChatView->SetLocalSeq(m_pChatView->GetItemCount() - 1, nSeq);
        m_pendingSends.push_back(nSeq);
    }
    UpdateInputScrollBarToEnd();
}

BOOL CMeetingChatCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    CPoint ptClient = pt;
    ScreenToClient(&ptClient);
    auto inside = [&](CWnd* pWnd) {
        if (!pWnd || !pWnd->GetSafeHwnd()) return false;
        CRect rc;
        pWnd->GetWindowRect(&rc);
        ScreenToClient(&rc);
        return rc.PtInRect(ptClient) != FALSE;
    };
    ZELScrollBar* pBar = nullptr;
    int nStep = 0;
    if (inside(m_pChatView) || inside(m_pViewScroll)) {
        pBar = m_pViewScroll;
        nStep = 4;
    } else if (inside(m_pEdit) || inside(m_pEditScroll)) {
        pBar = m_pEditScroll;
        nStep = 10;
    }
    if (pBar) {
        int nPos = pBar->GetPos() + (zDelta > 0 ? -nStep : nStep);
        nPos = nPos < 0 ? 0 : (nPos > 100 ? 100 : nPos);
        pBar->SetPos(nPos, TRUE);
    }
    Default();
    return TRUE;
}

void CMeetingChatCtrl::OnMouseMove(UINT, CPoint)
{
}

void CMeetingChatCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_pChatView || !m_pChatView->GetSafeHwnd()) return;
    const int W = cx, H = cy;
    HDWP hdwp = ::BeginDeferWindowPos(6);
    auto place = [&](CWnd* pWnd, int x, int y, int w, int h, BOOL bShow) {
        if (hdwp && pWnd && pWnd->GetSafeHwnd())
            hdwp = ::DeferWindowPos(hdwp, pWnd->GetSafeHwnd(), nullptr, x, y, w < 0 ? 0 : w, h < 0 ? 0 : h,
                                    SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    };
    place(m_pChatView, 0, 1, W - 11, H - 66, TRUE);
    place(m_pViewScroll, W - 11, 1, 11, H - 66, TRUE);
    place(m_pRecipientCombo, 0, H - 86, 255, 18, FALSE);
    place(m_pEdit, 15, H - 53, 157, 46, TRUE);
    place(m_pEditScroll, 177, H - 58, 14, 50, TRUE);
    place(&m_btnSend, 190, H - 58, 70, 50, TRUE);
    if (hdwp) ::EndDeferWindowPos(hdwp);
    UpdateScrollBar(TRUE);
    UpdateInputScrollBar(0);
}

BOOL CMeetingChatCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CMeetingChatCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int W = rc.Width(), H = rc.Height();
    if (W <= 0 || H <= 0) return;
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dc, W, H);
    CBitmap* pOld = mem.SelectObject(&bmp);
    mem.FillSolidRect(0, 0, W, H, RGB(0xDB, 0xD9, 0xD6));

    auto blit = [&](UINT nId, int x, int y, int w, int h, BOOL bTransparent) {
        CBitmap pic;
        BITMAP bm = {};
        if (!pic.LoadBitmap(nId) || !pic.GetBitmap(&bm)) return;
        CDC src;
        src.CreateCompatibleDC(&dc);
        CBitmap* pOldSrc = src.SelectObject(&pic);
        if (bTransparent)
            TransparentStretchBlt(mem.GetSafeHdc(), x, y, w, h, src.GetSafeHdc(), 0, 0, bm.bmWidth, bm.bmHeight,
                                  RGB(0xDB, 0xD9, 0xD6));
        else
            mem.BitBlt(x, y, w, h, &src, 0, 0, SRCCOPY);
        src.SelectObject(pOldSrc);
    };
    blit(IDB_PANE_BODY, 0, 0, W + 10, H, TRUE);
    blit(IDB_CHAT_TOP_LINE, 0, 0, W, 8, FALSE);
    blit(IDB_CHAT_INPUT_AREA, 0, H - 65, 280, 65, TRUE);
    dc.BitBlt(0, 0, W, H, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
}

void CMeetingChatCtrl::ResetRecipients()
{
    m_pRecipientCombo->ResetContent();
    m_pRecipientCombo->AddString(LoadText(IDS_COMBO_PLACEHOLDER));
    m_pRecipientCombo->SetCurSel(0);
    m_arrRecipients.clear();
    m_strUserName = CLoginManager::GetInstance()->GetUserName();
}

void CMeetingChatCtrl::AddRecipient(const CString& strName, const CString& strPosition, int nUserIdnfr)
{
    if (strName == m_strUserName) return;
    const CString strLabel = strPosition.IsEmpty() ? strName : strName + L"(" + strPosition + L")";
    m_pRecipientCombo->AddString(strLabel);
    m_pRecipientCombo->SetCurSel(0);
    _CHATTING_ATTENDENT_INFO info;
    info.userIdnfr = nUserIdnfr;
    info.name = strName;
    info.position = strPosition;
    m_arrRecipients.push_back(info);
}

void CMeetingChatCtrl::FillRecipients(const std::vector<_CHATTING_ATTENDENT_INFO>& attendees)
{
    if (attendees.empty()) return;
    m_pRecipientCombo->ResetContent();
    m_pRecipientCombo->AddString(LoadText(IDS_COMBO_PLACEHOLDER));
    m_pRecipientCombo->SetCurSel(0);
    m_arrRecipients.clear();
    for (const _CHATTING_ATTENDENT_INFO& a : attendees) AddRecipient(a.name, a.position, a.userIdnfr);
}

void CMeetingChatCtrl::OnRecipientChange()
{
    const int nSel = m_pRecipientCombo->GetCurSel();
    CString strLabel;
    if (nSel >= 0) m_pRecipientCombo->GetLBText(nSel, strLabel);
    const int nParen = strLabel.Find(L'(');
    const CString strName = nParen >= 0 ? strLabel.Left(nParen) : strLabel;
    m_strReceiverId.Empty();
    for (const _CHATTING_ATTENDENT_INFO& a : m_arrRecipients) {
        if (a.name == strName) {
            m_strReceiverId.Format(L"%d", a.userIdnfr);
            break;
        }
    }
}
