#include "screens/detail/DetailLayer.h"

#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "ui/host/TitleBar.h"
#include "core/ClientMessages.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingDocument.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/TextHelpers.h"
#include "features/approvals/ReportDialogs.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"
#include "screens/detail/DetailChatPopup.h"
#include "screens/detail/DetailListCtrl.h"
#include "ui/controls/OkCancelDlg.h"

namespace {

// The title bar's chat button (a command of the title bar's window).
const int kTitleChatButtonId = 34593;
// The resize border of the screen's client area.
const int kBorder = 5;

CTasClientManager* Tas()
{
    return CTasClientManager::GetInstance();
}

IMeetingScreen* MeetingScreen()
{
    IZELMainDlg* pMain = GetMainDlg();
    return pMain ? pMain->GetMeetingLayer() : nullptr;
}

struct FIND_CHILD {
    int nId;
    HWND hFound;
};

BOOL CALLBACK FindChildById(HWND hWnd, LPARAM lParam)
{
    FIND_CHILD* pFind = reinterpret_cast<FIND_CHILD*>(lParam);
    if (::GetDlgCtrlID(hWnd) == pFind->nId && ::IsWindowVisible(hWnd)) {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDetailLayer, CMyBaseDialog)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_MESSAGE(WM_USER + 103, &CDetailLayer::OnReceiveM00000004)
    ON_MESSAGE(WM_USER + 104, &CDetailLayer::OnReceiveM00000005)
    ON_MESSAGE(WM_USER + 105, &CDetailLayer::OnReceiveM00000006)
    ON_MESSAGE(WM_USER + 107, &CDetailLayer::OnReceiveM00000008)
    ON_MESSAGE(WM_USER + 116, &CDetailLayer::OnReceiveM00000017)
    ON_MESSAGE(WM_USER + 117, &CDetailLayer::OnReceiveM00000018)
    ON_MESSAGE(WM_USER + 120, &CDetailLayer::OnReceiveM00000021)
    ON_MESSAGE(WM_USER + 130, &CDetailLayer::OnReceiveM00000031)
    ON_MESSAGE(WM_USER + 131, &CDetailLayer::OnReceiveM00000032)
    ON_MESSAGE(WM_USER + 137, &CDetailLayer::OnReceiveM00000038)
    ON_MESSAGE(WM_USER + 151, &CDetailLayer::OnReceiveM00000052)
    ON_MESSAGE(WM_USER + 196, &CDetailLayer::OnReceiveM00000096)
    ON_MESSAGE(WM_DETAIL_ADD_FILE, &CDetailLayer::OnAddFileButton)
    ON_MESSAGE(WM_DETAIL_TO_DATA_BOX, &CDetailLayer::OnAddToDataBox)
    ON_MESSAGE(WM_DETAIL_FAVORITE, &CDetailLayer::OnFavoriteButton)
    ON_MESSAGE(WM_DETAIL_FEEDBACK, &CDetailLayer::OnFeedbackButton)
    ON_MESSAGE(WM_DETAIL_WHITEBOARD, &CDetailLayer::OnWhiteboardButton)
    ON_MESSAGE(WM_DETAIL_REPLY_NOTICE, &CDetailLayer::OnReplyNotice)
    ON_NOTIFY(MYLIST_ITEM_PRESS, CDetailLayer::LIST_CTRL_ID, &CDetailLayer::OnListButtonDown)
    ON_NOTIFY(MYLIST_ITEM_CLICK, CDetailLayer::LIST_CTRL_ID, &CDetailLayer::OnListButtonUp)
END_MESSAGE_MAP()

CDetailLayer::CDetailLayer(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_CHILD, pParent)
{
    m_pList = new CDetailListCtrl();
}

CDetailLayer::~CDetailLayer()
{
    DeleteDocumentCopies();
    DestroyMemberPanel();
    if (m_pList) {
        if (m_pList->GetSafeHwnd())
            m_pList->DestroyWindow();
        delete m_pList;
    }
    if (m_pChatPopup) {
        if (m_pChatPopup->GetSafeHwnd())
            m_pChatPopup->DestroyWindow();
        delete m_pChatPopup;
    }
}

BOOL CDetailLayer::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"DetailLayer");
    ReplaceMemberPanel();
    SKIN_OBJECT** objects[] = {&m_pLeft, &m_pTextTitle, &m_pImgPaperT, &m_pImgPaperF, &m_pListArea,
                               &m_pTextStatus, &m_pBtnReportConfirm, &m_pBtnReportStart, &m_pBtnReportEnd,
                               &m_pBtnFeedbackUpdate, &m_pBtnStart, &m_pBtnEnd, &m_pBtnRestart,
                               &m_pGroupTime, &m_pTextTime};
    const wchar_t* names[] = {L"Left", L"textTitle", L"imgReportPaperT", L"imgReportPaperF", L"List",
                              L"textStatus", L"btnReportConfirm", L"btnReportStart", L"btnReportEnd",
                              L"btnFeedbackUpdate", L"btnStart", L"btnEnd", L"btnRestart", L"groupTime",
                              L"textTime"};
    for (size_t i = 0; i < sizeof(names) / sizeof(names[0]); ++i)
        *objects[i] = m_Screen.FindObject(names[i]);
    // The paper marks, the status line and the action buttons show once a meeting says so.
    for (SKIN_OBJECT* pObject : {m_pImgPaperT, m_pImgPaperF, m_pTextStatus, m_pBtnReportConfirm, m_pBtnReportStart,
                                 m_pBtnReportEnd, m_pBtnFeedbackUpdate, m_pBtnStart, m_pBtnEnd, m_pBtnRestart,
                                 m_pGroupTime, m_pTextTime})
        SetObjectVisible(pObject, FALSE, FALSE);
    if (m_pListArea) {
        m_pList->LoadItemScreen(this, m_pListArea, LIST_CTRL_ID, CString());
        CRect rc;
        m_pListArea->GetContentRect(rc, nullptr);
        m_pList->RelayoutRows(rc.Width(), rc.Height());
    }
    m_pChatPopup = new CDetailChatPopup(this);
    m_pChatPopup->Create(IDD_SKIN_POPUP, this);
    m_pChatPopup->ShowWindow(SW_HIDE);
    return TRUE;
}

