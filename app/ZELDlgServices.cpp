// The main dialog's services for the screens: pop-ups, toasts and notices, commands and timers,
// the title bar's buttons, the share answer, and what the push handlers ask of it.
#include "app/ZELDlg.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/ChangePasswordDlg.h"
#include "app/ResourceText.h"
#include "core/ClientMessages.h"
#include "core/IniFileHelpers.h"
#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "core/SystemHelpers.h"
#include "net/protocol/TPCClientManager.h"
#include "net/protocol/TasClientManager.h"
#include "core/NetworkIdentity.h"
#include "features/approvals/ApprovalDialogs.h"
#include "features/documents/WebPageViews.h"
#include "ui/host/DetailScreen.h"
#include "ui/host/MeetingScreen.h"
#include "platform/MessageBox.h"
#include "platform/ResourceHandle.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/ConfirmPopup.h"
#include "ui/controls/ToastPopup.h"
#include "ui/controls/YesNoPopup.h"

// ---- Pop-ups ----

int CZELDlg::RunTracked(CDialog& popup, const CString& strText, bool* pbReplaced, bool* pbAskedAgain)
{
    SPopupTrack track;
    track.pPopup = &popup;
    track.strText = strText;
    track.pOuter = m_pTrack;
    m_pTrack = &track;
    m_pCurPopup = &popup;
    const int nResult = (int)popup.DoModal();
    // Pop-ups end innermost first: the outer one is the current one again.
    SPopupTrack** ppLink = &m_pTrack;
    while (*ppLink && *ppLink != &track) ppLink = &(*ppLink)->pOuter;
    if (*ppLink) *ppLink = track.pOuter;
    m_pCurPopup = m_pTrack ? m_pTrack->pPopup : nullptr;
    if (pbReplaced) *pbReplaced = track.bReplaced;
    if (pbAskedAgain) *pbAskedAgain = track.bAskedAgain;
    return nResult;
}

void CZELDlg::CloseCurrentPopupWithText(const CString& strText)
{
    if (m_pTrack && m_pTrack->strText == strText && ::IsWindow(m_pTrack->pPopup->GetSafeHwnd())) {
        // Ended as its cancel button ends it; its own modal loop returns when ours has.
        m_pTrack->bReplaced = true;
        m_pTrack->pPopup->ShowWindow(SW_HIDE);
        m_pTrack->pPopup->SendMessage(WM_COMMAND, IDCANCEL, 0);
    }
}

int CZELDlg::RunMessagePopup(const CString& strCaption, const CString& strText, int nHeight, CWnd* pOwner,
                             BOOL bTwoButtons, bool* pbReplaced, bool* pbAskedAgain)
{
    const CString strTitle = strCaption.IsEmpty() ? LoadText(IDS_COMMON_CAPTION) : strCaption;
    // The same question asked again replaces the open one.
    for (SPopupTrack* pTrack = m_pTrack; pTrack; pTrack = pTrack->pOuter) {
        if (pTrack->strText == strText && !pTrack->bReplaced && ::IsWindow(pTrack->pPopup->GetSafeHwnd())) {
            pTrack->bReplaced = true;
            pTrack->bAskedAgain = true;
            pTrack->pPopup->ShowWindow(SW_HIDE);
            pTrack->pPopup->SendMessage(WM_COMMAND, IDCANCEL, 0);
        }
    }
    CYesNoPopup popup(pOwner ? pOwner : this, 335, nHeight, 0, 0, strTitle, CString(), strText, CString(), FALSE,
                      FALSE);
    popup.SetShowCancelButton(bTwoButtons);
    return RunTracked(popup, strText, pbReplaced, pbAskedAgain);
}

int CZELDlg::ShowMessagePopup(const CString& strCaption, const CString& strText, int nHeight, CWnd* pOwner,
                              BOOL bTwoButtons)
{
    return RunMessagePopup(strCaption, strText, nHeight, pOwner, bTwoButtons, nullptr);
}

int CZELDlg::ShowConfirmPopup(const CString& strText)
{
    return ShowTitledConfirm(CString(), strText);
}

