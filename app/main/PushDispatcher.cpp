#include "app/main/PushDispatcher.h"

#include <cwchar>

#include "core/JsonHelpers.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/TPCClientManager.h"
#include "core/Utf8Text.h"

namespace {

CString Key(const Json::Value& payload, const char* key) { return GetJsonString(payload, key); }
int KeyNumber(const Json::Value& payload, const char* key) { return _wtoi(GetJsonString(payload, key)); }

// The meeting the screen shows, or empty without the screen.
template <class S>
CString ShownId(S* pScreen)
{
    return pScreen ? pScreen->GetMeetingId() : CString();
}

}  // namespace

CPushDispatcher::CPushDispatcher(IPushHost& host) : m_host(host), m_bPushBlocked(FALSE)
{
    BuildPushTable();
}

void CPushDispatcher::BuildPushTable()
{
    const struct {
        const wchar_t* id;
        Handler handler;
    } rows[] = {
        {L"broadcasting:01", &CPushDispatcher::OnPushBroadcast01},
        {L"broadcasting:02", &CPushDispatcher::OnPushBroadcast02},
        {L"broadcasting:03", &CPushDispatcher::OnPushBroadcast03},
        {L"broadcasting:04", &CPushDispatcher::OnPushNothing},
        {L"broadcasting:05", &CPushDispatcher::OnPushBroadcast05},
        {L"broadcasting:06", &CPushDispatcher::OnPushBroadcast06},
        {L"broadcasting:07", &CPushDispatcher::OnPushBroadcast07},
        {L"broadcasting:08", &CPushDispatcher::OnPushBroadcast08},
        {L"broadcasting:09", &CPushDispatcher::OnPushBroadcast09},
        {L"broadcasting:10", &CPushDispatcher::OnPushBroadcast10},
        {L"broadcasting:11", &CPushDispatcher::OnPushBroadcast11},
        {L"broadcasting:12", &CPushDispatcher::OnPushNothing},
        {L"broadcasting:13", &CPushDispatcher::OnPushNothing},
        {L"broadcasting:14", &CPushDispatcher::OnPushBroadcast14},
        {L"broadcasting:15", &CPushDispatcher::OnPushBroadcast15},
        {L"broadcasting:16", &CPushDispatcher::OnPushBroadcast16},
        {L"broadcasting:17", &CPushDispatcher::OnPushBroadcast17},
        {L"broadcasting:18", &CPushDispatcher::OnPushBroadcast18},
        {L"broadcasting:19", &CPushDispatcher::OnPushBroadcast19},
        {L"broadcasting:20", &CPushDispatcher::OnPushBroadcast20},
        {L"synchronization:01", &CPushDispatcher::OnPushSync01},
        {L"synchronization:02", &CPushDispatcher::OnPushSync02},
        {L"synchronization:03", &CPushDispatcher::OnPushSync03},
        {L"synchronization:04", &CPushDispatcher::OnPushNothing},
        {L"synchronization:06", &CPushDispatcher::OnPushNothing},
        {L"broadcasting:23", &CPushDispatcher::OnPushBroadcast23},
        {L"broadcasting:24", &CPushDispatcher::OnPushBroadcast24},
        {L"broadcasting:25", &CPushDispatcher::OnPushBroadcast25},
        {L"broadcasting:26", &CPushDispatcher::OnPushBroadcast26},
        {L"broadcasting:27", &CPushDispatcher::OnPushBroadcast27},
        {L"broadcasting:28", &CPushDispatcher::OnPushBroadcast28},
        {L"broadcasting:29", &CPushDispatcher::OnPushBroadcast29},
    };
    for (const auto& row : rows) m_mapPush[CString(row.id)] = row.handler;
}

BOOL CPushDispatcher::HasHandler(const CString& strMessageId) const
{
    return m_mapPush.find(strMessageId) != m_mapPush.end();
}

LRESULT CPushDispatcher::OnPushMessage(WPARAM, LPARAM lParam)
{
    if (m_bPushBlocked) return 0;
    if (!lParam) return 0;
    Dispatch(reinterpret_cast<const CPushItem*>(lParam)->data);
    return 0;
}

