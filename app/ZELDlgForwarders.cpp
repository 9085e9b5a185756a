// The main dialog's calls that the screens make and that the meeting screen or its board answer:
// each passes its arguments on, so that the side panel, the document lists and the title bar
// reach the board without knowing its class.
#include "app/ZELDlg.h"

#include "app/ResourceText.h"
#include "net/protocol/TasClientManager.h"
#include "resources/resource.h"
#include "ui/host/BoardScreen.h"
#include "ui/host/MeetingScreen.h"

void CZELDlg::SetPageSync(const CString& strYn)
{
    if (m_pMeeting) m_pMeeting->SetPageSync(strYn == L"Y");
}

void CZELDlg::SetVoicePermission(const CString& strYn)
{
    if (!m_pMeeting) return;
    m_pMeeting->SetVoicePermitted(strYn == L"Y");
    CTasClientManager::GetInstance()->RequestM00000068(m_pMeeting->GetMeetingId(),
                                                       m_pMeeting->GetCurrentDocumentId(), strYn);
}

BOOL CZELDlg::OpenDocumentOnBoard(const CString& strDocumentId)
{
    if (!IsPageSyncOn()) return TRUE;
    if (ShowMessagePopup(LoadResourceText(IDS_POPUP_TITLE), LoadResourceText(IDS_OPEN_ENDS_SYNC_ASK), 137, nullptr,
                         TRUE) != IDOK)
        return FALSE;
    // The user may have left the meeting while the question was open.
    if (m_pMeeting) m_pMeeting->EndPageSync(strDocumentId);
    return TRUE;
}

void CZELDlg::RefreshChatRecipients()
{
    if (m_pMeeting) m_pMeeting->RefreshChatRecipients();
}

HWND CZELDlg::GetBoardLayerHwnd()
{
    IBoardLayer* pBoard = GetBoardLayer();
    return pBoard ? pBoard->GetBoardWindow() : nullptr;
}

int CZELDlg::GetBoardCurrentPage()
{
    IBoardLayer* pBoard = GetBoardLayer();
    return pBoard ? pBoard->GetCurrentPage() : 0;
}

int CZELDlg::GetBoardOptPageIndex()
{
    IBoardLayer* pBoard = GetBoardLayer();
    return pBoard ? pBoard->GetOptPageIndex() : 0;
}

void CZELDlg::EnableBoardInfoButton(BOOL bEnable)
{
    if (IBoardLayer* pBoard = GetBoardLayer()) pBoard->EnableInfoSync(bEnable);
}
