#include "screens/meeting/RightContainerWnd.h"

#include "ui/host/MainDlg.h"
#include "ui/host/TitleBar.h"
#include "core/ClientMessages.h"
#include "core/IniFileHelpers.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "core/SettingManager.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"
#include "screens/meeting/MeetingRules.h"

BEGIN_MESSAGE_MAP(CRightContainerWnd, CZELContainerWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_MEETING_OPEN_DOCUMENT, &CRightContainerWnd::OnRelayOpen)
    ON_MESSAGE(WM_MEETING_UPLOAD, &CRightContainerWnd::OnRelayUpload)
    ON_MESSAGE(WM_MEETING_ARCHIVE, &CRightContainerWnd::OnRelayArchive)
    ON_MESSAGE(WM_MEETING_DOCLIST_BUTTON, &CRightContainerWnd::OnRelayReturn)
    ON_MESSAGE(WM_MEETING_VIEWER_REQUEST, &CRightContainerWnd::OnRelayPost)
    ON_MESSAGE(WM_CONTAINER_OPTION, &CRightContainerWnd::OnChatOption)
END_MESSAGE_MAP()

namespace {
BOOL IsPrivateKind(const CString& strFileType)
{
    return strFileType.CompareNoCase(L"20") == 0;
}
}  // namespace

CRightContainerWnd::CRightContainerWnd(IMeetingDocListHost* pDocHost) : m_pDocHost(pDocHost)
{
    m_bCollapsed = 1;
    ReadIniInt(L"RIGHTLAYER", L"collapsed", m_bCollapsed, SettingsFile());
}

CRightContainerWnd::~CRightContainerWnd()
{
    if (GetSafeHwnd()) DestroyWindow();
}

CString CRightContainerWnd::SettingsFile()
{
    return CSettingManager::GetInstance()->GetSettingIniPath();
}

BOOL CRightContainerWnd::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId);
}

BOOL CRightContainerWnd::IsMeetingEnded() const
{
    return CMeetingManager::GetInstance()->IsMeetingEnded() ? TRUE : FALSE;
}

void CRightContainerWnd::StopChatBlink()
{
    IZELMainDlg* pMain = GetMainDlg();
    if (ITitleBar* pTitle = pMain ? pMain->GetTitleLayer() : nullptr) pTitle->SetChatBlink(FALSE);
}

int CRightContainerWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELContainerWnd::OnCreate(lpCreateStruct) == -1) return -1;
    const SMeetingPanelMakers& makers = GetMeetingPanelMakers();
    const CRect rcNone(0, 0, 10, 10);
    if (makers.makeChatPanel) m_pChatWnd = makers.makeChatPanel(this, ID_CHAT, rcNone, &m_pChat);
    m_pDocList.reset(new CMeetingDocListCtrl(m_pDocHost));
    m_pDocList->Create(this, rcNone, ID_DOCUMENTS);
    if (makers.makeMinutesList) {
        m_pMinutesWnd = makers.makeMinutesList(this, ID_MINUTES, rcNone, &m_pMinutes);
        if (m_pMinutesWnd && m_pMinutesWnd->GetSafeHwnd()) m_pMinutesWnd->ShowWindow(SW_HIDE);
    }
    m_pPrivateList.reset(new CPrivateDocListCtrl());
    m_pPrivateList->Create(this, CRect(19, 347, 266, 530), ID_PRIVATE);
    m_pPrivateList->ShowWindow(SW_HIDE);
    return 0;
}

void CRightContainerWnd::OnDestroy()
{
    if (m_pChatWnd) {
        if (m_pChatWnd->GetSafeHwnd()) m_pChatWnd->DestroyWindow();
        delete m_pChatWnd;
        m_pChatWnd = nullptr;
        m_pChat = nullptr;
    }
    m_pDocList.reset();
    if (m_pMinutesWnd) {
        if (m_pMinutesWnd->GetSafeHwnd()) m_pMinutesWnd->DestroyWindow();
        delete m_pMinutesWnd;
        m_pMinutesWnd = nullptr;
        m_pMinutes = nullptr;
    }
    m_pPrivateList.reset();
    CWnd::OnDestroy();
}

void CRightContainerWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CRightContainerWnd::RecalcLayout()
{
    if (m_bCollapsed || !GetSafeHwnd() || !m_pDocList) return;
    CRect rc;
    GetClientRect(&rc);
    CRect rcChat, rcDocs;
    MeetingRules::RightPaneLayout(rc.Width(), rc.Height(), rcChat, rcDocs);
    // The private list takes the document list's place while it is the active pane; the other one
    // is hidden, so a selection always lands in the pane the user sees.
    const BOOL bPrivate = IsPrivatePaneActive();
    CWnd* pShown = bPrivate ? (CWnd*)m_pPrivateList.get() : (CWnd*)m_pDocList.get();
    CWnd* pHidden = bPrivate ? (CWnd*)m_pDocList.get() : (CWnd*)m_pPrivateList.get();
    if (m_pChatWnd && m_pChatWnd->GetSafeHwnd())
        m_pChatWnd->SetWindowPos(nullptr, rcChat.left, rcChat.top, rcChat.Width(), rcChat.Height(),
                                 SWP_NOZORDER | SWP_SHOWWINDOW);
    pShown->SetWindowPos(nullptr, rcDocs.left, rcDocs.top, rcDocs.Width(), rcDocs.Height(),
                         SWP_NOZORDER | SWP_SHOWWINDOW);
    pHidden->ShowWindow(SW_HIDE);
}

void CRightContainerWnd::ShowPanes()
{
    if (!m_pDocList) return;
    const int show = m_bCollapsed ? SW_HIDE : SW_SHOW;
    if (m_pChatWnd && m_pChatWnd->GetSafeHwnd()) m_pChatWnd->ShowWindow(show);
    const BOOL bPrivate = IsPrivatePaneActive();
    m_pDocList->ShowWindow(!bPrivate ? show : SW_HIDE);
    m_pPrivateList->ShowWindow(bPrivate ? show : SW_HIDE);
    if (m_pMinutesWnd && m_pMinutesWnd->GetSafeHwnd()) m_pMinutesWnd->ShowWindow(m_bMinutesShown ? show : SW_HIDE);
}

BOOL CRightContainerWnd::IsChatInView() const
{
    return !m_bCollapsed && m_pChatWnd && m_pChatWnd->GetSafeHwnd() && ::IsWindowVisible(m_pChatWnd->GetSafeHwnd());
}

void CRightContainerWnd::OnToggle()
{
    CZELContainerWnd::OnToggle();
    ShowPanes();
    RecalcLayout();
    SaveCollapsed(m_bCollapsed);
}

void CRightContainerWnd::SaveCollapsed(int bCollapsed)
{
    WriteIniInt(L"RIGHTLAYER", L"collapsed", bCollapsed, SettingsFile());
}

void CRightContainerWnd::UpdateTitle()
{
    CString title;
    if (CMeetingManager::GetInstance()->IsReport())
        title = L"보고";
    else
        title.LoadString(IDS_RIGHT_PANE_TITLE);
    SetTitle(title);
    ShowPanes();
    RecalcLayout();
    Invalidate();
}

LRESULT CRightContainerWnd::OnRelayOpen(WPARAM wParam, LPARAM lParam)
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MEETING_OPEN_DOCUMENT, wParam, lParam);
    return 0;
}

LRESULT CRightContainerWnd::OnRelayUpload(WPARAM wParam, LPARAM lParam)
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MEETING_UPLOAD, wParam, lParam);
    return 0;
}

LRESULT CRightContainerWnd::OnRelayArchive(WPARAM wParam, LPARAM lParam)
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MEETING_ARCHIVE, wParam, lParam);
    return 0;
}

LRESULT CRightContainerWnd::OnRelayReturn(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(::GetParent(m_hWnd), WM_MEETING_DOCLIST_BUTTON, wParam, lParam);
}