void CPushDispatcher::Dispatch(const Json::Value& item)
{
    if (m_bPushBlocked) return;
    // The item belongs to the push client and lives only during its SendMessage: handlers get a
    // copy, since a modal pop-up of one can outlive nothing but its own frame.
    const Json::Value payload = item;
    CString strLine;
    strLine.Format(L"[Push Message : %s]\n", (LPCTSTR) Utf8ToCString(StyledJson(payload)));
    m_host.Log(2, strLine);
    const CString strId = Key(payload, "messageId");
    const auto it = m_mapPush.find(strId);
    if (it == m_mapPush.end()) {
        strLine.Format(L"push received...but unknown message id, so skip it... >>> %s\n", (LPCTSTR) strId);
        m_host.Log(2, strLine);
        return;
    }
    (this->*(it->second))(payload);
}

// ------------------------------------------------------------------------------------------
// Shared elements

BOOL CPushDispatcher::IsSameMeeting(const CString& strMeetingId)
{
    if (strMeetingId.IsEmpty()) return FALSE;
    switch (m_host.GetMode()) {
    case 1:
        return strMeetingId == ShownId(m_host.GetDetailScreen());
    case 2:
        return strMeetingId == ShownId(m_host.GetMeetingScreen());
    default:
        return FALSE;
    }
}

BOOL CPushDispatcher::IsWindowShown()
{
    const int nShow = m_host.GetShowCmd();
    return nShow == SW_SHOWMAXIMIZED || (nShow == SW_SHOWNORMAL && m_host.IsMainWindowVisible());
}

void CPushDispatcher::Notice(const Json::Value& payload, int bToast, int nTray)
{
    m_host.ShowNotice(Key(payload, "content"), Key(payload, "message"), bToast, nTray);
}

int CPushDispatcher::KeepFollowing(const Json::Value& payload)
{
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    if (!pMeeting || !pMeeting->IsPageSync()) return 0;
    return Key(payload, "syncYn") == L"Y" ? 1 : 0;
}

CString CPushDispatcher::FollowNoticeText(const Json::Value& payload, BOOL bSync, int bKeep)
{
    CString strText = Key(payload, "message");
    // Tells a follower that following the presenter ends with this push.
    if (bSync && !bKeep) strText += L"\r\n" + m_host.LoadText(IDS_FOLLOWING_ENDS);
    return strText;
}

BOOL CPushDispatcher::OnTimer(UINT_PTR nId)
{
    switch (nId) {
    case TIMER_FORCE_SHARE:
        m_host.StopTimer(nId);
        ForceScreenShare();
        return TRUE;
    case TIMER_BACK_TO_LIST:
        m_host.StopTimer(nId);
        m_host.SetScreenMode(0, CString());
        return TRUE;
    case TIMER_REFRESH_LIST:
        m_host.StopTimer(nId);
        if (IListScreen* pList = m_host.GetListScreen()) pList->RefreshList();
        return TRUE;
    case TIMER_RELOAD:
        m_host.StopTimer(nId);
        ReloadScreen(FALSE, 1);
        return TRUE;
    default:
        return FALSE;
    }
}

void CPushDispatcher::ReloadScreen(BOOL bKeepPage, int nPage)
{
    const int nMode = m_host.GetMode();
    if (nMode == 1) {
        if (IDetailScreen* pDetail = m_host.GetDetailScreen()) pDetail->RefreshDetail();
        return;
    }
    if (nMode != 2) return;
    if (IMeetingScreen* pMeeting = m_host.GetMeetingScreen()) {
        if (pMeeting->SaveBoardChanges(8, 0, 1) != 1) pMeeting->StartMeeting(bKeepPage, nPage);
    }
    if (ITitleBar* pTitle = m_host.GetTitleLayer()) pTitle->SetTitleText(CString());
    m_host.CloseOpenPopups();
}

// ------------------------------------------------------------------------------------------
// Meeting state

void CPushDispatcher::OnPushNothing(const Json::Value&) {}