int CZELDlg::ShowTitledConfirm(const CString& strTitle, const CString& strText)
{
    CConfirmPopup popup(this, 305, 137, 0, 0, LoadText(IDS_POPUP_TITLE), strTitle, strText, FALSE);
    return RunTracked(popup, strText, nullptr);
}

int CZELDlg::ShowForcedSharePopup(const CString& strCaption, const CString& strText, const CString& strDateTime,
                                  int nFlag)
{
    if (m_pTrack && ::IsWindow(m_pTrack->pPopup->GetSafeHwnd())) {
        m_pTrack->bReplaced = true;
        m_pTrack->pPopup->ShowWindow(SW_HIDE);
        m_pTrack->pPopup->SendMessage(WM_COMMAND, IDCANCEL, 0);
    }
    const CString strTitle = strCaption.IsEmpty() ? LoadText(IDS_COMMON_CAPTION) : strCaption;
    const CString strQuestion = LoadText(nFlag ? IDS_SHARE_QUESTION : IDS_FORCED_SHARE_BUTTON);
    const CString strTime = strDateTime.GetLength() > 8 ? strDateTime.Mid(8) : CString();
    CYesNoPopup popup(this, 305, 157, 0, 0, strTitle, strText, strQuestion, strTime, TRUE, FALSE);
    popup.SetShowCancelButton(nFlag);
    return RunTracked(popup, strQuestion, nullptr);
}

void CZELDlg::CloseOpenPopups()
{
    if (m_pTrack && ::IsWindow(m_pTrack->pPopup->GetSafeHwnd())) {
        m_pTrack->bReplaced = true;
        m_pTrack->pPopup->ShowWindow(SW_HIDE);
        m_pTrack->pPopup->SendMessage(WM_COMMAND, IDCANCEL, 0);
    }
    if (m_pMeeting) m_pMeeting->HideDocumentViewer();
    for (CDialog* pDlg : {(CDialog*)&m_settingDlg, (CDialog*)&m_notifySetDlg, (CDialog*)&m_aboutDlg})
        if (::IsWindow(pDlg->GetSafeHwnd())) pDlg->EndDialog(IDOK);
    // The signature window opens afresh from its file the next time.
    DestroySignWindow();
    EndApprovalConfirmation();
    if (m_pDetail) m_pDetail->ClosePopups();
}

void CZELDlg::DestroySignWindow()
{
    CApprovalSignDlg* pSign = m_pApprovalSignDlg;
    m_pApprovalSignDlg = nullptr;
    if (!pSign) return;
    // Its file chooser is still on the stack (a push or a second opening came meanwhile): the
    // window hides now and goes by itself once the chooser has returned.
    if (pSign->IsChoosingFile()) {
        pSign->RetireWhenChosen();
        return;
    }
    if (::IsWindow(pSign->GetSafeHwnd())) pSign->DestroyWindow();
    delete pSign;
}

BOOL CZELDlg::IsShownForNotices()
{
    const int nShow = GetShowCmd();
    return nShow == SW_SHOWMAXIMIZED || (nShow == SW_SHOWNORMAL && ::IsWindowVisible(m_hWnd));
}

void CZELDlg::ShowToast(const CString& strText)
{
    if (!m_pToast || !::IsWindow(m_pToast->GetSafeHwnd())) return;
    CRect rc;
    GetClientRect(&rc);
    m_pToast->Show(m_nClientX, m_nClientY, m_nClientX + rc.Width(), m_nClientY + rc.Height(), strText);
}

void CZELDlg::ShowAlert(const CString& strText)
{
    if (IsShownForNotices()) ShowToast(strText);
    else ShowTrayPopup(strText, CString(), CString(), 0, CString(), 0);
}

void CZELDlg::ShowTrayPopup(const CString& strText, const CString& strSecond, const CString& strBracketTitle, int nId,
                            const CString& strExtra, int nFlag)
{
    if (!::IsWindow(m_trayPopup.GetSafeHwnd())) return;
    m_trayPopup.Notify(strSecond, strText, strBracketTitle, nId, strExtra, nFlag);
}