SKIN_OBJECT* CDetailLayer::GetSkinObject(const wchar_t* pszName) const
{
    return m_Screen.FindObject(pszName);
}

BOOL CDetailLayer::IsObjectShown(const wchar_t* pszName) const
{
    const SKIN_OBJECT* pObject = GetSkinObject(pszName);
    return pObject && pObject->m_nVisible && !pObject->m_nGone;
}

CString CDetailLayer::GetObjectText(const wchar_t* pszName) const
{
    const SKIN_OBJECT* pObject = GetSkinObject(pszName);
    return pObject ? pObject->m_text.m_strText : CString();
}

// ---- Layout and the resize border ----

void CDetailLayer::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseDialog::OnSize(nType, cx, cy);
    LayoutPanels();
}

void CDetailLayer::LayoutPanels()
{
    if (m_pMemberWnd && m_pMemberWnd->GetSafeHwnd() && m_pLeft) {
        CRect rc = m_pLeft->m_rcObject;
        m_pLeft->DeflateToContent(rc);
        m_pMemberWnd->MoveWindow(&rc);
    }
    if (m_pList && m_pList->GetSafeHwnd() && m_pListArea) {
        CRect rc;
        m_pListArea->GetContentRect(rc, nullptr);
        m_pList->MoveWindow(&rc);
    }
}

LRESULT CDetailLayer::HitTestBorder(CPoint pt) const
{
    CRect rc;
    GetClientRect(&rc);
    const bool bLeft = pt.x >= rc.left && pt.x < kBorder;
    const bool bRight = pt.x > rc.right - kBorder && pt.x <= rc.right;
    const bool bBottom = pt.y > rc.bottom - kBorder && pt.y <= rc.bottom;
    if (bLeft && bBottom)
        return HTBOTTOMLEFT;
    if (bRight && bBottom)
        return HTBOTTOMRIGHT;
    if (bLeft)
        return HTLEFT;
    if (bRight)
        return HTRIGHT;
    if (bBottom)
        return HTBOTTOM;
    return HTNOWHERE;
}