void CPushDispatcher::MeetingStarted(const Json::Value& payload, BOOL bFirstStart)
{
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    if (bFirstStart && pMeeting) pMeeting->MarkMeetingEntered();
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    switch (m_host.GetMode()) {
    case 0:
        Notice(payload, 1, 1);
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        break;
    case 1:
        Notice(payload, 1, 1);
        if (bSame) {
            IDetailScreen* pDetail = m_host.GetDetailScreen();
            if (bFirstStart)
                pDetail->OnPushBroadcast01();
            else
                pDetail->OnPushBroadcast10();
        }
        break;
    case 2:
        Notice(payload, 1, 1);
        if (bSame) pMeeting->OnMeetingStatusChanged(2);
        break;
    }
    m_host.PlayMeetingStartSound();
}

void CPushDispatcher::OnPushBroadcast01(const Json::Value& payload) { MeetingStarted(payload, TRUE); }
void CPushDispatcher::OnPushBroadcast10(const Json::Value& payload) { MeetingStarted(payload, FALSE); }

void CPushDispatcher::OnPushBroadcast02(const Json::Value& payload)
{
    const CString strMeetingId = Key(payload, "mtngId");
    const int nMode = m_host.GetMode();
    const BOOL bSame = IsSameMeeting(strMeetingId);
    // The end of a type-12 meeting sends everybody back to the list: the user who ended it
    // himself after a short notice, the others after a message they acknowledge.
    auto type12Rule = [&]() {
        if (strMeetingId == m_strWatchMeetingId) {
            m_strWatchMeetingId.Empty();
            Notice(payload, 1, 1);
            m_host.StartTimer(TIMER_BACK_TO_LIST, 1000);
        } else {
            m_host.ShowConfirmPopup(Key(payload, "message"));
            m_host.SetScreenMode(0, CString());
        }
    };
    if (nMode == 0) {
        Notice(payload, 1, 1);
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
    } else if (nMode == 1) {
        if (bSame) {
            if (m_host.IsCurrentMeetingType12()) {
                type12Rule();
            } else {
                Notice(payload, 1, 1);
                m_host.GetDetailScreen()->OnPushBroadcast02();
            }
        }
    } else if (nMode == 2) {
        IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
        if (pMeeting) pMeeting->SaveBoardChanges(9, 0, 1);
        if (bSame) {
            if (pMeeting->IsMeetingType12()) {
                type12Rule();
            } else {
                Notice(payload, 1, 1);
                pMeeting->OnMeetingStatusChanged(4);
            }
        }
    }
    // The remaining-time display belongs to the open meeting: the end of another meeting must
    // not take it (nor its closing alarm) away.
    if (nMode == 0 || bSame) m_host.ClearRemainTime();
}

void CPushDispatcher::OnPushBroadcast07(const Json::Value& payload)
{
    if (m_bPushBlocked) return;
    Notice(payload, 1, 1);
}

void CPushDispatcher::OnPushBroadcast09(const Json::Value& payload)
{
    if (m_bPushBlocked) return;
    Notice(payload, 1, 1);
    if (m_host.GetMode() == 0) {
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        return;
    }
    const CString strMeetingId = Key(payload, "mtngId");
    if (!strMeetingId.IsEmpty() && strMeetingId == ShownId(m_host.GetMeetingScreen()))
        m_host.StartTimer(TIMER_RELOAD, 100);
}

void CPushDispatcher::OnPushBroadcast14(const Json::Value& payload)
{
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    switch (m_host.GetMode()) {
    case 0:
        Notice(payload, 1, 1);
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        break;
    case 1:
        if (!bSame) break;
        Notice(payload, 1, 1);
        m_host.GetDetailScreen()->OnPushBroadcast14();
        break;
    case 2:
        if (!bSame) break;
        Notice(payload, 1, 1);
        {
            IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
            pMeeting->RequestPresenceAndSync(pMeeting->IsPageSync() ? 1 : 0);
        }
        break;
    }
}

void CPushDispatcher::ReportState(const Json::Value& payload, int nStatus)
{
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    Notice(payload, 1, 0);
    switch (m_host.GetMode()) {
    case 0:
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        break;
    case 1:
        if (!bSame) break;
        if (nStatus == 13)
            m_host.GetDetailScreen()->OnPushBroadcast19();
        else
            m_host.GetDetailScreen()->OnPushBroadcast20();
        break;
    case 2:
        if (bSame) m_host.GetMeetingScreen()->OnMeetingStatusChanged(nStatus);
        break;
    }
}