void CZELDlg::ShowNotice(const CString& strHeadline, const CString& strText, int bToast, int nTray)
{
    CString strMessage = strHeadline;
    if (!strText.IsEmpty()) strMessage += L"\r\n" + strText;
    if (IsShownForNotices()) {
        if (bToast) ShowToast(strMessage);
        else ShowTitledConfirm(strHeadline, strText);
    }
    ShowTrayPopup(strText, strHeadline, CString(), nTray, CString(), 0);
}

// ---- Window ----

void CZELDlg::OnCmdRestoreWindow()
{
    if (m_bLoggingOut) return;
    if (::IsIconic(m_hWnd)) ShowWindow(SW_RESTORE);
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hWnd);
    ShowDrawToolForMode();
    if (m_pMeeting) m_pMeeting->ShowStickyNoteIfWanted(TRUE);
}

void CZELDlg::RestoreMinimizedWindow()
{
    if (::IsIconic(m_hWnd)) ShowWindow(SW_RESTORE);
}

void CZELDlg::OnCmdHideWindow()
{
    if (m_bLoggingOut) return;
    if (m_bFullView) {
        OnTitleFullScreen();
        return;
    }
    ShowWindow(SW_HIDE);
    if (m_pDrawToolMain && ::IsWindow(m_pDrawToolMain->GetSafeHwnd())) m_pDrawToolMain->ShowWindow(SW_HIDE);
    CloseOpenPopups();
    // The note is a window of its own: it would stay on the desktop with the program in the tray.
    if (m_pMeeting) m_pMeeting->ShowStickyNoteIfWanted(FALSE);
}

// ---- Commands and timers ----

BOOL CZELDlg::OnCommandId(UINT nId)
{
    switch (nId) {
    case ID_CMD_EXIT:
        OnCmdRestoreWindow();
        OnTitleClose();
        return TRUE;
    case ID_CMD_SETTINGS:
        OnCmdSettings(0);
        return TRUE;
    case ID_CMD_SETTINGS_PAGE4:
        OnCmdSettings(4);
        return TRUE;
    case ID_CMD_HIDE_WINDOW:
    case ID_CMD_HIDE_WINDOW2:
        OnCmdHideWindow();
        return TRUE;
    case ID_CMD_RESTORE_WINDOW:
        OnCmdRestoreWindow();
        return TRUE;
    case ID_CMD_CLOSE:
        OnClose();
        return TRUE;
    case ID_CMD_LOGOUT:
        OnCmdLogout();
        return TRUE;
    case ID_CMD_TIME_KEEPER:
        OnCmdTimeKeeper();
        return TRUE;
    case ID_CMD_CHANGE_PASSWORD:
        ShowChangePassword();
        return TRUE;
    case ID_CMD_PC_FILE_ADD:
        g_ApplicationLog.Log(2, L"PC explorer Add");
        if (m_pMeetingWnd && m_pMeetingWnd->GetSafeHwnd()) m_pMeetingWnd->SendMessage(WM_MAIN_TO_MEETING_ADD_FILE);
        return TRUE;
    case ID_CMD_MANUAL:
        OnCmdManual();
        return TRUE;
    case ID_CMD_SIGNATURE:
        OnCmdSignature();
        return TRUE;
    case ID_CMD_ADD_DATA_BOX:
        OnCmdAddDataBox();
        return TRUE;
    default:
        return FALSE;
    }
}

void CZELDlg::OnCmdSettings(int nStartKey)
{
    if (::IsWindow(m_settingDlg.GetSafeHwnd())) return;
    m_settingDlg.SetStartKey(nStartKey);
    m_settingDlg.DoModal();
}

void CZELDlg::OnCmdSignature()
{
    // Every opening starts again from the signature file on disk.
    DestroySignWindow();
    m_pApprovalSignDlg = new CApprovalSignDlg(GetSignDataPath(), this);
    if (!m_pApprovalSignDlg->CreateSignWindow(this)) {
        g_ApplicationLog.Log(3, L"Signature window not created");
        delete m_pApprovalSignDlg;
        m_pApprovalSignDlg = nullptr;
        return;
    }
    m_pApprovalSignDlg->SetOwnerWnd(this);
    m_pApprovalSignDlg->PlaceNearMainWindow();
    m_pApprovalSignDlg->LoadSignFile();
    m_pApprovalSignDlg->ShowAndActivate();
}

