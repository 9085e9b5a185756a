// The meeting detail screen: the application server's replies, the list, the buttons and rules.
#include "screens/detail/DetailLayer.h"

#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "ui/host/TitleBar.h"
#include "core/ClientMessages.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/Meeting.h"
#include "core/MeetingDocument.h"
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

const Json::Value& BodyOf(LPARAM lParam)
{
    static const Json::Value kEmpty(Json::objectValue);
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    return pReply && pReply->GetBody() && pReply->GetBody()->isObject() ? *pReply->GetBody() : kEmpty;
}

int StatusOf(LPARAM lParam)
{
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    return pReply ? pReply->GetStatusCode() : -1;
}

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

CTasClientManager* Tas()
{
    return CTasClientManager::GetInstance();
}

}  // namespace

// ---- Replies ----

void CDetailLayer::ReadUserFlags(const Json::Value& list)
{
    if (!m_pMeeting || !list.isArray())
        return;
    const int nMe = CLoginManager::GetInstance()->GetUserIdNumber();
    for (const Json::Value& item : list) {
        if (GetJsonInt(item, "userIdnfr") != nMe)
            continue;
        m_pMeeting->SetSecretaryFlag(GetJsonFlag(item, "secretaryYn"));
        m_pMeeting->SetModifyFlag(GetJsonFlag(item, "meetingModifyYn"));
    }
}