namespace {

LPCTSTR CursorOfHit(LRESULT nHit)
{
    switch (nHit) {
    case HTBOTTOMLEFT: return IDC_SIZENESW;
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTBOTTOM: return IDC_SIZENS;
    default: return IDC_SIZEWE;
    }
}

}  // namespace

void CDetailLayer::OnLButtonDown(UINT nFlags, CPoint point)
{
    IZELMainDlg* pMain = GetMainDlg();
    const LRESULT nHit = HitTestBorder(point);
    if (nHit != HTNOWHERE && pMain && pMain->GetShowCmd() != SW_SHOWMAXIMIZED && pMain->GetWnd()) {
        ::SetCursor(::LoadCursor(nullptr, CursorOfHit(nHit)));
        pMain->GetWnd()->PostMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(point.x, point.y));
        return;
    }
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}

void CDetailLayer::OnMouseMove(UINT nFlags, CPoint point)
{
    IZELMainDlg* pMain = GetMainDlg();
    const LRESULT nHit = HitTestBorder(point);
    if (nHit != HTNOWHERE && pMain && pMain->GetShowCmd() != SW_SHOWMAXIMIZED)
        ::SetCursor(::LoadCursor(nullptr, CursorOfHit(nHit)));
    CMyBaseDialog::OnMouseMove(nFlags, point);
}

void CDetailLayer::OnLButtonUp(UINT nFlags, CPoint point)
{
    CMyBaseDialog::OnLButtonUp(nFlags, point);
}

// ---- The member panel ----

void CDetailLayer::DestroyMemberPanel()
{
    if (!m_pMemberWnd)
        return;
    if (m_pMemberWnd->GetSafeHwnd())
        m_pMemberWnd->DestroyWindow();
    delete m_pMemberWnd;
    m_pMemberWnd = nullptr;
    m_pMemberPanel = nullptr;
}

void CDetailLayer::ReplaceMemberPanel()
{
    DestroyMemberPanel();
    const SDetailScreenHooks& hooks = GetDetailScreenHooks();
    if (!hooks.makeMemberPanel)
        return;
    m_pMemberWnd = hooks.makeMemberPanel(this, IsReport(), &m_pMemberPanel);
    if (m_pMemberWnd && m_pMemberWnd->GetSafeHwnd())
        m_pMemberWnd->ShowWindow(SW_SHOW);
    LayoutPanels();
}

// ---- Showing, refreshing and leaving ----

CString CDetailLayer::GetMeetingId()
{
    return m_pMeeting ? m_pMeeting->GetMeetingId() : CString();
}

BOOL CDetailLayer::IsReport() const
{
    return m_pMeeting && m_pMeeting->IsReport();
}

BOOL CDetailLayer::IsMeetingRunning() const
{
    return m_pMeeting && detailrules::IsRunningStatus(m_pMeeting->GetStatus());
}

void CDetailLayer::ShowMeeting(const CString& strMeetingId)
{
    m_bOpinionShown = FALSE;
    m_pMeeting = CMeetingManager::GetInstance()->SetCurrentMeeting(strMeetingId);
    m_strMeetingId = m_pMeeting->GetMeetingId();
    m_strDocumentId = m_pMeeting->GetFileTypeText();
    m_strMeetingType = IsReport() ? L"30" : L"10";
    if (m_pChatPopup)
        m_pChatPopup->SetMeeting(strMeetingId, CLoginManager::GetInstance()->GetUserIdNumber());
    Tas()->SetListener(this);
    RequestChatHistory();
    ReplaceMemberPanel();
    RefreshDetail();
    SendAttendance(TRUE);
    if (m_pList && m_pList->GetSafeHwnd())
        m_pList->ShowWindow(SW_SHOW);
    // In this mode the title bar's list title shows its chat button, the chat pop-up's opener.
    if (IZELMainDlg* pMain = GetMainDlg())
        if (ITitleBar* pTitle = pMain->GetTitleLayer())
            pTitle->SetListTitle(IsReport());
}