namespace {

// The data box asks which meeting it adds to and refreshes the screen shown when it has added.
class CMainDataBoxHost : public IDataBoxHost {
public:
    CMainDataBoxHost(IZELMainDlg& main, const CString& strMeetingId) : m_main(main), m_strMeetingId(strMeetingId) {}
    CString GetCurrentMeetingId() override { return m_strMeetingId; }
    void RefreshCurrentScreen() override { m_main.RefreshCurrentScreen(); }

private:
    IZELMainDlg& m_main;
    CString m_strMeetingId;
};

}  // namespace

void CZELDlg::OnCmdAddDataBox()
{
    g_ApplicationLog.Log(2, L"자료함 Add");
    // The meeting of the screen shown: the detail's or the meeting screen's own.
    CString strMeetingId = m_strMeetingId;
    if (m_nMode == ZEL_MODE_DETAIL && m_pDetail) strMeetingId = m_pDetail->GetMeetingId();
    else if (m_nMode == ZEL_MODE_MEETING && m_pMeeting) strMeetingId = m_pMeeting->GetMeetingId();
    CMainDataBoxHost host(*this, strMeetingId);
    CINoteFileAdd dlg(&host, nullptr);
    dlg.DoModal();
}

void CZELDlg::OpenDataBox() { OnCmdAddDataBox(); }

void CZELDlg::OnCmdManual()
{
    // The manual lies on the organisation's web server.
    CSettingManager* pSettings = CSettingManager::GetInstance();
    CString strUrl;
    strUrl.Format(L"%s://%s:%d/brindlecast/manual/ZEL_manual.pdf", pSettings->GetUseHttps() ? L"https" : L"http",
                  (LPCTSTR)pSettings->GetTMSAddress(), pSettings->GetTMSPort());
    g_ApplicationLog.Log(2, L"Manual : %s", (LPCTSTR)strUrl);
    // The program registered for web pages opens it.
    const CString strDummy = g_ApplicationLog.GetAppDataFolder() + L"dummy.htm";
    HANDLE hFile = ::CreateFileW(strDummy, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE) ::CloseHandle(hFile);
    wchar_t szBrowser[MAX_PATH] = {};
    const bool bFound = (INT_PTR)::FindExecutableW(strDummy, nullptr, szBrowser) > 32;
    ::DeleteFileW(strDummy);
    if (bFound) ::ShellExecuteW(nullptr, L"open", szBrowser, strUrl, nullptr, SW_SHOWNORMAL);
    else ::ShellExecuteW(nullptr, L"open", strUrl, nullptr, nullptr, SW_SHOWNORMAL);
}

void CZELDlg::OnCmdTimeKeeper()
{
    if (::IsWindow(m_timeKeeperDlg.GetSafeHwnd())) return;
    // A changed keeper shows at once: the meeting's remaining time is taken again and checked.
    if (m_timeKeeperDlg.DoModal() == IDOK && m_nMode == ZEL_MODE_MEETING && m_pMeeting) m_pMeeting->ShowRemainingTime();
}

void CZELDlg::OnCmdLogout()
{
    OnCmdRestoreWindow();
    const BOOL bReadBoard = m_bLeaveByCommand;
    m_bLeaveByCommand = FALSE;
    // On the detail and the meeting screen the meeting screen stores unsaved drawing first (and
    // logs out itself once the save has finished) or stops leading or following the presenter,
    // leaves the meeting and logs out: nothing of the meeting outlives the session.
    if (m_nMode != ZEL_MODE_LIST && m_pMeeting) {
        m_pMeeting->LeaveMeetingByCommand(bReadBoard);
        return;
    }
    if (m_pMeeting) m_pMeeting->LeaveMeeting();
    RequestLogout(FALSE);
}

void CZELDlg::OnTimerTick(UINT_PTR nId)
{
    if (nId != TIMER_KEEP_AWAKE) KillTimer(nId);
    if (m_push.OnTimer(nId)) return;
    if (nId == TIMER_REFRESH_ON) EnableRefreshButton(TRUE);
    else if (nId == TIMER_REFRESH_OFF) EnableRefreshButton(FALSE);
    else if (nId == TIMER_KEEP_AWAKE) ::SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
}