LRESULT CRightContainerWnd::OnRelayPost(WPARAM wParam, LPARAM lParam)
{
    ::PostMessageW(::GetParent(m_hWnd), WM_MEETING_VIEWER_REQUEST, wParam, lParam);
    return 0;
}

LRESULT CRightContainerWnd::OnChatOption(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(::GetParent(m_hWnd), WM_CONTAINER_OPTION, wParam, lParam);
}

void CRightContainerWnd::SetMeeting(const CString& strMeetingId, int nUserNumber)
{
    m_bMinutesShown = FALSE;
    if (m_pChat) m_pChat->SetMeeting(strMeetingId, nUserNumber);
    if (m_pDocList) m_pDocList->ResetList();
    if (m_pMinutes) m_pMinutes->Reset();
    if (m_pPrivateList) m_pPrivateList->Reset();
}

CString CRightContainerWnd::GetChatLastMessageId() { return m_pChat ? m_pChat->GetLastMessageId() : CString(); }
int CRightContainerWnd::GetChatPageNum() { return m_pChat ? m_pChat->GetPageNum() : 1; }
int CRightContainerWnd::GetChatPageSize() { return m_pChat ? m_pChat->GetPageSize() : 10; }
int CRightContainerWnd::GetChatItemCount() { return m_pChat ? m_pChat->GetItemCount() : 0; }

void CRightContainerWnd::OnChatList(const Json::Value& body)
{
    if (m_pChat) m_pChat->OnChatList(body);
}

void CRightContainerWnd::OnChatReply(CTasResponse* pReply)
{
    if (!m_pChat || !pReply || m_pChat->OnServerReply(pReply)) return;
    // A panel that does not read the replies itself gets the history pages that came.
    if (pReply->GetMessageId() == "M00000032" && pReply->GetStatusCode() == 0 && pReply->GetBody())
        m_pChat->OnChatList(*pReply->GetBody());
}

void CRightContainerWnd::OnChatPush(const CString& strName, const CString& strDate, const CString& strTime,
                                    const CString& strMessage)
{
    IZELMainDlg* pMain = GetMainDlg();
    const int showCmd = pMain ? pMain->GetShowCmd() : 0;
    if (pMain) {
        if (showCmd == 1 || showCmd == 3) {
            const int cut = strMessage.Find(L"\r\n");
            const CString firstLine = cut >= 0 ? strMessage.Left(cut) : strMessage;
            const BOOL visible = IsWindowVisible() && ::IsWindowVisible(::GetParent(m_hWnd));
            if (!(visible && !m_bCollapsed)) pMain->ShowTrayPopup(firstLine, L"", L"", 0, strName, 1);
        } else {
            pMain->ShowTrayPopup(strMessage, L"", L"", 0, strName, 1);
        }
    }
    if (m_pChat) m_pChat->AddMessage(strName, strDate, strTime, strMessage, 0);
}

void CRightContainerWnd::SetChatState(BOOL bMeetingInactive, BOOL bShowOption, BOOL bChatOn)
{
    CMeeting* pMeeting = CMeetingManager::GetInstance()->GetCurrentMeeting();
    if (bMeetingInactive || (pMeeting && pMeeting->CanShare())) {
        if (m_pChat) m_pChat->EnableChat(FALSE);
        m_bChatOn = FALSE;
        if (m_pDocList) m_pDocList->ShowOptionButton(FALSE);
    } else {
        if (m_pChat) m_pChat->EnableChat(bChatOn != 0);
        m_bChatOn = bChatOn != 0;
        BOOL bOption = bShowOption;
        if (pMeeting && pMeeting->IsReport()) bOption = pMeeting->GetReportUserType() == 2;
        if (m_pDocList) m_pDocList->ShowOptionButton(bOption);
    }
    m_bOption = m_bChatOn ? 1 : 0;
}