void CDetailLayer::RefreshDetail()
{
    if (!m_pMeeting)
        return;
    BeginLoading();
    if (m_pMemberPanel)
        m_pMemberPanel->ResetSearch(m_strMeetingId);
    Tas()->SetListener(this);
    Tas()->RequestM00000004(m_strMeetingId, m_strDocumentId);
    Tas()->RequestM00000005(m_strMeetingId, m_strMeetingType);
    if (m_pList && m_pList->GetSafeHwnd())
        m_pList->ShowWindow(SW_HIDE);
}

void CDetailLayer::BeginLoading()
{
    m_bLoading = TRUE;
    if (IZELMainDlg* pMain = GetMainDlg()) {
        if (pMain->GetWnd() && pMain->GetWnd()->GetSafeHwnd())
            pMain->GetWnd()->PostMessage(WM_USER + 3100, 0, 0);
        pMain->EnableRefreshButton(FALSE);
        pMain->EnableBackButton(FALSE);
    }
}

void CDetailLayer::EndLoading()
{
    m_bLoading = FALSE;
    if (IZELMainDlg* pMain = GetMainDlg()) {
        if (pMain->GetWnd() && pMain->GetWnd()->GetSafeHwnd())
            pMain->GetWnd()->PostMessage(UWM_END_WAIT_CURSOR, 0, 0);
        pMain->EnableBackButton(TRUE);
        pMain->EnableRefreshButton(TRUE);
    }
}

void CDetailLayer::LeaveDetail()
{
    ClearDetail();
    ClosePopups();
    if (m_pMeeting && m_pMeeting->GetAttendanceSent())
        SendAttendance(FALSE);
    CMeetingManager::GetInstance()->ClearCurrentMeeting();
    m_pMeeting = nullptr;
    if (IMeetingScreen* pMeeting = MeetingScreen())
        pMeeting->ClearDocumentPages();
}

void CDetailLayer::ClearDetail()
{
    if (m_pList)
        m_pList->DeleteAll();
    DeleteDocumentCopies();
    SetObjectText(m_pTextTitle, CString());
    SetObjectVisible(m_pImgPaperT, FALSE, TRUE);
    SetObjectVisible(m_pImgPaperF, FALSE, TRUE);
}

void CDetailLayer::DeleteDocumentCopies()
{
    for (CMeetingDocument* pDocument : m_docCopies)
        delete pDocument;
    m_docCopies.clear();
}

void CDetailLayer::ClosePopups()
{
    if (m_pChatPopup)
        m_pChatPopup->HidePopup();
    if (m_pMemberPanel)
        m_pMemberPanel->ClosePopups();
    if (m_pOpinionDlg && m_pOpinionDlg->GetSafeHwnd())
        m_pOpinionDlg->EndDialog(IDCANCEL);
    if (m_pConfirmDlg && m_pConfirmDlg->GetSafeHwnd())
        m_pConfirmDlg->EndDialog(IDCANCEL);
}

void CDetailLayer::SetObjectText(SKIN_OBJECT* pObject, const CString& strText)
{
    if (pObject)
        pObject->SetText(this, strText, TRUE);
}

// ---- Timer and pushes ----

void CDetailLayer::StartRefreshTimer()
{
    // Several state pushes in a row make one refresh.
    if (GetSafeHwnd())
        SetTimer(REFRESH_TIMER, REFRESH_DELAY_MS, nullptr);
}

void CDetailLayer::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == REFRESH_TIMER) {
        KillTimer(REFRESH_TIMER);
        RefreshDetail();
    }
    CMyBaseDialog::OnTimer(nIDEvent);
}

void CDetailLayer::OnPushBroadcast01()
{
    StartRefreshTimer();
    if (m_pMeeting)
        m_pMeeting->SetStatus("02");
    SendAttendance(TRUE);
}

void CDetailLayer::OnPushBroadcast02()
{
    StartRefreshTimer();
    SendAttendance(FALSE);
}

void CDetailLayer::OnPushBroadcast03()
{
    Tas()->RequestM00000004(m_strMeetingId, m_strDocumentId);
}