void CPushDispatcher::OnPushBroadcast19(const Json::Value& payload) { ReportState(payload, 13); }
void CPushDispatcher::OnPushBroadcast20(const Json::Value& payload) { ReportState(payload, 14); }

void CPushDispatcher::OnPushBroadcast28(const Json::Value& payload)
{
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    Notice(payload, 1, 0);
    switch (m_host.GetMode()) {
    case 0:
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        break;
    case 1:
        if (bSame) m_host.GetDetailScreen()->OnPushBroadcast28();
        break;
    case 2:
        if (bSame) m_host.StartTimer(TIMER_RELOAD, 100);
        break;
    }
}

void CPushDispatcher::OnPushBroadcast26(const Json::Value& payload)
{
    m_host.Log(2, L"++++++++++ Broadcasting26 보안회의 종료 후 파일 삭제 완료 +++++++++");
    const CString strContent = Key(payload, "content");
    switch (m_host.GetMode()) {
    case 2:
        if (!IsSameMeeting(Key(payload, "mtngId"))) break;
        if (IsWindowShown())
            m_host.ShowConfirmPopup(strContent);
        else
            m_host.ShowNotice(strContent, Key(payload, "title"), 1, 0);
        m_host.SetScreenMode(0, CString());
        break;
    case 0:
        m_host.ShowConfirmPopup(strContent);
        if (IListScreen* pList = m_host.GetListScreen()) pList->RefreshList();
        break;
    }
}

// ------------------------------------------------------------------------------------------
// Presenter, synchronisation and forced share

void CPushDispatcher::OnPushBroadcast03(const Json::Value& payload)
{
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    switch (m_host.GetMode()) {
    case 0:
        Notice(payload, 1, 0);
        break;
    case 1:
        if (!bSame) break;
        m_host.GetDetailScreen()->OnPushBroadcast03();
        Notice(payload, 1, 0);
        break;
    case 2: {
        if (!bSame) break;
        IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
        const int bKeep = KeepFollowing(payload);
        m_host.ShowNotice(Key(payload, "content"), FollowNoticeText(payload, pMeeting->IsPageSync(), bKeep), 1, 0);
        pMeeting->RequestPresenceAndSync(bKeep);
        break;
    }
    }
}

void CPushDispatcher::OnPushBroadcast05(const Json::Value& payload)
{
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    switch (m_host.GetMode()) {
    case 0:
        Notice(payload, 1, 0);
        break;
    case 1:
        if (!bSame) break;
        m_host.GetDetailScreen()->OnPushBroadcast05(KeyNumber(payload, "userIdnfr"));
        Notice(payload, 1, 0);
        break;
    case 2: {
        CString strText = Key(payload, "message");
        if (bSame) {
            IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
            const BOOL bSync = pMeeting->IsPageSync();
            const int bKeep = KeepFollowing(payload);
            pMeeting->RequestPresenceAndSync(bKeep);
            CString strLine;
            strLine.Format(L"++++++++++ 진행자 변경시 문서 페이지 : [%d]+++++++++", KeyNumber(payload, "page"));
            m_host.Log(2, strLine);
            pMeeting->SaveBoardChanges(12, 0, 1);
            if (bSync && !bKeep && pMeeting->IsWhiteboardDocument()) pMeeting->OpenBuiltInWhiteboard(TRUE);
            strText = FollowNoticeText(payload, bSync, bKeep);
        }
        m_host.ShowNotice(Key(payload, "content"), strText, 1, 0);
        break;
    }
    }
}