LRESULT CZELDlg::OnRegisterPushKey()
{
    CTPCClientManager* pPush = CTPCClientManager::GetInstance();
    CTasClientManager::GetInstance()->RequestM00000034(pPush->GetPushKey());
    pPush->RequestRegister();
    return 0;
}

LRESULT CZELDlg::OnShareAnswer(WPARAM wParam)
{
    CloseCurrentPopupWithText(LoadText(IDS_FORCED_SHARE_BUTTON));
    if (wParam != 1) return 0;
    if (m_pMeeting && m_pMeeting->GetCurrentMeetingType().CompareNoCase(L"20") == 0) RefreshDocumentList(L"10", 1);
    if (!IsShownForNotices()) OnCmdRestoreWindow();
    CloseOpenPopups();
    const CString strMeeting = m_push.GetShareMeetingId();
    g_ApplicationLog.Log(2, L"화면 공유 미팅 ID : %s", (LPCTSTR)strMeeting);
    const int nPage = _wtoi(m_push.GetSharePage());
    if (m_nMode == ZEL_MODE_MEETING && m_pMeeting) {
        if (m_pMeeting->SaveBoardChanges(11, 0, 1) != 0) {
            m_pMeeting->SetPendingFollow(strMeeting, m_push.GetShareAttachId(), nPage);
            return 0;
        }
    } else {
        SetScreenMode(ZEL_MODE_MEETING, strMeeting);
    }
    if (m_pMeeting) m_pMeeting->SetFollowPresenter(strMeeting, m_push.GetShareAttachId(), nPage, 1);
    return 0;
}

// ---- The title bar ----

void CZELDlg::OnTitleBack()
{
    if (m_nMode == ZEL_MODE_DETAIL) SetScreenMode(ZEL_MODE_LIST, CString());
    else if (m_nMode == ZEL_MODE_MEETING) {
        // The meeting screen asks and leaves itself (it saves and stops following first).
        if (!m_pMeetingWnd || !m_pMeetingWnd->GetSafeHwnd()) {
            SetScreenMode(ZEL_MODE_DETAIL, m_strMeetingId);
            return;
        }
        if (m_pMeetingWnd->SendMessage(WM_MAIN_TO_MEETING_BACK) != -1 && m_pMeeting) {
            m_pMeeting->MarkMeetingEntered();
            m_pMeeting->ForgetDocumentSource();
        }
    }
}

void CZELDlg::OnTitleChat()
{
    if (m_nMode == ZEL_MODE_DETAIL && m_pDetail) m_pDetail->ToggleChatPopup();
    else if (m_nMode == ZEL_MODE_MEETING && m_pMeeting) m_pMeeting->ToggleChat();
}

void CZELDlg::OnTitleRefresh()
{
    const DWORD dwNow = ::GetTickCount();
    if (dwNow - m_dwLastTitleClick < 500) return;
    m_dwLastTitleClick = dwNow;
    if (m_nMode == ZEL_MODE_LIST) {
        if (m_pList) m_pList->RefreshList();
    } else {
        ReloadScreen(FALSE, 1);
    }
}

void CZELDlg::OnTitleFullScreen()
{
    // A document of the private file box: its list is asked again as the view changes.
    if (m_pMeeting && m_pMeeting->GetCurrentMeetingType().CompareNoCase(L"20") == 0) RefreshDocumentList(L"20", 1);
    if (m_bFullView) {
        m_bFullView = FALSE;
        LeaveFullView();
    } else {
        EnterFullView(FALSE);
    }
}