void CDetailLayer::OnPushBroadcast05(int nUserId)
{
    if (m_pMeeting)
        m_pMeeting->SetPresenterById(nUserId);
    if (m_pMemberPanel)
        m_pMemberPanel->SetPresenter(nUserId);
    if (m_pList)
        m_pList->RefreshAttachmentRows();
    UpdateButtons();
}

void CDetailLayer::OnPushBroadcast08() { StartRefreshTimer(); }
void CDetailLayer::OnPushBroadcast10() { OnPushBroadcast01(); }
void CDetailLayer::OnPushBroadcast14() { OnPushBroadcast03(); }
void CDetailLayer::OnPushBroadcast19() { StartRefreshTimer(); }
void CDetailLayer::OnPushBroadcast20() { StartRefreshTimer(); }
void CDetailLayer::OnPushBroadcast28() { StartRefreshTimer(); }

void CDetailLayer::OnPushBroadcast23(int nUserId, const CString& strAttendanceYn)
{
    if (m_pMemberPanel)
        m_pMemberPanel->SetAttendance(nUserId, strAttendanceYn == L"Y");
}

void CDetailLayer::OnPushBroadcast25()
{
    Tas()->RequestM00000005(m_strMeetingId, m_strMeetingType);
}

void CDetailLayer::OnPushSync03(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                                const CString& strMessage)
{
    if (m_pChatPopup && m_pChatPopup->IsPopupVisible()) {
        m_pChatPopup->AddMessage(strUserName, strSentDate, strTime, strMessage);
        return;
    }
    if (IZELMainDlg* pMain = GetMainDlg())
        pMain->ShowTrayPopup(strMessage, CString(), CString(), 0, strUserName, 1);
}

// ---- Chat pop-up and raw mouse input ----

void CDetailLayer::RequestChatHistory()
{
    if (!m_pChatPopup)
        return;
    Tas()->RequestM00000032(m_strMeetingId, CString(), m_pChatPopup->GetPageNum(), m_pChatPopup->GetPageSize());
}

BOOL CDetailLayer::IsChatPopupVisible()
{
    return m_pChatPopup && m_pChatPopup->IsPopupVisible();
}

void CDetailLayer::ToggleChatPopup()
{
    if (!m_pChatPopup)
        return;
    if (m_pChatPopup->IsPopupVisible()) {
        m_pChatPopup->HidePopup();
        return;
    }
    if (!m_pMeeting)
        return;
    m_pChatPopup->SetMeeting(m_pMeeting->GetMeetingId(), CLoginManager::GetInstance()->GetUserIdNumber());
    m_pChatPopup->ShowPopup(detailrules::IsOpenStatus(m_pMeeting->GetStatus()));
    RequestChatHistory();
}

CRect CDetailLayer::GetChatButtonScreenRect() const
{
    CRect rc(0, 0, 0, 0);
    IZELMainDlg* pMain = GetMainDlg();
    if (!pMain || !pMain->GetWnd() || !pMain->GetWnd()->GetSafeHwnd())
        return rc;
    FIND_CHILD find = {kTitleChatButtonId, nullptr};
    ::EnumChildWindows(pMain->GetWnd()->GetSafeHwnd(), FindChildById, (LPARAM)&find);
    if (find.hFound)
        ::GetWindowRect(find.hFound, &rc);
    return rc;
}

void CDetailLayer::OnRawMouseInput(const tagRAWINPUT* pRaw)
{
    if (!pRaw || pRaw->header.dwType != RIM_TYPEMOUSE || pRaw->data.mouse.usButtonFlags != RI_MOUSE_LEFT_BUTTON_DOWN)
        return;
    POINT ptScreen;
    ::GetCursorPos(&ptScreen);
    if (m_pChatPopup && m_pChatPopup->GetSafeHwnd()) {
        CRect rcPopup;
        m_pChatPopup->GetWindowRect(&rcPopup);
        if (!rcPopup.PtInRect(ptScreen) && !GetChatButtonScreenRect().PtInRect(ptScreen))
            m_pChatPopup->HidePopup();
    }
    CRect rcProfile;
    if (m_pMemberPanel && m_pMemberPanel->GetProfileRect(rcProfile) && !rcProfile.PtInRect(ptScreen))
        m_pMemberPanel->ClosePopups();
}