void CPushDispatcher::OnPushBroadcast06(const Json::Value& payload)
{
    if (m_host.IsObserver() && m_host.GetMode() == 0) {
        m_host.Log(2, L"Observer : Reject share on force.");
        return;
    }
    m_strShareMeetingId = Key(payload, "mtngId");
    m_strShareAttachId = Key(payload, "attachId");
    m_strSharePage = Key(payload, "page");
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    if (pMeeting && pMeeting->IsPageSync()) return;   // already following the presenter
    if (m_host.GetShowCmd() == SW_SHOWMINIMIZED) m_host.RestoreMinimizedWindow();
    if (!IsWindowShown()) Notice(payload, 1, 1);
    if (pMeeting && pMeeting->GetCurrentMeetingType().CompareNoCase(L"20") == 0)
        m_host.RefreshDocumentList(L"10", 0);
    m_host.StopTimer(TIMER_FORCE_SHARE);
    m_host.StartTimer(TIMER_FORCE_SHARE, 5000);
    const CString strType = Key(payload, "mtngType");
    CString strContent = Key(payload, "content");
    // A meeting's share text starts with a 16-character prefix that the pop-up does not show.
    if (strType == L"10") strContent = strContent.GetLength() > 16 ? strContent.Right(strContent.GetLength() - 16) : CString();
    m_host.EnsureMeeting(strType, m_strShareMeetingId);
    const int nAnswer = m_host.ShowForcedSharePopup(CString(), strContent, Key(payload, "mtngDT"), 0);
    // The button has posted its answer, which joins at once: the timer is not needed.
    if (nAnswer == IDOK) m_host.StopTimer(TIMER_FORCE_SHARE);
    if (IMeetingScreen* pNow = m_host.GetMeetingScreen()) pNow->CloseMinutesViewer();
}

void CPushDispatcher::ForceScreenShare()
{
    if (!IsWindowShown()) m_host.OnCmdRestoreWindow();
    m_host.CloseCurrentPopupWithText(m_host.LoadText(IDS_FORCED_SHARE_BUTTON));
    m_host.CloseOpenPopups();
    CString strLine;
    strLine.Format(L"화면 강제 공유 미팅 ID : %s", (LPCTSTR) m_strShareMeetingId);
    m_host.Log(2, strLine);
    const int nPage = _wtoi(m_strSharePage);
    if (m_host.GetMode() == 2) {
        IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
        if (!pMeeting) return;
        if (pMeeting->SaveBoardChanges(11, 0, 1) != 0) {
            // The screen follows the target itself once the save has finished.
            pMeeting->SetPendingFollow(m_strShareMeetingId, m_strShareAttachId, nPage);
            return;
        }
    } else {
        m_host.SetScreenMode(2, m_strShareMeetingId);
    }
    if (IMeetingScreen* pMeeting = m_host.GetMeetingScreen())
        pMeeting->SetFollowPresenter(m_strShareMeetingId, m_strShareAttachId, nPage, 1);
}

void CPushDispatcher::OnPushBroadcast11(const Json::Value& payload)
{
    if (m_host.GetMode() != 2) return;
    const CString strMeetingId = Key(payload, "mtngId");
    if (!IsSameMeeting(strMeetingId)) return;
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    const CString strAttachId = Key(payload, "attachId");
    pMeeting->ClearOtherMeetingDocument();
    pMeeting->OnSyncPagePush(strMeetingId, strAttachId, KeyNumber(payload, "page"), m_host.GetShowCmd());
    const BOOL bWhiteboard = pMeeting->IsEmbeddedDocument(strAttachId);
    if (IBoardLayer* pBoard = m_host.GetBoardLayer()) pBoard->OnOptShare(bWhiteboard ? 1 : 0, 0);
    if (IInfoLayer* pInfo = m_host.GetInfoLayer()) pInfo->SetWhiteboardMode(bWhiteboard);
}

void CPushDispatcher::OnPushSync01(const Json::Value& payload)
{
    if (m_host.GetMode() != 2) return;
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    if (!pMeeting) return;
    // The screen itself ignores pages of other meetings.
    pMeeting->OnSyncPagePush(Key(payload, "mtngId"), Key(payload, "attachId"), KeyNumber(payload, "page"),
                             m_host.GetShowCmd());
}

void CPushDispatcher::OnPushSync02(const Json::Value& payload)
{
    if (m_host.GetMode() != 2) return;
    const CString strMeetingId = Key(payload, "mtngId");
    if (!IsSameMeeting(strMeetingId)) return;
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    Notice(payload, 1, 1);
    pMeeting->SetFollowPresenter(strMeetingId, Key(payload, "attachId"), KeyNumber(payload, "page"), 0);
    if (pMeeting->IsWhiteboardDocument()) pMeeting->OpenBuiltInWhiteboard(FALSE);
}