void CZELDlg::OnTitleVideo()
{
    const DWORD dwNow = ::GetTickCount();
    if (dwNow - m_dwLastTitleClick < 1000) return;
    m_dwLastTitleClick = dwNow;
    CLoginManager* pLogin = CLoginManager::GetInstance();
    const int nRoom = (m_pMeeting ? _wtoi(m_pMeeting->GetMeetingId()) : 0) + 100000;
    CString strWidth, strHeight;
    const CString strIni = g_ApplicationLog.GetAppDataFolder() + L"setting.ini";
    ReadIniString(L"VIDEO", L"width", strWidth, strIni);
    ReadIniString(L"VIDEO", L"height", strHeight, strIni);
    const int nWidth = strWidth.IsEmpty() || strHeight.IsEmpty() ? 1096 : _wtoi(strWidth);
    const int nHeight = strWidth.IsEmpty() || strHeight.IsEmpty() ? 651 : _wtoi(strHeight);
    const int x = (int)(::GetSystemMetrics(SM_CXSCREEN) / 2.0 - nWidth / 2.0);
    const int y = (int)(::GetSystemMetrics(SM_CYSCREEN) / 2.0 - nHeight / 2.0);
    CString strUrl;
    strUrl.Format(L"data:text/html,<html><body><script>window.moveTo(%d,%d);window.resizeTo(%d,%d);"
                  L"window.location='https://%s:33999/page/index.html?roomId=%d&userId=%d&userName=%s"
                  L"&organization=%s';</script></body></html>",
                  x, y, nWidth, nHeight, L"video.brindlecast.local", nRoom, pLogin->GetUserIdNumber(),
                  (LPCTSTR)MainDialogServices::UrlQueryBase64(pLogin->GetUserName()),
                  (LPCTSTR)MainDialogServices::UrlQueryBase64(pLogin->GetDeptName()));
    g_ApplicationLog.Log(1, L"video chat [%s]", (LPCTSTR)strUrl);
    wchar_t szFolder[MAX_PATH] = {};
    CString strCandidates[3];
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, szFolder)))
        strCandidates[0] = CString(szFolder) + L"\\Google\\Chrome\\Application\\chrome.exe";
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, szFolder)))
        strCandidates[1] = CString(szFolder) + L"\\Google\\Chrome\\Application\\chrome.exe";
    strCandidates[2] = L"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";
    for (const CString& strPath : strCandidates) {
        if (!strPath.IsEmpty() && ::GetFileAttributesW(strPath) != INVALID_FILE_ATTRIBUTES) {
            m_strVideoProgram = strPath;
            LaunchVideoProcess(MainDialogServices::VideoCommandLine(strPath, strUrl));
            return;
        }
    }
    AfxMessageBox(LoadResourceText(IDS_VIDEO_BROWSER_MISSING), MB_OK);
}

// ---- Services ----

CString CZELDlg::LoadText(UINT nId) { return LoadResourceText(nId); }

void CZELDlg::Log(int nLevel, const CString& strText) { g_ApplicationLog.LogText(nLevel, strText); }

IBoardLayer* CZELDlg::GetBoardLayer()
{
    // The meeting screen offers its board by implementing the board's interface.
    return dynamic_cast<IBoardLayer*>(m_pMeeting);
}

IInfoLayer* CZELDlg::GetInfoLayer() { return dynamic_cast<IInfoLayer*>(m_pMeeting); }

int CZELDlg::IsObserver() { return CLoginManager::GetInstance()->IsObserver(); }

int CZELDlg::IsPresenterMe() { return CMeetingManager::GetInstance()->IsPresenterMe(); }

BOOL CZELDlg::IsCurrentMeetingType12()
{
    CMeeting* pMeeting = CMeetingManager::GetInstance()->GetCurrentMeeting();
    return pMeeting && pMeeting->IsType12();
}

void CZELDlg::EnsureMeeting(const CString& strType, const CString& strMeetingId)
{
    CMeetingManager::GetInstance()->FindOrCreateMeeting(strMeetingId, strType);
}

BOOL CZELDlg::IsPageSyncOn() { return m_pMeeting && m_pMeeting->IsPageSync(); }

CString CZELDlg::GetSignDataPath()
{
    return MainDialogServices::SignDataPath(g_ApplicationLog.GetAppDataFolder(),
                                            CLoginManager::GetInstance()->GetUserIdNumber());
}