void CRightContainerWnd::EnableChat(BOOL bOn)
{
    if (m_pChat) m_pChat->EnableChat(bOn != 0);
    m_bChatOn = bOn;
}

void CRightContainerWnd::ResetChat(BOOL bClear)
{
    if (m_pChat) m_pChat->ResetChat(bClear);
}

void CRightContainerWnd::RelayoutChat()
{
    if (m_pChat) m_pChat->Relayout();
}

void CRightContainerWnd::MarkChatSendsFailed()
{
    if (m_pChat) m_pChat->MarkPendingSendsFailed();
}

void CRightContainerWnd::FillChatRecipients()
{
    if (m_pChat) m_pChat->FillRecipients();
}

void CRightContainerWnd::SetDocuments(const std::vector<CMeetingDocument*>& documents)
{
    if (IsPrivatePaneActive())
        m_pPrivateList->SetDocuments(documents);
    else if (m_pDocList)
        m_pDocList->SetDocuments(documents);
}

void CRightContainerWnd::SelectDocument(const CString& strAttcFileId)
{
    if (IsPrivatePaneActive())
        m_pPrivateList->SelectDocument(strAttcFileId);
    else if (m_pDocList)
        m_pDocList->SelectDocument(strAttcFileId);
}

void CRightContainerWnd::RequestDocuments(const CString& strFileType, BOOL bRequest)
{
    if (!bRequest) return;
    if (IsPrivateKind(strFileType))
        m_pPrivateList->RequestDocuments();
    else if (m_pDocList)
        m_pDocList->RequestDocumentList();
}

void CRightContainerWnd::SetActiveDocumentPane(const CString& strFileType, BOOL bSet)
{
    if (!bSet || !m_pDocList) return;
    const BOOL bPrivate = IsPrivateKind(strFileType);
    m_pPrivateList->SetActive(bPrivate);
    m_pDocList->SetActive(!bPrivate);
}

void CRightContainerWnd::ShowDocumentPane(const CString& strFileType, BOOL bShow)
{
    if (!m_pDocList) return;
    const BOOL bPrivate = IsPrivateKind(strFileType);
    const BOOL bMeetingList = (!bPrivate && bShow) || (bPrivate && !bShow);
    m_pDocList->SetActive(bMeetingList);
    m_pPrivateList->SetActive(!bMeetingList);
    ShowPanes();
    RecalcLayout();
}

int CRightContainerWnd::GetDocumentCount() { return m_pDocList ? m_pDocList->GetDocumentCount() : 0; }
int CRightContainerWnd::GetMainDocumentCount() { return m_pDocList ? m_pDocList->GetMainDocumentCount() : 0; }
BOOL CRightContainerWnd::IsPageBeyond(int nIndex) { return m_pDocList ? m_pDocList->IsPageBeyond(nIndex) : FALSE; }

void CRightContainerWnd::OnThumbnailState(int nValue)
{
    if (IsPrivatePaneActive())
        m_pPrivateList->OnThumbnailState(nValue);
    else if (m_pDocList)
        m_pDocList->OnThumbnailState();
}

void CRightContainerWnd::OnMinutesList(const Json::Value& body, BOOL bValid)
{
    if (m_pMinutes) m_pMinutes->OnMinutesList(body, bValid);
}

void CRightContainerWnd::SetMinutesDocuments(const std::vector<CMeetingDocument*>& documents)
{
    if (m_pMinutes) m_pMinutes->SetDocuments(documents);
}

void CRightContainerWnd::SelectMinutes(const CString& strAttcFileId)
{
    if (m_pMinutes) m_pMinutes->SelectMinutes(strAttcFileId);
}

void CRightContainerWnd::EnableMinutesList(BOOL bEnable)
{
    if (m_pMinutesWnd && m_pMinutesWnd->GetSafeHwnd()) m_pMinutesWnd->EnableWindow(bEnable);
}

void CRightContainerWnd::CloseMinutesViewer()
{
    if (m_pMinutes) m_pMinutes->CloseViewer();
}
