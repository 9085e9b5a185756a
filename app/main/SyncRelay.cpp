#include "app/main/SyncRelay.h"

#include <cwchar>

#include "core/JsonHelpers.h"
#include "net/protocol/JsonText.h"

BOOL CSyncRelay::Following(const CString& strMeetingId, IMeetingScreen** ppMeeting, IBoardLayer** ppBoard)
{
    if (m_host.GetMode() != 2) return FALSE;
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    IBoardLayer* pBoard = m_host.GetBoardLayer();
    if (!pMeeting || !pBoard) return FALSE;
    const CString strShown = pMeeting->GetMeetingId();
    if (strMeetingId.IsEmpty() || strMeetingId != strShown || !pMeeting->IsPageSync()) return FALSE;
    *ppMeeting = pMeeting;
    *ppBoard = pBoard;
    return TRUE;
}

void CSyncRelay::OnSyncLine(const Json::Value& data)
{
    IMeetingScreen* pMeeting = nullptr;
    IBoardLayer* pBoard = nullptr;
    // Strokes of another meeting never reach the board, whatever page numbers they carry.
    if (!Following(GetJsonString(data, "mtngId"), &pMeeting, &pBoard)) return;
    const int nPage = GetJsonInt(data, "page");
    const CString strDocument = GetJsonString(data, "attachId");
    if (strDocument != pMeeting->GetCurrentDocumentId() || nPage != pBoard->GetCurrentPage()) return;
    if (m_host.IsPresenterMe()) return;
    const CString strType = GetJsonString(data, "metaType");
    if (strType.CompareNoCase(L"1") == 0) {
        Json::Value content;
        if (!ParseJsonText(GetJsonUtf8(data, "content"), content) || !content.isObject()) {
            m_host.Log(4, L"receive synchronization:05, but parse fail...\n");
            return;
        }
        const Json::Value* pLine = FindJsonMember(content, "line");
        if (!pLine || !pLine->isObject()) return;
        // The peer sends exactly "delete".
        if (GetJsonUtf8(*pLine, "mode") == "delete")
            pBoard->RemoveLine(nPage, GetJsonString(*pLine, "lineId"));
        else
            pBoard->AddRemoteLine(nPage, *pLine);
    } else if (strType.CompareNoCase(L"2") == 0) {
        pBoard->RemoveLine(nPage, CString());
    } else if (strType.CompareNoCase(L"3") == 0) {
        pBoard->ClearAllOverlays();
    }
}

void CSyncRelay::OnSyncZoom(const Json::Value& data)
{
    IMeetingScreen* pMeeting = nullptr;
    IBoardLayer* pBoard = nullptr;
    if (!Following(GetJsonString(data, "mtngId"), &pMeeting, &pBoard)) return;
    const float fZoom = (float) wcstod(GetJsonString(data, "zoomFactor"), nullptr);
    pBoard->QueueRemoteZoom(fZoom, GetJsonInt(data, "originX"), GetJsonInt(data, "originY"));
}

void CSyncRelay::OnSyncPointer(const Json::Value& data)
{
    IMeetingScreen* pMeeting = nullptr;
    IBoardLayer* pBoard = nullptr;
    const CString strMeetingId = GetJsonString(data, "mtngId");
    if (!Following(strMeetingId, &pMeeting, &pBoard)) return;
    pBoard->ShowRemotePointer(strMeetingId, GetJsonInt(data, "userIdnfr"), GetJsonString(data, "attcFileId"),
                              GetJsonInt(data, "page"), GetJsonString(data, "pointerX"),
                              GetJsonString(data, "pointerY"), GetJsonString(data, "pointerColor"),
                              GetJsonString(data, "pointerSize"), GetJsonString(data, "pointerShape"));
}

LRESULT CSyncRelay::OnTdsPage(WPARAM, LPARAM lParam)
{
    if (!lParam || m_host.GetMode() != 2) return 0;
    IMeetingScreen* pMeeting = m_host.GetMeetingScreen();
    if (!pMeeting) return 0;
    const Json::Value& data = *reinterpret_cast<const Json::Value*>(lParam);
    pMeeting->OnSyncPagePush(GetJsonString(data, "mtngId"), GetJsonString(data, "attachId"),
                             GetJsonInt(data, "page"), m_host.GetShowCmd());
    return 0;
}