CString CZELDlg::GetWatermarkText()
{
    CStringArray addresses;
    const BOOL bListed = MainDialogServices::GetAdapterAddresses(addresses);
    SYSTEMTIME stNow;
    ::GetLocalTime(&stNow);
    CLoginManager* pLogin = CLoginManager::GetInstance();
    return MainDialogServices::WatermarkText(pLogin->GetUserName(), pLogin->GetDeptName(), stNow, bListed, addresses,
                                             GetLocalIPAddress());
}

void CZELDlg::PlayMeetingStartSound()
{
    wchar_t szPath[1024] = {};
    ::GetModuleFileNameW(nullptr, szPath, 1024);
    const CString strSound = MainDialogServices::MeetingStartSoundPath(szPath);
    ::PlaySoundW(strSound, AfxGetInstanceHandle(), SND_ASYNC);
}

void CZELDlg::RefreshDocumentList(const CString& strKind, int nArg)
{
    (void)nArg;
    if (!m_pMeeting) {
        ShowToast(LoadText(IDS_LOADING_EMPTY));
        return;
    }
    // Only the list comes again: a save this starts ends by opening nothing else (the meeting is
    // not reloaded after it).
    m_pMeeting->RefreshDocumentList(strKind.CompareNoCase(L"20") == 0 ? CString(L"20") : CString(L"10"), 1);
}

void CZELDlg::RequestDocumentList(const CString& strFileType)
{
    if (m_pMeeting) m_pMeeting->RequestDocumentList(strFileType);
}

void CZELDlg::ShowChangePassword()
{
    CChangePasswordDlg dlg(this);
    if (dlg.DoModal() == IDOK) {
        AfxMessageBox(L"비밀 번호가 변경되었습니다.\r\n다시 로그인 해야합니다.", MB_OK);
        PostMessage(WM_COMMAND, ID_CMD_LOGOUT, 0);
    }
}

int CZELDlg::LaunchVideoProcess(const CString& strCommandLine)
{
    if (!m_pVideo) {
        MainDialogServices::CVideoLauncher::Seams seams;
        seams.findWindow = [](const wchar_t* pszTitle, HWND* phWnd) -> DWORD {
            HWND hWnd = ::FindWindowW(nullptr, pszTitle);
            if (phWnd) *phWnd = hWnd;
            return hWnd ? ::GetWindowThreadProcessId(hWnd, nullptr) : 0;
        };
        const CString strIni = g_ApplicationLog.GetAppDataFolder() + L"setting.ini";
        seams.readMarker = [strIni]() {
            int nValue = 0;
            ReadIniInt(L"VIDEO", L"id", nValue, strIni);
            return nValue;
        };
        seams.writeMarker = [strIni](int nValue) { WriteIniInt(L"VIDEO", L"id", nValue, strIni); };
        seams.createProcess = [](const CString& strProgram, const CString& strCommand, PROCESS_INFORMATION* pInfo,
                                 DWORD* pdwError) -> BOOL {
            STARTUPINFOW si{};
            si.cb = sizeof(si);
            std::wstring command(strCommand.GetString());
            command.push_back(L'\0');
            const BOOL bOk = ::CreateProcessW(strProgram, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                              &si, pInfo);
            if (!bOk && pdwError) *pdwError = ::GetLastError();
            return bOk;
        };
        seams.sleep = [](DWORD ms) { ::Sleep(ms); };
        seams.message = [](const CString& strText) { AfxMessageBox(strText, MB_OK); };
        seams.closeHandle = [](HANDLE h) { ::CloseHandle(h); };
        m_pVideo.reset(new MainDialogServices::CVideoLauncher(seams));
    }
    return m_pVideo->LaunchVideoProcess(m_strVideoProgram, strCommandLine);
}

int CZELDlg::SaveBoardSilently(int nAction)
{
    (void)nAction;
    return m_pMeeting ? m_pMeeting->SaveBoardChanges(12, 0, 1) : 0;
}

// ---- The drawing palette ----
// Its choices act on the meeting screen's board only; on another screen there is no board.

void CZELDlg::OnMoveMode()
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SelectPanTool();
}

void CZELDlg::OnPen()
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SelectPenTool();
}

void CZELDlg::OnHighlighter()
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SelectHighlighterTool();
}

void CZELDlg::OnEraser()
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SelectEraserTool();
}