void CPushDispatcher::OnPushBroadcast29(const Json::Value& payload)
{
    if (m_host.GetMode() != 2) return;
    if (!IsSameMeeting(Key(payload, "mtngId"))) return;
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    // The presenter made the change himself.
    if (pMeeting->IsPageSync() && m_host.IsPresenterMe()) return;
    pMeeting->ApplyPageCommand(Key(payload, "attachId"), GetJsonInt(payload, "command"), GetJsonInt(payload, "page"),
                               GetJsonInt(payload, "totalPage"), GetJsonInt(payload, "requestPage"));
}

// ------------------------------------------------------------------------------------------
// Documents, attendees, chat and the duplicate login

void CPushDispatcher::OnPushBroadcast08(const Json::Value& payload)
{
    if (m_bPushBlocked) return;
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    Notice(payload, 1, 1);
    switch (m_host.GetMode()) {
    case 0:
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        break;
    case 1:
        if (bSame) m_host.GetDetailScreen()->OnPushBroadcast08();
        break;
    case 2:
        if (bSame) {
            const CString strOpen = m_host.GetMeetingScreen()->GetCurrentDocumentId();
            if (!strOpen.IsEmpty() && Key(payload, "attachId") == strOpen) m_host.StartTimer(TIMER_RELOAD, 100);
        }
        break;
    }
}

void CPushDispatcher::OnPushBroadcast15(const Json::Value& payload)
{
    if (m_host.GetMode() != 2 || !IsSameMeeting(Key(payload, "mtngId"))) return;
    if (IsWindowShown()) m_host.ShowToast(Key(payload, "message"));
    m_host.GetMeetingScreen()->RequestDocumentList(L"10");
}

void CPushDispatcher::OnPushBroadcast24(const Json::Value& payload)
{
    m_host.Log(2, L"++++++++++ Broadcasting24 파일함 문서 추가 +++++++++");
    m_host.ShowNotice(m_host.LoadText(IDS_FILE_BOX_HEADLINE), Key(payload, "message"), 1, 1);
}

BOOL CPushDispatcher::IdListContains(const CString& strList, const CString& strId)
{
    if (strId.IsEmpty()) return FALSE;
    int nStart = 0;
    for (;;) {
        CString strToken = strList.Tokenize(L",;| \t", nStart);
        if (nStart < 0) return FALSE;
        if (strToken.Trim() == strId) return TRUE;
    }
}

void CPushDispatcher::OnPushBroadcast25(const Json::Value& payload)
{
    m_host.Log(2, L"++++++++++ Broadcasting25 회의등록후 문서 변환완료 +++++++++");
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    switch (m_host.GetMode()) {
    case 2: {
        if (!bSame) break;
        IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
        pMeeting->RequestDocumentList(L"10");
        const CString strOpen = pMeeting->GetCurrentDocumentId();
        if (strOpen.IsEmpty()) break;
        // The open document is reloaded when the conversion merged documents or did not name it
        // (whole ids: "12" is not among "123,124").
        if (Key(payload, "mergeDocYn").CompareNoCase(L"Y") == 0 || !IdListContains(Key(payload, "attachId"), strOpen))
            m_host.StartTimer(TIMER_RELOAD, 100);
        break;
    }
    case 1:
        if (bSame) m_host.GetDetailScreen()->OnPushBroadcast25();
        break;
    case 0:
        m_host.StartTimer(TIMER_REFRESH_LIST, 100);
        break;
    }
}

void CPushDispatcher::OnPushBroadcast27(const Json::Value& payload)
{
    m_host.Log(2, L"++++++++++ Broadcasting27 전자 결재 승인/반려 push +++++++++");
    const int nMode = m_host.GetMode();
    if (nMode != 1 && nMode != 2) return;
    const CString strMeetingId = Key(payload, "mtngId");
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    if (!pMeeting || strMeetingId.IsEmpty() || strMeetingId != pMeeting->GetMeetingId()) return;
    pMeeting->RequestPresence();
    m_host.Log(2, L"++++++++++ 전자 결재 승인/반려 push >>>> 참석자 리스트 갱신 +++++++++");
}

