#include "net/protocol/TDSClientManager.h"

#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"
#include "net/protocol/JsonText.h"
#include "net/protocol/MacAddressText.h"
#include "net/protocol/PlatformHeader.h"

CTDSClientManager::CTDSClientManager() : CSessionClientManager(L"TDS", 1, 10000) {}

std::vector<_REQUIRED_MESSAGE> CTDSClientManager::RequiredMessages()
{
    return {{"TD01", "M00000001"}, {"TD01", "M00000002"}, {"TD01", "M00000004"}, {"TD01", "M00000005"},
            {"TD01", "M00000006"}, {"TD01", "M00000007"}, {"PFAP", "M00000000"}};
}

BOOL CTDSClientManager::Init(const wchar_t* pszDefinitionPath)
{
    return InitClient(pszDefinitionPath, RequiredMessages());
}

void CTDSClientManager::SetListener(HWND hWnd, ITDSSyncListener* pSyncListener)
{
    m_pSyncListener = pSyncListener;
    SetListenerWindow(hWnd);
}

void CTDSClientManager::SendTdsRequest(const char* pszApplicationId, const char* pszMessageId, Json::Value* pBody)
{
    SendThroughClient(new CTasRequest(CTasRequest::HEADER_FORM_PHV106,
                                      PlatformHeader::BuildPhv106(pszApplicationId, pszMessageId), new Json::Value(),
                                      pBody));
}

void CTDSClientManager::RequestConnect()
{
    Json::Value* pBody = new Json::Value;
    (*pBody)["WIFI_MAC"] = GetMacAddressText();
    SendTdsRequest("TD01", "M00000001", pBody);
}

void CTDSClientManager::RequestDisconnect()
{
    Json::Value* pBody = new Json::Value;
    (*pBody)["WIFI_MAC"] = GetMacAddressText();
    SendTdsRequest("TD01", "M00000002", pBody);
}

void CTDSClientManager::SendKeepAlive()
{
    SendTdsRequest("PFAP", "M00000000", nullptr);
}

void CTDSClientManager::OnConnect()
{
    g_TasLog.Log(2, L"TDSClientManager's socket is just connect...\n");
    RequestConnect();
}

void CTDSClientManager::OnResponse(std::shared_ptr<CTasResponse> pResponse)
{
    const std::string strMessageId = pResponse->GetMessageId();
    const std::string strApplicationId = pResponse->GetApplicationId().substr(0, 4);
    if (pResponse->GetStatusCode() != 0) {
        g_TasLog.Log(2, L"received message from TDS...but status code is not success.....\n");
        return;
    }
    if (strApplicationId == "PFAP") {
        if (strMessageId == "M00000000") m_bKeepAliveSent = 0;
        return;
    }
    const Json::Value kNull;
    const Json::Value& body = pResponse->GetBody() ? *pResponse->GetBody() : kNull;
    if (strMessageId == "M00000001") {
        g_TasLog.Log(2, L"TDS connection is established...\n");
        const int nKeepAlive = GetJsonInt(body, "keepAlliveTime");
        if (nKeepAlive != 0) m_nKeepAliveTime = nKeepAlive;
        OnSessionOpened(nKeepAlive);
        const HWND hListener = m_hListener;
        if (hListener) SendMessage(hListener, WM_TDS_CONNECTED, 0, 0);
    } else if (strMessageId == "M00000002") {
        g_TasLog.Log(2, L"TDS disconnected ...\n");
    } else if (strMessageId == "M00000004") {
        HandOver(SYNC_LINE, *pResponse);
    } else if (strMessageId == "M00000005") {
        HandOver(SYNC_ZOOM, *pResponse);
    } else if (strMessageId == "M00000006") {
        HandOver(SYNC_PAGE, *pResponse);
    } else if (strMessageId == "M00000007") {
        HandOver(SYNC_POINTER, *pResponse);
    }
}

void CTDSClientManager::HandOver(SyncKind kind, const CTasResponse& reply)
{
    const Json::Value kNull;
    const std::string strData = GetJsonUtf8(reply.GetBody() ? *reply.GetBody() : kNull, "data");
    // Text that is not JSON is handed on as a null value; the receivers read with defaults.
    auto pData = std::make_shared<Json::Value>();
    ParseJsonText(strData, *pData);
    if (!m_hListener) return;
    // The whiteboard belongs to the user-interface thread: the copy is handled there, in order.
    Queue().Post([this, kind, pData] { Dispatch(kind, *pData); });
}

void CTDSClientManager::Dispatch(SyncKind kind, Json::Value& data)
{
    const HWND hListener = m_hListener;
    ITDSSyncListener* pSync = m_pSyncListener;
    if (!hListener) return;
    switch (kind) {
    case SYNC_PAGE:
        SendMessage(hListener, WM_TDS_PAGE, 0, (LPARAM)&data);
        break;
    case SYNC_LINE:
        if (pSync) pSync->OnSyncLine(data);
        break;
    case SYNC_ZOOM:
        if (pSync) pSync->OnSyncZoom(data);
        break;
    case SYNC_POINTER:
        if (pSync) pSync->OnSyncPointer(data);
        break;
    }
}