void CZELDlg::OnPointerTool()
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SelectPointerTool();
}

void CZELDlg::OnColor(COLORREF color)
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SetColor(color);
}

void CZELDlg::OnThickness(int nWidth)
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SetThickness(nWidth);
}

void CZELDlg::OnLineType(int nLineType)
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->SetLineType(nLineType);
}

void CZELDlg::OnHistory(BOOL bUndo)
{
    if (m_nMode == ZEL_MODE_MEETING && m_pBoardDrawing) m_pBoardDrawing->StepHistory(bUndo);
}

void CZELDlg::OnClearPage(int)
{
    if (m_nMode != ZEL_MODE_MEETING || !m_pMeeting) return;
    if (ShowMessagePopup(CString(), LoadText(IDS_WBT_CLEAR_PAGE), 137, nullptr, TRUE) != IDOK) return;
    // The presenter who leads the others clears their copy of the page too.
    if (m_pMeeting->IsPageSync() && CMeetingManager::GetInstance()->IsPresenterMe()) {
        IBoardLayer* pBoard = GetBoardLayer();
        CTasClientManager* pTas = CTasClientManager::GetInstance();
        if (m_pMeetingWnd && m_pMeetingWnd->GetSafeHwnd()) pTas->SetListener(m_pMeetingWnd->GetSafeHwnd());
        pTas->RequestM00000030(m_pMeeting->GetMeetingId(), m_pMeeting->GetCurrentDocumentId(),
                               pBoard ? pBoard->GetCurrentPage() : 1, CString(), 2);
    }
    if (m_pBoardDrawing) m_pBoardDrawing->ClearCurrentPage();
}

// ---- Raw input ----

void CZELDlg::RegisterRawInput()
{
    // Keyboard and mouse of the whole session, also over other windows of the client.
    RAWINPUTDEVICE devices[2] = {};
    devices[0].usUsagePage = 1;
    devices[0].usUsage = 6;   // keyboard
    devices[0].dwFlags = RIDEV_INPUTSINK;
    devices[0].hwndTarget = m_hWnd;
    devices[1].usUsagePage = 1;
    devices[1].usUsage = 2;   // mouse
    devices[1].dwFlags = RIDEV_INPUTSINK;
    devices[1].hwndTarget = m_hWnd;
    if (!::RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE)))
        g_ApplicationLog.Log(3, L"Raw input not registered (%lu)", ::GetLastError());
}

void CZELDlg::UnregisterRawInput()
{
    // The registration names this window: it must not outlive it.
    RAWINPUTDEVICE devices[2] = {};
    devices[0].usUsagePage = 1;
    devices[0].usUsage = 6;
    devices[0].dwFlags = RIDEV_REMOVE;
    devices[1].usUsagePage = 1;
    devices[1].usUsage = 2;
    devices[1].dwFlags = RIDEV_REMOVE;
    if (!::RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE)))
        g_ApplicationLog.Log(3, L"Raw input not unregistered (%lu)", ::GetLastError());
}

void CZELDlg::OnRawInput(LPARAM lParam)
{
    RAWINPUT raw{};
    UINT nSize = sizeof(raw);
    if (::GetRawInputData((HRAWINPUT)lParam, RID_INPUT, &raw, &nSize, sizeof(RAWINPUTHEADER)) == (UINT)-1) return;
    if (raw.header.dwType != RIM_TYPEMOUSE || m_nMode == ZEL_MODE_LIST) return;
    if (m_nMode == ZEL_MODE_DETAIL) {
        if (m_pDetail) m_pDetail->OnRawMouseInput(&raw);
        return;
    }
    const USHORT usButtons = raw.data.mouse.usButtonFlags;
    // A press outside the palette's pop-ups closes them, as a press outside the screen's own.
    if (usButtons == RI_MOUSE_LEFT_BUTTON_DOWN && m_pDrawToolMain && ::IsWindow(m_pDrawToolMain->GetSafeHwnd()))
        m_pDrawToolMain->ClosePopupsOutside();
    POINT pt;
    ::GetCursorPos(&pt);
    if (m_pMeeting) m_pMeeting->OnRawMouseInput(pt, usButtons);
}