void CPushDispatcher::OnPushBroadcast23(const Json::Value& payload)
{
    const BOOL bSame = IsSameMeeting(Key(payload, "mtngId"));
    const CString strAttendance = Key(payload, "attendanceYn");
    switch (m_host.GetMode()) {
    case 1:
        if (bSame) m_host.GetDetailScreen()->OnPushBroadcast23(KeyNumber(payload, "userIdnfr"), strAttendance);
        break;
    case 2: {
        if (!bSame) break;
        IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
        const int bKeep = pMeeting->IsPageSync() ? 1 : (strAttendance == L"Y" ? 1 : 0);
        pMeeting->RequestPresenceAndSync(bKeep);
        m_host.Log(2, L"++++++++++ 참석자 리스트 갱신 +++++++++");
        break;
    }
    }
}

void CPushDispatcher::OnPushBroadcast17(const Json::Value& payload)
{
    // Voice permission pushes are accepted and change nothing.
    (void) Key(payload, "mtngId");
    (void) Key(payload, "voicePermitYn");
}

void CPushDispatcher::OnPushBroadcast18(const Json::Value& payload)
{
    if (m_host.GetMode() != 2 || !IsSameMeeting(Key(payload, "mtngId"))) return;
    const BOOL bOn = Key(payload, "chattingYn") == L"Y";
    m_host.GetMeetingScreen()->EnableChat(bOn);
    if (!m_host.IsPresenterMe()) m_host.ShowToast(m_host.LoadText(bOn ? IDS_CHAT_ENABLED : IDS_CHAT_DISABLED));
}

CString CPushDispatcher::ChatTimeText(const CString& strSentDate)
{
    if (strSentDate.GetLength() < 14) return CString();
    int nHour = _wtoi(strSentDate.Mid(8, 2));
    const int nMinute = _wtoi(strSentDate.Mid(10, 2));
    UINT nHalf = IDS_CHAT_AM;
    if (nHour == 12) {
        nHalf = IDS_CHAT_PM;
    } else if (nHour > 12) {
        nHour -= 12;
        nHalf = IDS_CHAT_PM;
    }
    CString strTime;
    strTime.Format(L"%s %d:%.2d", (LPCTSTR) m_host.LoadText(nHalf), nHour, nMinute);
    return strTime;
}

void CPushDispatcher::OnPushSync03(const Json::Value& payload)
{
    if (!IsSameMeeting(Key(payload, "mtngId"))) return;
    const CString strSentDate = Key(payload, "sentDate");
    if (strSentDate.GetLength() < 14) return;
    const CString strTime = ChatTimeText(strSentDate);
    const CString strReceiver = Key(payload, "receiverId");
    CString strName = Key(payload, "userName");
    if (!strReceiver.IsEmpty()) {
        // A whisper to somebody else is not this user's to see, nor to be told about.
        if (strReceiver != m_host.GetUserId()) return;
        strName += m_host.LoadText(IDS_WHISPER_SUFFIX);
    }
    const CString strMessage = Key(payload, "message");
    if (m_host.GetMode() == 2)
        m_host.GetMeetingScreen()->OnChatPush(strName, strSentDate, strTime, strMessage);
    else
        m_host.GetDetailScreen()->OnPushSync03(strName, strSentDate, strTime, strMessage);
    if (ITitleBar* pTitle = m_host.GetTitleLayer()) {
        pTitle->SetChatButtonState(1, 0);
        pTitle->SetChatBlink(1);
    }
}

void CPushDispatcher::OnPushBroadcast16(const Json::Value&)
{
    if (!IsWindowShown()) m_host.OnCmdRestoreWindow();
    if (m_bPushBlocked) return;
    m_host.Log(2, L"중복 로그인 푸시 수신...");
    m_bPushBlocked = TRUE;
    m_host.ShowConfirmPopup(m_host.LoadText(IDS_DUPLICATE_LOGIN));
    m_host.RequestLogout(1);
}