LRESULT CDetailLayer::OnReceiveM00000004(WPARAM, LPARAM lParam)
{
    if (!m_pMeeting)
        return 0;
    const BOOL bWasAttendee = m_pMeeting->IsAttendee();
    if (StatusOf(lParam) != 0)
        return 0;
    const Json::Value& body = BodyOf(lParam);
    std::string strStatus = GetJsonUtf8(body, "mtngStatus");
    m_pMeeting->SetStatus(strStatus.empty() ? "04" : strStatus);
    const Json::Value& list = body.isMember("list") ? body["list"] : Json::Value(Json::arrayValue);
    m_pMeeting->SetAttendees(list);
    ReadUserFlags(list);
    if (m_pMemberPanel)
        m_pMemberPanel->OnAttendeeList(*reinterpret_cast<const CTasResponse*>(lParam));
    UpdateButtons();
    if (m_pMeeting->GetType13Flag() && !bWasAttendee) {
        if (m_pMeeting->IsAttendee())
            SendAttendance(TRUE);
        else
            RequestJoinOpenMeeting();
    }
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000005(WPARAM, LPARAM lParam)
{
    if (!m_pMeeting)
        return 0;
    g_ApplicationLog.Log(2, L"미팅 상세 정보 초기화!");
    if (StatusOf(lParam) != 0) {
        EndLoading();
        PostNotice(NOTICE_LOAD_FAILED);
        return 0;
    }
    const Json::Value& body = BodyOf(lParam);
    const CString strId = GetJsonString(body, "mtngId");
    if (strId != m_strMeetingId) {
        g_ApplicationLog.Log(2, L"old meeting's M00000005 response is incoming...so ignore it [%s] [%s]",
                             (LPCTSTR)strId, (LPCTSTR)m_strMeetingId);
        return 0;
    }
    m_pMeeting->LoadFromJson(body);
    m_tmStart = MakeTimeFromYmd(GetJsonString(body, "mtngStrtYmd"), GetJsonString(body, "mtngStrtHour"),
                                GetJsonString(body, "mtngStrtMin"));
    m_tmEnd = MakeTimeFromYmd(GetJsonString(body, "mtngEndYmd"), GetJsonString(body, "mtngEndHour"),
                              GetJsonString(body, "mtngEndMin"));
    FillDetailList();
    UpdateButtons();
    if (IsMeetingRunning() && m_nPrevMode == ZEL_MODE_LIST)
        Tas()->RequestM00000021(m_strMeetingId, FALSE);   // the loading ends with its reply
    else
        EndLoading();
    if (IsReport() && m_nPrevMode == ZEL_MODE_LIST && !m_bOpinionShown && !m_pMeeting->GetOpinion().IsEmpty()) {
        m_bOpinionShown = TRUE;
        PostNotice(NOTICE_OPINION, m_pMeeting->GetOpinion());
    }
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000006(WPARAM, LPARAM lParam)
{
    g_ApplicationLog.Log(2, L"OnReceiveM00000006!");
    if (StatusOf(lParam) == 0 && IsWindowVisible() && m_pMemberPanel)
        m_pMemberPanel->OnUserProfile(*reinterpret_cast<const CTasResponse*>(lParam));
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000008(WPARAM, LPARAM lParam)
{
    g_ApplicationLog.Log(2, L"OnReceiveM00000008!");
    if (StatusOf(lParam) != 0 || !m_pMeeting)
        return 0;
    const Json::Value& body = BodyOf(lParam);
    const CString strType = GetJsonString(body, "fileType");
    const Json::Value& list = body.isMember("list") ? body["list"] : Json::Value(Json::arrayValue);
    m_pMeeting->SetDocuments(list, strType.CompareNoCase(L"20") == 0 ? L"20" : L"10");
    FillDetailList();
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000017(WPARAM, LPARAM lParam)
{
    if (StatusOf(lParam) != 0)
        return 0;
    if (GetJsonInt(BodyOf(lParam), "status") == 0 && m_bRefreshOnStatusReply) {
        m_bRefreshOnStatusReply = FALSE;
        RefreshDetail();
    }
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000018(WPARAM, LPARAM lParam)
{
    g_ApplicationLog.Log(2, L"OnReceiveM00000018!");
    // The attendee panel stays disabled until the hand-over is answered, refused or not: a
    // refusal must not leave it disabled for good.
    if (lParam && m_pMemberPanel)
        m_pMemberPanel->OnAttendeeConfirmReply(*reinterpret_cast<const CTasResponse*>(lParam));
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000021(WPARAM, LPARAM lParam)
{
    EndLoading();
    if (StatusOf(lParam) != 0 || !m_pMeeting)
        return 0;
    const CString strDocumentId = GetJsonString(BodyOf(lParam), "attcFileId");
    if (strDocumentId.IsEmpty())
        return 0;
    IZELMainDlg* pMain = GetMainDlg();
    IMeetingScreen* pMeeting = pMain ? pMain->GetMeetingLayer() : nullptr;
    if (pMeeting)
        pMeeting->SetFollowOnEntry(TRUE);
    const BOOL bWhiteboard = m_pMeeting->GetEmbeddedDocumentIndex(strDocumentId) != 0;
    if (pMain)
        pMain->SetScreenMode(ZEL_MODE_MEETING, m_pMeeting->GetMeetingId());
    if (bWhiteboard && pMeeting)
        pMeeting->ShowWhiteboardShare();
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000031(WPARAM, LPARAM lParam)
{
    // A refused message must not look sent.
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    if (m_pChatPopup && pReply)
        m_pChatPopup->OnSendReply(pReply->GetStatusCode(), pReply->GetBody());
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000032(WPARAM, LPARAM lParam)
{
    if (!m_pChatPopup)
        return 0;
    if (StatusOf(lParam) != 0) {
        m_pChatPopup->OnHistoryFailed();
        return 0;
    }
    m_pChatPopup->OnChatList(BodyOf(lParam));
    if (IZELMainDlg* pMain = GetMainDlg()) {
        if (ITitleBar* pTitle = pMain->GetTitleLayer())
            pTitle->SetChatButtonState(m_pChatPopup->GetChatItemCount() != 0, 0);
    }
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000038(WPARAM, LPARAM lParam)
{
    g_ApplicationLog.Log(2, L"OnReceiveM00000038!");
    if (!m_pMeeting)
        return 0;
    // A refused join leaves the user outside the meeting: no presence, no new attendee list.
    if (StatusOf(lParam) != 0) {
        g_ApplicationLog.Log(3, L"OnReceiveM00000038 refused >>> %d", StatusOf(lParam));
        return 0;
    }
    const BOOL bCanShare = m_pMeeting->CanShare();
    if (!bCanShare)
        return 0;
    m_pMeeting->SetPresenceYn(1);
    Tas()->RequestM00000004(m_strMeetingId, m_strDocumentId);
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000052(WPARAM, LPARAM lParam)
{
    const int nStatus = StatusOf(lParam);
    if (nStatus == 0) {
        if (IZELMainDlg* pMain = GetMainDlg())
            pMain->ShowToast(LoadText(IDS_DETAIL_COPIED_TO_BOX));
        return 0;
    }
    const CString strText = detailrules::DataBoxErrorText(nStatus, GetJsonString(BodyOf(lParam), "status_message"));
    g_ApplicationLog.Log(4, L"OnReceiveM00000052 >>> %d, %s", nStatus, (LPCTSTR)strText);
    PostNotice(NOTICE_DATA_BOX_ERROR, strText);
    return 0;
}

LRESULT CDetailLayer::OnReceiveM00000096(WPARAM, LPARAM lParam)
{
    const int nStatus = StatusOf(lParam);
    if (nStatus == 0)
        return 0;
    g_ApplicationLog.Log(4, L"OnReceiveM00000096 >>> %d", nStatus);
    PostNotice(NOTICE_FAVORITE_ERROR);
    return 0;
}

// A reply handler runs inside the socket worker's SendMessage: its pop-ups wait until it has
// returned, so that the worker is not held while the user reads them.
void CDetailLayer::PostNotice(ENotice eNotice, const CString& strText)
{
    if (GetSafeHwnd())
        PostMessage(WM_DETAIL_REPLY_NOTICE, eNotice, (LPARAM) new CString(strText));
}

LRESULT CDetailLayer::OnReplyNotice(WPARAM wParam, LPARAM lParam)
{
    std::unique_ptr<CString> pText(reinterpret_cast<CString*>(lParam));
    const CString strText = pText ? *pText : CString();
    IZELMainDlg* pMain = GetMainDlg();
    switch (wParam) {
    case NOTICE_OPINION: {
        CReportOpinionDlg dlg(this);
        m_pOpinionDlg = &dlg;
        dlg.SetText(strText);
        dlg.DoModal();
        m_pOpinionDlg = nullptr;
        break;
    }
    case NOTICE_LOAD_FAILED:
        if (pMain) {
            pMain->ShowConfirmPopup(LoadText(IDS_DETAIL_LOAD_FAILED));
            pMain->SetScreenMode(ZEL_MODE_LIST, CString());
        }
        break;
    case NOTICE_DATA_BOX_ERROR:
        ShowOkCancel(strText, LoadText(IDS_POPUP_TITLE), TRUE, FALSE);
        break;
    case NOTICE_FAVORITE_ERROR:
        ShowOkCancel(L"서버오류가 발생했습니다.", LoadText(IDS_POPUP_TITLE), TRUE, FALSE);
        // The list shows the server's favourite marks again.
        Tas()->RequestM00000008(GetMeetingId(), m_strMeetingType, L"10");
        break;
    default:
        break;
    }
    return 0;
}

// ---- The list and the buttons ----

void CDetailLayer::FillDetailList()
{
    if (!m_pMeeting || !m_pList)
        return;
    m_pList->DeleteAll();
    DeleteDocumentCopies();
    SetObjectText(m_pTextTitle, m_pMeeting->GetTitle());
    if (IsReport()) {
        SetObjectVisible(m_pImgPaperT, m_pMeeting->GetPaper(), TRUE);
        SetObjectVisible(m_pImgPaperF, !m_pMeeting->GetPaper(), TRUE);
        const int nStatus = m_pMeeting->GetStatus();
        if (nStatus == 11)
            m_pList->AddRow(L"DetailListItemReportRequest", DETAIL_ITEM_TEXT, DETAIL_ROW_REPORT_REQUEST, m_pMeeting, nullptr);
        else if (nStatus == 12 || nStatus == 13)
            m_pList->AddRow(L"DetailListItemReportConfirm", DETAIL_ITEM_TEXT, DETAIL_ROW_REPORT_CONFIRM, m_pMeeting, nullptr);
        else if (nStatus == 14)
            m_pList->AddRow(L"DetailListItemReportEnd", DETAIL_ITEM_TEXT, DETAIL_ROW_REPORT_END, m_pMeeting, nullptr);
        m_pList->AddRow(L"DetailListItemAttReport", DETAIL_ITEM_TEXT, DETAIL_ROW_REPORT_ATTACHMENTS, m_pMeeting, nullptr);
    } else {
        SetObjectVisible(m_pImgPaperT, FALSE, TRUE);
        SetObjectVisible(m_pImgPaperF, FALSE, TRUE);
        m_pList->AddRow(L"DetailListItemDat", DETAIL_ITEM_TEXT, DETAIL_ROW_DATE, m_pMeeting, nullptr);
        m_pList->AddRow(L"DetailListItemLoc", DETAIL_ITEM_TEXT, DETAIL_ROW_LOCATION, m_pMeeting, nullptr);
        m_pList->AddRow(L"DetailListItemAtt", DETAIL_ITEM_TEXT, DETAIL_ROW_ATTACHMENTS, m_pMeeting, nullptr);
    }
    auto addDocuments = [this](int nRefDoc) {
        for (CMeetingDocument* pDocument : m_pMeeting->GetDocuments()) {
            if (pDocument->IsRefDoc() != nRefDoc)
                continue;
            CMeetingDocument* pCopy = new CMeetingDocument();
            pCopy->CopyFrom(*pDocument);
            m_docCopies.push_back(pCopy);
            m_pList->AddRow(L"DetailListItemFile", DETAIL_ITEM_DOCUMENT, DETAIL_ROW_FILE, m_pMeeting, pCopy);
        }
    };
    addDocuments(0);
    if (m_pMeeting->CountReferenceDocuments(1) > 0) {
        m_pList->AddRow(L"DetailListItemRef", DETAIL_ITEM_TEXT, DETAIL_ROW_REFERENCES, m_pMeeting, nullptr);
        addDocuments(1);
    }
    m_pList->AddRow(L"DetailListItemCon", DETAIL_ITEM_TEXT, DETAIL_ROW_CONTENTS, m_pMeeting, nullptr);
    if (m_pListArea && m_pList->GetSafeHwnd()) {
        CRect rc;
        m_pListArea->GetContentRect(rc, nullptr);
        m_pList->RelayoutRows(rc.Width(), rc.Height());
        m_pList->RecalcScrollBar();
        m_pList->ShowWindow(SW_SHOW);
        m_pList->Invalidate();
    }
}

int CDetailLayer::GetRemainMinutes() const
{
    return detailrules::GetRemainMinutes(m_tmEnd, CTime::GetCurrentTime(), IsReport());
}

void CDetailLayer::UpdateButtons()
{
    if (!m_pMeeting)
        return;
    for (SKIN_OBJECT* pObject : {m_pTextStatus, m_pBtnReportConfirm, m_pBtnReportStart, m_pBtnReportEnd,
                                 m_pBtnFeedbackUpdate, m_pBtnStart, m_pBtnEnd, m_pBtnRestart, m_pGroupTime, m_pTextTime})
        SetObjectVisible(pObject, FALSE, TRUE);
    detailrules::SButtonInput in;
    in.nStatus = m_pMeeting->GetStatus();
    in.bReport = IsReport();
    in.nReportUserType = m_pMeeting->GetReportUserType();
    in.bHost = m_pMeeting->GetMainYn() || m_pMeeting->IsPresenterMe();
    in.bSecretary = m_pMeeting->GetSecretaryFlag();
    in.bUpdate = m_pMeeting->GetUpdate();
    in.bType12 = m_pMeeting->IsType12();
    in.nRemainMinutes = GetRemainMinutes();
    const detailrules::SButtonState out = detailrules::DecideButtons(in);
    const CString strStatus = out.nStatusString ? LoadText(out.nStatusString) : out.strStatusText;
    if (!strStatus.IsEmpty()) {
        SetObjectText(m_pTextStatus, strStatus);
        SetObjectVisible(m_pTextStatus, out.bStatusShown, TRUE);
    }
    SetObjectVisible(m_pBtnReportConfirm, out.bReportConfirm, TRUE);
    SetObjectVisible(m_pBtnReportEnd, out.bReportEnd, TRUE);
    SetObjectVisible(m_pBtnFeedbackUpdate, out.bFeedbackUpdate, TRUE);
    SetObjectVisible(m_pBtnStart, out.bStart, TRUE);
    SetObjectVisible(m_pBtnEnd, out.bEnd, TRUE);
    SetObjectVisible(m_pBtnRestart, out.bRestart, TRUE);
    if (out.bTimeGroup) {
        SetObjectText(m_pTextTime, out.strTime);
        SetObjectVisible(m_pGroupTime, TRUE, TRUE);
        SetObjectVisible(m_pTextTime, TRUE, TRUE);
    }
    if (in.nStatus == 2) {
        if (IZELMainDlg* pMain = GetMainDlg()) {
            pMain->SetRemainTime(IntToString(in.nRemainMinutes));
            pMain->CheckRemainTime();
        }
    }
    Invalidate(FALSE);
}

int CDetailLayer::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != 514 || !pObject)
        return 0;
    if (pObject == m_pBtnStart)
        OnStartMeeting();
    else if (pObject == m_pBtnEnd)
        OnEndMeeting();
    else if (pObject == m_pBtnRestart)
        OnRestartMeeting();
    else if (pObject == m_pBtnReportConfirm)
        ProcReportConfirm();
    else if (pObject == m_pBtnReportStart)
        OnStartReport();
    else if (pObject == m_pBtnReportEnd)
        OnEndReport();
    else if (pObject == m_pBtnFeedbackUpdate)
        OnUpdateFeedback();
    else
        return 0;
    return 1;
}
